// The browser's folder list and file list: the current folder's ancestors and sub-folders with
// their levels, its files, the counts, and the folder a click in the folder list leads to.
#include <algorithm>
#include <numeric>

#include "folders/folder_browser.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "text/name_case.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

namespace {

constexpr std::uint8_t kDeepestLevel = 255;

// Names are lower-cased before they are sorted, so a byte order is an order without regard to
// case; it is the same on every system and for every locale.
void SortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end());
}

// Splits the folder (with trailing backslash) into the root, which keeps its backslash, and the
// names of the folders below it. A 0x5C byte that is the second half of a double-byte character
// is part of a name, not a separator.
std::vector<std::string> FolderPieces(const std::string& folder) {
  std::vector<std::string> pieces = PathComponents(folder);
  for (std::size_t i = 1; i < pieces.size(); ++i) pieces[i].pop_back();
  return pieces;
}

std::vector<std::string> SplitMasks(const std::string& masks) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = masks.find(';', start);
    pieces.push_back(masks.substr(start, end - start));
    if (end == std::string::npos) return pieces;
    start = end + 1;
  }
}

}  // namespace

BrowserPicture FolderBrowser::FolderPicture(int index) const {
  return index <= CurrentFolderIndex ? BrowserPicture::OpenFolder : BrowserPicture::ClosedFolder;
}

// The mark shows at once that the count is being made, however long the listing takes. The
// count itself is drawn with the next painting, as the lists are.
void FolderBrowser::ShowCounting(Label& label, const std::string& mark) {
  label.SetCaption(mark);
  app_.Backend().Repaint(label);
}

// The sub-folders' names as shown, sorted, and in `onDisk` the same names in the same order as
// the disk spells them. The positions are sorted rather than the names, which moves less.
std::vector<std::string> FolderBrowser::SubFolders(const std::string& folder,
                                                   std::vector<std::string>& onDisk, bool& ok) {
  DirectoryListing listing = files_.SearchFolder(folder + "*.*", kAttrDirectory);
  std::vector<std::string> shown;
  std::vector<std::string*> spelled;  // the entries' own names, moved out once sorted
  shown.reserve(listing.entries.size());
  spelled.reserve(listing.entries.size());
  for (DirectoryEntry& entry : listing.entries) {
    if (!(entry.attributes & kAttrDirectory)) continue;
    shown.push_back(LowerAscii(entry.name));
    spelled.push_back(&entry.name);
  }
  std::vector<std::uint32_t> order(shown.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    const int by = shown[a].compare(shown[b]);
    return by < 0 || (by == 0 && a < b);
  });
  std::vector<std::string> names;
  names.reserve(order.size());
  onDisk.reserve(onDisk.size() + order.size());
  for (std::uint32_t i : order) {
    names.push_back(std::move(shown[i]));
    onDisk.push_back(std::move(*spelled[i]));
  }
  ok = listing.ok;
  return names;
}

std::vector<std::string> FolderBrowser::FolderFiles(const std::string& folder, bool& ok) {
  std::vector<std::string> names;
  ok = true;
  for (const std::string& mask : SplitMasks(FileMaskList)) {
    if (mask.empty()) continue;
    DirectoryListing listing = files_.SearchFolder(folder + mask, FileSearchAttributes);
    ok = ok && listing.ok;
    for (const DirectoryEntry& entry : listing.entries) {
      if (!(entry.attributes & (kAttrDirectory | kAttrVolume)))
        names.push_back(LowerAscii(entry.name));
    }
  }
  SortNames(names);
  return names;
}

// A folder that can be entered but not searched (no right to list it, a medium gone meanwhile)
// fails like one that cannot be entered: an empty list would pass it off as an empty folder.
bool FolderBrowser::ListFolders(const std::string& path) {
  ShowCounting(controls_.folderCount, "---ｺ");
  if (path.empty()) return false;
  const std::string folder = WithoutBackslash(path);
  if (!drives_.EnterFolder(folder)) return false;
  const std::string lower = LowerAscii(folder);
  // The folder is searched as it was given: a spelling that differs from the disk's makes the
  // system look for each differing name in its folder first.
  std::vector<std::string> onDisk = FolderPieces(WithBackslash(folder));
  bool ok = false;
  std::vector<std::string> subFolders = SubFolders(WithBackslash(folder), onDisk, ok);
  if (!ok) return false;
  CurrentFolder = lower;
  folderAsGiven_ = folder;
  folderItemsOnDisk_ = std::move(onDisk);
  RememberFolder(lower);

  std::vector<std::string> items = FolderPieces(WithBackslash(lower));
  const std::size_t ancestors = items.size();
  items.insert(items.end(), std::make_move_iterator(subFolders.begin()),
               std::make_move_iterator(subFolders.end()));
  FolderLevels.assign(items.size(),
                      static_cast<std::uint8_t>(std::min<std::size_t>(ancestors, kDeepestLevel)));
  for (std::size_t i = 0; i < ancestors; ++i)
    FolderLevels[i] = static_cast<std::uint8_t>(std::min<std::size_t>(i, kDeepestLevel));
  CurrentFolderIndex = static_cast<std::int32_t>(ancestors) - 1;
  const int count = static_cast<int>(items.size());
  controls_.folderList.Assign(std::move(items), CurrentFolderIndex);
  controls_.folderCount.SetCaption(std::to_string(count) + "ｺ");
  return true;
}

bool FolderBrowser::ListFiles(const std::string& path) {
  ShowCounting(controls_.fileCount, " ---ｺ");
  if (path.empty()) return false;
  const std::string folder = WithoutBackslash(path);
  if (!drives_.EnterFolder(folder)) return false;
  const std::string lower = LowerAscii(folder);
  bool ok = false;
  std::vector<std::string> names = FolderFiles(WithBackslash(folder), ok);
  if (!ok) return false;
  ListedFolder = lower;
  const int count = static_cast<int>(names.size());
  controls_.fileList.Assign(std::move(names));
  controls_.fileCount.SetCaption(" " + std::to_string(count) + "ｺ");
  return true;
}

// The path is built from the items' names as the disk spells them, which name the same folders
// as the shown ones and are found without a search for a differing spelling.
void FolderBrowser::FolderFromSelection() {
  const ListBox& list = controls_.folderList;
  const int selected = list.ItemIndex();
  if (selected < 0 || selected >= list.Count()) return;
  const std::vector<std::string>& names =
      folderItemsOnDisk_.size() == static_cast<std::size_t>(list.Count()) ? folderItemsOnDisk_
                                                                          : list.Items();
  const int last = std::min(selected, CurrentFolderIndex);
  std::string path = names[0];
  for (int i = 1; i <= last; ++i) path += names[i] + "\\";
  if (selected > CurrentFolderIndex) path += names[selected] + "\\";
  ShowFolder(path);
}

}  // namespace tavel
