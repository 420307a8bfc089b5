#include "app/unattended.h"

#include <QTimer>
#include <cstdlib>
#include <sstream>

namespace fibwick {

bool StandInFromEnvironment() {
  const char* value = std::getenv("FIBWICK_STAND_IN");
  return value != nullptr && std::string(value) == "1";
}

QDate FixedTodayFromEnvironment() {
  return QDate::fromString(qEnvironmentVariable("FIBWICK_TODAY"), Qt::ISODate);
}

std::optional<LanAutostart> ReadLanAutostart(const std::string& text) {
  std::istringstream words(text);
  std::string role;
  LanAutostart lan;
  words >> role;
  if (role == "client") {
    lan.role = LanRole::Client;
    words >> lan.address;
  } else if (role != "server") {
    return std::nullopt;
  }
  unsigned port = 0;
  if (!(words >> port >> lan.name) || port > 0xFFFF) return std::nullopt;
  lan.port = static_cast<quint16>(port);
  return lan;
}

void BeginUnattendedLan(MainWindow& form, const LanAutostart& lan) {
  // Queued behind the window's own start-up.
  QTimer::singleShot(0, &form, [&form, lan] {
    form.EndIntro();
    if (!form.BeginLan(lan.role, SlotNewPlayer, lan.name, "1", lan.address, lan.port)) {
      form.close();
    }
  });
}

}  // namespace fibwick
