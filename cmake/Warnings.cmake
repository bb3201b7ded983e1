# SPDX-License-Identifier: Apache-2.0
# The warnings every target of ours is built with. Set per target (PRIVATE), so that Qt, GoogleTest
# and other imported headers, which come in as system includes, stay quiet.

function(qvt_target_warnings target)
  if(MSVC)
    # /W4 plus the level-4 forms of the GCC-style checks below: narrowing (4242, 4254, 4287,
    # 4296, 4311, 4826), a hidden or non-virtual destructor (4263, 4265) and shadowing (4456-4458).
    set(flags /W4 /permissive- /w14242 /w14254 /w14263 /w14265 /w14287 /w14296 /w14311 /w14826
              /w44456 /w44457 /w44458)
    if(QVT_WERROR)
      list(APPEND flags /WX)
    endif()
  else()
    set(flags -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Wnon-virtual-dtor)
    # Clang's -Wconversion also flags every int used as an array index; GCC's does not, and the
    # two compilers should ask the same of the code.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      list(APPEND flags -Wno-sign-conversion)
    endif()
    # GCC 12 warns falsely about std::string appends once they are inlined at -O2 (its bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
       AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      list(APPEND flags -Wno-restrict)
    endif()
    if(QVT_WERROR)
      list(APPEND flags -Werror)
    endif()
  endif()
  target_compile_options(${target} PRIVATE ${flags})
endfunction()
