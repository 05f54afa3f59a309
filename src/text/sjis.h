// Shift-JIS byte walk: lead bytes, character steps and searches that keep double-byte characters
// whole.
#pragma once

#include <cstddef>
#include <string>

namespace tavel {

// True for the first byte of a double-byte character (0x81-0x9F and 0xE0-0xFC). The byte after it
// belongs to the same character, even when it is 0x5C or an ASCII letter.
bool IsLeadByte(unsigned char b);

// Index of the character after the one that starts at i. Never past the end of the text, even when
// it ends in a lead byte without its second half.
std::size_t NextCharIndex(const std::string& text, std::size_t i);

// Length of the unbroken run of lead-range bytes that ends just before index end.
std::size_t LeadByteRunBefore(const std::string& text, std::size_t end);

// Index of the last single-byte character of text that is one of separators, or npos.
std::size_t LastSeparatorIndex(const std::string& text, const std::string& separators);

}  // namespace tavel
