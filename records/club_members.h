#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "records/club_file.h"

// Moving members in and out of the club list and the top ten. A slot is the PlayerSlot of the
// game: 1..5 a member's line, 6 a new player, 7 the online player, 8 a tournament player.
namespace fibwick {

// Where a record landed in the top ten: place 1..10, or 0 when it did not enter.
struct TopTenEntry {
  int place = 0;
  int score = 0;
};

// In memory, on the 17 lines of a club file.
// Slots 1..5: the lines below move up and line 5 is freed. Any other slot changes nothing.
void RemoveMemberLine(std::vector<std::string>& lines, int slot);
// At the end of a cycle the score enters the top ten (ties placed above) and restarts from 0;
// then the record enters the list above the first member rated the same or lower, or a free
// line. Returns the top-ten entry and the line the record took (0 when it was not stored).
struct InsertOutcome {
  TopTenEntry topTen;
  int line = 0;
};
InsertOutcome InsertRecordLines(std::vector<std::string>& lines, ClubRecord record,
                                bool cycleEnded);

enum class ClubUpdateStatus {
  Done,
  Unchanged,      // nothing to do for this slot
  IncorrectFile,  // show ClubCheckMessage(Incorrect, file); nothing written
  WriteFailed,    // show MsgErrorOfDiskWriting; the file keeps its old content
};

struct ClubUpdate {
  ClubUpdateStatus status = ClubUpdateStatus::Unchanged;
  TopTenEntry topTen;  // for the end-of-game dialog
  int line = 0;        // the member's line after the update, 0 when not in the list
};

// A member who abandons a game loses his place.
ClubUpdate RemoveMember(const std::filesystem::path& file, int slot);
ClubUpdate InsertRecord(const std::filesystem::path& file, const ClubRecord& record,
                        bool cycleEnded);

// The end of a session: the player's old line out, the new record in, written once so that no
// failure can lose the member between the two steps. The online player (slot 7) and the
// tournament player (slot 8) keep their records on the game service: the club file is left
// alone for them.
ClubUpdate EndClubSession(const std::filesystem::path& file, int slot, const ClubRecord& record,
                          bool cycleEnded);

// "To change a name": a member's line is taken out, given the new name and password and put back
// by rating. The reply's `line` is where the member now stands; the caller's PlayerSlot must
// follow it, since an equal rating above can move him.
ClubUpdate ChangeName(const std::filesystem::path& file, int slot, std::string_view newName,
                      std::string_view newPassword);

}  // namespace fibwick
