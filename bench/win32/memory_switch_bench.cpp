// Benchmark (run under Windows or Wine): picking a memory of 16000 entries in the player's selector
// until its count shows, against the floor of filling a bare list box with the same strings the
// fast way. Prints both times and their ratio.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bare_list_box.h"
#include "lists/list_file.h"
#include "platform/win32/win32_services.h"
#include "player/player_window.h"
#include "product/entry_state.h"
#include "text/path.h"
#include "ui/application.h"
#include "ui/win32/win32_ui.h"

namespace {

using tavel::bench::BareListBox;
using tavel::bench::Millis;

constexpr int kEntries = 16000;
constexpr int kRuns = 5;

std::vector<std::string> RealisticEntries() {
  const char* folders[] = {"C:\\ミュージック\\クラシック\\", "D:\\MIDI\\GAME\\",
                           "E:\\音楽\\表題曲\\", "C:\\WINDOWS\\MEDIA\\"};
  const char* names[] = {"交響曲第", "STAGE", "ソナタ", "TRACK"};
  const char* exts[] = {".MID", ".WAV", ".RMI", ".mid"};
  std::vector<std::string> v;
  v.reserve(kEntries);
  for (int i = 0; i < kEntries; ++i) {
    v.push_back(std::string(folders[i % 4]) + names[(i / 4) % 4] + std::to_string(i) + exts[i % 4]);
  }
  return v;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  tavel::Win32Ui ui(instance);
  tavel::Application app(ui);
  tavel::Win32Services platform;
  tavel::Services& services = platform.services;
  tavel::Win32Registry& registry = platform.registry;
  tavel::Win32Process& process = platform.process;
  tavel::Win32FileSystem& files = platform.files;

  std::vector<std::string> entries = RealisticEntries();
  std::string folder = tavel::FolderOf(process.OwnPath());
  std::string small = tavel::FormatListFile({"a.wav"});
  files.WriteFile(tavel::ListFileName(folder, 0), small);
  files.WriteFile(tavel::ListFileName(folder, 1), tavel::FormatListFile(entries));
  // Default settings: the name-only list is on show, so a switch fills both lists.
  if (auto key = tavel::OpenSettingsKey(registry)) {
    key->DeleteValue("MEMORY");
  }

  tavel::EntryState entry;
  tavel::TTAVEL32KOLAP player(app, services, entry);
  player.Show();
  while (player.State.InitState != 0) {
    MSG m;
    if (GetMessageA(&m, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }

  BareListBox floor(instance, {345, 129});
  double best = 1e9, floorBest = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    player.ComboBox1.UserSelect(0);
    app.ProcessMessages();
    auto start = std::chrono::steady_clock::now();
    player.ComboBox1.UserSelect(1);  // loads the file, fills the list, writes the count
    UpdateWindow(reinterpret_cast<HWND>(player.Handle()));
    best = std::min(best, Millis(std::chrono::steady_clock::now() - start));
    if (player.ComboBox1.Item(1) != "M1 : 16000ｺ") std::printf("unexpected count text\n");
    floorBest = std::min(floorBest, floor.Fill(entries));
  }
  std::printf("memory switch of %d entries: %.1f ms (best of %d)\n", kEntries, best, kRuns);
  std::printf("floor, bare list box refilled the fast way: %.1f ms\n", floorBest);
  std::printf("ratio: %.2f (target at most 2)\n", best / floorBest);
  player.State.EmergencyExit = 1;  // leave the registry as it was apart from MEMORY
  return 0;
}
