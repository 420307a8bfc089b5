#pragma once

#include <string_view>

namespace fibwick {

// The far side of a network game as the table reaches it: the LAN peer now, the tournament
// relay later. The table's PeerMessage and PeerClosed events arrive here.
class PeerLink {
 public:
  virtual ~PeerLink() = default;
  virtual void Send(std::string_view message) = 0;
  // Closes the connection; the link reports nothing of it afterwards.
  virtual void Close() = 0;
};

}  // namespace fibwick
