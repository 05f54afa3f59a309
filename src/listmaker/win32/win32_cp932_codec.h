// Conversion between UTF-8 and code page 932 by the system's own tables, the ones that decide
// which file a code page 932 path names.
#pragma once

#include "listmaker/cp932_codec.h"

namespace tavel {

class Win32Cp932Codec : public Cp932Codec {
 public:
  std::optional<std::string> FromUtf8(const std::string& utf8) override;
  std::optional<std::string> ToUtf8(const std::string& cp932) override;
};

}  // namespace tavel
