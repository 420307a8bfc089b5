#include "ui/packs.h"

#include <zip.h>

#include <QDir>
#include <QFileInfo>

namespace fibwick {

QString ResourceKey(const QString& fileName) {
  const QString base = fileName.section('/', -1);
  const qsizetype dot = base.lastIndexOf('.');
  return (dot > 0 ? base.left(dot) : base).toLower();
}

Pack::Pack(zip_t* archive) : archive_(archive) {
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0);
    if (name != nullptr) entries_.insert(ResourceKey(QString::fromUtf8(name)), i);
  }
}

Pack::~Pack() {
  zip_discard(archive_);
}

std::unique_ptr<Pack> Pack::Open(const QString& path) {
  if (!QFileInfo(path).isFile()) return nullptr;
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
  if (archive == nullptr) return nullptr;
  return std::unique_ptr<Pack>(new Pack(archive));
}

QByteArray Pack::Entry(const QString& name) const {
  const auto found = entries_.constFind(ResourceKey(name));
  if (found == entries_.constEnd()) return {};
  const auto index = static_cast<zip_uint64_t>(found.value());
  zip_stat_t stat;
  if (zip_stat_index(archive_, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    return {};
  }
  zip_file_t* file = zip_fopen_index(archive_, index, 0);
  if (file == nullptr) return {};
  QByteArray data(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
  const zip_int64_t read = zip_fread(file, data.data(), stat.size);
  zip_fclose(file);
  if (read != static_cast<zip_int64_t>(stat.size)) return {};
  return data;
}

QImage Pack::Picture(const QString& name) const {
  return QImage::fromData(Entry(name));
}

std::unique_ptr<Pack> PackShelf::Open(std::string_view fileName) const {
  const QString name = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
  const QDir folder(programFolder_);
  if (auto pack = Pack::Open(folder.filePath(name))) return pack;
  if (auto pack = Pack::Open(QDir::cleanPath(folder.filePath(QStringLiteral("../") + name)))) {
    return pack;
  }
  if (installFolder_.isEmpty()) return nullptr;
  return Pack::Open(QDir(installFolder_).filePath(name));
}

}  // namespace fibwick
