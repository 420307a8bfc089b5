#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

// Cuts the byte stream of a LAN peer into messages. The protocol has no delimiters, so the first
// byte tells the kind and the kind its length: a hello 25, a welcome 29, a deal 73, a move 15,
// an "abort" 5. Only a chat line varies (2 to 17 bytes); it ends where the read ends, or earlier
// where a message that reads correctly follows it. A message split over reads waits for its rest.
namespace fibwick {

inline constexpr std::size_t HelloMessageLength = 25;
inline constexpr std::size_t WelcomeMessageLength = 29;
inline constexpr std::size_t ChatMessageLimit = 17;
// Older peers may send this; it means nothing to a game.
inline constexpr std::string_view AbortMessage = "abort";

class LanFramer {
 public:
  // Adds the bytes of one read; false once the stream holds something that is no message,
  // after which the connection is worth nothing and nothing more is taken.
  bool Feed(std::string_view bytes);
  // The next whole message, in the order received; empty when none is complete.
  std::string Next();
  bool Broken() const { return broken_; }

 private:
  void Split();

  std::string pending_;
  std::deque<std::string> ready_;
  bool broken_ = false;
};

}  // namespace fibwick
