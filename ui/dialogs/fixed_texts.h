#pragma once

// Words the windows show the same in every language, as the player knows them.
namespace fibwick {

inline constexpr const char* OkText = "Ok";
inline constexpr const char* AttentionText = "Attention";
inline constexpr const char* LocalBoardTitle = "WINDOWS. LOCAL GAMES WITH PC";
inline constexpr const char* NetBoardTitle = "WINDOWS. NET GAMES";

}  // namespace fibwick
