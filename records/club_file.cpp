#include "records/club_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "base/fixed_field.h"
#include "records/catalogue.h"
#include "records/data_files.h"
#include "records/file_marker.h"
#include "records/number_format.h"
#include "records/text_file.h"

namespace fibwick {
namespace {

constexpr std::size_t PasswordDigitCount = 3 * PasswordLength;
constexpr std::size_t FixedTrailerLength = 10;
constexpr std::size_t ChecksumDigits = 6;

// Values too wide for their field are held at the field's limit so a line never grows.
long long Held(long long value, long long low, long long high) {
  return std::clamp(value, low, high);
}

std::size_t ExpectedLength(std::size_t index) {
  if (index < ClubMemberCount) return MemberLineLength;
  if (index < ClubMemberCount + TopTenCount) return TopTenLineLength;
  return TrailerLineLength;
}

bool LacksWriteAccess(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) == 0) return true;
  auto folder = file.parent_path();
  if (folder.empty()) folder = ".";
  // Replacing the file means creating a new one beside it.
  return ::access(file.c_str(), W_OK) != 0 || ::access(folder.c_str(), W_OK) != 0;
}

}  // namespace

std::string FreeMemberLine() {
  return std::string(37, '#') + " " + std::string(21, '#');
}

std::string EncodePassword(std::string_view password) {
  std::string digits;
  for (const char c : FitLeft(password, PasswordLength)) {
    digits += std::to_string(static_cast<unsigned char>(c) + PasswordOffset);
  }
  return digits;
}

std::optional<std::string> DecodePassword(std::string_view digits) {
  if (digits.size() != PasswordDigitCount ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  std::string password;
  for (std::size_t i = 0; i < PasswordDigitCount; i += 3) {
    const int code = static_cast<int>(*ParseInteger(digits.substr(i, 3))) - PasswordOffset;
    if (code < 0 || code > 255) return std::nullopt;
    password += static_cast<char>(code);
  }
  return password;
}

bool PasswordMatches(std::string_view typed, std::string_view digits) {
  // Padding only: cutting would let anything that begins with the password in.
  const auto stored = DecodePassword(digits);
  return stored && typed.size() <= PasswordLength && *stored == FitLeft(typed, PasswordLength);
}

std::string FormatMemberLine(const ClubRecord& r) {
  return FitLeft(r.name, ClubNameWidth) + FormatFixed6(r.rating) +
         PadNumber(Held(r.games, 0, 9'999'999), 7) + " " +
         PadNumber(Held(r.score, -99'999, 999'999), 6) +
         FitLeft(r.passwordDigits, PasswordDigitCount, '#');
}

bool IsFreeMemberLine(std::string_view line) {
  return Columns(line, 21, 30).find('#') != std::string_view::npos;
}

std::optional<ClubRecord> ParseMemberLine(std::string_view line) {
  if (line.size() != MemberLineLength || IsFreeMemberLine(line)) return std::nullopt;
  const auto rating = ParseDecimal(Columns(line, 21, 30));
  const auto games = ParseInteger(Columns(line, 31, 37));
  const auto score = ParseInteger(Columns(line, 39, 44));
  if (!rating || !games || !score) return std::nullopt;
  return ClubRecord{std::string(Columns(line, 1, 20)), *rating, static_cast<int>(*games),
                    static_cast<int>(*score), std::string(Columns(line, 45, 59))};
}

std::string FormatTopTenLine(std::string_view name, int score) {
  return FitLeft(name, ClubNameWidth) + PadNumber(Held(score, -99'999, 999'999), 6);
}

std::optional<int> TopTenScore(std::string_view line) {
  const auto score = ParseInteger(Columns(line, 21, 26));
  if (!score) return std::nullopt;
  return static_cast<int>(*score);
}

std::string ClubChecksum(const std::vector<std::string>& lines) {
  long long all = 0;
  long long odd = 0;
  long long third = 0;
  std::size_t position = 0;
  for (std::size_t i = 0; i + 1 < ClubLineCount && i < lines.size(); ++i) {
    for (const char c : lines[i]) {
      const int byte = static_cast<unsigned char>(c);
      ++position;
      all += byte;
      if (position % 2 == 1) odd += byte;
      if (position % 3 == 0) third += byte;
    }
  }
  return PadNumber(all, ChecksumDigits, '0') + PadNumber(odd, ChecksumDigits, '0') +
         PadNumber(third, ChecksumDigits, '0');
}

bool HasClubStructure(const std::vector<std::string>& lines) {
  if (lines.size() != ClubLineCount) return false;
  for (std::size_t i = 0; i < ClubLineCount; ++i) {
    if (lines[i].size() != ExpectedLength(i)) return false;
  }
  return true;
}

std::vector<std::string> NewClubLines(const std::vector<std::pair<std::string, int>>& topTen,
                                      std::string_view fixed16, std::string_view fixed17) {
  std::vector<std::string> lines(ClubMemberCount, FreeMemberLine());
  for (int place = 0; place < TopTenCount; ++place) {
    const auto& [name, score] =
        place < static_cast<int>(topTen.size()) ? topTen[place] : std::pair<std::string, int>{};
    lines.push_back(FormatTopTenLine(name, score));
  }
  lines.push_back(std::string{DataFileMarker, '}'} + FitLeft(fixed16, TrailerLineLength - 2, '#'));
  lines.push_back(FitLeft(fixed17, FixedTrailerLength, '#'));
  lines.back() += ClubChecksum(lines);
  return lines;
}

std::optional<std::vector<std::string>> ReadClubFile(const std::filesystem::path& file) {
  auto lines = ReadTextLines(file);
  if (!lines || !HasClubStructure(*lines)) return std::nullopt;
  return lines;
}

bool WriteClubFile(const std::filesystem::path& file, std::vector<std::string> lines) {
  if (!HasClubStructure(lines)) return false;
  lines.back() = lines.back().substr(0, FixedTrailerLength) + ClubChecksum(lines);
  return WriteFileAtomically(file, JoinLines(lines));
}

ClubCheck CheckClubFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return {ClubCheckOutcome::Missing, false, {}};
  const auto lines = ReadClubFile(file);
  if (!lines) return {ClubCheckOutcome::Incorrect, false, {}};
  const auto& trailer = lines->back();
  const bool sealed = trailer.substr(FixedTrailerLength) == ClubChecksum(*lines) &&
                      (*lines)[15].starts_with(std::string{DataFileMarker, '}'});
  if (!sealed) return {ClubCheckOutcome::Incorrect, false, {}};
  const bool hidden = file.filename().string().starts_with('.');
  return {ClubCheckOutcome::Valid, hidden || LacksWriteAccess(file), trailer.substr(6, 3)};
}

std::string ClubCheckMessage(ClubCheckOutcome outcome, const std::filesystem::path& file) {
  const auto message =
      outcome == ClubCheckOutcome::Missing ? MsgCantFindTheFile : MsgTheIncorrectFile;
  return std::string(MessageText(message)) + QuotedPath(file);
}

std::string AttributeWarningMessage(const std::filesystem::path& file) {
  return std::string(MessageText(MsgTheFile)) + file.string() +
         std::string(MessageText(MsgHasIncorrectAttributes));
}

}  // namespace fibwick
