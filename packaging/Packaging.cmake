# SPDX-License-Identifier: Apache-2.0
# Installation, desktop integration and packages for qvt-config (included from the top-level file).
include(GNUInstallDirs)

set(QVT_APP_ID io.github.qvtconfig.QvtConfig)
set(QVT_RELEASE_DATE 2026-12-08)  # the date of the release named by project(VERSION)
set(QVT_ICON_DIR ${CMAKE_SOURCE_DIR}/resources/icons)

# The window icon, from the same drawing as the desktop icons.
qt_add_resources(QVT_ICON_RESOURCES ${QVT_ICON_DIR}/icons.qrc)
target_sources(qvt_qt PRIVATE ${QVT_ICON_RESOURCES})

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows/WindowsPackage.cmake)
elseif(APPLE)
  # An application bundle; its Info.plist takes these values. qvt-config.icns is made from the SVG
  # by tools/make_icons.sh.
  set(QVT_ICNS ${QVT_ICON_DIR}/qvt-config.icns)
  set_source_files_properties(${QVT_ICNS} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  target_sources(qvt-config PRIVATE ${QVT_ICNS})
  set_target_properties(qvt-config PROPERTIES
    MACOSX_BUNDLE TRUE
    MACOSX_BUNDLE_BUNDLE_NAME "QVT CONFIG"
    MACOSX_BUNDLE_GUI_IDENTIFIER ${QVT_APP_ID}
    MACOSX_BUNDLE_ICON_FILE qvt-config.icns
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
    MACOSX_BUNDLE_COPYRIGHT "Licensed under the Apache License, Version 2.0")
  install(TARGETS qvt-config BUNDLE DESTINATION .)
else()
  # The documentation folder the program, its help and its manual page name: the one it is
  # installed to (the release preset installs into /usr, as the .deb does).
  target_compile_definitions(qvt_app PRIVATE QVT_DOC_DIR="${CMAKE_INSTALL_FULL_DOCDIR}")
  set(QVT_DOC_DIR ${CMAKE_INSTALL_FULL_DOCDIR})

  install(TARGETS qvt-config RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The compiler's version notes (.comment) say nothing about the program and vary between
  # toolchains; an installed binary goes without them (after the strip CPack asks for).
  find_program(QVT_OBJCOPY NAMES objcopy ${CMAKE_OBJCOPY} REQUIRED)
  install(CODE "execute_process(COMMAND \"${QVT_OBJCOPY}\" --remove-section=.comment
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/qvt-config\"
                  COMMAND_ERROR_IS_FATAL ANY)")
  install(FILES packaging/linux/${QVT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(packaging/linux/${QVT_APP_ID}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/generated/${QVT_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/generated/${QVT_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${QVT_ICON_DIR}/${QVT_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48 128 256)
    install(FILES ${QVT_ICON_DIR}/${QVT_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${QVT_APP_ID}.png)
  endforeach()

  # The manual page and the Debian changelog, compressed as the Debian policy asks (gzip -9n: no
  # name, no time stamp, so the package is reproducible).
  set(gen ${CMAKE_BINARY_DIR}/generated)
  configure_file(packaging/linux/qvt-config.1.in ${gen}/qvt-config.1 @ONLY)
  configure_file(packaging/debian/changelog.in ${gen}/changelog @ONLY)
  find_program(QVT_GZIP gzip REQUIRED)
  foreach(file qvt-config.1 changelog)
    add_custom_command(
      OUTPUT ${gen}/${file}.gz
      COMMAND ${QVT_GZIP} -9n -c ${gen}/${file} > ${gen}/${file}.gz
      DEPENDS ${gen}/${file}
      COMMENT "Compressing ${file}")
  endforeach()
  add_custom_target(qvt_compressed_docs ALL DEPENDS ${gen}/qvt-config.1.gz ${gen}/changelog.gz)
  install(FILES ${gen}/qvt-config.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

  # The licence is covered by copyright, which points to /usr/share/common-licenses/Apache-2.0.
  install(FILES README.md NOTICE docs/AUTOMATION.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # Debian wants its machine-readable copyright file in the package's doc folder.
  install(FILES packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME qvt-config)

  # Reproducible packages: every installed file and folder carries a time no later than
  # SOURCE_DATE_EPOCH (from the environment, else the time of the checked-out commit), so two builds
  # of one commit give the same bytes. This rule runs last, after every file is in place.
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(QVT_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
  else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE QVT_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_result ERROR_QUIET)
    if(NOT git_result EQUAL 0 OR QVT_SOURCE_DATE_EPOCH STREQUAL "")
      string(TIMESTAMP QVT_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
  endif()
  install(CODE "execute_process(COMMAND find \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\"
                  -newermt @${QVT_SOURCE_DATE_EPOCH} -exec touch -h -d @${QVT_SOURCE_DATE_EPOCH} {} +
                  COMMAND_ERROR_IS_FATAL ANY)")
  # rcc stamps each resource with its file's time, and cpack stamps the archive members: both take
  # SOURCE_DATE_EPOCH from the environment, which these hand them when the caller has not.
  set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
               "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QVT_SOURCE_DATE_EPOCH}")
  file(WRITE ${CMAKE_BINARY_DIR}/generated/CPackReproducible.cmake
       "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n  set(ENV{SOURCE_DATE_EPOCH} ${QVT_SOURCE_DATE_EPOCH})\nendif()\n")
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/generated/CPackReproducible.cmake)

  # cpack -G DEB: qvt-config_<version>_<arch>.deb
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME qvt-config)
  set(CPACK_PACKAGE_VENDOR "QVT CONFIG developers")
  set(CPACK_PACKAGE_CONTACT "QVT CONFIG developers <qvtconfig@users.noreply.github.com>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure cellular trail cameras through their memory card")
  set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/qvtconfig/qvt-config")
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
  set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Programs and data the package uses without linking them, so shlibdeps cannot find them. They are
  # wanted, not required, one package per list element: FFmpeg converts the game-call sound of two
  # models (without it the program says so and goes on); "Find operator…" reads the system's
  # mobile-broadband provider database when it is installed.
  set(QVT_DEBIAN_RECOMMENDS ffmpeg mobile-broadband-provider-info)
  list(JOIN QVT_DEBIAN_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "QVT CONFIG configures a family of eight cellular trail cameras through their
memory card: it writes the camera's settings file onto the card, keeps a
backup copy on the computer and reads an existing file back the next time.
A built-in table of countries and mobile operators fills in the MMS and GPRS
parameters, and game-call sounds are converted with FFmpeg. A headless
automation mode runs the same dialogs from a script of user actions.")
  include(CPack)
endif()

include(packaging/ProviderDatabase.cmake)
