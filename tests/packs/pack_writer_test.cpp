#include "pack_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/packs.h"

namespace fibwick::packgen {
namespace {

QImage Swatch(QSize size, QRgb colour) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

TEST(PackWriter, WhatItWritesTheReaderFindsByNameInAnyCase) {
  QTemporaryDir dir;
  const QString path = dir.filePath("NuvTest.dll");
  PackWriter writer;
  writer.AddPng("Ch09Med", Swatch({69, 94}, qRgb(200, 10, 10)));
  writer.AddJpeg("Fon01Gr", Swatch({76, 50}, qRgb(0, 128, 0)));
  writer.AddFile("Pi5AVoiceEng.wav", QByteArray(5000, 'a'), true);
  ASSERT_TRUE(writer.Save(path));
  EXPECT_FALSE(QFile::exists(path + ".part"));

  const auto pack = Pack::Open(path);
  ASSERT_NE(pack, nullptr);
  const QImage face = pack->Picture("ch09med");
  ASSERT_EQ(face.size(), QSize(69, 94));
  EXPECT_EQ(face.pixel(30, 40), qRgb(200, 10, 10));
  const QImage background = pack->Picture("FON01GR.bmp");
  ASSERT_EQ(background.size(), QSize(76, 50));
  EXPECT_NEAR(qGreen(background.pixel(10, 10)), 128, 3);
  EXPECT_EQ(pack->Entry("Pi5AVoiceEng"), QByteArray(5000, 'a'));
}

TEST(PackWriter, ANameGivenTwiceOrAnUnwritablePlaceWritesNothing) {
  QTemporaryDir dir;
  PackWriter twice;
  twice.AddPng("Ob01Mo", Swatch({4, 4}, qRgb(1, 2, 3)));
  twice.AddPng("OB01MO", Swatch({4, 4}, qRgb(1, 2, 3)));
  EXPECT_FALSE(twice.Save(dir.filePath("Twice.dll")));
  EXPECT_FALSE(QFile::exists(dir.filePath("Twice.dll")));

  PackWriter once;
  once.AddPng("Ob01Mo", Swatch({4, 4}, qRgb(1, 2, 3)));
  EXPECT_FALSE(once.Save(dir.filePath("no/such/folder/Once.dll")));
}

TEST(PackWriter, SavingAgainReplacesTheOldPackWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("NuvTest.dll");
  PackWriter first;
  first.AddPng("Old", Swatch({4, 4}, qRgb(1, 2, 3)));
  ASSERT_TRUE(first.Save(path));
  PackWriter second;
  second.AddPng("New", Swatch({4, 4}, qRgb(1, 2, 3)));
  ASSERT_TRUE(second.Save(path));
  const auto pack = Pack::Open(path);
  ASSERT_NE(pack, nullptr);
  EXPECT_TRUE(pack->Entry("Old").isEmpty());
  EXPECT_FALSE(pack->Entry("New").isEmpty());
}

}  // namespace
}  // namespace fibwick::packgen
