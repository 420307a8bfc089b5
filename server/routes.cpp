#include "server/routes.h"

#include "server/files/download.h"
#include "server/files/pages.h"
#include "server/http/form_handler.h"
#include "server/stats/statistics_script.h"

namespace fibwick::service {

Router ServiceRoutes(const ServiceConfig& config, const std::string& publicUrl, Store& store) {
  const std::vector<std::string> get{"GET"};
  const auto paths = PathsDocument(publicUrl, config.pauseRecords, config.pauseChat);
  return Router({
      {"/paths", get,
       [paths](const Request&) {
         Reply reply;
         reply.body = paths;
         return reply;
       }},
      {"/ip", get, IpEchoHandler(config.trustProxy)},
      {"/news", get, NewsHandler(config.data)},
      {"/files/", get, DownloadHandler("/files/", config.data / "files")},
      {"/statistics", {"POST"}, FormHandler([&store](const FormFields& form) {
         return StatisticsScript(form, store);
       })},
  });
}

}  // namespace fibwick::service
