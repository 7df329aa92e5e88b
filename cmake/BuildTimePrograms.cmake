# Programs that run while building: the generators of the sample characters and of the
# editor's icon, the listing of each test program's tests, and the native ruxtool of the
# Windows tests.
# A cross build runs its own generators through the emulator (Wine). Where the build machine
# cannot run the target's programs (VIMRO_RUN_TARGET_PROGRAMS OFF: a 32-bit build on a kernel
# that refuses 32-bit code), a native build of the same generators under <build>/host-tools
# makes them (the outputs are the same bytes on every architecture), and the tests are listed
# when ctest runs instead of after each link.
option(VIMRO_RUN_TARGET_PROGRAMS "Run the programs this build makes while building (through the emulator when cross-compiling)" ON)

set(VIMRO_HOST_GENERATORS make_samples make_tarvel_icon)
set(VIMRO_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(host_targets)
if(CMAKE_CROSSCOMPILING AND NOT VIMRO_RUN_TARGET_PROGRAMS)
  set(VIMRO_GENERATORS_FROM_HOST ON)
  set(VIMRO_GTEST_DISCOVERY_MODE PRE_TEST)
  list(APPEND host_targets ${VIMRO_HOST_GENERATORS})
else()
  set(VIMRO_GENERATORS_FROM_HOST OFF)
  set(VIMRO_GTEST_DISCOVERY_MODE POST_BUILD)
endif()
# The native ruxtool, whose renders and imports the Windows tests compare ruxtool.exe's and
# Tarvel's with, byte for byte.
if(CMAKE_CROSSCOMPILING AND VIMRO_TESTS)
  list(APPEND host_targets ruxtool)
  set(VIMRO_HOST_RUXTOOL ${VIMRO_HOST_TOOLS_DIR}/bin/ruxtool)
endif()
if(host_targets)
  set(host_programs ${host_targets})
  list(TRANSFORM host_programs PREPEND ${VIMRO_HOST_TOOLS_DIR}/bin/)
  include(ExternalProject)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${VIMRO_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVIMRO_TESTS=OFF -DVIMRO_BENCHMARKS=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${host_targets}
    BUILD_BYPRODUCTS ${host_programs}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
endif()

# vimro_generator_command(VAR generator): sets VAR to the command line that runs the generator
# target at build time and VAR_DEPENDS to what a custom command using it depends on.
function(vimro_generator_command var generator)
  if(VIMRO_GENERATORS_FROM_HOST)
    set(${var} ${VIMRO_HOST_TOOLS_DIR}/bin/${generator} PARENT_SCOPE)
    set(${var}_DEPENDS host_tools ${VIMRO_HOST_TOOLS_DIR}/bin/${generator} PARENT_SCOPE)
  else()
    set(${var} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${generator}> PARENT_SCOPE)
    set(${var}_DEPENDS ${generator} PARENT_SCOPE)
  endif()
endfunction()
