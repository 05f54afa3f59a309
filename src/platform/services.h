// The platform services one process uses, handed to the windows that need them.
#pragma once

namespace tavel {

class Clock;
class DdeClient;
class Desktop;
class Drives;
class FileSystem;
class HotKeys;
class Mci;
class NamedMutexes;
class Process;
class Registry;
class Tray;

struct Services {
  Registry& registry;
  Desktop& desktop;
  Process& process;
  Clock& clock;
  FileSystem& files;
  Mci& mci;
  Tray& tray;
  DdeClient& dde;
  NamedMutexes& mutexes;
  Drives& drives;
  HotKeys& hotKeys;
};

}  // namespace tavel
