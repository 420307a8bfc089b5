#pragma once

// Words the windows show the same in every language, as the player knows them.
namespace fibwick {

inline constexpr const char* OkText = "Ok";
inline constexpr const char* AttentionText = "Attention";
// The hint of the loopback among the own addresses, and the router help button.
inline constexpr const char* LoopHint = "Loop";
inline constexpr const char* HelpMarkText = "?";
inline constexpr const char* LocalBoardTitle = "WINDOWS. LOCAL GAMES WITH PC";
inline constexpr const char* NetBoardTitle = "WINDOWS. NET GAMES";

}  // namespace fibwick
