// Each painter adds one family of pictures to the radio pack.
#pragma once

#include <QString>

#include "pack_writer.h"

namespace fibwick::packgen {

struct RadioLettering {
  QString sans;
  QString serif;
};

// The set switched on and off, the volume scale in every step and the logo's frame.
void AddRadioSet(PackWriter& pack, const RadioLettering& lettering);
void AddStationLogos(PackWriter& pack, const RadioLettering& lettering);

}  // namespace fibwick::packgen
