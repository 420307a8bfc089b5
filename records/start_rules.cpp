#include "records/start_rules.h"

#include <algorithm>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "records/catalogue.h"
#include "records/club_file.h"

namespace fibwick {
namespace {

bool IsMember(int slot) {
  return slot >= 1 && slot <= ClubMemberCount;
}

std::optional<std::string> MemberLine(const StartDialogInput& input) {
  const auto lines = ReadClubFile(input.clubFile);
  if (!lines || !IsMember(input.playerSlot)) return std::nullopt;
  return (*lines)[static_cast<std::size_t>(input.playerSlot - 1)];
}

StartCheck Refuse(StartCheck check, std::string error, StartField focus) {
  check.error = std::move(error);
  check.focus = focus;
  return check;
}

}  // namespace

StartOpening OpenStart(const StartDialogInput& input) {
  StartOpening opening;
  opening.nameLimit = input.networkGame ? NetworkNameLimit : LocalNameLimit;
  opening.name = Utf8ToCp1251(MessageText(MsgMrX));
  if (IsMember(input.playerSlot)) {
    opening.member = true;
    opening.focus = StartField::Password;
    if (const auto line = MemberLine(input)) opening.name = std::string(Cut(*line, ClubNameWidth));
    return opening;
  }
  if (input.tableActive) {
    opening.name = std::string(TrimRight(input.playerName));
  } else if (input.lastPlayerName.size() <= static_cast<std::size_t>(opening.nameLimit)) {
    opening.name = input.lastPlayerName;
  }
  opening.name = std::string(Cut(Trim(opening.name), LocalNameLimit));
  return opening;
}

StartCheck CheckStart(const StartDialogInput& input, const StartEntry& entry) {
  StartCheck check;
  // A name of blanks alone would enter the club as an empty line.
  if (Trim(entry.name).empty()) {
    return Refuse(check, std::string(MessageText(MsgIncorrectName)), StartField::Name);
  }
  check.lastPlayerName = entry.name;
  check.password = entry.password;
  if (IsMember(input.playerSlot)) {
    const auto lines = ReadClubFile(input.clubFile);
    if (!lines) {
      return Refuse(check, ClubCheckMessage(ClubCheckOutcome::Incorrect, input.clubFile),
                    StartField::Password);
    }
    const auto record = ParseMemberLine((*lines)[static_cast<std::size_t>(input.playerSlot - 1)]);
    if (!record || !PasswordMatches(entry.password, record->passwordDigits)) {
      return Refuse(check, std::string(MessageText(MsgTheIncorrectPassword)), StartField::Password);
    }
    check.playerName = entry.name;
  } else {
    if (entry.password != entry.confirmation) {
      return Refuse(check, std::string(MessageText(MsgThePasswordsDoNotCoincide)),
                    StartField::Password);
    }
    check.playerName = FitLeft(entry.name, ClubNameWidth);
  }
  check.passwordDigits = EncodePassword(entry.password);
  return check;
}

bool CheckServerAddress(std::string_view text) {
  if (std::count(text.begin(), text.end(), '.') != 3 || text.ends_with('.')) return false;
  std::size_t begin = 0;
  for (int group = 0; group < 4; ++group) {
    const std::size_t end = std::min(text.find('.', begin), text.size());
    const std::size_t length = end - begin;
    if (length < 1 || length > 3) return false;
    begin = end + 1;
  }
  return true;
}

FilteredBox FilterServerAddress(std::string_view text, std::string_view serverIp, bool client) {
  const bool clean = std::all_of(text.begin(), text.end(),
                                 [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
  FilteredBox box{std::string(clean ? text : serverIp), std::string(serverIp)};
  if (client && !box.text.empty()) box.remembered = box.text;
  return box;
}

FilteredBox FilterPort(std::string_view text, std::string_view serverPort) {
  const bool digits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const std::string shown(digits ? text : serverPort);
  // An emptied box is a port being retyped, not one to keep.
  return {shown, shown.empty() ? std::string(serverPort) : shown};
}

}  // namespace fibwick
