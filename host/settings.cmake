# Settings store, number conversions, command line, the settings file's text and its
# Shift-JIS: platform-free rules in one library; on Windows the file probe and whole files in
# another.
add_library(morvantis_host_settings STATIC
  vb_numbers.cpp
  command_line.cpp
  text_encoding.cpp
  shift_jis.cpp
  profile_text.cpp
  profile_file_store.cpp
  settings_store.cpp)
target_include_directories(morvantis_host_settings PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(morvantis_host_settings PUBLIC morvantis_flags)

if(WIN32)
  add_library(morvantis_host_platform STATIC
    win32_file_probe.cpp
    win32_whole_file.cpp)
  target_link_libraries(morvantis_host_platform PUBLIC morvantis_host_settings)
endif()

# The Shift-JIS table is generated from the system's iconv, natively and only on request:
# `ninja shift_jis_table` rewrites host/shift_jis_table.inc, which is then committed.
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(morvantis_make_shift_jis_table generator/make_shift_jis_table.cpp)
  target_link_libraries(morvantis_make_shift_jis_table PRIVATE morvantis_flags)
  add_custom_target(shift_jis_table
    COMMAND morvantis_make_shift_jis_table ${CMAKE_CURRENT_SOURCE_DIR}/shift_jis_table.inc
    COMMENT "Regenerating ${CMAKE_CURRENT_SOURCE_DIR}/shift_jis_table.inc from iconv"
    VERBATIM)
endif()
