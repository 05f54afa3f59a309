// Sound files the project makes itself (tests, benchmarks, the demo): 16-bit mono PCM WAV.
#include "wav.h"

#include <windows.h>

#include <cmath>

namespace tavel::e2e {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WavFromSamples(const std::vector<std::int16_t>& samples) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  Put(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, kWavRate, 4);
  Put(out, kWavRate * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out += "data";
  Put(out, dataBytes, 4);
  for (std::int16_t s : samples) Put(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

std::string WavBytes(int ms, int hertz) {
  std::vector<std::int16_t> samples(kWavRate * static_cast<std::uint32_t>(ms) / 1000);
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] =
        static_cast<std::int16_t>(std::sin(2 * 3.14159265358979 * hertz * i / kWavRate) * 8000);
  }
  return WavFromSamples(samples);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == bytes.size();
}

}  // namespace tavel::e2e
