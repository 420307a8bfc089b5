#include "ui/dialogs/start_rules.h"

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

}  // namespace fibwick
