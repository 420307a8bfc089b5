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

// A frame of a film ("GEndBest_07") belongs to the film that plays it, which holds its own copy.
bool IsFilmFrame(const QString& key) {
  const qsizetype n = key.size();
  return n > 3 && key[n - 3] == u'_' && key[n - 2].isDigit() && key[n - 1].isDigit();
}

}  // namespace

QImage LoadBuiltinPicture(const QString& name) {
  // The pictures drawn over and over (button skins, speech strips, frames, digits) stay decoded,
  // and their shared copies keep the cache key their resized copies are found by. Films are
  // not kept, or the films of every window a session has opened would pile up; the intro and
  // the background are pushed out by what is drawn after them.
  static QCache<QString, QImage> decoded(3 << 20);  // cost in bytes
  const QString key = ResourceKey(name);
  if (const QImage* kept = decoded.object(key)) return *kept;
  const auto found = BuiltinIndex().constFind(key);
  const QImage picture = found == BuiltinIndex().constEnd() ? QImage() : QImage(found.value());
  if (!IsFilmFrame(key)) {
    decoded.insert(key, new QImage(picture), std::max<qsizetype>(1, picture.sizeInBytes()));
  }
  return picture;
}

}  // namespace fibwick
