#include <string_view>

#include "server/store/postgres_store.h"
#include "server/store/sqlite_store.h"
#include "server/store/store.h"

namespace fibwick::service {

std::unique_ptr<Store> OpenStore(const std::string& databaseUrl,
                                 const std::filesystem::path& dataFolder) {
  const std::string_view url = databaseUrl;
  if (url.empty()) return OpenSqliteStore(dataFolder / "fibwick.sqlite");
  if (url.starts_with("postgresql://") || url.starts_with("postgres://")) {
    return OpenPostgresStore(databaseUrl);
  }
  // The URL may carry a password: name only what was expected.
  throw StoreError("the database URL must start with postgresql:// or postgres://");
}

}  // namespace fibwick::service
