#include "records/club_file.h"

#include <gtest/gtest.h>

#include "records/catalogue.h"
#include "records_support.h"

namespace fibwick {
namespace {

using testing::CrLfLines;
using testing::ReadBytes;
using testing::SplitCrLf;
using testing::TempFolder;
using testing::WriteBytes;

// The three sums as the file format defines them, computed here independently.
std::string ExpectedChecksum(const std::vector<std::string>& lines) {
  std::string joined;
  for (std::size_t i = 0; i < 16; ++i) joined += lines[i];
  long sums[3] = {0, 0, 0};
  for (std::size_t i = 0; i < joined.size(); ++i) {
    const auto byte = static_cast<unsigned char>(joined[i]);
    sums[0] += byte;
    if ((i + 1) % 2 == 1) sums[1] += byte;
    if ((i + 1) % 3 == 0) sums[2] += byte;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%06ld%06ld%06ld", sums[0], sums[1], sums[2]);
  return text;
}

std::vector<std::string> SampleClub() {
  auto lines = NewClubLines({{"Ann", 150}, {"Bob", 90}}, "test club", "Test##abc#");
  lines[0] = FormatMemberLine({"Ann", 2.5, 41, 30, EncodePassword("ann")});
  lines[1] = FormatMemberLine({"Bob", -1.25, 7, -20, EncodePassword("b0b")});
  lines[16] = lines[16].substr(0, 10) + ExpectedChecksum(lines);
  return lines;
}

TEST(ClubFile, WrittenFileHasTheLayoutAndItsOwnChecksum) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  ASSERT_TRUE(WriteClubFile(file, SampleClub()));
  const auto lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "Ann                   2,500000     41     30" + EncodePassword("ann"));
  EXPECT_EQ(lines[1], "Bob                  -1,250000      7    -20" + EncodePassword("b0b"));
  EXPECT_EQ(lines[2], std::string(37, '#') + " " + std::string(21, '#'));
  EXPECT_EQ(lines[5], "Ann                    150");
  EXPECT_EQ(lines[7], "                         0");
  EXPECT_EQ(lines[15], "z}test club#################");
  EXPECT_EQ(lines[16], "Test##abc#" + ExpectedChecksum(lines));

  const auto check = CheckClubFile(file);
  EXPECT_EQ(check.outcome, ClubCheckOutcome::Valid);
  EXPECT_FALSE(check.attributeWarning);
  EXPECT_EQ(check.editionMarker, "abc");
}

TEST(ClubFile, OneChangedCharacterInLinesOneToSixteenFailsTheCheck) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  ASSERT_TRUE(WriteClubFile(file, SampleClub()));
  const auto good = SplitCrLf(ReadBytes(file));
  for (std::size_t line = 0; line < 16; ++line) {
    for (const std::size_t column : {std::size_t{0}, good[line].size() - 1}) {
      auto edited = good;
      edited[line][column] = edited[line][column] == 'x' ? 'y' : 'x';
      WriteBytes(file, CrLfLines(edited));
      EXPECT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Incorrect)
          << "line " << line + 1 << " column " << column + 1;
    }
  }
}

TEST(ClubFile, CheckOutcomes) {
  TempFolder folder;
  const auto file = folder / ClubFileName;
  EXPECT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Missing);

  const auto good = SampleClub();
  auto noMarker = good;
  noMarker[15][0] = 'y';  // sums made to match: only the marker is wrong
  noMarker[16] = noMarker[16].substr(0, 10) + ExpectedChecksum(noMarker);
  auto shortLine = good;
  shortLine[3].pop_back();
  auto extraLine = good;
  extraLine.push_back("");
  auto sixteen = good;
  sixteen.pop_back();
  for (const auto& lines : {noMarker, shortLine, extraLine, sixteen}) {
    WriteBytes(file, CrLfLines(lines));
    EXPECT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Incorrect);
  }
  // Line breaks of either system are accepted.
  std::string lf;
  for (const auto& line : good) lf += line + "\n";
  WriteBytes(file, lf);
  EXPECT_EQ(CheckClubFile(file).outcome, ClubCheckOutcome::Valid);
}

TEST(ClubFile, AttributeWarningForFilesWeCannotReplaceOrThatAreHidden) {
  TempFolder folder;
  const auto plain = folder / ClubFileName;
  const auto hidden = folder / ".Fibwick.clb";
  const auto readOnly = folder / NetClubFileName;
  for (const auto& file : {plain, hidden, readOnly}) ASSERT_TRUE(WriteClubFile(file, SampleClub()));
  std::filesystem::permissions(
      readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  EXPECT_FALSE(CheckClubFile(plain).attributeWarning);
  EXPECT_TRUE(CheckClubFile(hidden).attributeWarning);
  const auto check = CheckClubFile(readOnly);
  EXPECT_EQ(check.outcome, ClubCheckOutcome::Valid);  // a warning, not a failure
  EXPECT_TRUE(check.attributeWarning);
}

TEST(ClubFile, MessagesNameTheFile) {
  SetLanguage(0);
  const std::filesystem::path file = "/games/Fibwick.clb";
  EXPECT_EQ(ClubCheckMessage(ClubCheckOutcome::Missing, file),
            "Can`t find the file \"/games/Fibwick.clb\"!");
  EXPECT_EQ(ClubCheckMessage(ClubCheckOutcome::Incorrect, file),
            "The incorrect file \"/games/Fibwick.clb\"!");
  EXPECT_EQ(AttributeWarningMessage(file),
            "The file \"/games/Fibwick.clb\" has incorrect attributes!\n\rThe work of the program "
            "will be incorrect!");
}

TEST(ClubFile, PasswordDigitsUseTheFixedOffset) {
  EXPECT_EQ(EncodePassword("ab"), "414415349349349");  // 'a' 97, 'b' 98, blanks 32; + 317
  EXPECT_EQ(EncodePassword(std::string(1, '\xFF')), "572349349349349");
  EXPECT_EQ(EncodePassword(std::string(1, '\0')).substr(0, 3), "317");
  EXPECT_EQ(DecodePassword("414415349349349"), "ab   ");
  EXPECT_TRUE(PasswordMatches("ab", EncodePassword("ab")));
  EXPECT_TRUE(PasswordMatches("ab   ", EncodePassword("ab")));
  EXPECT_FALSE(PasswordMatches("abc", EncodePassword("ab")));
  EXPECT_FALSE(PasswordMatches("", "###############"));
  EXPECT_FALSE(DecodePassword("999349349349349").has_value());  // 682 is no byte
}

// The typed password is padded to five and compared whole: a longer one is never cut to fit.
TEST(ClubFile, TypedPasswordIsPaddedNeverCut) {
  struct Case {
    std::string stored;
    std::string typed;
    bool matches;
  };
  for (const Case& c :
       {Case{"abcde", "abcde", true}, Case{"abcde", "abcdef", false},
        Case{"abcde", "abcdefg", false}, Case{"abcde", "abcd", false}, Case{"abc", "abc", true},
        Case{"abc", "abc  ", true}, Case{"abc", "abc   ", false}, Case{"abc", "abc  x", false},
        Case{"", "", true}, Case{"", "     ", true}, Case{"", "      ", false},
        Case{"ab", "AB", false}}) {
    EXPECT_EQ(PasswordMatches(c.typed, EncodePassword(c.stored)), c.matches)
        << "stored \"" << c.stored << "\", typed \"" << c.typed << "\"";
  }
}

TEST(ClubFile, MemberLinesReadBack) {
  const ClubRecord ann{"Ann", 2.5, 41, 30, EncodePassword("ann")};
  const auto parsed = ParseMemberLine(FormatMemberLine(ann));
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->name, "Ann" + std::string(17, ' '));
  EXPECT_EQ(parsed->rating, 2.5);
  EXPECT_EQ(parsed->games, 41);
  EXPECT_EQ(parsed->score, 30);
  EXPECT_EQ(parsed->passwordDigits, ann.passwordDigits);
  EXPECT_FALSE(ParseMemberLine(FreeMemberLine()).has_value());
  EXPECT_EQ(
      FormatMemberLine({"A name much longer than twenty", 0, 0, 0, EncodePassword("")}).size(),
      MemberLineLength);
}

}  // namespace
}  // namespace fibwick
