// Sound files the project makes itself (tests, benchmarks, the demo): 16-bit mono PCM WAV.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavel::e2e {

constexpr std::uint32_t kWavRate = 22050;

// A WAV file holding the given samples at kWavRate.
std::string WavFromSamples(const std::vector<std::int16_t>& samples);

// A sine tone of `hertz` lasting `ms` milliseconds.
std::string WavBytes(int ms, int hertz = 440);

// Creates or replaces a file with the bytes (Windows only); true when all of them were written.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace tavel::e2e
