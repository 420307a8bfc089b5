// The options' "Cards" tab through the real dialog: which face sets it offers, what choosing one
// does, and the sample of four cards.
#include <QStandardItemModel>

#include "dialogs_support.h"
#include "ui/card_names.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/ui_test_support.h"

namespace fibwick {
namespace {

using testing_support::DialogTest;
using testing_support::Solid;
using testing_support::WritePack;

constexpr QRgb CoronaRed = qRgb(200, 30, 30);

// Corona (set 6) whole in both sizes; Modern (set 2) without its big faces.
void WriteCardPack(const QString& path) {
  std::map<QString, QImage> pictures;
  for (int slot = 13; slot <= 36; ++slot) {
    const CardCode card = CardOfSlot(slot);
    pictures[FacePictureName(6, card, CardSizeClass::Small) + ".png"] = Solid(69, 94, CoronaRed);
    pictures[FacePictureName(6, card, CardSizeClass::Big) + ".png"] = Solid(146, 198, CoronaRed);
    pictures[FacePictureName(2, card, CardSizeClass::Small) + ".png"] = Solid(69, 94, CoronaRed);
  }
  WritePack(path, pictures);
}

class CardsTab : public DialogTest {
 protected:
  static bool Offered(const OptionsDialog& dialog, int set) {
    const auto* model = qobject_cast<QStandardItemModel*>(dialog.CardsTab()->FaceSetBox()->model());
    return model->item(set)->isEnabled();
  }
  static QRgb SamplePixel(const OptionsDialog& dialog, int x, int y) {
    return dialog.CardsTab()->SampleLabel()->pixmap().toImage().pixel(x, y);
  }
};

TEST_F(CardsTab, OnlySetsWithEveryFaceAtHandAreOffered) {
  WriteCardPack(dir_.filePath("NuvCards06A.dll"));
  OptionsHooks hooks;
  int loads = 0;
  hooks.faceSetChanged = [&] { ++loads; };
  OptionsDialog dialog(*context_, hooks, QSize(1920, 1080), nullptr);
  dialog.show();
  QComboBox* box = dialog.CardsTab()->FaceSetBox();
  ASSERT_EQ(box->count(), FaceSetCount);
  EXPECT_EQ(box->itemText(6), "Corona");
  for (const auto& [set, offered] :
       {std::pair{0, true}, {6, true}, {1, false}, {2, false}, {32, false}, {47, false}}) {
    EXPECT_EQ(Offered(dialog, set), offered) << set;
  }

  box->setCurrentIndex(6);
  emit box->activated(6);
  EXPECT_EQ(settings_.FaceSet, 6);
  EXPECT_EQ(loads, 1);
  // The sample: four cards 63 pixels apart, each inside its black outline.
  EXPECT_EQ(SamplePixel(dialog, 10, 40), CoronaRed);
  EXPECT_EQ(SamplePixel(dialog, 63 + 10, 40), CoronaRed);
  EXPECT_EQ(SamplePixel(dialog, 3 * 63 + 69, 40), CoronaRed);
  EXPECT_EQ(qGray(SamplePixel(dialog, 3 * 63 + 70, 40)), 0);
}

// The window could not load the set after all (the pack went away): the tab shows the set the
// window fell back to.
TEST_F(CardsTab, ASetTheWindowCannotLoadShowsTheBuiltInSetAgain) {
  WriteCardPack(dir_.filePath("NuvCards06A.dll"));
  OptionsHooks hooks;
  hooks.faceSetChanged = [&] { settings_.FaceSet = 0; };
  OptionsDialog dialog(*context_, hooks, QSize(1920, 1080), nullptr);
  QComboBox* box = dialog.CardsTab()->FaceSetBox();
  box->setCurrentIndex(6);
  emit box->activated(6);
  EXPECT_EQ(settings_.FaceSet, 0);
  EXPECT_EQ(box->currentIndex(), 0);
  EXPECT_NE(SamplePixel(dialog, 10, 40), CoronaRed);
}

TEST_F(CardsTab, WithoutTheCardPacksOnlyTheBuiltInSetIsOffered) {
  OptionsDialog dialog(*context_, OptionsHooks{}, QSize(1920, 1080), nullptr);
  for (int set = 0; set < FaceSetCount; ++set) EXPECT_EQ(Offered(dialog, set), set == 0) << set;
}

}  // namespace
}  // namespace fibwick
