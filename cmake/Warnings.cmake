# Our own code builds without warnings; third-party headers are included as system headers.
function(fibwick_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion -Werror)
endfunction()

# Adds every .cpp of the calling folder to a target, so a new file needs no CMake edit.
function(fibwick_sources target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  target_sources(${target} PRIVATE ${sources})
endfunction()

# One GoogleTest program per test folder: every *_test.cpp of the calling folder.
function(fibwick_test_folder name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  fibwick_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "FIBWICK_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures")
endfunction()
