# The host's start-up and session logic, free of platform calls.
add_library(morvantis_host_core STATIC session.cpp startup.cpp)
target_link_libraries(morvantis_host_core PUBLIC morvantis_host_settings morvantis_music)

# The settings dialog: its layout and rules free of platform calls, and on Windows the window.
# The window takes the carried pictures (win32_resources.cpp, resources.rc), the window effects
# (win32_window_effects.cpp) and the opening of its link (dialog/win32_web_page.cpp) from the
# program it is linked into.
add_library(morvantis_dialog STATIC dialog/settings_dialog.cpp)
target_link_libraries(morvantis_dialog PUBLIC morvantis_host_settings)
if(WIN32)
  add_library(morvantis_dialog_win32 STATIC dialog/win32_settings_dialog.cpp)
  target_link_libraries(morvantis_dialog_win32 PUBLIC morvantis_dialog morvantis_host_core morvantis_host_platform
    morvantis_button_win32 comdlg32 gdi32 user32)
endif()

if(WIN32)
  # Shipped as モルヴァンティス.scr beside the renderer.
  add_executable(saver_host WIN32
    win32_main.cpp
    win32_session_window.cpp
    win32_preview_window.cpp
    win32_window_effects.cpp
    dialog/win32_web_page.cpp
    win32_resources.cpp
    resources.rc)
  target_link_libraries(saver_host PRIVATE morvantis_host_core morvantis_host_platform morvantis_music_win32
    morvantis_dialog_win32 shell32 user32 gdi32)
  target_include_directories(saver_host PRIVATE ${PROJECT_SOURCE_DIR})
  set_source_files_properties(resources.rc PROPERTIES OBJECT_DEPENDS
    "${PROJECT_SOURCE_DIR}/assets/Morvantis1.bmp;${PROJECT_SOURCE_DIR}/assets/Morvantis2.bmp;${PROJECT_SOURCE_DIR}/assets/preview.bmp")
  foreach(picture dialog.ico link.cur dialog_panel.bmp mark_empty.bmp mark_selected.bmp)
    set_property(SOURCE resources.rc APPEND PROPERTY OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/assets/${picture})
  endforeach()
  set_target_properties(saver_host PROPERTIES OUTPUT_NAME "モルヴァンティス" SUFFIX ".scr"
    RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  morvantis_version_info(saver_host)
endif()
