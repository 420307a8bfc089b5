#include "tune.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <tuple>

#include "synth.h"

namespace fibwick::soundgen {
namespace {

constexpr int TicksPerQuarter = 480;
constexpr int Eighth = TicksPerQuarter / 2;
constexpr int Bar = 4 * TicksPerQuarter;
constexpr int MicrosecondsPerQuarter = 500000;  // 120 beats a minute

// Melody, one bar a line, notes as name/length in eighths ("r" rests).
constexpr const char* Melody[] = {
    "E5/2 G5/2 C6/3 B5/1", "A5/2 E5/2 C5/4",           "F5/2 A5/2 C6/2 A5/2", "G5/3 F5/1 E5/2 D5/2",
    "E5/2 G5/2 C6/3 D6/1", "E6/2 C6/2 A5/4",           "F5/2 A5/2 D6/2 C6/2", "B5/4 r/2 D5/2",
    "C6/3 A5/1 F5/2 A5/2", "B5/3 G5/1 D5/2 G5/2",      "G5/2 B5/2 E6/3 D6/1", "C6/2 B5/2 A5/4",
    "A5/2 C6/2 F6/2 E6/2", "D6/2 B5/2 G5/2 A5/1 B5/1", "C6/3 G5/1 E5/2 G5/2", "D5/2 F5/2 B5/4",
    "E5/2 G5/2 C6/3 B5/1", "A5/2 C6/2 E6/4",           "D6/2 C6/2 A5/2 F5/2", "G5/3 A5/1 B5/2 D6/2",
};
// The chord of each bar: its notes in the fourth octave, the bass root first.
constexpr const char* Chords[] = {
    "C4 E4 G4", "A3 C4 E4", "F3 A3 C4", "G3 B3 D4", "C4 E4 G4", "A3 C4 E4", "D4 F4 A4",
    "G3 B3 D4", "F3 A3 C4", "G3 B3 D4", "E4 G4 B4", "A3 C4 E4", "F3 A3 C4", "G3 B3 D4",
    "C4 E4 G4", "G3 B3 F4", "C4 E4 G4", "A3 C4 E4", "D4 F4 A4", "G3 B3 D4",
};
constexpr int Bars = static_cast<int>(std::size(Melody));

enum Channel : std::uint8_t { Lead = 0, Keys = 1, Bass = 2, Drums = 9 };

struct Event {
  int tick = 0;
  int order = 0;  // at one tick: set-up first, then note-offs, then note-ons
  std::vector<std::uint8_t> bytes;
  bool operator<(const Event& other) const {
    return std::tie(tick, order) < std::tie(other.tick, other.order);
  }
};

class Score {
 public:
  void Program(Channel channel, int program) {
    events_.push_back({0, 0, {std::uint8_t(0xC0 | channel), std::uint8_t(program)}});
  }
  void Note(Channel channel, int key, int at, int length, int velocity) {
    events_.push_back(
        {at, 2, {std::uint8_t(0x90 | channel), std::uint8_t(key), std::uint8_t(velocity)}});
    events_.push_back({at + length, 1, {std::uint8_t(0x80 | channel), std::uint8_t(key), 0}});
  }
  std::vector<char> File(int endTick) {
    std::stable_sort(events_.begin(), events_.end());
    std::vector<char> track;
    const auto put = [&](std::initializer_list<int> bytes) {
      for (const int b : bytes) track.push_back(static_cast<char>(b));
    };
    put({0, 0xFF, 0x51, 3, (MicrosecondsPerQuarter >> 16) & 0xFF,
         (MicrosecondsPerQuarter >> 8) & 0xFF, MicrosecondsPerQuarter & 0xFF});
    int last = 0;
    for (const Event& e : events_) {
      Delta(track, e.tick - last);
      last = e.tick;
      for (const std::uint8_t b : e.bytes) track.push_back(static_cast<char>(b));
    }
    Delta(track, endTick - last);
    put({0xFF, 0x2F, 0});

    std::vector<char> file;
    const auto put32 = [&](std::size_t v) {
      for (int s = 24; s >= 0; s -= 8) file.push_back(static_cast<char>((v >> s) & 0xFF));
    };
    file.insert(file.end(), {'M', 'T', 'h', 'd'});
    put32(6);
    file.insert(file.end(), {0, 0, 0, 1, static_cast<char>(TicksPerQuarter >> 8),
                             static_cast<char>(TicksPerQuarter & 0xFF)});
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    put32(track.size());
    file.insert(file.end(), track.begin(), track.end());
    return file;
  }

 private:
  static void Delta(std::vector<char>& out, int ticks) {
    std::vector<char> bytes{static_cast<char>(ticks & 0x7F)};
    for (ticks >>= 7; ticks > 0; ticks >>= 7)
      bytes.push_back(static_cast<char>(0x80 | (ticks & 0x7F)));
    out.insert(out.end(), bytes.rbegin(), bytes.rend());
  }
  std::vector<Event> events_;
};

}  // namespace

std::vector<char> MenuTune() {
  Score score;
  score.Program(Lead, 11);  // vibraphone
  score.Program(Keys, 4);   // electric piano
  score.Program(Bass, 32);  // acoustic bass
  for (int bar = 0; bar < Bars; ++bar) {
    const int start = bar * Bar;
    std::istringstream melody(Melody[bar]);
    int at = start;
    for (std::string token; melody >> token;) {
      const auto slash = token.find('/');
      const int length = std::stoi(token.substr(slash + 1)) * Eighth;
      if (token[0] != 'r') score.Note(Lead, MidiKey(token.substr(0, slash)), at, length - 20, 92);
      at += length;
    }
    std::istringstream chord(Chords[bar]);
    std::vector<int> keys;
    for (std::string name; chord >> name;) keys.push_back(MidiKey(name));
    for (int half = 0; half < 2; ++half) {
      for (const int key : keys) score.Note(Keys, key, start + half * Bar / 2, Bar / 2 - 30, 48);
    }
    const int root = keys.front() - 24 + (keys.front() >= MidiKey("C4") ? 0 : 12);
    for (int beat = 0; beat < 4; ++beat) {
      const int key = beat % 2 == 0 ? root : root + 7;
      score.Note(Bass, key, start + beat * TicksPerQuarter, TicksPerQuarter - 40, 84);
    }
    for (int eighth = 0; eighth < 8; ++eighth) {
      score.Note(Drums, 42, start + eighth * Eighth, 60, eighth % 2 == 0 ? 40 : 24);  // hi-hat
    }
    score.Note(Drums, 36, start, 120, 64);                   // kick
    score.Note(Drums, 38, start + 3 * Eighth * 2, 120, 36);  // a soft snare on the fourth beat
  }
  return score.File(Bars * Bar);
}

}  // namespace fibwick::soundgen
