#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "server/store/store.h"

// What every Store does, whatever keeps its data: each backend instantiates StoreContract with
// a maker of its own (INSTANTIATE_TEST_SUITE_P(Name, StoreContract, ::testing::Values(maker),
// StoreBackendName)).
namespace fibwick::testing {

// One empty database of a backend.
class StoreBackend {
 public:
  virtual ~StoreBackend() = default;
  // Each call opens another Store on the same database, as another service instance would.
  virtual std::unique_ptr<service::Store> Open() = 0;
};

struct StoreBackendMaker {
  std::string name;
  // Null, with the reason set, when the backend cannot run on this machine.
  std::function<std::unique_ptr<StoreBackend>(std::string& reason)> make;
};

inline void PrintTo(const StoreBackendMaker& maker, std::ostream* out) {
  *out << maker.name;
}

inline std::string StoreBackendName(const ::testing::TestParamInfo<StoreBackendMaker>& info) {
  return info.param.name;
}

class StoreContract : public ::testing::TestWithParam<StoreBackendMaker> {
 protected:
  void SetUp() override {
    std::string reason;
    backend_ = GetParam().make(reason);
    if (!backend_) GTEST_SKIP() << reason;
  }

  std::unique_ptr<StoreBackend> backend_;
};

}  // namespace fibwick::testing
