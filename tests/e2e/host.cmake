# The saver host with the renderer, end to end.
add_library(morvantis_saver_install STATIC saver_install.cpp mci_trace.cpp)
target_link_libraries(morvantis_saver_install PUBLIC morvantis_e2e_driver)
target_compile_definitions(morvantis_saver_install PRIVATE
  MORVANTIS_HOST_PATH="Z:$<TARGET_FILE:saver_host>"
  MORVANTIS_RENDERER_PATH="Z:$<TARGET_FILE:renderer_win32>")

morvantis_add_gtest(host_e2e_tests SERIAL
  SOURCES host_e2e_test.cpp
  LIBS morvantis_saver_install)
add_dependencies(host_e2e_tests saver_host renderer_win32)

# The music runs with Wine's MCI trace on, written to a file the test reads. Registered as one
# test: the trace is set up for the whole program.
set(mci_trace ${CMAKE_CURRENT_BINARY_DIR}/mci-trace.txt)
add_executable(music_e2e_tests music_e2e_test.cpp)
target_link_libraries(music_e2e_tests PRIVATE morvantis_saver_install GTest::gtest_main morvantis_flags)
target_compile_definitions(music_e2e_tests PRIVATE MORVANTIS_MCI_TRACE="Z:${mci_trace}")
add_dependencies(music_e2e_tests saver_host renderer_win32)
add_test(NAME SaverMusic
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run-traced.sh ${mci_trace} $<TARGET_FILE:music_e2e_tests>)
set_tests_properties(SaverMusic PROPERTIES RESOURCE_LOCK wine_desktop)
