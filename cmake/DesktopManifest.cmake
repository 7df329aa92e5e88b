# vimro_add_desktop_manifest(target AWARENESS): embeds the application manifest of a desktop
# program (Common Controls 6, DPI awareness, supported systems). AWARENESS is what the program
# really handles:
#   PerMonitorV2  per-monitor where the system scales dialogs (Windows 10 1703 and later:
#                 template dialogs and non-client areas follow a DPI change, the program
#                 handles WM_DPICHANGED for what it draws itself), system-aware before that;
#   System        the system DPI at log-on for the whole run; on a monitor of another scale the
#                 system stretches the windows.
function(vimro_add_desktop_manifest target awareness)
  if(awareness STREQUAL "PerMonitorV2")
    set(DPI_AWARENESS "PerMonitorV2, System")
  elseif(awareness STREQUAL "System")
    set(DPI_AWARENESS "System")
  else()
    message(FATAL_ERROR "vimro_add_desktop_manifest: unknown awareness ${awareness}")
  endif()
  set(DESKTOP_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/manifests/DesktopApplication.manifest.in ${DESKTOP_MANIFEST} @ONLY)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}Manifest.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/manifests/DesktopApplication.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${DESKTOP_MANIFEST})
endfunction()
