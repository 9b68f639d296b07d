# Shared compile settings: warnings for our own code, sanitizers natively, a static 32-bit Windows build.

option(PBW_WARNINGS_AS_ERRORS "Fail the build of the project's own code on any compiler warning" OFF)

function(pbw_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8 $<$<BOOL:${PBW_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${PBW_WARNINGS_AS_ERRORS}>:-Werror>)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

if(PBW_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(MSVC)
  # One self-contained executable, as with mingw: the C runtime linked in, no VC++ redistributable.
  set(CMAKE_MSVC_RUNTIME_LIBRARY MultiThreaded)
  # The resource script embeds the program's manifest; a second one from the linker would collide
  # with it (CVT1100, LNK1123).
  add_link_options(/MANIFEST:NO)
endif()

if(MINGW)
  # One self-contained executable: no libstdc++ or winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # The Release build is made for size: a tray program waits on the network and the user, never on
  # its own code. Unused functions and data are dropped, the symbols stripped, and the link writes
  # no time stamp, so the same sources give the same bytes.
  add_compile_options("$<$<CONFIG:Release>:-Os;-ffunction-sections;-fdata-sections>")
  add_link_options("$<$<CONFIG:Release>:-s;-Wl,--gc-sections;-Wl,--no-insert-timestamp>")
endif()

# A portable library: no Windows API, built and tested on every platform.
function(pbw_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  pbw_target_defaults(${name})
endfunction()

# A Windows-only library: thin code over the Win32 API.
function(pbw_windows_library name)
  if(WIN32)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    pbw_target_defaults(${name})
  endif()
endfunction()

# A GoogleTest program. Native ones are listed test by test; under Wine each program is one
# CTest entry, because every start of a Windows process costs a Wine start-up.
function(pbw_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  pbw_target_defaults(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Test properties for the tests of a GoogleTest program whose names (Suite.Test) match MATCHING, or
# for all of them. Under Wine the program is one CTest entry and takes them as a whole; natively the
# single tests are known only once CTest has had GoogleTest list them.
function(pbw_test_properties target)
  cmake_parse_arguments(P "" "MATCHING" "PROPERTIES" ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${target} PROPERTIES ${P_PROPERTIES})
    return()
  endif()
  if(NOT P_MATCHING)
    set(P_MATCHING ".")
  endif()
  string(SHA1 id "${ARGN}")
  string(JOIN " " properties ${P_PROPERTIES})
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_${id}.cmake)
  file(WRITE ${script}
       "foreach(test IN LISTS ${target}_TESTS)\n"
       "  if(test MATCHES [=[${P_MATCHING}]=])\n"
       "    set_tests_properties(\${test} PROPERTIES ${properties})\n"
       "  endif()\n"
       "endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
