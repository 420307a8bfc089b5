#pragma once

#include <QIODevice>
#include <memory>

// The sound device behind one channel. It lives in a module of its own, loaded with the first
// sound the program plays: the audio toolkit and the many libraries under it stay out of a
// program that has played nothing yet.
namespace fibwick {

struct PcmFormat {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 16;  // 8 or 16
};

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Plays the source's samples until it ends, stopping what played before. Music (an endless
  // source) is kept a second ahead of the device. Without a sound device (no card, no sound
  // server) nothing is heard and nothing waits for the device.
  virtual void Play(std::unique_ptr<QIODevice> source, const PcmFormat& format, bool music) = 0;
  virtual void Stop() = 0;
};

// The module's one entry point: a new output, for the caller to delete.
using MakeSoundOutput = SoundOutput* (*)();
inline constexpr char MakeSoundOutputSymbol[] = "FibwickMakeSoundOutput";

// An output of the module beside the program (or where the build put it); none when the module
// cannot be loaded, and the program is silent.
std::unique_ptr<SoundOutput> OpenSoundOutput();

}  // namespace fibwick
