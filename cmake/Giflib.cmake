# giflib, the one GIF codec of every build. Natively: Debian's libgif-dev. For the MinGW builds
# (MinGW has no giflib) and the fuzz build (so that the fuzzer sees into the reader that ships):
# a static library compiled from Debian's source package of the same version, which
# tools/fetch-giflib-source.sh (run by tools/install-deps.sh) unpacks outside the tree.
# Either way the version must be the one below: rendered GIFs are the same bytes everywhere.
set(VIMRO_GIFLIB_VERSION 5.2.1)
set(VIMRO_GIFLIB_SOURCE_DIR /var/cache/vimro/sources/giflib CACHE PATH
    "giflib's unpacked Debian source package (tools/fetch-giflib-source.sh)")

# The version giflib's header declares.
function(vimro_giflib_header_version header out)
  file(STRINGS ${header} defines REGEX "^#define GIFLIB_(MAJOR|MINOR|RELEASE) +[0-9]+")
  set(parts)
  foreach(part MAJOR MINOR RELEASE)
    string(REGEX MATCH "GIFLIB_${part} +([0-9]+)" found "${defines}")
    list(APPEND parts "${CMAKE_MATCH_1}")
  endforeach()
  list(JOIN parts . version)
  set(${out} ${version} PARENT_SCOPE)
endfunction()

function(vimro_require_giflib_version version where)
  if(NOT version VERSION_EQUAL VIMRO_GIFLIB_VERSION)
    message(FATAL_ERROR "giflib ${version} in ${where}, but this build expects ${VIMRO_GIFLIB_VERSION} "
                        "(Debian 12's); rendered GIFs would differ between the builds")
  endif()
endfunction()

if(WIN32 OR VIMRO_FUZZ)
  set(giflib_dir ${VIMRO_GIFLIB_SOURCE_DIR})
  if(NOT EXISTS ${giflib_dir}/gif_lib.h)
    message(FATAL_ERROR "giflib's source package is not unpacked in ${giflib_dir}: run tools/install-deps.sh "
                        "(or tools/fetch-giflib-source.sh), or set VIMRO_GIFLIB_SOURCE_DIR")
  endif()
  vimro_giflib_header_version(${giflib_dir}/gif_lib.h giflib_version)
  vimro_require_giflib_version(${giflib_version} ${giflib_dir})
  message(STATUS "giflib ${giflib_version}: static, from ${giflib_dir}")
  # The library files only (no utilities); its public header alone is exposed to our code.
  add_library(vimro_giflib STATIC
    ${giflib_dir}/dgif_lib.c
    ${giflib_dir}/egif_lib.c
    ${giflib_dir}/gifalloc.c
    ${giflib_dir}/gif_err.c
    ${giflib_dir}/gif_hash.c
    ${giflib_dir}/openbsd-reallocarray.c
    ${giflib_dir}/quantize.c)
  set(giflib_include ${CMAKE_BINARY_DIR}/giflib-include)
  file(MAKE_DIRECTORY ${giflib_include})
  file(CREATE_LINK ${giflib_dir}/gif_lib.h ${giflib_include}/gif_lib.h SYMBOLIC)
  target_include_directories(vimro_giflib PRIVATE ${giflib_dir} SYSTEM INTERFACE ${giflib_include})
  target_compile_options(vimro_giflib PRIVATE -w)
  if(VIMRO_SANITIZE)
    # Shifts of signed values, as in stb; memory errors are still caught there.
    target_compile_options(vimro_giflib PRIVATE -fno-sanitize=undefined)
  endif()
  add_library(GIF::GIF ALIAS vimro_giflib)
else()
  find_package(GIF REQUIRED)
  vimro_require_giflib_version(${GIF_VERSION} "${GIF_INCLUDE_DIRS}")
endif()
