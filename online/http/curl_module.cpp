#include "online/http/curl_module.h"

#include <curl/curl.h>

namespace {

const fibwick::HttpModule* Module() {
  // libcurl's global state is made once, as the module loads.
  static const fibwick::HttpModule module = [] {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    return fibwick::HttpModule{.newConnection = fibwick::NewCurlConnection,
                               .plainGet = fibwick::CurlPlainGet,
                               .downloadPack = fibwick::CurlDownloadPack};
  }();
  return &module;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const fibwick::HttpModule* FibwickHttpModule() {
  return Module();
}
