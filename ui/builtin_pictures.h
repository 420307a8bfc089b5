#pragma once

#include <QImage>
#include <QString>
#include <functional>

// The pictures compiled into the program.
namespace fibwick {

// A built-in picture by resource name, ignoring case and extension ("fong" finds ":/art/FonG.jpg");
// a null picture when there is none.
QImage LoadBuiltinPicture(const QString& name);

// How drawing code gets its pictures; the program passes LoadBuiltinPicture.
using PictureLookup = std::function<QImage(const QString& name)>;

}  // namespace fibwick
