#pragma once

#include <filesystem>
#include <memory>

#include "server/store/store.h"

namespace fibwick::service {

// The embedded store: one SQLite file in write-ahead-log mode, which several threads and
// several service processes on one machine may share.
std::unique_ptr<Store> OpenSqliteStore(const std::filesystem::path& file);

}  // namespace fibwick::service
