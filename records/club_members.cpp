#include "records/club_members.h"

#include <cmath>
#include <functional>
#include <optional>

#include "base/fixed_field.h"
#include "game/game_state.h"

namespace fibwick {
namespace {

constexpr std::size_t FirstTopTenLine = ClubMemberCount;

bool IsMemberSlot(int slot) {
  return slot >= SlotFirstMember && slot <= SlotLastMember;
}

// Ratings as stored: six decimals, compared exactly.
long long Micros(double rating) {
  return std::llround(rating * 1e6);
}

TopTenEntry EnterTopTen(std::vector<std::string>& lines, const ClubRecord& record) {
  for (std::size_t place = 0; place < TopTenCount; ++place) {
    const auto score = TopTenScore(lines[FirstTopTenLine + place]);
    if (score && *score > record.score) continue;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(FirstTopTenLine + TopTenCount - 1));
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(FirstTopTenLine + place),
                 FormatTopTenLine(record.name, record.score));
    return {static_cast<int>(place) + 1, record.score};
  }
  return {0, record.score};
}

ClubUpdate Rewrite(const std::filesystem::path& file,
                   const std::function<ClubUpdate(std::vector<std::string>&)>& change) {
  auto lines = ReadClubFile(file);
  if (!lines) return {ClubUpdateStatus::IncorrectFile, {}, 0};
  auto update = change(*lines);
  if (update.status != ClubUpdateStatus::Done) return update;
  if (!WriteClubFile(file, std::move(*lines))) update.status = ClubUpdateStatus::WriteFailed;
  return update;
}

}  // namespace

void RemoveMemberLine(std::vector<std::string>& lines, int slot) {
  if (!IsMemberSlot(slot)) return;
  lines.erase(lines.begin() + (slot - 1));
  lines.insert(lines.begin() + (ClubMemberCount - 1), FreeMemberLine());
}

InsertOutcome InsertRecordLines(std::vector<std::string>& lines, ClubRecord record,
                                bool cycleEnded) {
  InsertOutcome outcome;
  if (cycleEnded) {
    outcome.topTen = EnterTopTen(lines, record);
    record.score = 0;
  }
  for (int line = 0; line < ClubMemberCount; ++line) {
    const auto member = ParseMemberLine(lines[line]);
    if (member && Micros(member->rating) > Micros(record.rating)) continue;
    lines.erase(lines.begin() + (ClubMemberCount - 1));
    lines.insert(lines.begin() + line, FormatMemberLine(record));
    outcome.line = line + 1;
    break;
  }
  return outcome;
}

ClubUpdate RemoveMember(const std::filesystem::path& file, int slot) {
  if (!IsMemberSlot(slot)) return {};
  return Rewrite(file, [slot](std::vector<std::string>& lines) {
    RemoveMemberLine(lines, slot);
    return ClubUpdate{ClubUpdateStatus::Done, {}, 0};
  });
}

ClubUpdate InsertRecord(const std::filesystem::path& file, const ClubRecord& record,
                        bool cycleEnded) {
  return Rewrite(file, [&](std::vector<std::string>& lines) {
    const auto outcome = InsertRecordLines(lines, record, cycleEnded);
    return ClubUpdate{ClubUpdateStatus::Done, outcome.topTen, outcome.line};
  });
}

ClubUpdate EndClubSession(const std::filesystem::path& file, int slot, const ClubRecord& record,
                          bool cycleEnded) {
  if (!IsMemberSlot(slot) && slot != SlotNewPlayer) return {};
  return Rewrite(file, [&](std::vector<std::string>& lines) {
    RemoveMemberLine(lines, slot);
    const auto outcome = InsertRecordLines(lines, record, cycleEnded);
    return ClubUpdate{ClubUpdateStatus::Done, outcome.topTen, outcome.line};
  });
}

ClubUpdate ChangeName(const std::filesystem::path& file, int slot, std::string_view newName,
                      std::string_view newPassword) {
  if (!IsMemberSlot(slot)) return {};
  return Rewrite(file, [&](std::vector<std::string>& lines) {
    auto record = ParseMemberLine(lines[slot - 1]);
    if (!record) return ClubUpdate{};  // a free line has no name to change
    RemoveMemberLine(lines, slot);
    record->name = FitLeft(newName, ClubNameWidth);
    record->passwordDigits = EncodePassword(newPassword);
    const auto outcome = InsertRecordLines(lines, *record, false);
    return ClubUpdate{ClubUpdateStatus::Done, {}, outcome.line};
  });
}

}  // namespace fibwick
