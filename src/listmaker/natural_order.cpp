// The order a user expects of file names in code page 932.
#include "listmaker/natural_order.h"

#include "text/sjis.h"

namespace tavel {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

unsigned char Folded(char c) {
  return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
}

std::size_t DigitRunEnd(const std::string& text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Compares the digit runs [ia, ea) and [ib, eb) by value: -1, 0 or 1.
int CompareNumbers(const std::string& a, std::size_t ia, std::size_t ea, const std::string& b,
                   std::size_t ib, std::size_t eb) {
  while (ia + 1 < ea && a[ia] == '0') ++ia;  // leading zeros change nothing of the value
  while (ib + 1 < eb && b[ib] == '0') ++ib;
  if (ea - ia != eb - ib) return ea - ia < eb - ib ? -1 : 1;
  for (; ia < ea; ++ia, ++ib) {
    if (a[ia] != b[ib]) return a[ia] < b[ib] ? -1 : 1;
  }
  return 0;
}

// Compares the characters at ia and ib (one or two bytes each) and moves past them.
int CompareCharacters(const std::string& a, std::size_t& ia, const std::string& b,
                      std::size_t& ib) {
  const std::size_t na = NextCharIndex(a, ia), nb = NextCharIndex(b, ib);
  // Only a character of one byte can be a letter; the second byte of a double-byte character
  // keeps its value even when it is the code of one.
  const bool single = na - ia == 1 && nb - ib == 1;
  for (std::size_t i = ia, j = ib; i < na || j < nb; ++i, ++j) {
    // A character that ends first is the smaller one, as a shorter name is.
    if (i == na || j == nb) return i == na ? -1 : 1;
    const unsigned char ca = single ? Folded(a[i]) : static_cast<unsigned char>(a[i]);
    const unsigned char cb = single ? Folded(b[j]) : static_cast<unsigned char>(b[j]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  ia = na;
  ib = nb;
  return 0;
}

int NaturalCompare(const std::string& a, const std::string& b) {
  std::size_t ia = 0, ib = 0;
  while (ia < a.size() && ib < b.size()) {
    if (IsDigit(a[ia]) && IsDigit(b[ib])) {
      const std::size_t ea = DigitRunEnd(a, ia), eb = DigitRunEnd(b, ib);
      if (int order = CompareNumbers(a, ia, ea, b, ib, eb)) return order;
      ia = ea;
      ib = eb;
    } else if (int order = CompareCharacters(a, ia, b, ib)) {
      return order;
    }
  }
  if (ia < a.size() || ib < b.size()) return ia < a.size() ? 1 : -1;
  return 0;
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  const int order = NaturalCompare(a, b);
  return order != 0 ? order < 0 : a < b;
}

}  // namespace tavel
