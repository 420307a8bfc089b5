# The PostgreSQL store of fibwick-service, linked by the service and by the store's tests.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBPQ REQUIRED IMPORTED_TARGET GLOBAL libpq)

add_library(fibwick_postgres_store STATIC ${CMAKE_CURRENT_LIST_DIR}/postgres_store.cpp)
target_include_directories(fibwick_postgres_store PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(fibwick_postgres_store PRIVATE PkgConfig::LIBPQ)
fibwick_warnings(fibwick_postgres_store)
