// The Media Control Interface: multimedia devices driven by command strings.
#pragma once

#include <cstdint>
#include <string>

namespace tavel {

class Mci {
 public:
  virtual ~Mci() = default;
  // Carries out one command string. `returned` receives the device's answer, at most
  // returnSize - 1 characters. 0 is success; anything else is the MCI error code.
  virtual std::uint32_t SendString(const std::string& command, std::string& returned,
                                   int returnSize) = 0;
};

}  // namespace tavel
