# The PostgreSQL store on throwaway clusters, and two service instances behind nginx.
add_library(fibwick_test_processes STATIC ${CMAKE_CURRENT_LIST_DIR}/../support/child_process.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/postgres_cluster.cpp)
target_include_directories(fibwick_test_processes PUBLIC ${PROJECT_SOURCE_DIR}/tests)
fibwick_warnings(fibwick_test_processes)

find_package(CURL REQUIRED)
add_executable(postgres_tests ${CMAKE_CURRENT_LIST_DIR}/store_contract_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/postgres_store_test.cpp ${CMAKE_CURRENT_LIST_DIR}/load_balance_test.cpp)
target_link_libraries(postgres_tests PRIVATE fibwick_postgres_store fibwick_test_processes
  PkgConfig::LIBPQ CURL::libcurl GTest::gtest_main GTest::gmock)
target_include_directories(postgres_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(postgres_tests PRIVATE
  FIBWICK_SERVICE_BINARY="${CMAKE_BINARY_DIR}/server/fibwick-service")
fibwick_warnings(postgres_tests)
gtest_discover_tests(postgres_tests DISCOVERY_TIMEOUT 60)
