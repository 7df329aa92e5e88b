# libFuzzer (clang): every target gets coverage instrumentation, so the fuzzers see into the
# libraries; only the fuzz targets link the fuzzer's own main.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VIMRO_FUZZ needs clang (the fuzz preset uses clang++-14)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link -O1 -g)
