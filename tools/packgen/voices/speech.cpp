#include "speech.h"

#include <QProcess>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace fibwick::packgen {
namespace {

// A little slower than the default 175 words a minute: a card's name is short and is heard once.
constexpr int WordsPerMinute = 150;
constexpr int TimeoutMs = 30'000;

std::optional<WavClip> SpeakOne(const QString& program, const Utterance& utterance) {
  QProcess espeak;
  espeak.start(program,
               {QStringLiteral("-v"), utterance.voice, QStringLiteral("-s"),
                QString::number(WordsPerMinute), QStringLiteral("--stdout"), utterance.text});
  const bool finished = espeak.waitForFinished(TimeoutMs);
  const QByteArray wav = espeak.readAllStandardOutput();
  auto clip = finished && espeak.exitStatus() == QProcess::NormalExit && espeak.exitCode() == 0
                  ? ReadWav(wav)
                  : std::nullopt;
  if (!clip) {
    std::fprintf(stderr, "%s -v %s \"%s\": no speech (%s)\n", qPrintable(program),
                 qPrintable(utterance.voice), qPrintable(utterance.text),
                 qPrintable(espeak.errorString() + espeak.readAllStandardError()));
  }
  return clip;
}

}  // namespace

std::vector<std::optional<WavClip>> Speak(const QString& program,
                                          const std::vector<Utterance>& utterances) {
  std::vector<std::optional<WavClip>> clips(utterances.size());
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    for (std::size_t i = next++; i < utterances.size(); i = next++) {
      clips[i] = SpeakOne(program, utterances[i]);
    }
  };
  // Starting a process costs about as much as speaking a card, so two runs per core keep the
  // cores busy while the others start.
  const unsigned workers = std::max(2u, 2 * std::thread::hardware_concurrency());
  {
    std::vector<std::jthread> threads;
    for (unsigned i = 0; i < workers; ++i) threads.emplace_back(work);
  }  // joined before the clips are handed out
  return clips;
}

}  // namespace fibwick::packgen
