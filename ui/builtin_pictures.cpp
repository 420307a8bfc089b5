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
  const auto found = BuiltinIndex().constFind(ResourceKey(name));
  return found == BuiltinIndex().constEnd() ? QImage() : QImage(found.value());
}

}  // namespace fibwick
