# AddressSanitizer and UndefinedBehaviorSanitizer for every target, and the coverage
# instrumentation libFuzzer needs. Any finding stops the program, so a test or fuzz run
# fails on the first fault instead of printing it and going on.

option(VELQUOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELQUOR_BUILD_FUZZERS "Build the libFuzzer targets (clang only; implies VELQUOR_SANITIZE)" OFF)

if(VELQUOR_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELQUOR_BUILD_FUZZERS needs clang (libFuzzer); configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  set(VELQUOR_SANITIZE ON CACHE BOOL "" FORCE)
  # Coverage feedback for the fuzzers in every library they reach; the fuzz targets add
  # libFuzzer's own main at link time (fuzz/CMakeLists.txt).
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(VELQUOR_SANITIZE)
  # float-divide-by-zero is not part of "undefined" in clang: a division by zero in the
  # engine would only show later as a NaN or an infinity in a chart.
  set(VELQUOR_SANITIZER_FLAGS -fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    list(APPEND VELQUOR_SANITIZER_FLAGS -fsanitize=float-divide-by-zero)
  endif()
  add_compile_options(${VELQUOR_SANITIZER_FLAGS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(${VELQUOR_SANITIZER_FLAGS})
endif()
