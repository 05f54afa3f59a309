// Benchmark (run under Windows or Wine): the folder browser listing a folder of 10000 files and a
// folder of 2000 sub-folders, each against the floor of what any program must do for it: the
// system's own search of the same folder, and a bare list box filled with the names found the
// fast way. Prints the times and their ratios.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bare_list_box.h"
#include "folders/browser_window.h"
#include "platform/win32/win32_services.h"
#include "ui/application.h"
#include "ui/win32/win32_ui.h"

namespace {

using tavel::bench::BareListBox;
using tavel::bench::Millis;
using tavel::bench::SystemSearch;

constexpr int kFiles = 10000;
constexpr int kFolders = 2000;
constexpr int kRuns = 30;

// Names as a music collection has them: Japanese and ASCII, capitals and small letters.
std::string NameOf(int i) {
  const char* stems[] = {"交響曲第", "STAGE", "ソナタ", "Track", "表題曲"};
  const char* exts[] = {".MID", ".WAV", ".RMI", ".mid", ".aif"};
  return std::string(stems[i % 5]) + std::to_string(i) + exts[(i / 5) % 5];
}

// Makes the folder with `count` files or sub-folders unless an earlier run left it complete.
bool MakeBenchFolder(const std::string& folder, int count, bool subFolders) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) {
    std::string path = folder + "\\" + (subFolders ? "Folder" + std::to_string(i) : NameOf(i));
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    if (subFolders ? !CreateDirectoryA(path.c_str(), nullptr)
                   : CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr)) == 0)
      return false;
  }
  return true;
}

void PaintNow(tavel::Form& form) {
  RedrawWindow(reinterpret_cast<HWND>(form.Handle()), nullptr, nullptr,
               RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The best time of each part of the floor over the runs.
struct Floor {
  double search = 1e9;
  double fill = 1e9;
  double total = 1e9;
};

// The system's search of `folder` and a bare list box refilled with what it found, timed apart.
// The list box takes the names in the order the search gives them: a sorted list box costs more
// than sorting the names first, and leaving the sort out altogether keeps the floor a true floor.
void MeasureFloor(BareListBox& list, const std::string& folder, bool folders, Floor& best) {
  const auto start = std::chrono::steady_clock::now();
  const std::vector<std::string> names = SystemSearch(folder + "\\*.*", folders);
  const double search = Millis(std::chrono::steady_clock::now() - start);
  const double fill = list.Fill(names);
  best.search = std::min(best.search, search);
  best.fill = std::min(best.fill, fill);
  best.total = std::min(best.total, search + fill);
}

void Report(const char* what, double ours, const Floor& floor) {
  std::printf("%s: %.1f ms (best of %d)\n", what, ours, kRuns);
  std::printf(
      "  floor, the system's search and a bare list box: %.1f ms (search %.1f, fill %.1f)\n",
      floor.total, floor.search, floor.fill);
  std::printf("  ratio: %.2f (target at most 1.2)\n", ours / floor.total);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  tavel::Win32Ui ui(instance);
  tavel::Application app(ui);
  tavel::Win32Services platform;

  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "tavel-folder-bench";
  const std::string filesFolder = root + "\\Files";
  const std::string subFolders = root + "\\Folders";
  CreateDirectoryA(root.c_str(), nullptr);
  if (!MakeBenchFolder(filesFolder, kFiles, false) ||
      !MakeBenchFolder(subFolders, kFolders, true)) {
    std::printf("cannot make the folders under %s\n", root.c_str());
    return 1;
  }

  tavel::TDIRVIEWForm form(app, platform.services);
  form.Show();
  tavel::FolderBrowser& browser = *form.Browser;
  browser.FillDriveList();
  // One bare list box for each of the browser's lists, of the same size, each refilled as they are.
  BareListBox filesBox(instance, {145, 97}), foldersBox(instance, {145, 97});
  double files = 1e9, folders = 1e9;
  Floor filesFloor, foldersFloor;
  for (int run = 0; run < kRuns; ++run) {
    auto start = std::chrono::steady_clock::now();
    browser.ListFiles(filesFolder);
    PaintNow(form);
    files = std::min(files, Millis(std::chrono::steady_clock::now() - start));
    start = std::chrono::steady_clock::now();
    browser.ListFolders(subFolders);
    PaintNow(form);
    folders = std::min(folders, Millis(std::chrono::steady_clock::now() - start));
    MeasureFloor(filesBox, filesFolder, false, filesFloor);
    MeasureFloor(foldersBox, subFolders, true, foldersFloor);
    app.ProcessMessages();
  }
  if (form.ListBox4.Count() != kFiles || form.ListBox1.Count() < kFolders)
    std::printf("unexpected counts: %d files, %d folder items\n", form.ListBox4.Count(),
                form.ListBox1.Count());
  Report("file list of 10000 files", files, filesFloor);
  Report("folder list of 2000 sub-folders", folders, foldersFloor);
  return 0;
}
