// Sound files the tests and benchmarks make themselves: PCM WAV tones of a given length.
#include "wav.h"

#include <cmath>
#include <cstdint>

namespace tavel::e2e {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WavBytes(int ms, int hertz) {
  const std::uint32_t rate = 22050;
  const std::uint32_t samples = rate * static_cast<std::uint32_t>(ms) / 1000;
  const std::uint32_t dataBytes = samples * 2;
  std::string out = "RIFF";
  Put(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, rate, 4);
  Put(out, rate * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out += "data";
  Put(out, dataBytes, 4);
  for (std::uint32_t i = 0; i < samples; ++i) {
    double v = std::sin(2 * 3.14159265358979 * hertz * i / rate) * 8000;
    Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)), 2);
  }
  return out;
}

}  // namespace tavel::e2e
