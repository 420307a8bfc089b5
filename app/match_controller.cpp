#include "app/match_controller.h"

#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/club_session.h"
#include "app/online_controller.h"
#include "app/table_screen.h"
#include "base/cp1251.h"
#include "game/claim.h"
#include "game/computer.h"
#include "game/match_setup.h"
#include "game/open_cards.h"
#include "game/round_end.h"
#include "game/start_game.h"
#include "records/catalogue.h"
#include "records/settings.h"
#include "ui/dialogs/claim_rank_dialog.h"
#include "ui/dialogs/general_count_dialog.h"
#include "ui/dialogs/notice_dialog.h"
#include "ui/dialogs/start_dialog.h"
#include "ui/recording/window_recording.h"
#include "ui/salute.h"
#include "ui/sound/cue_player.h"
#include "ui/text_helpers.h"

namespace fibwick {

MatchController::MatchController(WindowHost& host, MatchKit kit, MatchPace pace)
    : host_(host), kit_(kit), pace_(pace), player_(kit.table.View()) {}

CardFlights MatchController::Flights() const {
  return kit_.settings.FlyCards ? CardFlights::On : CardFlights::Off;
}

SessionParts MatchController::Session() {
  return {kit_.session, kit_.online, kit_.windows};
}

void MatchController::StartMatch(int slot, const std::string& playerName,
                                 const std::string& passwordDigits) {
  SetUpMatch(state_, LanRole::None, slot, playerName);
  kit_.session.SetNewPlayerPassword(passwordDigits);
  DealNewGame();
}

void MatchController::DealNewGame() {
  standInLeaving_ = false;
  host_.StopTimer();
  player_.Clear();
  kit_.table.StopFlights();
  player_.Play(StartGame(state_, random_, kit_.session, false));
  host_.StartTimer(pace_.computerTickMs);
}

PeerArrival MatchController::Receive(const std::string& message) {
  return ReceiveFromPeer(state_, message, {random_, kit_.session, Flights()});
}

void MatchController::Tick() {
  player_.Tick([this] {
    auto outcome = ComputerTick(state_, random_, Flights());
    if (!outcome && pace_.standIn) outcome = StandInTick(state_, random_, Flights());
    if (outcome) return player_.Play(std::move(outcome->events));
    if (pace_.standIn && state_.round.RoundOver && state_.round.TableActive) StandInGameOver();
  });
}

void MatchController::StandInGameOver() {
  if (std::exchange(standInLeaving_, true)) return;
  QWidget& window = host_.Window();
  if (const char* shots = std::getenv("FIBWICK_SCREENSHOTS")) {
    const char* side = state_.network.NetRole == LanRole::Client ? "client" : "server";
    const auto file = std::filesystem::path(shots) / ("stand-in-" + std::string(side) + ".png");
    std::filesystem::create_directories(file.parent_path());
    window.grab().save(QString::fromStdString(file.string()));
  }
  QTimer::singleShot(1000, &window, [this] {
    player_.Input([this] {
      // Unless the game was left meanwhile.
      if (std::exchange(standInLeaving_, false)) TableButtonClick(PutButtonCommand(state_));
    });
  });
}

void MatchController::ActionClicked(ActionButton button) {
  // A button's meaning is read when its turn in the line comes, not when it was clicked.
  player_.Input([this, button] {
    switch (button) {
      case ActionButton::Challenge:
        return TableButtonClick(ChallengeButtonCommand(state_));
      case ActionButton::Put:
        return TableButtonClick(PutButtonCommand(state_));
      case ActionButton::Pass:
        return TableButtonClick(PassButtonCommand(state_));
    }
  });
}

void MatchController::TableButtonClick(TableCommand command) {
  switch (command) {
    case TableCommand::None:
      return;
    case TableCommand::Challenge:
      return player_.Play(
          Play(state_, Seat::Local, Move::Challenge(state_.claim.ClaimRank), Flights()).events);
    case TableCommand::Pass:
      return player_.Play(
          Play(state_, Seat::Local, Move::Pass(state_.claim.ClaimRank), Flights()).events);
    case TableCommand::Put: {
      DialogContext context = host_.Dialogs();
      const char claim = state_.claim.NewClaim ? ChooseClaimRank(&host_.Window(), context)
                                               : state_.claim.ClaimRank;
      return player_.Play(Play(state_, Seat::Local, SelectedPut(state_, claim), Flights()).events);
    }
    case TableCommand::NextGame:
      return player_.Play(StartGame(state_, random_, kit_.session, true));
    case TableCommand::ExitToMenu: {
      TableEvents events;
      const SessionResult ending = SessionResultOf(state_);
      if (ExitToMenu(state_, Session(), events)) kit_.service.ReportGameEnd(ending);
      return player_.Play(std::move(events));
    }
  }
}

void MatchController::CardClick(int position) {
  if (kit_.settings.SaluteCards) kit_.salute.Play();
  player_.Input([this, position] { player_.Play(ToggleCardSelection(state_, position)); });
}

void MatchController::GameEnded() {
  kit_.session.RefreshGeneralCount(state_);
  // Saved once the game's last events have been shown.
  player_.Input([this] { kit_.recording.GameLeft(); });
}

void MatchController::OpenCardsFocusChanged() {
  ResetOpenCardsBuffer(state_);
}

void MatchController::OpenCardsKey(char key) {
  player_.Input([this, key] { player_.Play(fibwick::OpenCardsKey(state_, key)); });
}

void MatchController::GeneralScoreClick() {
  kit_.session.RefreshGeneralCount(state_);
  DialogContext context = host_.Dialogs();
  ShowCount(&host_.Window(), context, kit_.session.Count(), state_.session.PlayerName, 1,
            state_.network.NetworkGame ? HistoryKind::Network : HistoryKind::Local);
}

void MatchController::ChangeNameClick() {
  DialogContext context = host_.Dialogs();
  const auto entered = RunChangeName(&host_.Window(), context, state_.session.PlayerName);
  if (!entered) return;
  const auto line =
      kit_.session.ChangeMemberName(state_.session.PlayerSlot, state_.network.NetworkGame,
                                    entered->playerName, entered->password);
  if (!line) return;
  RenamePlayer(state_, *line, entered->playerName);
  kit_.session.SetNewPlayerPassword(entered->passwordDigits);
  fibwick::ShowNotice(
      &host_.Window(), context,
      Catalogue(MsgNameOrPasswordChanged) + FromUtf8(Cp1251ToUtf8(state_.session.Seat2Name)));
}

void MatchController::DropTable() {
  kit_.recording.GameLeft();
  player_.Clear();
  kit_.table.StopFlights();
}

// Leaving is handled between two events of the table, never inside a rule: what has not been
// shown yet is dropped with the game.
void MatchController::LeaveTable() {
  DropTable();
  TableEvents events;
  LeaveRunningGame(state_, Session(), events);
  player_.Play(std::move(events));
}

bool MatchController::LeaveTableForClosing() {
  if (host_.CurrentScreen() != Screen::Table) return true;
  if (state_.round.RoundOver) {
    // What the ended game still had to show is dropped with the window.
    DropTable();
    TableButtonClick(PutButtonCommand(state_));
    return true;
  }
  const std::string question =
      std::string(MessageText(MsgLeaveGame)) + " " + std::string(MessageText(MsgAllDataWillBeLost));
  if (!host_.Confirm(question)) return false;
  LeaveTable();
  return true;
}

void MatchController::AbandonClick() {
  if (host_.CurrentScreen() != Screen::Table || !state_.round.TableActive) return;
  kit_.sounds.Play("WOpenFo");
  const std::string question = std::string(MessageText(MsgLeaveToMainMenu)) + "\n" +
                               std::string(MessageText(MsgAllDataWillBeLost));
  if (!host_.Confirm(question)) return;
  LeaveTable();
  host_.ShowMainMenu();
}

}  // namespace fibwick
