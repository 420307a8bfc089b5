#include "server/http/http_server.h"

#include <algorithm>
#include <atomic>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <limits>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "server/http/connection_log.h"
#include "server/log.h"

namespace fibwick::service {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;
// Each thread runs an io_context of its own and each connection lives on one of them, so a
// connection's steps never run at once and need no strand or type-erased executor.
using Executor = asio::io_context::executor_type;
using Socket = asio::basic_stream_socket<tcp, Executor>;
using Stream = beast::basic_stream<tcp, Executor>;

constexpr std::size_t ReadChunk = 4096;
// Pause before accepting again after a failed accept, e.g. when no descriptor is left.
constexpr auto AcceptRetryDelay = std::chrono::milliseconds(100);

struct Shared {
  explicit Shared(HttpLimits limitsToKeep) : limits(limitsToKeep), router({}) {}

  HttpLimits limits;
  Router router;
  std::atomic<std::size_t> connections{0};
};

// On a dual-stack socket an IPv4 caller arrives as ::ffff:a.b.c.d; it is a.b.c.d to everyone else.
std::string PlainAddress(const asio::ip::address& address) {
  if (address.is_v6() && address.to_v6().is_v4_mapped()) {
    return asio::ip::make_address_v4(asio::ip::v4_mapped, address.to_v6()).to_string();
  }
  return address.to_string();
}

// One client connection; every step runs on the thread of the connection's io_context.
class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(Socket socket, std::shared_ptr<Shared> shared)
      : stream_(std::move(socket)), shared_(std::move(shared)) {
    ++shared_->connections;
    beast::error_code error;
    const auto remote = stream_.socket().remote_endpoint(error);
    peer_ = error ? "?" : PlainAddress(remote.address());
    peerPort_ = error ? 0 : remote.port();
  }
  ~Session() { --shared_->connections; }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Start() {
    asio::dispatch(stream_.get_executor(), [self = shared_from_this()] { self->ReadHeader(); });
  }

 private:
  // Between two requests of a kept-alive connection: the idle limit, not the request deadline.
  void AwaitRequest() {
    if (buffer_.size() > 0) return ReadHeader();
    stream_.expires_after(shared_->limits.idleTimeout);
    stream_.async_read_some(buffer_.prepare(ReadChunk),
                            [self = shared_from_this()](beast::error_code error, std::size_t n) {
                              if (error) return;
                              self->buffer_.commit(n);
                              self->ReadHeader();
                            });
  }

  void ReadHeader() {
    parser_.emplace();
    parser_->header_limit(static_cast<std::uint32_t>(std::min<std::size_t>(
        shared_->limits.maxHeader, std::numeric_limits<std::uint32_t>::max())));
    parser_->body_limit(shared_->limits.maxBody);
    started_ = Clock::now();
    exchange_ = ExchangeLog();
    exchange_.peer = peer_;
    exchange_.peerPort = peerPort_;
    stream_.expires_after(shared_->limits.requestTimeout);
    http::async_read_header(stream_, buffer_, *parser_,
                            [self = shared_from_this()](beast::error_code error, std::size_t) {
                              self->OnHeader(error);
                            });
  }

  void OnHeader(beast::error_code error) {
    if (error) return OnReadError(error);
    const auto& message = parser_->get();
    exchange_.method = std::string(message.method_string());
    exchange_.target = std::string(message.target().data(), message.target().size());
    if (message.method() == http::verb::post && !parser_->content_length() && !parser_->chunked()) {
      return Refuse(411);
    }
    if (beast::iequals(message[http::field::expect], "100-continue")) {
      auto goOn = std::make_shared<http::response<http::empty_body>>(http::status::continue_, 11);
      http::async_write(
          stream_, *goOn,
          [self = shared_from_this(), goOn](beast::error_code writeError, std::size_t) {
            if (!writeError) self->ReadBody();
          });
      return;
    }
    ReadBody();
  }

  void ReadBody() {
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](beast::error_code error, std::size_t) {
                       if (error) return self->OnReadError(error);
                       self->Answer();
                     });
  }

  void OnReadError(beast::error_code error) {
    if (error == http::error::header_limit) return Refuse(431);
    if (error == http::error::body_limit) return Refuse(413);
    if (error.category() == http::make_error_code(http::error::bad_target).category() &&
        error != http::error::end_of_stream && error != http::error::partial_message) {
      exchange_.cause = error.message();
      return Refuse(400);
    }
    // The client went away or let the deadline pass; a half-sent request is worth a line.
    if (error == beast::error::timeout && (buffer_.size() > 0 || parser_->got_some())) {
      Log(LogLevel::Info,
          "request deadline passed, connection closed: " + peer_ + ":" + std::to_string(peerPort_));
    }
  }

  void Answer() {
    auto& message = parser_->get();
    Request request;
    request.method = exchange_.method;
    const std::string_view target(message.target().data(), message.target().size());
    request.path = std::string(target.substr(0, target.find('?')));
    request.body = std::move(message.body());
    request.peer = peer_;
    for (const auto& field : message) {
      request.headers.emplace_back(std::string(field.name_string()), std::string(field.value()));
    }
    Reply reply;
    if (!request.path.starts_with('/')) {
      reply = StatusReply(400);
    } else {
      try {
        reply = shared_->router.Dispatch(request);
      } catch (const std::exception& failure) {
        Log(LogLevel::Error, "script failed on " + request.path + ": " + failure.what());
        reply = StatusReply(500);
      }
    }
    Send(std::move(reply), message.keep_alive(), message.method() == http::verb::head);
  }

  // Refused before the request was read through: answer and close.
  void Refuse(unsigned status) { Send(StatusReply(status), false, false); }

  template <class Body>
  http::response<Body> Framed(const Reply& reply, bool keepAlive) {
    http::response<Body> response{static_cast<http::status>(reply.status), 11};
    response.set(http::field::server, "fibwick-service");
    response.set(http::field::content_type, reply.contentType);
    for (const auto& [name, value] : reply.headers) response.set(name, value);
    response.keep_alive(keepAlive);
    return response;
  }

  void Send(Reply reply, bool keepAlive, bool head) {
    exchange_.status = reply.status;
    if (reply.file) {
      http::file_body::value_type file;
      beast::error_code error;
      file.open(reply.file->c_str(), beast::file_mode::scan, error);
      if (error) return Send(StatusReply(404), keepAlive, head);
      const auto size = file.size();
      exchange_.bytes = size;
      if (head) return HeadOnly(reply, keepAlive, size);
      auto response = Framed<http::file_body>(reply, keepAlive);
      response.body() = std::move(file);
      response.prepare_payload();
      return Write(std::move(response));
    }
    exchange_.bytes = reply.body.size();
    if (head) return HeadOnly(reply, keepAlive, reply.body.size());
    auto response = Framed<http::string_body>(reply, keepAlive);
    response.body() = std::move(reply.body);
    response.prepare_payload();
    Write(std::move(response));
  }

  void HeadOnly(const Reply& reply, bool keepAlive, std::uint64_t length) {
    auto response = Framed<http::empty_body>(reply, keepAlive);
    response.content_length(length);
    Write(std::move(response));
  }

  template <class Body>
  void Write(http::response<Body> response) {
    auto owned = std::make_shared<http::response<Body>>(std::move(response));
    const bool keepAlive = owned->keep_alive();
    stream_.expires_after(shared_->limits.idleTimeout);
    http::async_write(
        stream_, *owned,
        [self = shared_from_this(), owned, keepAlive](beast::error_code error, std::size_t) {
          self->exchange_.milliseconds =
              std::chrono::duration<double, std::milli>(Clock::now() - self->started_).count();
          LogExchange(self->exchange_);
          if (error) return;
          if (keepAlive) return self->AwaitRequest();
          self->CloseGently();
        });
  }

  // Sends our FIN, then reads what the client still sends until it closes: closing with unread
  // bytes would reset the connection and could throw away the reply before the client reads it.
  void CloseGently() {
    beast::error_code error;
    stream_.socket().shutdown(tcp::socket::shutdown_send, error);
    if (error) return;
    stream_.expires_after(shared_->limits.requestTimeout);
    Drain();
  }

  void Drain() {
    buffer_.clear();
    stream_.async_read_some(buffer_.prepare(ReadChunk),
                            [self = shared_from_this()](beast::error_code error, std::size_t) {
                              if (!error) self->Drain();
                            });
  }

  Stream stream_;
  std::shared_ptr<Shared> shared_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  std::string peer_;
  unsigned short peerPort_ = 0;
  Clock::time_point started_;
  ExchangeLog exchange_;
};

}  // namespace

struct HttpServer::Impl {
  Impl(HttpLimits limits, unsigned threadCount)
      : contexts(MakeContexts(threadCount)),
        acceptor(*contexts.front()),
        retryTimer(*contexts.front()),
        signals(*contexts.front(), SIGINT, SIGTERM),
        shared(std::make_shared<Shared>(limits)) {}

  static std::vector<std::unique_ptr<asio::io_context>> MakeContexts(unsigned threadCount) {
    const unsigned threads =
        threadCount ? threadCount : std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::unique_ptr<asio::io_context>> made;
    for (unsigned i = 0; i < threads; ++i) made.push_back(std::make_unique<asio::io_context>(1));
    return made;
  }

  // New connections go to the threads in turn.
  void Accept() {
    asio::io_context& next = *contexts[nextContext++ % contexts.size()];
    acceptor.async_accept(next.get_executor(), [this](beast::error_code error, Socket socket) {
      OnAccept(error, std::move(socket));
    });
  }

  void Stop() {
    beast::error_code ignored;
    acceptor.close(ignored);
    for (auto& context : contexts) context->stop();
  }

  void OnAccept(beast::error_code error, Socket socket) {
    if (error == asio::error::operation_aborted) return;
    if (error) {
      Log(LogLevel::Warning, "accept failed: " + error.message());
      retryTimer.expires_after(AcceptRetryDelay);
      retryTimer.async_wait([this](beast::error_code waitError) {
        if (!waitError) Accept();
      });
      return;
    }
    if (shared->connections.load() >= shared->limits.maxConnections) {
      Log(LogLevel::Warning,
          "connection refused: " + std::to_string(shared->limits.maxConnections) +
              " connections are open");
      beast::error_code ignored;
      socket.close(ignored);
    } else {
      std::make_shared<Session>(std::move(socket), shared)->Start();
    }
    Accept();
  }

  std::vector<std::unique_ptr<asio::io_context>> contexts;
  std::size_t nextContext = 0;
  tcp::acceptor acceptor;
  asio::steady_timer retryTimer;
  // Taken over from the start: a stop asked for before Run() must not kill the process.
  asio::signal_set signals;
  std::shared_ptr<Shared> shared;
};

HttpServer::HttpServer(HttpLimits limits, unsigned threads)
    : impl_(std::make_unique<Impl>(limits, threads)) {}

HttpServer::~HttpServer() = default;

unsigned short HttpServer::Listen(const std::string& address, unsigned short port) {
  try {
    const tcp::endpoint endpoint{asio::ip::make_address(address), port};
    auto& acceptor = impl_->acceptor;
    acceptor.open(endpoint.protocol());
    acceptor.set_option(asio::socket_base::reuse_address(true));
    acceptor.bind(endpoint);
    acceptor.listen(asio::socket_base::max_listen_connections);
    return acceptor.local_endpoint().port();
  } catch (const boost::system::system_error& failure) {
    throw std::runtime_error("cannot listen on " + address + " port " + std::to_string(port) +
                             ": " + failure.code().message());
  }
}

void HttpServer::Run(Router router) {
  impl_->shared->router = std::move(router);
  impl_->signals.async_wait([this](beast::error_code error, int signal) {
    if (error) return;
    Log(LogLevel::Info, "signal " + std::to_string(signal) + ", stopping");
    impl_->Stop();
  });
  impl_->Accept();
  std::vector<asio::executor_work_guard<Executor>> keepRunning;
  for (auto& context : impl_->contexts) keepRunning.push_back(asio::make_work_guard(*context));
  std::vector<std::thread> helpers;
  for (std::size_t i = 1; i < impl_->contexts.size(); ++i) {
    helpers.emplace_back([this, i] { impl_->contexts[i]->run(); });
  }
  impl_->contexts.front()->run();
  for (auto& helper : helpers) helper.join();
}

}  // namespace fibwick::service
