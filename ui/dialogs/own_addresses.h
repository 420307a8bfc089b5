#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

// The machine's own addresses, for the player to tell his LAN or internet partner.
namespace fibwick {

inline constexpr int OwnAddressBoxCount = 6;
inline constexpr const char* LoopbackAddress = "127.0.0.1";

// The IPv4 addresses of the interfaces that are up, in the interfaces' order, without the
// loopback (it has a box of its own); at most six.
std::vector<QString> ListInterfaceAddresses();

struct ShownAddress {
  QString text;
  QString hint;  // the hover hint; empty for the machine's own interfaces
};

// What the address boxes show, in their order (left column top to bottom, then the right one):
// the local addresses, the external one when it was asked (`echoReply` as the echo page answered,
// empty when it could not be read; its hint names `echoSite`) unless it is one of those or the
// loopback, then the loopback.
std::vector<ShownAddress> ShapeOwnAddresses(const std::vector<QString>& local,
                                            const std::optional<std::string>& echoReply,
                                            const QString& echoSite);

}  // namespace fibwick
