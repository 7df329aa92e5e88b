# Programs that run while building: the generators of the sample characters and of the
# editor's icon, and the listing of each test program's tests.
# A cross build runs its own generators through the emulator (Wine). Where the build machine
# cannot run the target's programs (VIMRO_RUN_TARGET_PROGRAMS OFF: a 32-bit build on a kernel
# that refuses 32-bit code), a native build of the same generators under <build>/host-tools
# makes them (the outputs are the same bytes on every architecture), and the tests are listed
# when ctest runs instead of after each link.
option(VIMRO_RUN_TARGET_PROGRAMS "Run the programs this build makes while building (through the emulator when cross-compiling)" ON)

set(VIMRO_HOST_GENERATORS make_samples make_tarvel_icon)
if(CMAKE_CROSSCOMPILING AND NOT VIMRO_RUN_TARGET_PROGRAMS)
  set(VIMRO_GENERATORS_FROM_HOST ON)
  set(VIMRO_GTEST_DISCOVERY_MODE PRE_TEST)
  set(VIMRO_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  set(host_programs ${VIMRO_HOST_GENERATORS})
  list(TRANSFORM host_programs PREPEND ${VIMRO_HOST_TOOLS_DIR}/bin/)
  include(ExternalProject)
  ExternalProject_Add(host_generators
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${VIMRO_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVIMRO_TESTS=OFF -DVIMRO_BENCHMARKS=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${VIMRO_HOST_GENERATORS}
    BUILD_BYPRODUCTS ${host_programs}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
else()
  set(VIMRO_GENERATORS_FROM_HOST OFF)
  set(VIMRO_GTEST_DISCOVERY_MODE POST_BUILD)
endif()

# vimro_generator_command(VAR generator): sets VAR to the command line that runs the generator
# target at build time and VAR_DEPENDS to what a custom command using it depends on.
function(vimro_generator_command var generator)
  if(VIMRO_GENERATORS_FROM_HOST)
    set(${var} ${VIMRO_HOST_TOOLS_DIR}/bin/${generator} PARENT_SCOPE)
    set(${var}_DEPENDS host_generators ${VIMRO_HOST_TOOLS_DIR}/bin/${generator} PARENT_SCOPE)
  else()
    set(${var} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${generator}> PARENT_SCOPE)
    set(${var}_DEPENDS ${generator} PARENT_SCOPE)
  endif()
endfunction()
