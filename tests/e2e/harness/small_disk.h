// A drive letter on a small RAM file system of its own, which a test fills up to make a full disk.
#pragma once

#include <string>

namespace tavel::e2e {

// Mounts a tmpfs of `kilobytes` (the test program runs as root under Wine, which starts Linux
// programs too) and links drive `letter` to it in the prefix; unmounts and unlinks it when it
// goes. Ready() is false, with the reason in Why(), where that cannot be done.
class SmallDisk {
 public:
  SmallDisk(char letter, int kilobytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Ready() const { return ready_; }
  const std::string& Why() const { return why_; }
  // The drive's root, such as T:\.
  std::string Root() const { return std::string(1, letter_) + ":\\"; }
  // Writes a file of zeros over all but `leftBytes` of the free space; false when that fails.
  bool FillLeaving(unsigned long long leftBytes) const;

 private:
  char letter_;
  std::string mountPoint_;  // the Linux folder
  std::string link_;        // the drive's link in the prefix's dosdevices folder
  bool mounted_ = false;
  bool ready_ = false;
  std::string why_;
};

}  // namespace tavel::e2e
