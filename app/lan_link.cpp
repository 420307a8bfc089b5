#include "app/lan_link.h"

#include <QHostAddress>
#include <utility>

namespace fibwick {
namespace {

// Enough for any message and a few behind it; a peer cannot make us hold more.
constexpr qint64 ReadBufferBytes = 4096;

}  // namespace

LanLink::LanLink(Events events, LanLimits limits) : events_(std::move(events)), limits_(limits) {
  handshake_.setSingleShot(true);
  connect(&handshake_, &QTimer::timeout, this, [this] { Lost(PeerEnd::Cut); });
  chatQuiet_.setSingleShot(true);
  connect(&chatQuiet_, &QTimer::timeout, this, [this] {
    framer_.Settle();
    Deliver(peer_);
  });
}

LanLink::~LanLink() {
  Close();
}

bool LanLink::Listen(quint16 port) {
  Close();
  client_ = false;
  server_ = std::make_unique<QTcpServer>();
  connect(server_.get(), &QTcpServer::newConnection, this, [this] {
    while (server_ && server_->hasPendingConnections()) {
      QTcpSocket* socket = server_->nextPendingConnection();
      if (peer_) {
        // The first client is the peer; later ones are turned away.
        socket->abort();
        socket->deleteLater();
      } else {
        Adopt(socket);
        handshake_.start(limits_.handshakeMs);
      }
    }
  });
  if (server_->listen(QHostAddress::AnyIPv4, port)) {
    port_ = server_->serverPort();
    return true;
  }
  server_.reset();
  return false;
}

bool LanLink::Reopen() {
  if (!server_) return false;
  Release();
  return server_->isListening() || server_->listen(QHostAddress::AnyIPv4, port_);
}

void LanLink::Connect(const QString& address, quint16 port) {
  Close();
  client_ = true;
  auto* socket = new QTcpSocket(this);
  Adopt(socket);
  connect(socket, &QAbstractSocket::connected, this, [this] {
    handshake_.start(limits_.handshakeMs);
    if (events_.connected) events_.connected();
  });
  socket->connectToHost(address, port);
}

void LanLink::Adopt(QTcpSocket* socket) {
  peer_ = socket;
  introduced_ = false;
  framer_ = LanFramer();
  bytesThisSecond_ = 0;
  budgetWindow_.start();
  socket->setParent(this);
  socket->setReadBufferSize(ReadBufferBytes);
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
  connect(socket, &QIODevice::readyRead, this, [this] { Read(); });
  connect(socket, &QAbstractSocket::disconnected, this, [this] { Lost(PeerEnd::Closed); });
  // A client that never connected sees only the error.
  connect(socket, &QAbstractSocket::errorOccurred, this, [this, socket] {
    if (socket == peer_ && socket->state() != QAbstractSocket::ConnectedState)
      Lost(PeerEnd::Closed);
  });
}

void LanLink::Read() {
  QTcpSocket* socket = peer_;
  if (!socket) return;
  const QByteArray bytes = socket->readAll();
  if (budgetWindow_.elapsed() >= 1000) {
    budgetWindow_.restart();
    bytesThisSecond_ = 0;
  }
  bytesThisSecond_ += static_cast<int>(bytes.size());
  if (bytesThisSecond_ > limits_.bytesPerSecond) return Lost(PeerEnd::Cut);
  framer_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  Deliver(socket);
  if (peer_ != socket) return;
  if (framer_.ChatOpen()) {
    chatQuiet_.start(limits_.chatQuietMs);
  } else {
    chatQuiet_.stop();
  }
}

void LanLink::Deliver(const QTcpSocket* socket) {
  // A message may end the link (the last move of a game): the rest is then not ours to read.
  for (std::string message = framer_.Next(); socket && peer_ == socket && !message.empty();
       message = framer_.Next()) {
    if (events_.received) events_.received(message);
  }
}

void LanLink::Introduced() {
  introduced_ = true;
  handshake_.stop();
  if (server_) server_->close();
}

void LanLink::Lost(PeerEnd end) {
  if (end == PeerEnd::Closed) {
    // Whatever the peer said last is complete now.
    QTcpSocket* socket = peer_;
    framer_.Settle();
    Deliver(socket);
    if (peer_ != socket) return;  // a message ended the link itself
  }
  const bool introduced = introduced_;
  const bool client = client_;
  Release();
  if (introduced) {
    if (events_.gone) events_.gone(end);
  } else if (client && events_.failed) {
    // A server that refused us or never answered: no game there.
    events_.failed();
  }
  // A stranger who never became our client is forgotten; the server waits on.
}

void LanLink::Release() {
  handshake_.stop();
  chatQuiet_.stop();
  QTcpSocket* socket = std::exchange(peer_, nullptr);
  introduced_ = false;
  if (!socket) return;
  socket->disconnect(this);
  socket->abort();
  socket->deleteLater();
}

void LanLink::Send(std::string_view message) {
  if (peer_) peer_->write(message.data(), static_cast<qint64>(message.size()));
}

void LanLink::Close() {
  handshake_.stop();
  chatQuiet_.stop();
  server_.reset();
  QTcpSocket* socket = std::exchange(peer_, nullptr);
  introduced_ = false;
  if (!socket) return;
  socket->disconnect(this);
  // What was written still goes out: the last move of a game is followed by the close.
  connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
  socket->disconnectFromHost();
  if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
}

}  // namespace fibwick
