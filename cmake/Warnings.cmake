# Warnings are errors in our own code; third-party code is compiled through vimro_third_party.
add_library(vimro_warnings INTERFACE)
target_compile_options(vimro_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
  -Woverloaded-virtual -Werror)
