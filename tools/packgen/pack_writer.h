// One pack being drawn: its entries are collected in memory and written as one ZIP archive.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <set>
#include <string_view>
#include <vector>

namespace fibwick::packgen {

// A resource name from one of the program's tables; they are plain ASCII.
inline QString ResourceName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

class PackWriter {
 public:
  // Names are resource names without extension; the reader ignores case and extension, so a
  // name given twice in any case is an error reported by Save.
  void AddPng(const QString& name, const QImage& image);
  void AddJpeg(const QString& name, const QImage& image, int quality = 88);
  // A whole file, named with its extension. Compressed unless it is compressed already.
  void AddFile(const QString& fileName, const QByteArray& data, bool compress);

  // Writes the archive through a temporary file beside it, so a failed run leaves no half pack.
  // With FIBWICK_PACK_PREVIEW set, every entry is also written into that folder for review.
  bool Save(const QString& path) const;

  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  bool WritePreview(const QString& packName) const;

  struct Entry {
    QString fileName;
    QByteArray data;
    bool compress = false;
  };
  std::vector<Entry> entries_;
  std::set<QString> keys_;
  std::vector<QString> errors_;
};

}  // namespace fibwick::packgen
