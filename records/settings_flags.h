#pragma once

#include <string>
#include <string_view>

#include "records/settings.h"

// Line 2 of the settings file: twenty one-character flags.
namespace fibwick {

inline constexpr std::size_t FlagsLength = 20;

std::string EncodeFlags(const Settings& settings);

// Reads each position the line holds; a position past its end keeps the value it had.
void DecodeFlags(std::string_view flags, Settings& settings);

}  // namespace fibwick
