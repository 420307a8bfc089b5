#include <memory>
#include <string>

#include "server/store/store.h"
#include "server/store_contract.h"
#include "support/service_process.h"

namespace fibwick::service {
namespace {

using testing::StoreBackend;
using testing::StoreBackendMaker;
using testing::StoreBackendName;
using testing::StoreContract;
using testing::TemporaryFolder;

class SqliteBackend : public StoreBackend {
 public:
  std::unique_ptr<Store> Open() override { return OpenStore("", folder_.Path()); }

 private:
  TemporaryFolder folder_;
};

const StoreBackendMaker Sqlite = {"Sqlite", [](std::string&) -> std::unique_ptr<StoreBackend> {
                                    return std::make_unique<SqliteBackend>();
                                  }};

INSTANTIATE_TEST_SUITE_P(Sqlite, StoreContract, ::testing::Values(Sqlite), StoreBackendName);

}  // namespace
}  // namespace fibwick::service
