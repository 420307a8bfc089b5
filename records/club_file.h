#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Fibwick.clb (games against the computer) and Fibwick.net (network games): 17 fixed-width
// lines of Windows-1251 text guarded by three byte sums.
//   lines 1-5    59 characters  members, best rating first
//   lines 6-15   26 characters  top ten, best score first
//   line 16      28 characters  "z}" and fixed content
//   line 17      28 characters  10 fixed characters (7-9 the edition marker), then the sums
namespace fibwick {

inline constexpr const char* ClubFileName = "Fibwick.clb";
inline constexpr const char* NetClubFileName = "Fibwick.net";

inline constexpr int ClubMemberCount = 5;
inline constexpr int TopTenCount = 10;
inline constexpr std::size_t ClubLineCount = 17;
inline constexpr std::size_t MemberLineLength = 59;
inline constexpr std::size_t TopTenLineLength = 26;
inline constexpr std::size_t TrailerLineLength = 28;
inline constexpr std::size_t ClubNameWidth = 20;
inline constexpr std::size_t PasswordLength = 5;

// Every byte 0..255 plus this offset has three digits.
inline constexpr int PasswordOffset = 317;

// A free member line: 37 "#", a blank, 21 "#".
std::string FreeMemberLine();

struct ClubRecord {
  std::string name;  // up to 20 bytes
  double rating = 0.0;
  int games = 0;
  int score = 0;               // score of the current cycle
  std::string passwordDigits;  // 15 digits, see EncodePassword
};

std::string EncodePassword(std::string_view password);
// The five characters (blank-padded) behind the digits; nothing when they are not 15 digits
// of valid codes.
std::optional<std::string> DecodePassword(std::string_view digits);
// The typed password, padded with blanks to five, against the stored digits; a longer one
// never matches.
bool PasswordMatches(std::string_view typed, std::string_view digits);

// name (20) + rating (10) + games (7) + blank + score (6) + password digits (15).
std::string FormatMemberLine(const ClubRecord& record);
bool IsFreeMemberLine(std::string_view line);
// Nothing for a free line or one whose fields are not numbers.
std::optional<ClubRecord> ParseMemberLine(std::string_view line);

std::string FormatTopTenLine(std::string_view name, int score);
std::optional<int> TopTenScore(std::string_view line);

// S1, S2, S3 of lines 1-16 joined without breaks, six digits each.
std::string ClubChecksum(const std::vector<std::string>& lines);
bool HasClubStructure(const std::vector<std::string>& lines);

// A new file: five free member lines, the ten entries, line 16 as "z}" + `fixed16` and line 17
// as `fixed17` (both fitted with "#"), and its checksum.
std::vector<std::string> NewClubLines(const std::vector<std::pair<std::string, int>>& topTen,
                                      std::string_view fixed16, std::string_view fixed17);

// The 17 lines of a file with the right shape; nothing when it is missing or misshapen.
std::optional<std::vector<std::string>> ReadClubFile(const std::filesystem::path& file);

// Recomputes the checksum and replaces the file whole; false means MsgErrorOfDiskWriting and
// the old file unchanged.
bool WriteClubFile(const std::filesystem::path& file, std::vector<std::string> lines);

enum class ClubCheckOutcome { Valid, Missing, Incorrect };

struct ClubCheck {
  ClubCheckOutcome outcome = ClubCheckOutcome::Missing;
  // Only for a valid file: we cannot replace it, or it is hidden.
  bool attributeWarning = false;
  std::string editionMarker;  // line 17, positions 7-9
};

// The start-up check. On Linux the "incorrect attributes" warning stands for what would stop or
// hide our writes: a file without its owner's write permission, a file or folder this process
// cannot write, or a hidden (dot) name.
ClubCheck CheckClubFile(const std::filesystem::path& file);

// The error box text for Missing or Incorrect, UTF-8 in the current language.
std::string ClubCheckMessage(ClubCheckOutcome outcome, const std::filesystem::path& file);
std::string AttributeWarningMessage(const std::filesystem::path& file);

}  // namespace fibwick
