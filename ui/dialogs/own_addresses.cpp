#include "ui/dialogs/own_addresses.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <algorithm>

#include "ui/dialogs/fixed_texts.h"

namespace fibwick {

std::vector<QString> ListInterfaceAddresses() {
  std::vector<QString> addresses;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    if (!interface.flags().testFlag(QNetworkInterface::IsUp)) continue;
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress& ip = entry.ip();
      if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLoopback()) continue;
      addresses.push_back(ip.toString());
      if (static_cast<int>(addresses.size()) == OwnAddressBoxCount) return addresses;
    }
  }
  return addresses;
}

std::vector<ShownAddress> ShapeOwnAddresses(const std::vector<QString>& local,
                                            const std::optional<std::string>& echoReply,
                                            const QString& echoSite) {
  std::vector<ShownAddress> tail;
  if (echoReply) {
    // The page answers one line ended by CR LF; a box shows one line. A page on this machine or
    // this network sees an address the boxes show already: no box tells it twice.
    const QString reply =
        QString::fromStdString(*echoReply).section(QRegularExpression("[\r\n]"), 0, 0);
    const bool known =
        reply == LoopbackAddress || std::find(local.begin(), local.end(), reply) != local.end();
    if (!known) tail.push_back({reply, echoSite});
  }
  tail.push_back({LoopbackAddress, LoopHint});
  // With no free box the loopback gives way first, then the last local addresses: the external
  // address is the one a partner beyond the router needs.
  const std::size_t room = OwnAddressBoxCount;
  if (local.size() + tail.size() > room) tail.pop_back();
  const std::size_t localShown = std::min(local.size(), room - tail.size());
  std::vector<ShownAddress> shown;
  for (std::size_t i = 0; i < localShown; ++i) shown.push_back({local[i], {}});
  shown.insert(shown.end(), tail.begin(), tail.end());
  return shown;
}

}  // namespace fibwick
