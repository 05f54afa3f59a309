// The order a user expects of file names in code page 932: numbers by their value, ASCII letters
// without regard to case.
#pragma once

#include <string>

namespace tavel {

// True when name a comes before name b: "2 Song" before "10 Song", "abc" beside "ABC". Double-byte
// characters compare by their code, which puts kana in their syllabary order and the common kanji
// in the order of their readings. Names equal by these rules are ordered by their bytes, so the
// order never depends on where the names came from.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace tavel
