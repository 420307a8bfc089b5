#include "server/files/download.h"

#include "server/http/percent_decode.h"

namespace fibwick::service {

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && !name.starts_with('.') &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

Handler DownloadHandler(std::string prefix, std::filesystem::path folder) {
  return [prefix = std::move(prefix), folder = std::move(folder)](const Request& request) {
    const auto name = PercentDecode(std::string_view(request.path).substr(prefix.size()), false);
    if (!name || !IsPlainFileName(*name)) return StatusReply(400);
    auto file = folder / *name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return StatusReply(404);
    Reply reply;
    reply.contentType = "application/octet-stream";
    reply.file = std::move(file);
    return reply;
  };
}

}  // namespace fibwick::service
