#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/peer_link.h"
#include "game/lan_framing.h"

namespace fibwick {

inline constexpr quint16 DefaultLanPort = 25666;

// How long a new connection may take to introduce itself, how many bytes a second a peer may
// send (a game needs a few dozen), and how long a chat line at the end of what arrived may wait
// for more of itself: TCP delivers the rest of one write at once, not after a pause.
struct LanLimits {
  int handshakeMs = 10'000;
  int bytesPerSecond = 2048;
  int chatQuietMs = 250;
};

// How a connection to an introduced peer ended.
enum class PeerEnd {
  Closed,  // the peer closed it or went away
  Cut,     // we cut it: the peer flooded the line
};

// The sockets of a LAN game: a listening server or a connecting client, and the one connection to
// the peer. Messages come out whole. A peer is not trusted: one that does not introduce itself in
// time or floods the line is cut off; bytes that are no message are skipped.
class LanLink final : public QObject, public PeerLink {
 public:
  struct Events {
    std::function<void()> connected;                   // client: the line is open
    std::function<void(const std::string&)> received;  // one whole message
    std::function<void(PeerEnd)> gone;                 // the peer's connection ended
    std::function<void()> failed;                      // client: no connection could be made
  };
  explicit LanLink(Events events, LanLimits limits = {});
  ~LanLink() override;

  // Server: waits for a client on the port; false when the port cannot be taken.
  bool Listen(quint16 port);
  // Client: connects to the server; `failed` or `connected` follows.
  void Connect(const QString& address, quint16 port);
  // The peer has introduced itself (hello or welcome): the handshake time-out ends, and a server
  // takes no further client.
  void Introduced();
  // Server: the client left before the game began; listen again on the same port.
  bool Reopen();

  void Send(std::string_view message) override;
  void Close() override;

  bool Listening() const { return server_ && server_->isListening(); }
  quint16 Port() const { return port_; }
  bool HasPeer() const { return peer_ != nullptr; }

 private:
  void Adopt(QTcpSocket* socket);
  void Read();
  // Hands out the messages the framer has ready, while `socket` is still the peer's.
  void Deliver(const QTcpSocket* socket);
  // The connection ended: by the peer, or cut by us.
  void Lost(PeerEnd end);
  void Release();

  Events events_;
  LanLimits limits_;
  std::unique_ptr<QTcpServer> server_;
  QTcpSocket* peer_ = nullptr;
  bool client_ = false;
  quint16 port_ = 0;
  LanFramer framer_;
  bool introduced_ = false;
  QTimer handshake_;
  QTimer chatQuiet_;
  QElapsedTimer budgetWindow_;
  int bytesThisSecond_ = 0;
};

}  // namespace fibwick
