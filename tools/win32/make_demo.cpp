// Writes the demo for the run command into a folder: a few short tunes of our own as WAV files, so
// that the player has something to play on a fresh machine (TAVLIST.EXE then lists them as M0).
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "wav.h"

namespace {

constexpr double kPi = 3.14159265358979;

struct Tune {
  const char* file;
  const char* notes;  // semitones above A3 (220 Hz), '.' a rest; each step is one beat
  int beatMs;
};

// Simple tunes written for this demo.
const Tune kTunes[] = {
    {"はじまりの歌.wav", "3 7 10 15 10 7 3 . 5 8 12 17 12 8 5 . 3 7 10 15 19 15 10 3", 260},
    {"Evening Walk.wav", "12 10 8 7 8 10 12 . 15 13 12 10 12 . 8 . 7 8 10 12 10 8 7 3", 320},
    {"雨音のワルツ.wav", "0 7 7 4 7 7 2 7 7 . 5 9 9 5 9 9 4 7 7 . 0 4 7 12", 240},
};

std::vector<std::int16_t> Render(const Tune& tune) {
  std::vector<std::int16_t> out;
  const int beat = static_cast<int>(tavel::e2e::kWavRate) * tune.beatMs / 1000;
  std::string notes = tune.notes;
  for (size_t i = 0; i < notes.size();) {
    while (i < notes.size() && notes[i] == ' ') ++i;
    if (i >= notes.size()) break;
    size_t end = notes.find(' ', i);
    std::string step = notes.substr(i, end == std::string::npos ? std::string::npos : end - i);
    i = end == std::string::npos ? notes.size() : end;
    double hz = step == "." ? 0 : 220.0 * std::pow(2.0, std::stoi(step) / 12.0);
    for (int s = 0; s < beat; ++s) {
      double t = static_cast<double>(s) / tavel::e2e::kWavRate;
      double envelope = std::exp(-3.0 * s / beat);  // a plucked note that dies away
      double v = hz == 0 ? 0 : (std::sin(2 * kPi * hz * t) + 0.3 * std::sin(4 * kPi * hz * t));
      out.push_back(static_cast<std::int16_t>(v * envelope * 9000));
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: make_demo <folder>\n");
    return 2;
  }
  std::string folder = std::string(argv[1]) + "\\";
  for (const Tune& tune : kTunes) {
    std::string path = folder + tune.file;
    if (!tavel::e2e::WriteWholeFile(path, tavel::e2e::WavFromSamples(Render(tune)))) {
      std::printf("cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
