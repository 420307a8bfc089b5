#pragma once

#include <string>

#include "server/http/router.h"
#include "server/service_config.h"
#include "server/store/store.h"

namespace fibwick::service {

// Every script of the service under its path. `publicUrl` is where clients reach the service.
Router ServiceRoutes(const ServiceConfig& config, const std::string& publicUrl, Store& store);

}  // namespace fibwick::service
