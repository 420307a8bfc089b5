#include "ui/balloon_hint.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

namespace fibwick {
namespace {

// Runs the event loop until the balloon is gone, or gives up after `limitMs`.
bool ClosesWithin(QPointer<BalloonHint>& balloon, int limitMs) {
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(balloon.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
  limit.start(limitMs);
  loop.exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return balloon.isNull();
}

TEST(BalloonHint, OpensFromItsCentreAndClosesAfterItsTime) {
  QWidget owner;
  owner.resize(120, 40);
  owner.show();
  QPointer<BalloonHint> balloon = BalloonHint::ShowText(
      "Games in cycle:", "20", &owner, {60, 0}, BalloonIcon::Information, BalloonStyle{}, 400);
  ASSERT_TRUE(balloon);
  EXPECT_EQ(balloon->FullSize().width(), BalloonHint::TextWidth);
  EXPECT_TRUE(balloon->Opening());
  EXPECT_LT(balloon->width(), BalloonHint::TextWidth);
  EXPECT_TRUE(ClosesWithin(balloon, 3000));
}

TEST(BalloonHint, ClosesWhenThePointerLeavesTheOwner) {
  QWidget owner;
  owner.resize(120, 40);
  owner.show();
  QPointer<BalloonHint> balloon =
      BalloonHint::ShowText("", "Nuvs", &owner, {10, 10}, BalloonIcon::None, BalloonStyle{}, 60000);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&owner, &leave);
  EXPECT_TRUE(ClosesWithin(balloon, 1000));
}

TEST(BalloonHint, PictureBalloonIsNarrowAndOpensAtOnce) {
  QWidget owner;
  owner.resize(160, 20);
  owner.show();
  QImage photo(200, 300, QImage::Format_RGB32);
  photo.fill(Qt::blue);
  QPointer<BalloonHint> balloon = BalloonHint::ShowPicture(photo, &owner, {80, 0});
  EXPECT_FALSE(balloon->Opening());
  EXPECT_EQ(balloon->width(), BalloonHint::PictureWidth);
  owner.hide();
  EXPECT_TRUE(ClosesWithin(balloon, 1000));
}

TEST(BalloonHint, NoPhotoNoBalloon) {
  QWidget strip;
  QTemporaryDir data;
  EXPECT_EQ(ShowPhotoHint(data.path(), "Nobody", &strip), nullptr);
}

}  // namespace
}  // namespace fibwick
