#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whole-file reads and crash-safe writes of the fixed-line data files.
namespace fibwick {

// Line end of every data file we write: the files are exchanged with the Windows edition.
inline constexpr std::string_view LineEnd = "\r\n";

// The lines of a file without their line ends (LF or CR LF); a final line without a break
// counts, a final break does not open an empty line. Nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

// Every line followed by LineEnd.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes to a temporary file in the same folder and renames it over `file` only when every
// byte reached the disk, so a failure at any point leaves the old file whole. A replaced file
// keeps its permissions. The temporary is `file` + ".~" + random letters and digits, a name
// no other writer holds, locked while it is written.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Copies `from` to `to` the same way: `to` appears only whole.
bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes the temporaries that killed writes left in `folder` beside the files whose names
// `ours` accepts; a temporary that a running writer holds stays. Returns how many went.
int RemoveStaleTemporaries(const std::filesystem::path& folder,
                           const std::function<bool(std::string_view)>& ours);

// Once at start: a write past the file-size limit then fails like any other instead of
// killing the program.
void IgnoreFileSizeSignal();

}  // namespace fibwick
