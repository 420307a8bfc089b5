// Synthesises every sound cue of the game and writes the menu tune's MIDI song, with the
// resource list that compiles the cues and the rendered tune (MenuTune.wav, written by
// fibwick-tunerender) in under ":/sound".
// Usage: fibwick-soundgen <output folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "cues.h"
#include "synth.h"
#include "tune.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fibwick-soundgen <output folder>\n");
    return 2;
  }
  namespace fs = std::filesystem;
  using namespace fibwick::soundgen;
  const fs::path folder = argv[1];
  std::error_code error;
  fs::create_directories(folder, error);

  std::vector<std::string> files;
  for (const Cue& cue : AllCues()) {
    files.push_back(cue.name + ".wav");
    if (!WriteFile(folder / files.back(), WavFile(cue.pcm))) return 1;
  }
  if (!WriteFile(folder / "MidiSong.mid", MenuTune())) return 1;
  files.push_back("MenuTune.wav");

  std::string qrc = "<RCC>\n  <qresource prefix=\"/sound\">\n";
  for (const std::string& file : files) qrc += "    <file>" + file + "</file>\n";
  qrc += "  </qresource>\n</RCC>\n";
  return WriteFile(folder / "sounds.qrc", std::vector<char>(qrc.begin(), qrc.end())) ? 0 : 1;
}
