# Two builds of one commit, in any folder and at any time, give the same bytes.
# MORVANTIS_SOURCE_DATE_EPOCH is the time every packed file carries: SOURCE_DATE_EPOCH when the
# caller sets it, else the commit's own date, else 0 (a tree outside git).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date "$ENV{SOURCE_DATE_EPOCH}")
else()
  find_package(Git QUIET)
  set(source_date 0)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE commit_date
      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_status)
    if(git_status EQUAL 0 AND commit_date MATCHES "^[0-9]+$")
      set(source_date ${commit_date})
      # Every commit or checkout writes HEAD's log: the build then reads the new date.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE git_dir
        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(EXISTS "${git_dir}/logs/HEAD")
        set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
      endif()
    endif()
  endif()
endif()
set(MORVANTIS_SOURCE_DATE_EPOCH ${source_date})

# No folder of the build machine in what is compiled (file names in assertions, debug info).
target_compile_options(morvantis_flags INTERFACE
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
  -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
