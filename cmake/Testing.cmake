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

# morvantis_add_gtest(<target> SOURCES ... LIBS ... [LABELS ...] [SERIAL])
function(morvantis_add_gtest target)
  cmake_parse_arguments(arg "SERIAL" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${target} ${arg_SOURCES})
  target_link_libraries(${target} PRIVATE ${arg_LIBS} GTest::gtest_main morvantis_flags)
  target_compile_definitions(${target} PRIVATE
    MORVANTIS_SOURCE_DIR="${MORVANTIS_PATH_PREFIX}${PROJECT_SOURCE_DIR}"
    MORVANTIS_TESTDATA_DIR="${MORVANTIS_PATH_PREFIX}${PROJECT_SOURCE_DIR}/../shared/testdata")
  set(props "")
  if(arg_LABELS)
    list(APPEND props LABELS "${arg_LABELS}")
  endif()
  if(arg_SERIAL)
    # End-to-end runs share fixed names (the texture folder, window titles, the instance guard).
    list(APPEND props RESOURCE_LOCK wine_desktop)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES ${props})
endfunction()
