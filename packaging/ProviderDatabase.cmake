# SPDX-License-Identifier: Apache-2.0
# The mobile-broadband provider database behind "Find operator…" (included at the end of
# Packaging.cmake). Linux uses the system's file, which its distribution keeps current; the .deb
# recommends mobile-broadband-provider-info. Windows and macOS builds carry a copy of the file taken
# at build time from that package, and name its origin and date in the NOTICE they install.
if(NOT (WIN32 OR APPLE))
  return()
endif()

set(QVT_PROVIDER_DATABASE_SOURCE /usr/share/mobile-broadband-provider-info/serviceproviders.xml
    CACHE FILEPATH "The serviceproviders.xml that Windows and macOS builds carry")
if(NOT EXISTS "${QVT_PROVIDER_DATABASE_SOURCE}")
  message(WARNING "No provider database at ${QVT_PROVIDER_DATABASE_SOURCE}: this build carries none and "
                  "\"Find operator\" stays off. Install mobile-broadband-provider-info or set "
                  "QVT_PROVIDER_DATABASE_SOURCE.")
  return()
endif()

# Origin: the package that installed the file, where dpkg knows it; the date: the file's own.
set(origin "  ${QVT_PROVIDER_DATABASE_SOURCE}")
find_program(QVT_DPKG_QUERY dpkg-query)
if(QVT_DPKG_QUERY)
  execute_process(COMMAND ${QVT_DPKG_QUERY} -W -f=\${Version} mobile-broadband-provider-info
                  OUTPUT_VARIABLE version RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed AND version)
    set(origin "  the Debian package mobile-broadband-provider-info ${version},\n${origin}")
  endif()
endif()
file(TIMESTAMP "${QVT_PROVIDER_DATABASE_SOURCE}" dated "%Y-%m-%d" UTC)
string(TIMESTAMP taken "%Y-%m-%d" UTC)  # SOURCE_DATE_EPOCH, where set, makes it reproducible
file(READ ${CMAKE_SOURCE_DIR}/NOTICE notice)
string(APPEND notice "
This build carries a copy of the mobile-broadband provider database,
serviceproviders.xml of the mobile-broadband-provider-info project (released
into the public domain by its contributors), for \"Find operator\". It was
taken on ${taken} from
${origin}
and the file is dated ${dated}.
")
set(QVT_NOTICE_WITH_DATABASE ${CMAKE_BINARY_DIR}/generated/NOTICE)
file(WRITE ${QVT_NOTICE_WITH_DATABASE} "${notice}")

if(WIN32)
  # Beside the program, where it looks for it; a copy in the build folder serves runs from there.
  configure_file(${QVT_PROVIDER_DATABASE_SOURCE} ${CMAKE_BINARY_DIR}/serviceproviders.xml COPYONLY)
  install(FILES ${QVT_PROVIDER_DATABASE_SOURCE} DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Installed after Packaging.cmake's NOTICE, so this one, with the database's origin, is the one left.
  install(FILES ${QVT_NOTICE_WITH_DATABASE} DESTINATION ${CMAKE_INSTALL_DOCDIR})
else()
  # In the bundle's resources, like the icon.
  set_source_files_properties(${QVT_PROVIDER_DATABASE_SOURCE} ${QVT_NOTICE_WITH_DATABASE}
                              PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  target_sources(qvt-config PRIVATE ${QVT_PROVIDER_DATABASE_SOURCE} ${QVT_NOTICE_WITH_DATABASE})
endif()
