// MCI command strings carried out by Windows (mciSendStringA, no notification window).
#include "platform/win32/win32_mci.h"

#include <windows.h>
// The multimedia definitions need those of windows.h first.
#include <mmsystem.h>

#include <vector>

namespace tavel {

std::uint32_t Win32Mci::SendString(const std::string& command, std::string& returned,
                                   int returnSize) {
  // One byte more than MCI is told about, so that the answer is always terminated.
  std::vector<char> buffer(static_cast<size_t>(returnSize > 0 ? returnSize : 0) + 1, '\0');
  MCIERROR result = mciSendStringA(command.c_str(), buffer.data(),
                                   static_cast<UINT>(returnSize > 0 ? returnSize : 0), nullptr);
  returned = buffer.data();
  return static_cast<std::uint32_t>(result);
}

}  // namespace tavel
