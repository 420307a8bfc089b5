#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <memory>
#include <string_view>

using zip_t = struct zip;

// Optional packs of artwork: ZIP archives whose entries are resource names with their usual
// extension. A pack is opened for one loading call and closed with it.
namespace fibwick {

// The picture name without folder and extension, lower case: how resources are matched.
QString ResourceKey(const QString& fileName);

class Pack {
 public:
  ~Pack();
  Pack(const Pack&) = delete;
  Pack& operator=(const Pack&) = delete;

  // Opens the archive at path; null when it does not exist or is not a readable ZIP archive.
  static std::unique_ptr<Pack> Open(const QString& path);

  // The entry of that resource name, ignoring case and extension; empty when absent.
  QByteArray Entry(const QString& name) const;
  bool Has(const QString& name) const { return entries_.contains(ResourceKey(name)); }
  // The decoded picture of that name; a null picture when absent or unreadable.
  QImage Picture(const QString& name) const;

 private:
  explicit Pack(zip_t* archive);

  zip_t* archive_;
  QHash<QString, qint64> entries_;  // lower-case name without extension -> entry index
};

// Where packs are looked for: the program's folder, then the folder above it (where downloads
// go), then the folder of the installed program when the player's files live elsewhere.
class PackShelf {
 public:
  explicit PackShelf(QString programFolder, QString installFolder = {})
      : programFolder_(std::move(programFolder)), installFolder_(std::move(installFolder)) {}

  std::unique_ptr<Pack> Open(std::string_view fileName) const;

 private:
  QString programFolder_;
  QString installFolder_;
};

}  // namespace fibwick
