// Fonts a pack letters its pictures with come in as inputs, so a changed font redraws the pack.
#pragma once

#include <QString>
#include <QStringList>

namespace fibwick::packgen {

// Registers the input whose file name is `fileName` and returns its font family; empty (with a
// message on stderr) when no input has that name or the file is no font.
QString InputFontFamily(const QStringList& inputs, const QString& fileName);

}  // namespace fibwick::packgen
