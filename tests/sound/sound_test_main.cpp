#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  // Test discovery runs the program without the test's environment; never reach a real device.
  if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) qputenv("PULSE_SERVER", "/nonexistent");
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
