# Version information for the Windows programs, from the one version of the project.
set(MORVANTIS_PRODUCT_NAME "モルヴァンティス (ScreenSaver)")

# morvantis_version_info(<target>): call once the target's OUTPUT_NAME and SUFFIX are set.
function(morvantis_version_info target)
  get_target_property(name ${target} OUTPUT_NAME)
  get_target_property(suffix ${target} SUFFIX)
  set(original_filename "${name}${suffix}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
