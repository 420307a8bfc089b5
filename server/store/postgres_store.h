#pragma once

#include <memory>
#include <string>

#include "server/store/store.h"

namespace fibwick::service {

// Connects to the PostgreSQL database a libpq URL names ("postgresql://user@host:port/db") and
// brings its schema up to date; throws StoreError when it cannot.
std::unique_ptr<Store> OpenPostgresStore(const std::string& url);

}  // namespace fibwick::service
