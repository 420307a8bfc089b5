#include "cues.h"

#include <functional>

#include "synth.h"

namespace fibwick::soundgen {
namespace {

constexpr double Peak = 0.9;        // -0.9 dBFS: loud enough, with room for the resampler
constexpr double FadeShare = 0.25;  // the last quarter fades out, so no cue ends in a click

// A card slapped onto the pile: a bright swish of noise over a soft wooden thump.
void CardLands(Sound& s, double at, double level) {
  s.Noise(at, 0.09, level, 6000, 1800, 0.004, 0.025);
  s.Thump(at + 0.004, 160, level * 0.5, 0.03);
}

// A sequence of notes, each `step` seconds after the previous one.
void Run(Sound& s, double at, double step, const std::vector<std::string>& notes, double level,
         const std::vector<Partial>& timbre) {
  for (std::size_t i = 0; i < notes.size(); ++i) {
    s.Tone(at + step * static_cast<double>(i), Note(notes[i]), level, timbre);
  }
}

Sound Shuffle() {
  Sound s(1.05);
  // The riffle: clicks that come faster as the halves interleave, then three cards dealt.
  double t = 0.0;
  for (int i = 0; i < 16; ++i) {
    s.Noise(t, 0.025, 0.9, 5000, 3000, 0.001, 0.006);
    t += 0.04 - 0.0015 * i;
  }
  for (int i = 0; i < 3; ++i) CardLands(s, 0.58 + 0.14 * i, 0.8);
  return s;
}

Sound CardPut() {
  Sound s(0.16);
  CardLands(s, 0.0, 1.0);
  return s;
}

Sound Challenge() {
  Sound s(0.55);
  s.Tone(0.0, Note("G4"), 0.8, Brass(0.25), 0.08);
  s.Tone(0.12, Note("D5"), 1.0, Brass(0.3), 0.12);
  return s;
}

Sound Ding() {
  Sound s(1.0);
  s.Tone(0.0, Note("E6"), 1.0, Bell());
  return s;
}

Sound Won() {
  Sound s(1.3);
  Run(s, 0.0, 0.1, {"C5", "E5", "G5", "C6"}, 1.0, Marimba());
  s.Tone(0.4, Note("E6"), 0.5, Bell());
  s.Tone(0.4, Note("G6"), 0.3, Bell());
  return s;
}

Sound Lost() {
  Sound s(1.4);
  Run(s, 0.0, 0.22, {"G3", "Eb3", "C3"}, 1.0, Marimba());
  s.Tone(0.44, Note("C2"), 0.4, Brass(0.5), 0.2);
  return s;
}

Sound OpponentTimedOut() {
  Sound s(1.2);
  s.Thump(0.0, 2200, 1.5, 0.02);
  s.Thump(0.15, 2200, 1.5, 0.02);
  Run(s, 0.3, 0.08, {"D5", "F#5", "A5", "D6"}, 1.0, Marimba());
  s.Tone(0.6, Note("A6"), 0.35, Bell());
  return s;
}

Sound BestPlace() {
  Sound s(2.2);
  Run(s, 0.0, 0.13, {"C5", "C5", "C5"}, 1.0, Brass(0.18));
  s.Tone(0.42, Note("G5"), 1.0, Brass(0.6), 0.25);
  for (const char* n : {"C5", "E5", "G5", "C6"}) s.Tone(0.9, Note(n), 0.3, Brass(0.7), 0.35);
  s.Tone(0.9, Note("C7"), 0.25, Bell());
  return s;
}

Sound GoodPlace() {
  Sound s(1.5);
  Run(s, 0.0, 0.12, {"F5", "A5", "C6"}, 0.9, Marimba());
  for (const char* n : {"F5", "A5", "C6", "F6"}) s.Tone(0.42, Note(n), 0.45, Bell());
  return s;
}

Sound NoPlace() {
  Sound s(1.7);
  Run(s, 0.0, 0.3, {"E4", "D4", "C4", "B3"}, 0.9, Marimba());
  s.Tone(0.9, Note("B2"), 0.35, Reed(0.4), 0.1);
  return s;
}

Sound TickSoft() {
  Sound s(0.06);
  s.Thump(0.0, 1900, 0.7, 0.008);
  s.Noise(0.0, 0.02, 0.3, 4000, 2000, 0.0005, 0.004);
  return s;
}

Sound TickUrgent() {
  Sound s(0.09);
  s.Thump(0.0, 2600, 1.0, 0.015);
  s.Thump(0.0, 1300, 0.4, 0.02);
  return s;
}

Sound Open() {
  Sound s(0.25);
  s.Noise(0.0, 0.14, 0.6, 800, 5000, 0.06, 0.05);
  s.Tone(0.08, Note("A5"), 0.5, Marimba());
  return s;
}

Sound Notice() {
  Sound s(0.9);
  s.Tone(0.0, Note("A5"), 0.8, Bell());
  s.Tone(0.16, Note("E6"), 1.0, Bell());
  return s;
}

Sound Wrong() {
  Sound s(0.55);
  s.Tone(0.0, Note("A3"), 1.0, Reed(0.25), 0.1);
  s.Tone(0.2, Note("F3"), 1.0, Reed(0.25), 0.12);
  return s;
}

}  // namespace

std::vector<Cue> AllCues() {
  const std::vector<std::pair<std::string, std::function<Sound()>>> recipes = {
      {"WTasoKo", Shuffle},
      {"WHodsDo", CardPut},
      {"WPlMore", Challenge},
      {"WDing_1", Ding},
      {"WKoGood", Won},
      {"WKoBads", Lost},
      {"WKoGutX", OpponentTimedOut},
      {"WFiBest", BestPlace},
      {"WFiGood", GoodPlace},
      {"WFiBads", NoPlace},
      {"STimerA", TickSoft},
      {"STimerB", TickUrgent},
      {"WOpenFo", Open},
      {"WToMenK", Notice},
      {"WWrongs", Wrong},
  };
  std::vector<Cue> cues;
  for (const auto& [name, recipe] : recipes) {
    Sound sound = recipe();
    sound.Finish(FadeShare, Peak);
    cues.push_back({name, sound.Pcm()});
  }
  return cues;
}

}  // namespace fibwick::soundgen
