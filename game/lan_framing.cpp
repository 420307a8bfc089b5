#include "game/lan_framing.h"

#include <algorithm>
#include <array>
#include <vector>

namespace fibwick {
namespace {

// A message kind of fixed length: how it starts, how long it is and whether it reads.
struct FixedKind {
  bool (*starts)(char first);
  std::size_t length;
  bool (*reads)(std::string_view message);
  bool introduces;  // a hello or a welcome
};

const std::array<FixedKind, 5> FixedKinds = {{
    {[](char c) { return c == 'n'; }, HelloMessageLength,
     [](std::string_view m) { return ReadHello(m).has_value(); }, true},
    {[](char c) { return c == 'c'; }, WelcomeMessageLength,
     [](std::string_view m) { return ReadWelcome(m).has_value(); }, true},
    {[](char c) { return c == 'b'; }, DealMessageLength,
     [](std::string_view m) { return ReadDeal(m).has_value(); }, false},
    {[](char c) { return c == 'a'; }, AbortMessage.size(),
     [](std::string_view m) { return m == AbortMessage; }, false},
    // A move opens with a card's rank or with the empty card of a challenge or pass.
    {[](char c) { return c == '#' || RankOfChar(c) != NoRank; }, MoveMessageLength,
     [](std::string_view m) { return ReadMoveMessage(m).has_value(); }, false},
}};

const FixedKind* KindOf(std::string_view bytes) {
  for (const FixedKind& kind : FixedKinds) {
    if (kind.starts(bytes.front())) return &kind;
  }
  return nullptr;
}

bool IsChatStart(std::string_view bytes) {
  return bytes.size() >= 2 && bytes[0] == 's' && bytes[1] >= '1' && bytes[1] <= '4';
}

// The last byte read is an "s" whose sender digit is still to come.
bool IsLoneS(std::string_view bytes) {
  return bytes == "s";
}

// whole[i]: the bytes from i to the end are whole messages that read, the last of them
// possibly a chat line.
std::vector<bool> WholeRuns(std::string_view bytes) {
  const std::size_t n = bytes.size();
  std::vector<bool> whole(n + 1, false);
  whole[n] = true;
  for (std::size_t i = n; i-- > 0;) {
    const std::string_view rest = bytes.substr(i);
    if (IsChatStart(rest)) {
      const std::size_t longest = std::min(rest.size(), ChatRunLimit);
      for (std::size_t line = ChatMessageMinimum; line <= longest && !whole[i]; ++line) {
        whole[i] = whole[i + line];
      }
    } else if (const FixedKind* kind = KindOf(rest)) {
      whole[i] = rest.size() >= kind->length && whole[i + kind->length] &&
                 kind->reads(rest.substr(0, kind->length));
    }
  }
  return whole;
}

// The shortest chat line at `at` after which the bytes read as whole messages; 0 when nothing
// after it reads so yet. The shortest, so that a burst of lines comes out line by line.
std::size_t ChatEnd(const std::vector<bool>& whole, std::size_t at) {
  const std::size_t left = whole.size() - 1 - at;
  const std::size_t longest = std::min(left - 1, ChatRunLimit);
  for (std::size_t line = ChatMessageMinimum; line <= longest; ++line) {
    if (whole[at + line]) return line;
  }
  return 0;
}

}  // namespace

void LanFramer::Feed(std::string_view bytes) {
  pending_.append(bytes);
  Split(false);
}

bool LanFramer::ChatOpen() const {
  return IsChatStart(pending_) || IsLoneS(pending_);
}

void LanFramer::Settle() {
  Split(true);
}

std::string LanFramer::Next() {
  if (ready_.empty()) return {};
  std::string message = std::move(ready_.front());
  ready_.pop_front();
  return message;
}

void LanFramer::Split(bool settle) {
  const std::vector<bool> whole = WholeRuns(pending_);
  const std::string_view bytes = pending_;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::string_view rest = bytes.substr(at);
    std::size_t taken = 0;
    if (IsChatStart(rest)) {
      taken = ChatEnd(whole, at);
      if (taken == 0 && (settle || rest.size() >= ChatRunLimit))
        taken = std::min(rest.size(), ChatRunLimit);
      if (taken == 0) break;
    } else if (IsLoneS(rest) && !settle) {
      break;
    } else if (const FixedKind* kind = KindOf(rest)) {
      if (rest.size() < kind->length) break;
      const bool reads = kind->reads(rest.substr(0, kind->length));
      if (reads || introduced_) taken = kind->length;
      introduced_ = introduced_ || (reads && kind->introduces);
    }
    if (taken == 0) {
      ++at;  // noise
      continue;
    }
    ready_.emplace_back(rest.substr(0, taken));
    at += taken;
  }
  pending_.erase(0, at);
}

}  // namespace fibwick
