#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "game/messages.h"

// Cuts the byte stream of a LAN peer into messages. TCP splits and joins writes anywhere and the
// protocol has no delimiters, so the first byte tells the kind and the kind its length: a hello
// 25, a welcome 29, a deal 73, a move 15, an "abort" 5. Only a chat line varies: it ends where
// what follows reads as whole messages, or, with nothing after it, once the line has been quiet
// (Settle). A message split over reads waits for its rest; bytes that start no message are noise
// and skipped.
namespace fibwick {

inline constexpr std::size_t HelloMessageLength = 25;
inline constexpr std::size_t WelcomeMessageLength = 29;
inline constexpr std::size_t ChatMessageLimit = 17;
// "s", the sender's digit and at least one character.
inline constexpr std::size_t ChatMessageMinimum = 3;
// A line may be cut short only while the message after it can still be arriving; a peer's line
// that runs on beyond that ends there, however long it was meant to be.
inline constexpr std::size_t ChatRunLimit = ChatMessageLimit + DealMessageLength;
// Older peers may send this; it means nothing to a game.
inline constexpr std::string_view AbortMessage = "abort";

class LanFramer {
 public:
  // Adds the bytes of one read.
  void Feed(std::string_view bytes);
  // A chat line is waiting at the end of what arrived: its end is not known yet.
  bool ChatOpen() const;
  // The open chat line has been quiet: it ends where the bytes end.
  void Settle();
  // The next whole message, in the order received; empty when none is complete.
  std::string Next();

 private:
  void Split(bool settle);

  std::string pending_;
  std::deque<std::string> ready_;
  // Until the peer has introduced itself with a hello or a welcome that reads, whatever does not
  // read is noise, skipped a byte at a time, so that no stranger's bytes hide a hello behind
  // them. Afterwards a message of a known kind is handed out at its length even when it does
  // not read: the game must tell a broken move from no move.
  bool introduced_ = false;
};

}  // namespace fibwick
