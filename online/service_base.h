#pragma once

#include <string>
#include <string_view>

#include "records/settings.h"

// Where the game service answers. Every built-in address lies under one base address, so an
// operator moves the whole service with one variable.
namespace fibwick {

inline constexpr const char* ServiceUrlVariable = "FIBWICK_SERVICE_URL";

// FIBWICK_SERVICE_URL when set, else the service on this machine; never with a trailing '/'.
std::string ServiceBaseFromEnvironment();

struct BuiltInAddresses {
  std::string paths;
  std::string ip;
  std::string news;
  std::string files;  // the download folder: a file's address is this plus its name
  std::string account;
  std::string tournament;
  std::string records;
  std::string statistics;
};

BuiltInAddresses AddressesUnder(std::string_view base);

// Settings files keep the records and statistics addresses; one that still holds the old
// built-in default, and that the paths document did not name (`named`), follows the base in
// use. Any other stays as the player's file has it.
void RebaseDefaultAddresses(Settings& settings, std::string_view base,
                            const ServiceAddresses& named);

}  // namespace fibwick
