// Dates and numbers as the status bar shows them.
#include "text/date_format.h"

#include <string>

namespace tavel {

const char* const kShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

namespace {

// Written by hand: the C runtime's formatted printing alone would add some 25 KB to the program.
std::string TwoDigits(int v) {
  const int n = v % 100;
  if (n < 0) return std::to_string(n);  // as "%02d" would: a sign and no padding
  return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

size_t RunLength(const std::string& s, size_t i) {
  size_t n = 0;
  while (i + n < s.size() && s[i + n] == s[i]) ++n;
  return n;
}

}  // namespace

std::string FormatDateTime(const std::string& pattern, const DateTime& t,
                           const std::string& dateSep, const std::string& timeSep) {
  std::string out;
  bool afterHour = false;  // "mm" right after the hour means minutes
  for (size_t i = 0; i < pattern.size();) {
    char c = pattern[i];
    size_t n = (c == '/' || c == ':') ? 1 : RunLength(pattern, i);
    switch (c) {
      case 'y':
        out += n >= 4 ? std::to_string(t.year) : TwoDigits(t.year);
        break;
      case 'm':
        out += TwoDigits(afterHour ? t.minute : t.month);
        afterHour = false;
        break;
      case 'd':
        out += n >= 3 ? kShortDayNames[(t.dayOfWeek % 7 + 7) % 7] : TwoDigits(t.day);
        break;
      case 'h':
        out += TwoDigits(t.hour);
        afterHour = true;
        break;
      case 'n':
        out += TwoDigits(t.minute);
        break;
      case 's':
        out += TwoDigits(t.second);
        break;
      case '/':
        out += dateSep;
        break;
      case ':':
        out += timeSep;
        break;
      default:
        out.append(n, c);
        break;
    }
    i += n;
  }
  return out;
}

std::string FormatThousands(std::int64_t value, const std::string& separator, int width) {
  bool negative = value < 0;
  std::string digits = std::to_string(negative ? -value : value);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  if (negative) out.insert(out.begin(), '-');
  if (static_cast<int>(out.size()) < width)
    out.insert(0, static_cast<size_t>(width) - out.size(), ' ');
  return out;
}

}  // namespace tavel
