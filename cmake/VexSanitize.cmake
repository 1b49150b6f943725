# Sanitizer and fuzzing builds; both are off in the normal build.
#
# VEX_SANITIZE: AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer in every
#   target; the first report stops the program, so a test that trips one fails.
# VEX_FUZZ: libFuzzer coverage in every library and the targets in fuzz/ (clang only).
#   The libraries of a VEX_FUZZ build serve the tests and the fuzz targets alike.
option(VEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VEX_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

if(VEX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VEX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VEX_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
