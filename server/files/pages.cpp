#include "server/files/pages.h"

#include <fstream>
#include <iterator>

namespace fibwick::service {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string LastForwardedAddress(const Request& request) {
  const auto list = request.LastHeader("X-Forwarded-For");
  if (!list) return {};
  const auto comma = list->rfind(',');
  return std::string(Trimmed(comma == std::string_view::npos ? *list : list->substr(comma + 1)));
}

}  // namespace

std::string PathsDocument(const std::string& publicUrl, bool pauseRecords, bool pauseChat) {
  std::string document = "AccPath=" + publicUrl + "/account#StatPath=" + publicUrl +
                         "/statistics#WTGamesPatt=" + publicUrl + "/records#";
  if (pauseRecords) document += "WTGamesPause";
  if (pauseChat) document += "CTGamesPause";
  return document;
}

Handler IpEchoHandler(bool trustProxy) {
  return [trustProxy](const Request& request) {
    std::string address = trustProxy ? LastForwardedAddress(request) : std::string();
    if (address.empty()) address = request.peer;
    Reply reply;
    reply.body = address + "\r\n";
    return reply;
  };
}

Handler NewsHandler(std::filesystem::path dataFolder) {
  return [file = std::move(dataFolder) / "news.html"](const Request&) {
    Reply reply;
    reply.contentType = "text/html; charset=utf-8";
    std::ifstream in(file, std::ios::binary);
    if (in) {
      reply.body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
      reply.body =
          "<!DOCTYPE html>\n<html><head><title>News</title></head>"
          "<body><p>NuvNews00000</p></body></html>\n";
    }
    return reply;
  };
}

}  // namespace fibwick::service
