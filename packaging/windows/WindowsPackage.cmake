# SPDX-License-Identifier: Apache-2.0
# The Windows program, its install tree and packages (included from Packaging.cmake):
#   cpack -G NSIS  ->  qvt-config-<version>-win64.exe (installer with uninstaller)
#   cpack -G ZIP   ->  qvt-config-<version>-win64.zip (the same tree, portable)
# Everything the program needs sits beside qvt-config.exe: the Qt DLLs, the platform plugin and
# style in platforms/ and styles/ (Qt looks there first), the MinGW runtime DLLs, and ffmpeg.exe,
# which the program stages into its temporary folder for the game-call conversion. A qtbase-only
# Qt has no windeployqt, so the rules name each file.

# A GUI program: no console window opens; main() re-attaches to the caller's console for
# --script, --help and --version.
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/qvt-config.rc.in
               ${CMAKE_BINARY_DIR}/generated/qvt-config.rc @ONLY)
target_sources(qvt-config PRIVATE ${CMAKE_BINARY_DIR}/generated/qvt-config.rc)
set_target_properties(qvt-config PROPERTIES WIN32_EXECUTABLE TRUE)

# The install tree is flat: the program folder is its root, documents and licences in folders.
set(QVT_WINDOWS_PROGRAM_DIR .)
set(QVT_WINDOWS_DOC_DIR doc)
install(TARGETS qvt-config RUNTIME DESTINATION ${QVT_WINDOWS_PROGRAM_DIR})
foreach(module Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The compiler's runtime, as the cross compiler names it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    find_file(found NAMES ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH NO_CACHE)
  endif()
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "MinGW runtime ${dll} not found")
  endif()
  install(FILES ${found} DESTINATION .)
endforeach()

# ffmpeg.exe, built from Debian's FFmpeg source by scripts/windows-toolchain (LGPL build).
set(QVT_WINDOWS_FFMPEG "" CACHE PATH "Prefix of the cross-built FFmpeg (bin/ffmpeg.exe)")
if(QVT_WINDOWS_FFMPEG AND EXISTS ${QVT_WINDOWS_FFMPEG}/bin/ffmpeg.exe)
  install(PROGRAMS ${QVT_WINDOWS_FFMPEG}/bin/ffmpeg.exe DESTINATION .)
  install(FILES ${QVT_WINDOWS_FFMPEG}/COPYING.LGPLv2.1 DESTINATION licenses RENAME FFmpeg-LGPL-2.1.txt)
else()
  message(WARNING "No cross-built ffmpeg.exe (QVT_WINDOWS_FFMPEG): the packages will lack it")
endif()
install(FILES LICENSE NOTICE README.md docs/AUTOMATION.md DESTINATION ${QVT_WINDOWS_DOC_DIR})
# Qt's licence texts, which scripts/windows-toolchain keeps with the Qt it built.
get_filename_component(QVT_WINDOWS_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
if(EXISTS ${QVT_WINDOWS_QT_PREFIX}/licenses)
  install(DIRECTORY ${QVT_WINDOWS_QT_PREFIX}/licenses/ DESTINATION licenses/Qt)
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME qvt-config)
set(CPACK_PACKAGE_VENDOR "QVT CONFIG developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configures cellular trail cameras through their memory card")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/qvtconfig/qvt-config")
set(CPACK_PACKAGE_FILE_NAME qvt-config-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QVT CONFIG")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_EXECUTABLES qvt-config "QVT CONFIG")  # the Start-menu entry
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "QVT CONFIG")
set(CPACK_NSIS_DISPLAY_NAME "QVT CONFIG ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${QVT_ICON_DIR}/qvt-config.ico)
set(CPACK_NSIS_MUI_UNIICON ${QVT_ICON_DIR}/qvt-config.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME qvt-config.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer for a 64-bit program: it runs where only 64-bit Windows programs can (Wine
# without its 32-bit part, Windows on ARM's x64 emulation) and sees the 64-bit registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
