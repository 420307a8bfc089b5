#include "server/store/postgres_store.h"

namespace fibwick::service {

std::unique_ptr<Store> OpenPostgresStore(const std::string&) {
  throw StoreError("this build has no PostgreSQL store");
}

}  // namespace fibwick::service
