# Compiler settings shared by every target of the project.

# Warnings for our own code, errors with TARN_WERROR (our CI); third-party
# headers are included as system headers by their imported targets and stay
# quiet.
function(tarn_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Woverloaded-virtual)
  if(TARN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(TARN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TARN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TARN_FUZZ needs clang (configure with CXX=clang++)")
  endif()
  # Coverage instrumentation for the libraries the fuzzers drive.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# A static library of our own with warnings on and its folder's parent as the
# include root, so headers are included as "model/Net.h".
function(tarn_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  tarn_warnings(${name})
endfunction()

# One GoogleTest binary, registered with CTest under the given labels.
function(tarn_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LABELS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TARN_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    TARN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  tarn_warnings(${name})
  set(environment ${ARG_ENVIRONMENT})
  if(TARN_SANITIZE)
    list(APPEND environment "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan-suppressions.txt")
  endif()
  gtest_discover_tests(${name}
    PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "${environment}"
    DISCOVERY_TIMEOUT 60)
endfunction()
