#include "pack_writer.h"

#include <zip.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace fibwick::packgen {
namespace {

// Fixed entry times keep a pack drawn twice from the same sources identical byte for byte.
constexpr time_t EntryTime = 1'262'304'000;  // 2010-01-01

QString KeyOf(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf('.');
  return (dot > 0 ? fileName.left(dot) : fileName).toLower();
}

QByteArray Encoded(const QImage& image, const char* format, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format, quality)) return {};
  return data;
}

}  // namespace

void PackWriter::AddPng(const QString& name, const QImage& image) {
  const QByteArray data = Encoded(image, "PNG", -1);
  if (data.isEmpty()) errors_.push_back(name + ": cannot encode as PNG");
  AddFile(name + ".png", data, false);
}

void PackWriter::AddJpeg(const QString& name, const QImage& image, int quality) {
  const QByteArray data = Encoded(image.convertToFormat(QImage::Format_RGB32), "JPEG", quality);
  if (data.isEmpty()) errors_.push_back(name + ": cannot encode as JPEG");
  AddFile(name + ".jpg", data, false);
}

void PackWriter::AddFile(const QString& fileName, const QByteArray& data, bool compress) {
  if (!keys_.insert(KeyOf(fileName)).second) errors_.push_back(fileName + ": given twice");
  entries_.push_back({fileName, data, compress});
}

bool PackWriter::Save(const QString& path) const {
  for (const QString& error : errors_) std::fprintf(stderr, "%s\n", qPrintable(error));
  if (!errors_.empty()) return false;
  if (entries_.empty()) {
    std::fprintf(stderr, "%s: nothing to write\n", qPrintable(path));
    return false;
  }

  const QString part = path + ".part";
  QFile::remove(part);
  int code = 0;
  zip_t* archive = zip_open(QFile::encodeName(part).constData(), ZIP_CREATE | ZIP_EXCL, &code);
  if (archive == nullptr) {
    std::fprintf(stderr, "cannot create %s (libzip error %d)\n", qPrintable(part), code);
    return false;
  }
  bool ok = true;
  for (const Entry& entry : entries_) {
    // libzip reads the buffers at zip_close; the entries outlive it.
    zip_source_t* source = zip_source_buffer(archive, entry.data.constData(),
                                             static_cast<zip_uint64_t>(entry.data.size()), 0);
    const QByteArray name = entry.fileName.toUtf8();
    const zip_int64_t index =
        source == nullptr ? -1 : zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      std::fprintf(stderr, "%s: %s\n", name.constData(), zip_strerror(archive));
      ok = false;
      break;
    }
    const auto at = static_cast<zip_uint64_t>(index);
    zip_set_file_compression(archive, at, entry.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
    zip_file_set_mtime(archive, at, EntryTime, 0);
  }
  if (!ok) {
    zip_discard(archive);
    QFile::remove(part);
    return false;
  }
  if (zip_close(archive) != 0) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(part), zip_strerror(archive));
    zip_discard(archive);
    QFile::remove(part);
    return false;
  }
  QFile::remove(path);
  if (!QFile::rename(part, path)) {
    std::fprintf(stderr, "cannot move %s to %s\n", qPrintable(part), qPrintable(path));
    return false;
  }

  if (!WritePreview(QFileInfo(path).fileName())) {
    std::fprintf(stderr, "cannot write the preview of %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool PackWriter::WritePreview(const QString& packName) const {
  const QByteArray folder = qgetenv("FIBWICK_PACK_PREVIEW");
  if (folder.isEmpty()) return true;
  const QDir dir(QDir(QString::fromLocal8Bit(folder)).filePath(packName));
  if (!QDir().mkpath(dir.path())) return false;
  for (const Entry& entry : entries_) {
    QFile file(dir.filePath(entry.fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.data) != entry.data.size()) {
      return false;
    }
  }
  return true;
}

}  // namespace fibwick::packgen
