#include "ui/builtin_pictures.h"

#include <QDirIterator>
#include <QHash>

#include "ui/packs.h"

namespace fibwick {
namespace {

const QHash<QString, QString>& BuiltinIndex() {
  static const QHash<QString, QString> index = [] {
    QHash<QString, QString> paths;
    QDirIterator it(QStringLiteral(":/art"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      paths.insert(ResourceKey(path), path);
    }
    return paths;
  }();
  return index;
}

}  // namespace

QImage LoadBuiltinPicture(const QString& name) {
  // Decoded once: the pictures never change, and shared copies keep their cache key.
  static QHash<QString, QImage> decoded;
  const QString key = ResourceKey(name);
  if (const auto kept = decoded.constFind(key); kept != decoded.constEnd()) return kept.value();
  const auto found = BuiltinIndex().constFind(key);
  const QImage picture = found == BuiltinIndex().constEnd() ? QImage() : QImage(found.value());
  decoded.insert(key, picture);
  return picture;
}

}  // namespace fibwick
