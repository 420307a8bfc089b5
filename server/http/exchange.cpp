#include "server/http/exchange.h"

#include <algorithm>
#include <cctype>

namespace fibwick::service {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

const char* StatusText(unsigned status) {
  switch (status) {
    case 400:
      return "Bad Request";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 411:
      return "Length Required";
    case 413:
      return "Content Too Large";
    case 415:
      return "Unsupported Media Type";
    case 431:
      return "Request Header Fields Too Large";
    case 500:
      return "Internal Server Error";
    case 503:
      return "Service Unavailable";
    default:
      return "Error";
  }
}

}  // namespace

std::optional<std::string_view> Request::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (SameName(key, name)) return value;
  }
  return std::nullopt;
}

std::optional<std::string_view> Request::LastHeader(std::string_view name) const {
  for (auto header = headers.rbegin(); header != headers.rend(); ++header) {
    if (SameName(header->first, name)) return header->second;
  }
  return std::nullopt;
}

Reply StatusReply(unsigned status) {
  Reply reply;
  reply.status = status;
  reply.body = std::to_string(status) + " " + StatusText(status) + "\n";
  return reply;
}

}  // namespace fibwick::service
