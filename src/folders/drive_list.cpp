// The browser's drive box: the drives that exist with their pictures, the label or network name of
// the selected drive, and whether a drive holds a medium.
#include "folders/folder_browser.h"
#include "platform/drives.h"
#include "text/name_case.h"

namespace tavel {

namespace {

BrowserPicture PictureOf(DriveKind kind) {
  switch (kind) {
    case DriveKind::Removable:
      return BrowserPicture::Floppy;
    case DriveKind::Fixed:
      return BrowserPicture::Fixed;
    case DriveKind::Remote:
      return BrowserPicture::Network;
    case DriveKind::CdRom:
      return BrowserPicture::CdRom;
    case DriveKind::RamDisk:
      return BrowserPicture::Ram;
    default:
      return BrowserPicture::None;  // unknown, or no drive at all: not listed
  }
}

std::string RootOf(char letter) {
  return std::string(1, letter) + ":\\";
}

}  // namespace

char DriveKey(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

void FolderBrowser::FillDriveList() {
  std::vector<std::string> items;
  DrivePictures.clear();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    BrowserPicture picture = PictureOf(drives_.Kind(RootOf(letter)));
    if (picture == BrowserPicture::None) continue;
    items.push_back(std::string(1, static_cast<char>(letter - 'A' + 'a')) + ":");
    DrivePictures.push_back(picture);
  }
  controls_.driveBox.Assign(std::move(items));
  // An executable started from a network path without a drive letter selects no drive.
  const char own = ownPath_.empty() ? '\0' : DriveKey(ownPath_[0]);
  for (int i = 0; i < controls_.driveBox.Count(); ++i) {
    if (DriveKey(controls_.driveBox.Item(i)[0]) != own) continue;
    controls_.driveBox.SetItemIndex(i);
    // A label that cannot be read here is reported when the drive is entered.
    LabelDrive(own);
    break;
  }
}

bool FolderBrowser::LabelDrive(char letter) {
  const std::string root = RootOf(letter);
  auto volumeText = [&](std::string& text) {
    std::optional<std::string> label = drives_.VolumeLabel(root);
    if (label) text = "[" + *label + "]";
    return label.has_value();
  };
  std::string text;
  switch (drives_.Kind(root)) {
    case DriveKind::Removable:
    case DriveKind::Fixed:
    case DriveKind::CdRom:
    case DriveKind::RamDisk:
      if (!volumeText(text)) return false;
      break;
    case DriveKind::Remote: {
      // A network drive that is not connected shows its volume label instead.
      std::optional<std::string> remote =
          drives_.NetworkName(std::string(1, DriveKey(letter)) + ":");
      if (remote) {
        text = *remote;
      } else if (!volumeText(text)) {
        return false;
      }
      break;
    }
    default:
      return true;  // no text for other kinds
  }
  ComboBox& box = controls_.driveBox;
  const int selected = box.ItemIndex();
  if (text.empty() || selected < 0) return true;
  box.SetItem(selected, box.Item(selected).substr(0, 1) + ":" + LowerAscii(text));
  box.SetItemIndex(selected);
  return true;
}

bool FolderBrowser::CheckDriveReady(char letter) {
  // Only a drive whose size can be read holds a medium.
  return drives_.HasMedium(RootOf(DriveKey(letter)));
}

}  // namespace tavel
