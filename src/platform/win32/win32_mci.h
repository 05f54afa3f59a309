// MCI command strings carried out by Windows (mciSendStringA, no notification window).
#pragma once

#include "platform/mci.h"

namespace tavel {

class Win32Mci : public Mci {
 public:
  std::uint32_t SendString(const std::string& command, std::string& returned,
                           int returnSize) override;
};

}  // namespace tavel
