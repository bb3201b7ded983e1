// SPDX-License-Identifier: Apache-2.0
// Nothing lost and nothing written where it does not belong, through the real binary: damaged files
// survive opening, links on the card are never used, Cancel changes nothing, one save at a time,
// an unmounted card is not present, interrupted writes are tidied, foreign targets are refused.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <QLockFile>
#include <QSysInfo>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "e2e/E2eSupport.h"
#include "support/ProductCases.h"

namespace fs = std::filesystem;
using namespace qvt::test;

namespace {

const std::string kOpen = "select 1131 \"HX710T-10M\"\nclick 1\n";
const std::string kSave = "answer OK\nclick 1\n";

std::string goldenText() { return readFile(fs::path(QVT_TEST_DATA_DIR) / "hx710t_defaults.txt"); }

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Every file below a folder with its bytes (links as "-> target"), to show that nothing changed.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::file_status st = it->symlink_status();
        const std::string name = fs::relative(it->path(), folder).string();
        if (fs::is_symlink(st))
            files[name] = "-> " + fs::read_symlink(it->path()).string();
        else if (fs::is_regular_file(st))
            files[name] = readFile(it->path());
        else
            files[name] = fs::is_directory(st) ? "<dir>" : "<other>";
    }
    return files;
}

#ifndef _WIN32
bool isRoot() { return ::geteuid() == 0; }
#endif

}  // namespace

// ---- a damaged file survives opening the window ------------------------------------------------

class DamagedFileSurvivesOpening : public ::testing::TestWithParam<ProductCase>, protected PcWithCard {
protected:
    fs::path cardFile() const { return card / "GSM" / (std::string(GetParam().fileCode) + ".TXT"); }
    fs::path backupFile() const { return root / "LumbrakonBackup" / (std::string(GetParam().fileCode) + ".TXT"); }
    std::string open() const { return "select 1131 \"" + std::string(GetParam().displayName) + "\"\nclick 1\n"; }
};

TEST_P(DamagedFileSurvivesOpening, EscapeLeavesEveryByteAndSaveReplacesThem) {
    // The first line is garbage, but the owner's values are still there.
    const std::string damaged = "\x01garbage[QVTFile\r\nIP=10.1.2.3\r\nPassword=secret\r\nAdmin Number=+4912345\r\n";
    const std::string oldBackup = "not a settings file at all\r\n";
    writeFile(cardFile(), damaged);
    writeFile(backupFile(), oldBackup);
    const auto cardBefore = snapshot(card), backupsBefore = snapshot(root / "LumbrakonBackup");

    for (const std::string exit : {"key Escape\n", "close\n"}) {
        RunResult r = runScript(root, {card}, open() + exit);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_TRUE(findLine(r, {"Can't delete"}).empty()) << r.out();
        EXPECT_EQ(snapshot(card), cardBefore);
        EXPECT_EQ(snapshot(root / "LumbrakonBackup"), backupsBefore);
    }

    RunResult r = runScript(root, {card}, open() + "click " + std::to_string(GetParam().defaultButton) + "\n" + kSave);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"replaces an invalid file"}).empty()) << r.out();
    const std::string mark = "Model=" + std::string(GetParam().fileCode);
    EXPECT_NE(readFile(cardFile()).find(mark), std::string::npos);
    const std::string backup = readFile(backupFile());
    EXPECT_NE(backup.find(mark), std::string::npos);
    EXPECT_EQ(backup.find("not a settings file"), std::string::npos) << "an invalid backup is replaced, not merged";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DamagedFileSurvivesOpening, ::testing::ValuesIn(dialogCases()),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(NothingLost, ForeignAndOversizedCardFilesStayWhileTheBackupsValuesShow) {
    PcWithCard pc;
    const fs::path cardFile = pc.card / "GSM" / "HX710T.TXT";
    writeFile(pc.root / "LumbrakonBackup" / "HX710T.TXT", goldenText() + "[Note]\r\n");
    // A valid-looking file just over 1 MiB, and another camera's file.
    std::string big = goldenText();
    while (big.size() <= (1u << 20)) big += "; padding line of an oversized file\r\n";
    std::string other = goldenText();
    other.replace(other.find("Model=HX710T"), 12, "Model=HX720U");
    for (const std::string& bytes : {big, other}) {
        writeFile(cardFile, bytes);
        RunResult r = runScript(pc.root, {pc.card}, kOpen + "dump 1030\ndump 1073\nkey Escape\n");
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(readFile(cardFile), bytes);
        EXPECT_NE(dumpLineOf(r, 1030).find("\"item\":\"" + cardFile.string() + "\""), std::string::npos)
            << "the kept file is still the save target";
        EXPECT_EQ(dumpLineOf(r, 1073).find("\"sel\":-1"), std::string::npos) << "the backup's values are shown";
    }
}

#ifndef _WIN32  // symbolic links (tests/windows/NotOnWindows.cmake)
// ---- links on the card --------------------------------------------------------------------------

class LinkOnTheCard : public ::testing::TestWithParam<bool>, protected PcWithCard {};

// Neither a GSM folder nor a card file that is a link is read, written or deleted through.
TEST_P(LinkOnTheCard, IsNeverReadNorWrittenThroughAndSaveNamesIt) {
    const bool folderLink = GetParam();
    const fs::path elsewhere = dir / "elsewhere";
    const std::string theirs = goldenText() + "[Note]\r\nOwner=someone else\r\n";
    writeFile(elsewhere / "HX710T.TXT", theirs);
    fs::path link;
    if (folderLink) {
        link = card / "GSM";
        fs::create_directory_symlink(elsewhere, link);
    } else {
        link = card / "GSM" / "HX710T.TXT";
        fs::create_directories(link.parent_path());
        fs::create_symlink(elsewhere / "HX710T.TXT", link);
    }
    RunResult r = runScript(root, {card}, kOpen + "dump 1073\nclick 1080\n" + kSave);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(dumpLineOf(r, 1073).find("\"sel\":-1"), std::string::npos) << "nothing was read through the link";
    const std::string refused = findLine(r, {"\"icon\":\"warning\"", link.string(), "symbolic link", "Nothing was saved."});
    EXPECT_FALSE(refused.empty()) << r.out();
    EXPECT_TRUE(findLine(r, {"All data has been saved"}).empty()) << r.out();
    EXPECT_EQ(readFile(elsewhere / "HX710T.TXT"), theirs);
    EXPECT_TRUE(fs::is_symlink(link));
}

INSTANTIATE_TEST_SUITE_P(Links, LinkOnTheCard, ::testing::Bool(),
                         [](const auto& test) { return std::string(test.param ? "GsmFolder" : "CardFile"); });

#endif

// ---- Cancel ---------------------------------------------------------------------------------------

TEST(NothingLost, CancelAtTheConfirmationLeavesCardSoundAndPhotosAlone) {
    PcWithCard pc;
    const fs::path pictures = pc.card / "DCIM" / "100QVTIM";
    writeFile(pictures / "IMAG0001.JPG", "photo");
    writeFile(pictures / "ADUI0001.WAV", "old sound");
    writeFile(pc.card / "GSM" / "HX710T.TXT", goldenText());
    const fs::path source = pc.dir / "call.wav";
    const std::string tone = "ffmpeg -nostdin -loglevel error -y -f lavfi -i sine=duration=1 '" + source.string() + "'";
    ASSERT_EQ(std::system(tone.c_str()), 0);
    writeFile(pc.root / "LumbrakonBackup" / "HX710T.TXT", goldenText());
    const auto cardBefore = snapshot(pc.card), backupsBefore = snapshot(pc.root / "LumbrakonBackup");
    // Answers for every question a wrongly continued save would ask, so that the run goes through.
    RunResult r = runScript(pc.root, {pc.card},
                            kOpen + "select 1118 \"ON\"\nchoose-file \"" + source.string() +
                                "\"\nclick 1002\nanswer Cancel\nanswer OK\nanswer OK\nclick 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_TRUE(findLine(r, {"IMAG0001"}).empty()) << r.out();
    EXPECT_EQ(snapshot(pc.card), cardBefore);
    EXPECT_EQ(snapshot(pc.root / "LumbrakonBackup"), backupsBefore);
}

// ---- one save at a time -----------------------------------------------------------------------------

TEST(NothingLost, ASaveWhileAnotherProgramHoldsTheLockSavesNothingAStaleLockIsTakenOver) {
    PcWithCard pc;
    const fs::path lockFile = pc.root / "QVT_SAVE.lock";
    const fs::path cardFile = pc.card / "GSM" / "HX710T.TXT";
    {
        QLockFile held(QString::fromStdString(lockFile.string()));
        ASSERT_TRUE(held.tryLock(0));
        RunResult r = runScript(pc.root, {pc.card}, kOpen + "click 1080\n" + kSave);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_FALSE(findLine(r, {"\"icon\":\"warning\"", "Another QVT CONFIG is saving", "Nothing was saved"}).empty())
            << r.out();
        EXPECT_TRUE(findLine(r, {"All data has been saved"}).empty());
        EXPECT_FALSE(fs::exists(cardFile));
        EXPECT_FALSE(fs::exists(pc.root / "LumbrakonBackup" / "HX710T.TXT"));
    }
#ifndef _WIN32  // under Wine a lock naming a process id that never ran was not taken for stale
    // A lock left by a program that died: its process is gone, so the next save takes it over.
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const std::string host = QSysInfo::machineHostName().toStdString();
    writeFile(lockFile, std::to_string(dead) + "\nqvt-config\n" + host + "\n");
    RunResult r = runScript(pc.root, {pc.card}, kOpen + "click 1080\n" + kSave);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"All data has been saved"}).empty()) << r.out();
    EXPECT_NE(readFile(cardFile).find("Model=HX710T"), std::string::npos);
    EXPECT_FALSE(fs::exists(lockFile)) << "released after the save";
#endif
}

#ifndef _WIN32  // mounts a card image (tests/windows/NotOnWindows.cmake)
// ---- an unmounted card --------------------------------------------------------------------------

// A card found by discovery and then unmounted leaves its empty mount folder: that is the PC's own
// disk, never the card.
TEST(NothingLost, ADiscoveredCardThatIsUnmountedIsMissingAtSaveAndInTheList) {
    if (!isRoot()) GTEST_SKIP() << "mounting a card under /media needs root";
    TempDir dir;
    const fs::path pc = dir / "pc";
    fs::create_directories(pc);
    const fs::path mountPoint = fs::path("/media") / "root" / ("qvt-e2e-" + std::to_string(::getpid()));
    TestMount card = TestMount::image(mountPoint, dir / "card.img", "mkfs.ext2 -q -F -b 1024 -m 0", 512);
    if (!card.mounted()) GTEST_SKIP() << card.why();
    struct RemoveFolder {
        fs::path p;
        ~RemoveFolder() {
            ::umount2(p.c_str(), MNT_DETACH);
            std::error_code ec;
            fs::remove_all(p, ec);
        }
    } cleanup{mountPoint};
    const std::string candidate = (mountPoint / "GSM" / "HX710T.TXT").string();
    RunResult r = runScriptInParts(pc, {},
                                   {{nullptr, kOpen + "dump 1030\n"},
                                    {[&] { ASSERT_EQ(::umount2(mountPoint.c_str(), 0), 0); },
                                     "click 1080\nanswer OK\nclick 1\ndump 1030\ndropdown 1030\ndump 1030\n"}});
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out();
    EXPECT_NE(r.out().find("\"item\":\"" + candidate + "\""), std::string::npos) << "listed while mounted";
    EXPECT_FALSE(findLine(r, {"Can't find volume \\\"" + mountPoint.string() + "/\\\""}).empty()) << r.out();
    EXPECT_TRUE(findLine(r, {"All data has been saved"}).empty()) << r.out();
    EXPECT_EQ(dumpLineOf(r, 1030).find(candidate), std::string::npos) << dumpLineOf(r, 1030);
    EXPECT_TRUE(namesIn(mountPoint).empty()) << "nothing written onto the PC's disk under the mount folder";
}

#endif

// ---- temporary files of interrupted saves --------------------------------------------------------

TEST(NothingLost, TheNextSaveRemovesOnlyThisProgramsStaleTemporariesOfTheCardFile) {
    PcWithCard pc;
    const fs::path gsm = pc.card / "GSM";
    const std::vector<std::string> stale{"HX710T.TXT.vMiMTc", ".HX710T.TXT.tmp-3141592-7"};
    const std::vector<std::string> kept{"HX710T.TXT.vMiMTc7", "HX710T.TXT.bak", "HX710T.TXT.a-b_cd",
                                        ".HX710T.TXT.tmp-31x-7", "VEX2.TXT.vMiMTc", "HX720U.TXT"};
    for (const std::string& name : stale) writeFile(gsm / name, goldenText());
    for (const std::string& name : kept) writeFile(gsm / name, "someone's file");
    fs::create_directories(gsm / "HX710T.TXT.Folder");  // a folder of that shape is no file of ours

    RunResult r = runScript(pc.root, {pc.card}, kOpen + "click 1080\n" + kSave);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"All data has been saved"}).empty()) << r.out();
    std::vector<std::string> expected = kept;
    expected.push_back("HX710T.TXT");
    expected.push_back("HX710T.TXT.Folder");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(gsm), expected);
}

#ifndef _WIN32  // the choice lives in the registry on Windows (tests/windows/NotOnWindows.cmake)
// ---- the remembered choice -----------------------------------------------------------------------

TEST(NothingLost, TheRememberedChoiceIsReplacedByANewFileNeverRewrittenInPlace) {
    PcWithCard pc;
    const fs::path value = choiceValueFile(pc.root);
    writeFile(value, "2");
    // A second name for the value's file shows whether the old file was rewritten in place (what a
    // kill during that write leaves empty) or replaced by a complete new one.
    const fs::path secondName = pc.dir / "second-name";
    fs::create_hard_link(value, secondName);
    RunResult r = runScript(pc.root, {pc.card}, "select 1131 \"HX720U\"\nclick 1\nclose\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readFile(value), "3");
    EXPECT_EQ(readFile(secondName), "2") << "the old file was written in place";
}

#endif

#ifndef _WIN32  // FIFOs and device files (tests/windows/NotOnWindows.cmake)
// ---- targets that are no regular file -------------------------------------------------------------

class NoRegularFile : public ::testing::TestWithParam<const char*>, protected PcWithCard {
protected:
    // Makes a FIFO, a character device (root only) or a link to a file at `path`; false when it cannot.
    bool make(const fs::path& path) {
        fs::create_directories(path.parent_path());
        const std::string kind = GetParam();
        if (kind == "fifo") return ::mkfifo(path.c_str(), 0644) == 0;
        if (kind == "device") return isRoot() && ::mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0;
        writeFile(dir / "linked.txt", "linked file");
        fs::create_symlink(dir / "linked.txt", path);
        return true;
    }
    bool unchanged(const fs::path& path) {
        const std::string kind = GetParam();
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(path, ec);
        if (kind == "fifo") return fs::is_fifo(st);
        if (kind == "device") return fs::is_character_file(st);
        return fs::is_symlink(st) && readFile(dir / "linked.txt") == "linked file";
    }
};

TEST_P(NoRegularFile, ExportRefusesIt) {
    const fs::path target = dir / "out" / "HX710T.TXT";
    if (!make(target)) GTEST_SKIP() << "cannot make a " << GetParam() << " here (device nodes need root)";
    RunResult r = runScript(root, {card}, kOpen + "choose-file \"" + target.string() + "\"\nclick 9001\n");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"The settings were not exported", target.string(), "is not a regular file"}).empty())
        << r.out();
    EXPECT_TRUE(unchanged(target));
}

// A link at the card file: LinkOnTheCard.
class NoRegularCardFile : public NoRegularFile {};

TEST_P(NoRegularCardFile, TheCardWriteRefusesItAndTheBackupIsStillWritten) {
    const fs::path target = card / "GSM" / "HX710T.TXT";
    if (!make(target)) GTEST_SKIP() << "cannot make a " << GetParam() << " here (device nodes need root)";
    RunResult r = runScript(root, {card}, kOpen + "click 1080\n" + kSave);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(findLine(r, {"Error : The data could not be saved in : \\\" " + target.string()}).empty()) << r.out();
    EXPECT_TRUE(unchanged(target));
    EXPECT_NE(readFile(root / "LumbrakonBackup" / "HX710T.TXT").find("Model=HX710T"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NoRegularFile, ::testing::Values("fifo", "device", "link"),
                         [](const auto& test) { return std::string(test.param); });
INSTANTIATE_TEST_SUITE_P(Kinds, NoRegularCardFile, ::testing::Values("fifo", "device"),
                         [](const auto& test) { return std::string(test.param); });

#endif

// ---- smaller things -------------------------------------------------------------------------------

// A tool started through a wrapper script: ending the program stops the wrapper's FFmpeg too.
#ifndef _WIN32  // process groups and POSIX signals (tests/windows/NotOnWindows.cmake)
TEST(NothingLost, EndingTheProgramStopsTheWholeToolGroup) {
    PcWithCard pc;
    const fs::path pictures = pc.card / "DCIM" / "100QVTIM";
    fs::create_directories(pictures);
    const fs::path source = pc.dir / "long.wav";
    const std::string tone = "ffmpeg -nostdin -loglevel error -y -f lavfi -i sine=sample_rate=8000:duration=3600 -ac 1 "
                             "-c:a pcm_u8 '" + source.string() + "'";
    ASSERT_EQ(std::system(tone.c_str()), 0);
    const fs::path wrapper = pc.dir / "ffmpeg-wrapper";
    // No exec: FFmpeg and a helper of the wrapper's are its children, not the program's.
    writeFile(wrapper, "#!/bin/sh\nsleep 600 &\nffmpeg \"$@\"\nexit $?\n");
    fs::permissions(wrapper, fs::perms::owner_all);
    writeFile(pc.dir / "script.txt", kOpen + "click 1080\nselect 1118 \"ON\"\nchoose-file \"" + source.string() +
                                         "\"\nclick 1002\n" + kSave);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        ::execl(QVT_BINARY, QVT_BINARY, "--system-root", pc.root.c_str(), "--volume", pc.card.c_str(), "--ffmpeg",
                wrapper.c_str(), "--script", (pc.dir / "script.txt").c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto childrenOf = [](pid_t parent) {
        std::vector<pid_t> kids;
        std::ifstream in("/proc/" + std::to_string(parent) + "/task/" + std::to_string(parent) + "/children");
        for (pid_t p; in >> p;) kids.push_back(p);
        return kids;
    };
    std::vector<pid_t> started;  // what the wrapper started
    for (int i = 0; i < 3000 && started.size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        started.clear();
        for (pid_t w : childrenOf(pid))
            for (pid_t p : childrenOf(w)) started.push_back(p);
    }
    ASSERT_EQ(started.size(), 2u) << "the wrapper started FFmpeg and its helper";
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    // Gone, or a zombie waiting for the system to reap it: not running any more.
    const auto running = [](pid_t p) {
        std::ifstream stat("/proc/" + std::to_string(p) + "/stat");
        std::string pidText, name, state;
        return static_cast<bool>(stat >> pidText >> name >> state) && state != "Z" && state != "X";
    };
    for (int i = 0; i < 200 && std::any_of(started.begin(), started.end(), running); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    for (pid_t p : started) {
        EXPECT_FALSE(running(p)) << "process " << p << " of the tool outlived the program";
        if (running(p)) ::kill(p, SIGKILL);
    }
}

#endif

TEST(NothingLost, ARejectedScriptLineIsEchoedShortAndWithoutControlCharacters) {
    PcWithCard pc;
    std::string line = "bogus \x1b]0;owned\x07\x1b[2J";
    line.append(std::size_t{1} << 19, 'A');
    RunResult r = runScript(pc.root, {pc.card}, line + "\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_LT(r.err.size(), 600u) << r.err.substr(0, 600);
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos);
    EXPECT_EQ(r.err.find('\x07'), std::string::npos);
    EXPECT_NE(r.err.find("script line 1"), std::string::npos) << r.err.substr(0, 600);
    EXPECT_NE(r.err.find("bogus \\x1B]0;owned\\x07"), std::string::npos) << r.err.substr(0, 600);
}

TEST(NothingLost, SaveDetailsListAValueTheSaveWillCut) {
    PcWithCard pc;
    const std::string longUrl(150, 'u');
    std::string bytes = goldenText();
    const std::size_t at = bytes.find("URL=");
    ASSERT_NE(at, std::string::npos);
    bytes.insert(at + 4, longUrl);
    writeFile(pc.card / "GSM" / "HX710T.TXT", bytes);
    RunResult r = runScript(pc.root, {pc.card}, kOpen + kSave);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string confirmation = findLine(r, {"\"icon\":\"question\""});
    EXPECT_EQ(confirmation.find("\"no change\""), std::string::npos) << confirmation;
    EXPECT_NE(confirmation.find("URL: " + longUrl + " \xE2\x86\x92 " + longUrl.substr(0, 100) + "\""),
              std::string::npos)
        << confirmation;
}
