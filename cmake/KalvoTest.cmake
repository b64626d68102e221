find_package(GTest REQUIRED)
include(GoogleTest)

# kalvo_add_test(name source...) builds one GoogleTest executable against the
# core library and registers every test case with CTest.
function(kalvo_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE kalvo_core kalvo_warnings GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
