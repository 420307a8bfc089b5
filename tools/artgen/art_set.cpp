#include "art_set.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace fibwick::artgen {

void ArtSet::Add(const QString& name, const QImage& image, FileKind kind) {
  pictures_.push_back({name, image, kind, group_});
}

QString FileName(const Picture& picture) {
  return picture.name + (picture.kind == FileKind::Jpeg ? ".jpg" : ".png");
}

QString FrameName(const QString& base, int frame) {
  return QString("%1_%2").arg(base).arg(frame, 2, 10, QChar('0'));
}

namespace {

bool SavePicture(const Picture& picture, const QString& path) {
  if (picture.kind == FileKind::Jpeg) {
    return picture.image.convertToFormat(QImage::Format_RGB888).save(path, "JPEG", 92);
  }
  const auto format =
      picture.image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
  return picture.image.convertToFormat(format).save(path, "PNG");
}

}  // namespace

bool WriteArtSet(const ArtSet& set, const QString& folder) {
  const QDir dir(folder);
  QFile qrc(dir.filePath("artwork.qrc"));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(qrc.fileName()));
    return false;
  }
  QTextStream out(&qrc);
  out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/art\">\n";
  for (const auto& picture : set.Pictures()) {
    const auto file = FileName(picture);
    if (!SavePicture(picture, dir.filePath(file))) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(file)));
      return false;
    }
    out << "  <file alias=\"" << file << "\">" << file << "</file>\n";
  }
  out << "</qresource>\n</RCC>\n";
  return out.status() == QTextStream::Ok;
}

}  // namespace fibwick::artgen
