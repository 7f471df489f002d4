# The saver host with the renderer, end to end.
add_library(morvantis_saver_install STATIC saver_install.cpp mci_trace.cpp)
target_link_libraries(morvantis_saver_install PUBLIC morvantis_e2e_driver)
target_compile_definitions(morvantis_saver_install PRIVATE
  MORVANTIS_SOURCE_DIR="Z:${PROJECT_SOURCE_DIR}"
  MORVANTIS_HOST_PATH="Z:$<TARGET_FILE:saver_host>"
  MORVANTIS_RENDERER_PATH="Z:$<TARGET_FILE:renderer_win32>")

# Runs with Wine's MCI trace on, written to a file the tests read (what the music sent).
# Registered as one test: the trace is set up for the whole program.
set(host_trace ${CMAKE_CURRENT_BINARY_DIR}/host-mci-trace.txt)
add_executable(host_e2e_tests host_e2e_test.cpp)
target_link_libraries(host_e2e_tests PRIVATE morvantis_saver_install GTest::gtest_main morvantis_flags)
target_compile_definitions(host_e2e_tests PRIVATE MORVANTIS_MCI_TRACE="Z:${host_trace}")
add_dependencies(host_e2e_tests saver_host renderer_win32)
morvantis_add_locale_tests(SaverHost
  ${PROJECT_SOURCE_DIR}/scripts/wine-run-traced.sh ${host_trace} $<TARGET_FILE:host_e2e_tests>)
