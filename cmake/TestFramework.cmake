# GoogleTest: Debian's package natively, built from its sources for MinGW.
if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# vimro_add_gtest(name sources... LIBS libs...): one test executable, its tests discovered.
function(vimro_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main vimro_warnings)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 DISCOVERY_MODE ${VIMRO_GTEST_DISCOVERY_MODE}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "VIMRO_SAMPLES=${CMAKE_BINARY_DIR}/samples;VIMRO_TESTDATA=${CMAKE_SOURCE_DIR}/tests/data")
endfunction()
