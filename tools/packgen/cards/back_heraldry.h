// The tinctures of heraldry as the heraldic back sets paint them.
#pragma once

#include <QColor>

namespace fibwick::packgen::tincture {

inline const QColor Or(222, 178, 62);
inline const QColor Argent(246, 243, 232);
inline const QColor Gules(176, 28, 34);
inline const QColor Azure(32, 64, 156);
inline const QColor Vert(22, 112, 58);
inline const QColor Purpure(112, 42, 124);
inline const QColor Sable(32, 32, 38);
inline const QColor Tenne(178, 92, 22);
inline const QColor Murrey(128, 24, 58);

}  // namespace fibwick::packgen::tincture
