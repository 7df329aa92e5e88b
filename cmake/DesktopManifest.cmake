# vimro_add_desktop_manifest(target): embeds the application manifest of a desktop program
# (Common Controls 6, per-monitor-v2 DPI awareness with its fallbacks, supported systems).
function(vimro_add_desktop_manifest target)
  set(DESKTOP_MANIFEST ${CMAKE_SOURCE_DIR}/cmake/manifests/DesktopApplication.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}Manifest.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/manifests/DesktopApplication.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${DESKTOP_MANIFEST})
endfunction()
