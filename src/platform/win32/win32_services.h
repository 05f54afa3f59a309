// Every platform service on Windows, made once for the process and handed out as Services.
#pragma once

#include "platform/services.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dde.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_hot_keys.h"
#include "platform/win32/win32_mci.h"
#include "platform/win32/win32_named_mutex.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_tray.h"

namespace tavel {

struct Win32Services {
  Win32Registry registry;
  Win32Desktop desktop;
  Win32Process process;
  Win32Clock clock;
  Win32FileSystem files;
  Win32Mci mci;
  Win32Tray tray;
  Win32Dde dde;
  Win32NamedMutexes mutexes;
  Win32Drives drives;
  Win32HotKeys hotKeys;
  Services services{registry, desktop, process, clock,  files,  mci,
                    tray,     dde,     mutexes, drives, hotKeys};
};

}  // namespace tavel
