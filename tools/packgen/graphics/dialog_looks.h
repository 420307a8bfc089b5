// How the pack dresses each window of the program's table of dialog pictures.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "base/message_ids.h"
#include "symbols.h"
#include "ui/dialogs/dialog_pictures.h"

namespace fibwick::packgen {

// How an icon film moves in its ten frames.
enum class IconMotion {
  Spin,   // the emblem turns by one tooth of a gear per loop
  Swing,  // the emblem rocks like a needle
  Turn,   // the whole medallion turns over like a coin
  Shine,  // a gleam passes over the medallion and a glint flashes
  Pulse,  // the emblem breathes
};

struct DialogLook {
  Message title;  // written on the window's header pictures
  QSize window;   // the window in the purple design, which its background fills
  artgen::Symbol emblem;
  IconMotion motion;
};

DialogLook LookOf(DialogArt dialog);

// The font families the header pictures are lettered in: Latin and Cyrillic, and Chinese.
struct Lettering {
  QString serif;
  QString sans;
  QString cjk;
};

// The three fonts among the inputs; false when one is missing.
bool LoadLettering(const QStringList& inputs, Lettering& lettering);

}  // namespace fibwick::packgen
