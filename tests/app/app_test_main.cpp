#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Test discovery runs the program without the test's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The windows under test reach no game service unless a test starts one for them: nothing
  // listens on port 1, and a service the developer runs keeps its statistics clean.
  if (qEnvironmentVariableIsEmpty("FIBWICK_SERVICE_URL"))
    qputenv("FIBWICK_SERVICE_URL", "http://127.0.0.1:1");
  // No test plays to a real sound device.
  if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) qputenv("PULSE_SERVER", "/nonexistent");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
