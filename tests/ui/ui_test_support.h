#pragma once

#include <zip.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>
#include <stdexcept>

namespace fibwick::testing_support {

inline QImage Solid(int w, int h, QRgb colour, QImage::Format format = QImage::Format_ARGB32) {
  QImage image(w, h, format);
  image.fill(colour);
  return image;
}

// Writes a real pack: a ZIP archive of the given entries.
inline void WritePackFiles(const QString& path, const std::map<QString, QByteArray>& files) {
  int error = 0;
  zip_t* archive = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create pack");
  for (const auto& [name, data] : files) {
    // The map outlives zip_close, where libzip reads the buffers.
    zip_source_t* source =
        zip_source_buffer(archive, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot write pack");
}

// A pack of PNG entries named as given.
inline void WritePack(const QString& path, const std::map<QString, QImage>& pictures) {
  std::map<QString, QByteArray> files;
  for (const auto& [name, picture] : pictures) {
    QBuffer buffer(&files[name]);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
  }
  WritePackFiles(path, files);
}

}  // namespace fibwick::testing_support
