#pragma once

#include <QCursor>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "online/pack_download.h"
#include "records/settings.h"
#include "ui/card_art.h"
#include "ui/text_helpers.h"

// What every dialog window needs from the program: the settings it reads (and, for the design
// fallback, changes), where pictures come from, and the program's own cursors and sounds.
namespace fibwick {

struct DialogContext {
  DialogContext(Settings& settingsInUse, ArtSources pictureSources, std::filesystem::path folder)
      : settings(settingsInUse),
        sources(std::move(pictureSources)),
        programFolder(std::move(folder)) {}

  Settings& settings;
  ArtSources sources;                   // built-in pictures and the shelf of packs
  std::filesystem::path programFolder;  // club and history files live here
  // The service's download folder for packs, ending in '/'; empty: nothing to download from.
  std::string downloadFolder;
  // Downloads a pack off the window's thread: `progress` runs there (returning false cancels),
  // `done` on the window's thread. Empty: nothing can be downloaded.
  std::function<void(const std::string& folderAddress, const std::string& pack,
                     const std::filesystem::path& targetFolder, DownloadProgress progress,
                     std::function<void(DownloadOutcome)> done)>
      downloadPack;
  // The service's page that answers with the caller's address as the internet sees it; empty:
  // the own addresses are listed without it.
  std::string ipEchoAddress;
  // Asks the echo page off the window's thread; the answer (empty when unread) comes back on it.
  std::function<void(const std::string& echoAddress,
                     std::function<void(const std::string& reply)> answer)>
      askExternalAddress;
  QCursor arrowCursor{Qt::ArrowCursor};
  QCursor handCursor{Qt::PointingHandCursor};
  // A sound resource by name ("WFiBest"); left empty while the program has no sound.
  std::function<void(std::string_view)> playSound;
  // The click effect of dialog buttons; asked only while the "Buttons" salute is on.
  std::function<void()> salute;
};

FontRoles FontRolesOf(const Settings& settings);

// The club file the settings put in use: Fibwick.net for network games, else Fibwick.clb.
std::filesystem::path ClubFileInUse(const DialogContext& context);

void PlaySound(const DialogContext& context, std::string_view sound);
void PlayButtonSalute(const DialogContext& context);

}  // namespace fibwick
