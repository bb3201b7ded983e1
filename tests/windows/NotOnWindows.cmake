# SPDX-License-Identifier: Apache-2.0
# Tests left out of the Windows build (run under Wine), each with its reason. Included from
# tests/CMakeLists.txt; `qvt_not_on_windows(FILES <file> <reason>)` drops a source file,
# `qvt_not_on_windows(TESTS <gtest pattern> <reason>)` a test by name.

qvt_not_on_windows(FILES e2e/XServerKeyboardTest.cpp
  "drives the program in an X server with xdotool; the Windows window system is not X11")
qvt_not_on_windows(FILES e2e/ConversionInterruptEndToEndTest.cpp
  "sends POSIX signals (TERM, INT, HUP, KILL) to the program while its tool runs")
qvt_not_on_windows(TESTS "Values/RememberedChoice.*"
  "the remembered choice's value file under the system root; Windows keeps it in the registry")
qvt_not_on_windows(TESTS "OperatorGenerator.*"
  "the operator-table generator is a Python build tool of the build machine")
qvt_not_on_windows(TESTS "CommandLineEndToEnd.WindowedRunAcceptsQtOptions"
  "ends a waiting windowed program with timeout(1) from a POSIX shell")
qvt_not_on_windows(TESTS "*GameCallEndToEnd.*"
  "makes its sounds with the Linux FFmpeg's generators and encoders; under Wine, check-installed converts an mp3 with the shipped ffmpeg.exe instead")
# Parts of tests/e2e/NothingLostEndToEndTest.cpp are compiled on POSIX systems only; listed here
# with their reasons so that the Windows run names them.
qvt_not_on_windows(TESTS "Links/LinkOnTheCard.*"
  "makes symbolic links on the card; Wine's file system does not give programs POSIX links")
qvt_not_on_windows(TESTS "NothingLost.ADiscoveredCardThatIsUnmountedIsMissingAtSaveAndInTheList"
  "mounts and unmounts a card image under /media (Linux, root)")
qvt_not_on_windows(TESTS "NothingLost.TheRememberedChoiceIsReplacedByANewFileNeverRewrittenInPlace"
  "the remembered choice's value file; Windows keeps the choice in the registry (check-installed reads it)")
qvt_not_on_windows(TESTS "Kinds/NoRegularFile.*:Kinds/NoRegularCardFile.*"
  "makes FIFOs and device files, which Windows file systems do not have")
qvt_not_on_windows(TESTS "NothingLost.EndingTheProgramStopsTheWholeToolGroup"
  "process groups and POSIX signals")
qvt_not_on_windows(TESTS "CardMountsTest.RemovableOrHotPlugDevicesBySysfs"
  "Linux card discovery through sysfs and the mount table; Windows asks GetDriveType (check-installed)")
qvt_not_on_windows(TESTS "RegistryStore.*"
  "the remembered choice as files under the system root; on Windows it is the registry, read back with wine reg query by check-installed")
qvt_not_on_windows(TESTS "programDir.FolderOfTheRunningProgramWithAndWithoutAnApplication"
  "compares with /proc/self/exe")
qvt_not_on_windows(TESTS "clearReadOnly.AddsOwnerWriteKeepsOtherBits:writeFileAtomically.KeepsPermissionsOfExistingFile"
  "POSIX permission bits; Windows files carry only a read-only attribute")
qvt_not_on_windows(TESTS "deleteIfExist.DanglingLinkIsDeleted:CardSaveFlowTest.LinksOnACardAreNeverFollowedOutOfIt:CardSaveFlowTest.AVolumeListedUnderASecondNameKeepsItsNewFile:clearDirTree.DeletesFilesEverywhereAndKeepsFolders"
  "make symbolic links, which Wine does not implement for programs (Function not implemented)")
qvt_not_on_windows(TESTS "StagingTest.*:FileInfoTest.*:AudioTest.*:Formats/ConvertTest.*"
  "make their sounds with the Linux FFmpeg's generators and encoders; under Wine, check-installed converts an mp3 with the shipped ffmpeg.exe")
qvt_not_on_windows(TESTS "CommandLine.ValuesKeepTheirBytesAndEqualsFormWorks"
  "passes bytes that are no UTF-8; a Windows command line is UTF-16 text")
qvt_not_on_windows(TESTS "QtHost.RunProcess*:QtHost.CancelStopsTheProcess:ProgressWindow.IsWideEnoughForItsWholeTitle"
  "run /bin/sh scripts as the tool; under Wine, check-installed runs the real ffmpeg.exe through the game call")
qvt_not_on_windows(TESTS "ProductSelection.*"
  "expect an empty remembered choice per test; on Windows the choice is one machine-wide registry value that parallel tests share (check-installed tests it with wine reg query)")
qvt_not_on_windows(TESTS "NothingLost.CancelAtTheConfirmationLeavesCardSoundAndPhotosAlone"
  "makes its sound with the Linux FFmpeg's generators")
