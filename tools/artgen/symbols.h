// Pictograms shared by the icons, cursors and animations, each drawn in a 100 x 100 box
// in one ink; callers scale and place the box.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>
#include <QTransform>

namespace fibwick::artgen {

using Symbol = void (*)(QPainter&, const QColor& ink);

void GearSymbol(QPainter& p, const QColor& ink);
void BookSymbol(QPainter& p, const QColor& ink);
void CupSymbol(QPainter& p, const QColor& ink);
void GaugeSymbol(QPainter& p, const QColor& ink);
void CardIdSymbol(QPainter& p, const QColor& ink);
void PersonSymbol(QPainter& p, const QColor& ink);
void TallySymbol(QPainter& p, const QColor& ink);
void BubbleSymbol(QPainter& p, const QColor& ink);
void BarsSymbol(QPainter& p, const QColor& ink);
void QuestionSymbol(QPainter& p, const QColor& ink);
void GlobeSymbol(QPainter& p, const QColor& ink);
void GiftSymbol(QPainter& p, const QColor& ink);
void PhoneSymbol(QPainter& p, const QColor& ink);
void BagSymbol(QPainter& p, const QColor& ink);
void ExclamationSymbol(QPainter& p, const QColor& ink);
void DoorSymbol(QPainter& p, const QColor& ink);
void PencilSymbol(QPainter& p, const QColor& ink);
void InfoSymbol(QPainter& p, const QColor& ink);
void RadioSymbol(QPainter& p, const QColor& ink);
void NewsSymbol(QPainter& p, const QColor& ink);
void StarSymbol(QPainter& p, const QColor& ink);
void MonitorSymbol(QPainter& p, const QColor& ink);
void PadlockSymbol(QPainter& p, const QColor& ink);
void PlaySymbol(QPainter& p, const QColor& ink);
void PauseSymbol(QPainter& p, const QColor& ink);
void NextSymbol(QPainter& p, const QColor& ink);
void SpeakerSymbol(QPainter& p, const QColor& ink);

// A suit sign ("♠", "♥", "♦", "♣") centred on a point, as text of the given pixel size.
void SuitGlyph(QPainter& p, const QString& suit, const QPointF& centre, double size,
               const QColor& colour);

// The font at the largest pixel size, from its own down to `smallest`, at which the text's
// outline fits the width.
QFont FitToWidth(QFont font, const QString& text, double width, int smallest);

// Text in the given font, centred on a box, with a dark outline of the given width.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  const QBrush& fill, const QColor& outline, double outlineWidth);

// A round lacquered medallion with a gold rim filling the 100 x 100 box, a symbol on it; `turn`
// moves the symbol about the medallion's centre.
void Medallion(QPainter& p, const QColor& body, Symbol symbol, const QTransform& turn = {});

}  // namespace fibwick::artgen
