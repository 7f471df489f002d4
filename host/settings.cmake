# Settings store, number conversions and command line: platform-free rules in one library;
# on Windows the file probe, the INI file and the code-page conversions in another.
add_library(morvantis_host_settings STATIC
  vb_numbers.cpp
  command_line.cpp
  settings_store.cpp)
target_include_directories(morvantis_host_settings PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(morvantis_host_settings PUBLIC morvantis_flags)

if(WIN32)
  add_library(morvantis_host_platform STATIC
    win32_text_encoding.cpp
    win32_file_probe.cpp
    win32_profile_store.cpp)
  target_link_libraries(morvantis_host_platform PUBLIC morvantis_host_settings)
endif()
