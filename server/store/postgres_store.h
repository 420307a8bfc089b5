#pragma once

#include <memory>
#include <string>

#include "server/store/store.h"

namespace fibwick::service {

// Connects to the PostgreSQL database the URL names and brings its schema up to date.
std::unique_ptr<Store> OpenPostgresStore(const std::string& url);

}  // namespace fibwick::service
