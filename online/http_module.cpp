#include "online/http_module.h"

#include <dlfcn.h>

#include <vector>

namespace fibwick {
namespace {

const HttpModule* Load() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  std::vector<std::filesystem::path> places;
  if (!error) places.push_back(program.parent_path() / FIBWICK_HTTP_MODULE_NAME);
  places.emplace_back(FIBWICK_HTTP_MODULE);
  for (const auto& path : places) {
    // Kept loaded until the program ends: its connections may live that long.
    if (void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      if (auto entry = reinterpret_cast<HttpModuleEntry>(::dlsym(module, HttpModuleSymbol))) {
        return entry();
      }
    }
  }
  return nullptr;
}

}  // namespace

const HttpModule* LoadHttpModule() {
  static const HttpModule* const module = Load();
  return module;
}

}  // namespace fibwick
