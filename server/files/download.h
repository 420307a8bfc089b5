#pragma once

#include <filesystem>
#include <string>

#include "server/http/exchange.h"

// The download folder: packs, the radio list and whatever else the operator puts there.
namespace fibwick::service {

// Only a plain name in that one folder: no separators, no "..", no hidden files, no NUL.
bool IsPlainFileName(std::string_view name);

// Serves the file named by the rest of the path after `prefix`, percent-decoded first; anything
// but a plain name answers 400 and a name with no file 404.
Handler DownloadHandler(std::string prefix, std::filesystem::path folder);

}  // namespace fibwick::service
