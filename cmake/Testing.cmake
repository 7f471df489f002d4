# GoogleTest for both builds: Debian's packaged library natively, its sources for mingw-w64.
include(GoogleTest)
# Windows test programs see the Unix file system through Wine's drive Z:.
if(CMAKE_CROSSCOMPILING)
  set(MORVANTIS_PATH_PREFIX "Z:")
else()
  set(MORVANTIS_PATH_PREFIX "")
endif()
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

# The external BMP test suite (a folder holding bmpsuite/). Tests that read it are skipped when it
# is missing, unless MORVANTIS_REQUIRE_TESTDATA makes them fail (CI sets it).
if(DEFINED ENV{MORVANTIS_TESTDATA_DIR})
  set(testdata_default "$ENV{MORVANTIS_TESTDATA_DIR}")
else()
  set(testdata_default "${PROJECT_SOURCE_DIR}/../shared/testdata")
endif()
set(MORVANTIS_TESTDATA_DIR "${testdata_default}" CACHE PATH "Folder that holds the external BMP suite (bmpsuite/)")
cmake_path(ABSOLUTE_PATH MORVANTIS_TESTDATA_DIR NORMALIZE OUTPUT_VARIABLE testdata_dir)
set(testdata_required OFF)
if("$ENV{MORVANTIS_REQUIRE_TESTDATA}")
  set(testdata_required ON)
endif()
option(MORVANTIS_REQUIRE_TESTDATA "Fail, instead of skipping, the tests whose test data is missing" ${testdata_required})
if(MORVANTIS_REQUIRE_TESTDATA AND NOT EXISTS "${testdata_dir}/bmpsuite/INDEX.tsv")
  message(FATAL_ERROR "The BMP suite is required but ${testdata_dir}/bmpsuite/INDEX.tsv is missing: "
    "set MORVANTIS_TESTDATA_DIR to the folder that holds bmpsuite/.")
endif()

# The locales Windows programs are tested in, under Wine (scripts/wine-run.sh): a Japanese
# system (code page 932, the one every Windows test runs in), an English (1252) and a Chinese
# (936) one, for the tests that show the programs do not depend on the system's code page.
set(MORVANTIS_WINE_LOCALES ja_JP.UTF-8 en_US.UTF-8 zh_CN.UTF-8)

# The name a test registered in another locale gets: "<name>@en_US"; the Japanese one keeps its own.
function(morvantis_locale_suffix locale out)
  string(REGEX REPLACE "\\..*" "" short "${locale}")
  if(short STREQUAL "ja_JP")
    set(${out} "" PARENT_SCOPE)
  else()
    set(${out} "@${short}" PARENT_SCOPE)
  endif()
endfunction()

# morvantis_add_locale_tests(<name> <command...>): one end-to-end test per locale, one at a time.
function(morvantis_add_locale_tests name)
  foreach(locale ${MORVANTIS_WINE_LOCALES})
    morvantis_locale_suffix(${locale} suffix)
    add_test(NAME ${name}${suffix} COMMAND ${ARGN})
    set_tests_properties(${name}${suffix} PROPERTIES RESOURCE_LOCK wine_desktop
      ENVIRONMENT MORVANTIS_WINE_LOCALE=${locale})
  endforeach()
endfunction()

# morvantis_add_gtest(<target> SOURCES ... LIBS ... [LABELS ...] [SERIAL] [LOCALES])
# LOCALES registers the tests once in each of MORVANTIS_WINE_LOCALES (Windows builds only).
function(morvantis_add_gtest target)
  cmake_parse_arguments(arg "SERIAL;LOCALES" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${target} ${arg_SOURCES})
  target_link_libraries(${target} PRIVATE ${arg_LIBS} GTest::gtest_main morvantis_flags)
  target_compile_definitions(${target} PRIVATE
    MORVANTIS_SOURCE_DIR="${MORVANTIS_PATH_PREFIX}${PROJECT_SOURCE_DIR}"
    MORVANTIS_TESTDATA_DIR="${MORVANTIS_PATH_PREFIX}${testdata_dir}"
    $<$<BOOL:${MORVANTIS_REQUIRE_TESTDATA}>:MORVANTIS_REQUIRE_TESTDATA>)
  set(props "")
  if(arg_LABELS)
    list(APPEND props LABELS "${arg_LABELS}")
  endif()
  if(MORVANTIS_SANITIZE)
    # use_tls=0: the software GL driver is unloaded at exit with its thread-local storage, and
    # LeakSanitizer's scan of that storage then crashes, depending on the program's layout. Not
    # scanning it can only report more leaks, never fewer.
    list(APPEND props ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:use_tls=0")
  endif()
  if(arg_SERIAL)
    # End-to-end runs share fixed names (the texture folder, window titles, the instance guard).
    list(APPEND props RESOURCE_LOCK wine_desktop)
  endif()
  if(arg_LOCALES AND CMAKE_CROSSCOMPILING)
    foreach(locale ${MORVANTIS_WINE_LOCALES})
      morvantis_locale_suffix(${locale} suffix)
      gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_SUFFIX "${suffix}"
        PROPERTIES ${props} ENVIRONMENT MORVANTIS_WINE_LOCALE=${locale})
    endforeach()
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
      PROPERTIES ${props})
  endif()
endfunction()
