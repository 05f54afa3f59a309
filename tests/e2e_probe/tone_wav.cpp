// Writes a sine tone as a WAV file, for the MP3 of the end-to-end tests:
//   tone_wav FILE MILLISECONDS HERTZ
#include <cstdio>
#include <cstdlib>

#include "wav.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: tone_wav FILE MILLISECONDS HERTZ\n");
    return 2;
  }
  const std::string bytes = tavel::e2e::WavBytes(std::atoi(argv[2]), std::atoi(argv[3]));
  return tavel::e2e::WriteWholeFile(argv[1], bytes) ? 0 : 1;
}
