// The names of the program's stored things that are made from a number.
#include "product/layout.h"

#include "product/identity.h"

namespace tavel {

std::string UninstallDisplayName() {
  return "KOLAP 楽蔵32 T-VEL V" + FormatVersion(kThisVersion, ".");
}

std::string MemoryListFileName(int memory) {
  return "TaVM32M" + std::to_string(memory) + ".LIS";
}

}  // namespace tavel
