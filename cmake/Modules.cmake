# SPDX-License-Identifier: Apache-2.0
# One static library per folder of src/. A module's headers are reachable as "<module>/X.h" only
# through the module's own include root, which the build makes as a link to its folder; so a module
# that includes a header of a module it does not link fails to compile. That keeps the dependency
# graph in docs/ARCHITECTURE.md true.
#
#   qvt_module(<name> SOURCES <files...> [PUBLIC <targets...>] [PRIVATE <targets...>])
#
# PUBLIC: modules (or libraries) whose headers the module's own headers include.
# PRIVATE: those that only its sources use.
function(qvt_module name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC;PRIVATE")
  set(root ${CMAKE_BINARY_DIR}/module-include/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${name} ${root}/${name} RESULT linked SYMBOLIC)
  if(NOT linked EQUAL 0)
    # Without links (Windows without developer mode) every module sees all of src/: it still
    # builds, but only the link-capable builds check the edges.
    set(root ${CMAKE_SOURCE_DIR}/src)
  endif()
  list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/${name}/ REGEX "^[^/$]")
  add_library(qvt_${name} STATIC ${arg_SOURCES})
  target_include_directories(qvt_${name} PUBLIC ${root})
  target_link_libraries(qvt_${name} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
  qvt_target_warnings(qvt_${name})
endfunction()
