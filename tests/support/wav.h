// Sound files the tests and benchmarks make themselves: PCM WAV tones of a given length.
#pragma once

#include <string>

namespace tavel::e2e {

// 16-bit mono PCM at 22050 Hz: a sine tone of `hertz` lasting `ms` milliseconds.
std::string WavBytes(int ms, int hertz = 440);

}  // namespace tavel::e2e
