#pragma once

#include <QDateTime>
#include <filesystem>
#include <string>

// Where and how a recorded game is stored.
namespace fibwick {

// The recordings' folder under the program folder.
std::filesystem::path GifFolder(const std::filesystem::path& programFolder);
// "2024.03.07-21.05.09.gif" for a game saved at that moment.
std::string GifFileName(const QDateTime& savedAt);
// Writes the picture, creating its folder when needed. The file is the player's own: readable
// and writable by its owner only, as giflib creates its files. False when the folder or the
// file cannot be written; no partial file is left behind.
bool WriteGifFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace fibwick
