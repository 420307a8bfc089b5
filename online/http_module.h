#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "online/http_client.h"
#include "online/pack_download.h"

// The HTTP client's workings live in a module of their own (fibwick-http.so), loaded with the
// first request: libcurl and the TLS libraries under it stay out of a program's launch.
namespace fibwick {

// One connection's requests, as HttpClient describes them.
class HttpConnection {
 public:
  virtual ~HttpConnection() = default;
  virtual HttpReply PostForm(const std::string& address, const std::string& body) = 0;
  virtual HttpReply PostFieldList(const std::string& address, const FormFields& fields) = 0;
  virtual HttpReply GetResource(const std::string& address) = 0;
  virtual void SetReadTimeout(long milliseconds) = 0;
  // From any thread.
  virtual void Cancel() = 0;
};

struct HttpModule {
  HttpConnection* (*newConnection)(long timeoutMs);  // for the caller to delete
  // A GET with libcurl's own headers: the body, nothing on any error.
  std::optional<std::string> (*plainGet)(const std::string& address, long timeoutMs);
  // DownloadPack's transfer, for a name already checked.
  DownloadOutcome (*downloadPack)(const std::string& folderAddress, const std::string& name,
                                  const std::filesystem::path& targetFolder,
                                  const DownloadProgress& progress, long connectTimeoutMs);
};

// The module's one entry point.
using HttpModuleEntry = const HttpModule* (*)();
inline constexpr char HttpModuleSymbol[] = "FibwickHttpModule";

// The module beside the program, else where the build put it; loaded once, on first use from
// any thread. Nothing when it cannot be loaded: every request then fails.
const HttpModule* LoadHttpModule();

}  // namespace fibwick
