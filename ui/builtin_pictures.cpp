#include "ui/builtin_pictures.h"

#include <QCache>
#include <QDirIterator>
#include <QHash>
#include <algorithm>

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
  // The pictures drawn over and over (button skins, speech strips, frames) stay decoded, and
  // their shared copies keep the cache key their resized copies are found by. Films and the
  // intro are pushed out by what is drawn after them: kept for good, the films of every window
  // a session has opened piled up with each match.
  static QCache<QString, QImage> decoded(3 << 20);  // cost in bytes
  const QString key = ResourceKey(name);
  if (const QImage* kept = decoded.object(key)) return *kept;
  const auto found = BuiltinIndex().constFind(key);
  const QImage picture = found == BuiltinIndex().constEnd() ? QImage() : QImage(found.value());
  decoded.insert(key, new QImage(picture), std::max<qsizetype>(1, picture.sizeInBytes()));
  return picture;
}

}  // namespace fibwick
