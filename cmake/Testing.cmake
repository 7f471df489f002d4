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

# morvantis_add_gtest(<target> SOURCES ... LIBS ... [LABELS ...] [SERIAL])
function(morvantis_add_gtest target)
  cmake_parse_arguments(arg "SERIAL" "" "SOURCES;LIBS;LABELS" ${ARGN})
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
    list(APPEND props ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  endif()
  if(arg_SERIAL)
    # End-to-end runs share fixed names (the texture folder, window titles, the instance guard).
    list(APPEND props RESOURCE_LOCK wine_desktop)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES ${props})
endfunction()
