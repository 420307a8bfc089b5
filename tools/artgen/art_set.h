// The pictures one run of the generator makes, in the order they are drawn.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace fibwick::artgen {

enum class FileKind { Png, Jpeg };

struct Picture {
  QString name;  // resource name, without extension
  QImage image;
  FileKind kind = FileKind::Png;
  QString group;  // heading on the contact sheet
};

class ArtSet {
 public:
  void SetGroup(const QString& group) { group_ = group; }
  // The image format decides whether the file keeps an alpha channel.
  void Add(const QString& name, const QImage& image, FileKind kind = FileKind::Png);
  const std::vector<Picture>& Pictures() const { return pictures_; }

 private:
  QString group_;
  std::vector<Picture> pictures_;
};

QString FileName(const Picture& picture);

// Animations are stored as one picture per frame: base + "_" + two-digit frame from 00.
QString FrameName(const QString& base, int frame);

// Writes every picture and the resource list; false with a message on stderr when a file fails.
bool WriteArtSet(const ArtSet& set, const QString& folder);

}  // namespace fibwick::artgen
