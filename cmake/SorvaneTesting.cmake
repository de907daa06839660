# Test plumbing shared by every test folder: GoogleTest built for the current
# target, and on Windows targets the Wine desktop fixture every test runs inside.
include(GoogleTest)

# Where the third-party sources are (GOOGLETEST_SOURCE, BENCHMARK_SOURCE), from
# the file tools/setup reads too.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/third-party.env third_party_lines REGEX "^[A-Z_]+=")
foreach(line IN LISTS third_party_lines)
  string(REGEX MATCH "^([A-Z_]+)=(.*)$" _ "${line}")
  string(CONFIGURE "${CMAKE_MATCH_2}" value)
  set(${CMAKE_MATCH_1} "${value}")
endforeach()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(WIN32)
  # One Xvfb, one private prefix and one persistent wineserver per ctest run,
  # shared by every Windows test and torn down at the end.
  add_test(NAME wine_desktop_up
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-desktop up ${SORVANE_WINE_DESKTOP} ${SORVANE_WINDOWS_BUILD}
            $<TARGET_FILE:desktop_keeper>)
  set_tests_properties(wine_desktop_up PROPERTIES FIXTURES_SETUP wineserver TIMEOUT 240)
  add_test(NAME wine_desktop_down COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-desktop down ${SORVANE_WINE_DESKTOP})
  set_tests_properties(wine_desktop_down PROPERTIES FIXTURES_CLEANUP wineserver TIMEOUT 60)
endif()

# Tests that run on the Wine desktop need it up. WINDOWS: they open windows or
# start processes found by caption, so they must not overlap one another.
function(sorvane_on_wine_desktop)
  cmake_parse_arguments(ARG "WINDOWS" "TIMEOUT" "TESTS" ${ARGN})
  set_tests_properties(${ARG_TESTS} PROPERTIES
    FIXTURES_REQUIRED "wineserver;winedesktop" TIMEOUT ${ARG_TIMEOUT})
  if(ARG_WINDOWS)
    set_tests_properties(${ARG_TESTS} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()

# Windows GoogleTest program run under Wine, one CTest test per test case. Cases
# are listed from the sources at configure time: discovering them by running the
# program would need Wine before the Wine desktop is up.
#   WINDOWS:          the program opens windows or starts processes found by
#                     caption, so it must not overlap with any other such test.
#   SORVANE:          the cases start Sorvane.exe, named in SORVANE_EXE.
#   STANDIN_LIMIT_MS: the cases start the stand-in trainer, named in
#                     STANDIN_TRAINER_EXE, which ends itself after this long.
#   ENVIRONMENT:      further NAME=value settings of the cases' own.
function(sorvane_add_wine_gtest target)
  cmake_parse_arguments(ARG "WINDOWS;SORVANE" "TIMEOUT;STANDIN_LIMIT_MS"
    "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} wine_test_support gtest sorvane_warnings)
  gtest_add_tests(TARGET ${target} SOURCES ${ARG_SOURCES} TEST_LIST cases)
  set(windows)
  if(ARG_WINDOWS)
    set(windows WINDOWS)
  endif()
  sorvane_on_wine_desktop(${windows} TESTS ${cases} TIMEOUT ${ARG_TIMEOUT})
  set(environment ${ARG_ENVIRONMENT})
  if(ARG_SORVANE)
    add_dependencies(${target} Sorvane)
    list(APPEND environment "SORVANE_EXE=$<TARGET_FILE:Sorvane>")
  endif()
  if(ARG_STANDIN_LIMIT_MS)
    add_dependencies(${target} standin_trainer)
    list(APPEND environment "STANDIN_TRAINER_EXE=$<TARGET_FILE:standin_trainer>"
      "STANDIN_TRAINER_LIMIT_MS=${ARG_STANDIN_LIMIT_MS}")
  endif()
  if(environment)
    set_tests_properties(${cases} PROPERTIES ENVIRONMENT "${environment}")
  endif()
  set(${target}_TESTS ${cases} PARENT_SCOPE)
endfunction()

# Host GoogleTest program; also run on Windows targets (under Wine) when the code
# it tests is platform-free.
function(sorvane_add_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  if(WIN32)
    sorvane_add_wine_gtest(${target} SOURCES ${ARG_SOURCES} LIBRARIES ${ARG_LIBRARIES})
  else()
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} gtest_main sorvane_warnings)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
