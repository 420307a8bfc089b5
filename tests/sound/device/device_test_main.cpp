#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "sound/device/null_sink_server.h"

namespace fibwick::sound_testing {
QString NullSinkProblem;
}

using fibwick::sound_testing::NullSinkProblem;

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The server and the program share a home: the client reads the server's cookie there (the
  // PulseAudio client aborts when it finds none).
  QTemporaryDir home;
  QProcess server;
  const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
  const QString socket = home.filePath(QStringLiteral("native"));
  if (program.isEmpty()) {
    NullSinkProblem = QStringLiteral("the pulseaudio program is not installed");
  } else if (!::testing::FLAGS_gtest_list_tests) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    server.setProcessEnvironment(environment);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(program,
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                  QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-level=0"),
                  QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                  QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket) && !deadline.hasExpired() &&
           server.state() != QProcess::NotRunning) {
      QThread::msleep(20);
    }
    if (QFileInfo::exists(socket)) {
      qputenv("HOME", home.path().toLocal8Bit());
      qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    } else {
      NullSinkProblem = QStringLiteral("the PulseAudio server did not start");
    }
  }
  int result = 0;
  {
    QCoreApplication application(argc, argv);
    result = RUN_ALL_TESTS();
  }
  server.terminate();
  server.waitForFinished(5000);
  return result;
}
