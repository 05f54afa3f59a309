// Conversion between UTF-8 (names as the file system and M3U8 playlists hold them) and code page
// 932, the only text the player's list files and its ANSI file and MCI calls understand.
#pragma once

#include <optional>
#include <string>

namespace tavel {

class Cp932Codec {
 public:
  virtual ~Cp932Codec() = default;
  // Shift-JIS bytes naming exactly these characters; nothing when code page 932 has no character
  // for one of them or the text is not UTF-8. Never a look-alike or a '?': a name changed that
  // way would name another file, or none.
  virtual std::optional<std::string> FromUtf8(const std::string& utf8) = 0;
  // UTF-8 of Shift-JIS bytes; nothing when they are not valid code page 932 text.
  virtual std::optional<std::string> ToUtf8(const std::string& cp932) = 0;
};

}  // namespace tavel
