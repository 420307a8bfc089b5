// Each painter adds one family of pictures to the graphics pack.
#pragma once

#include "dialog_looks.h"
#include "pack_writer.h"

namespace fibwick::packgen {

// The purple design: every window's background and the main window's "BGLilu".
void AddPurpleBackgrounds(PackWriter& pack);
// The concise captions and the ribbon pictures, in every language that has pictures of its own.
void AddHeaderPictures(PackWriter& pack, const Lettering& lettering);
void AddIconFilms(PackWriter& pack);
// "GTouch", the click effect.
void AddSaluteFilm(PackWriter& pack);

}  // namespace fibwick::packgen
