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

// Writes a real pack: a ZIP archive of PNG entries named as given.
inline void WritePack(const QString& path, const std::map<QString, QImage>& pictures) {
  int error = 0;
  zip_t* archive = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create pack");
  std::vector<QByteArray> keep;  // libzip reads the buffers when the archive is closed
  keep.reserve(pictures.size());
  for (const auto& [name, picture] : pictures) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    keep.push_back(data);
    zip_source_t* source = zip_source_buffer(archive, keep.back().constData(),
                                             static_cast<zip_uint64_t>(keep.back().size()), 0);
    zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot write pack");
}

}  // namespace fibwick::testing_support
