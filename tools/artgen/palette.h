// One palette for every built-in picture, so the table, the buttons and the dialogs match.
#pragma once

#include <QColor>

namespace fibwick::artgen::palette {

inline const QColor FeltLight{34, 132, 66};
inline const QColor Felt{16, 104, 48};
inline const QColor FeltDark{6, 58, 26};

inline const QColor Gold{214, 172, 64};
inline const QColor GoldLight{252, 230, 150};
inline const QColor GoldDark{128, 90, 22};

inline const QColor Cream{253, 248, 232};
inline const QColor CreamShade{236, 224, 196};
inline const QColor Ink{28, 26, 34};

inline const QColor Graphite{58, 62, 72};
inline const QColor GraphiteLight{104, 110, 124};
inline const QColor GraphiteDark{26, 28, 34};
inline const QColor Steel{176, 182, 194};

inline const QColor Crimson{178, 22, 34};
inline const QColor Burgundy{112, 12, 28};
inline const QColor Royal{28, 70, 168};
inline const QColor Navy{16, 30, 88};
inline const QColor Emerald{14, 120, 70};
inline const QColor Amber{222, 150, 0};
inline const QColor Violet{118, 50, 176};

// The key colour small suit symbols are drawn on; the program treats it as transparent.
inline const QColor SilverKey{192, 192, 192};

}  // namespace fibwick::artgen::palette
