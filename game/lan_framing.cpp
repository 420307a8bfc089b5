#include "game/lan_framing.h"

#include <algorithm>
#include <vector>

#include "game/messages.h"

namespace fibwick {
namespace {

constexpr std::size_t Unknown = 0;

// The length a message starting with `bytes` has; Unknown when no message starts so.
std::size_t LengthOfKind(std::string_view bytes) {
  switch (bytes.front()) {
    case 'n':
      return HelloMessageLength;
    case 'c':
      return WelcomeMessageLength;
    case 'b':
      return DealMessageLength;
    case 's':
      return ChatMessageLimit;
    case 'a':
      return AbortMessage.size();
    default:
      // A move opens with a card's rank or with the empty card of a challenge or pass.
      return bytes.front() == '#' || RankOfChar(bytes.front()) != NoRank ? MoveMessageLength
                                                                         : Unknown;
  }
}

// The length of the whole message at the front of `bytes` that reads correctly; 0 for none.
std::size_t WholeMessageAt(std::string_view bytes) {
  const std::size_t length = LengthOfKind(bytes);
  if (length == Unknown || length == ChatMessageLimit || bytes.size() < length) return 0;
  const std::string_view message = bytes.substr(0, length);
  const bool reads = message.front() == 'a'   ? message == AbortMessage
                     : message.front() == 'n' ? ReadHello(message).has_value()
                     : message.front() == 'c' ? ReadWelcome(message).has_value()
                     : message.front() == 'b' ? ReadDeal(message).has_value()
                                              : ReadMoveMessage(message).has_value();
  return reads ? length : 0;
}

bool IsChatStart(std::string_view bytes) {
  return bytes.size() >= 2 && bytes[0] == 's' && bytes[1] >= '1' && bytes[1] <= '4';
}

// A chat line ends at the longest length after which the read is whole messages to its end; a
// read that cannot be cut so ends the line with the read, or at most at its limit.
std::size_t ChatLength(std::string_view bytes) {
  const std::size_t n = bytes.size();
  // whole[i]: the bytes from i to the end are a run of messages that read correctly.
  std::vector<bool> whole(n + 1, false);
  whole[n] = true;
  for (std::size_t i = n; i-- > 0;) {
    const std::string_view rest = bytes.substr(i);
    if (const std::size_t length = WholeMessageAt(rest)) {
      whole[i] = whole[i + length];
    } else if (IsChatStart(rest)) {
      for (std::size_t line = 2; line <= ChatMessageLimit && i + line <= n; ++line) {
        if (whole[i + line]) whole[i] = true;
      }
    }
  }
  for (std::size_t length = std::min(n, ChatMessageLimit); length >= 2; --length) {
    if (whole[length]) return length;
  }
  return std::min(n, ChatMessageLimit);
}

}  // namespace

bool LanFramer::Feed(std::string_view bytes) {
  if (broken_) return false;
  pending_.append(bytes);
  Split();
  if (broken_) pending_.clear();
  return !broken_;
}

std::string LanFramer::Next() {
  if (ready_.empty()) return {};
  std::string message = std::move(ready_.front());
  ready_.pop_front();
  return message;
}

void LanFramer::Split() {
  while (!pending_.empty()) {
    const std::size_t length = LengthOfKind(pending_);
    if (length == Unknown) {
      broken_ = true;
      return;
    }
    const bool chat = pending_.front() == 's';
    if (!chat && pending_.size() < length) return;
    const std::size_t taken = chat ? ChatLength(pending_) : length;
    ready_.push_back(pending_.substr(0, taken));
    pending_.erase(0, taken);
  }
}

}  // namespace fibwick
