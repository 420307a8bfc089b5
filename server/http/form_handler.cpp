#include "server/http/form_handler.h"

#include <algorithm>
#include <cctype>

#include "server/log.h"
#include "server/store/store.h"

namespace fibwick::service {
namespace {

constexpr std::string_view ClientAgent = "NuvSpecAccess";
constexpr std::string_view FormType = "application/x-www-form-urlencoded";

bool IsFormType(std::string_view contentType) {
  auto mediaType = contentType.substr(0, contentType.find(';'));
  while (!mediaType.empty() && mediaType.back() == ' ') mediaType.remove_suffix(1);
  return std::ranges::equal(mediaType, FormType, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

Handler FormHandler(FormScript script) {
  return [script = std::move(script)](const Request& request) {
    if (request.Header("User-Agent") != ClientAgent) return StatusReply(403);
    if (!IsFormType(request.Header("Content-Type").value_or(""))) return StatusReply(415);
    const auto form = DecodeForm(request.body);
    if (!form) return StatusReply(400);
    Reply reply;
    reply.contentType = "text/plain; charset=windows-1251";
    try {
      reply.body = script(*form);
    } catch (const StoreError& error) {
      Log(LogLevel::Error, "database failure on " + request.path + ": " + error.what());
      return StatusReply(503);
    }
    return reply;
  };
}

}  // namespace fibwick::service
