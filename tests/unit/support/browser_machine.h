// A machine for the folder browser's tests: a floppy drive without a disc, a labelled fixed disk
// with the program and Windows on it, a CD-ROM, a network drive and a RAM disk.
#pragma once

#include "platform/drives.h"
#include "support/fake_drives.h"
#include "support/fake_file_system.h"

namespace tavel::testing {

// "表" is 95 5C: its second byte is a backslash.
inline const std::string kTableFolder = "C:\\表";

// Puts the machine's drives and files into the fakes.
inline void SetUpBrowserMachine(FakeFileSystem& files, FakeDrives& drives) {
  drives.Add('A', DriveKind::Removable).hasMedium = false;
  drives.Add('C', DriveKind::Fixed, "DISK1");
  drives.Add('D', DriveKind::CdRom, "MUSIC_CD");
  drives.Add('N', DriveKind::Remote, "SHARE").networkName = "\\\\SERVER\\Music";
  drives.Add('R', DriveKind::RamDisk);
  files.Put("C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE");
  files.Put("C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT").attributes = kAttrHidden;
  files.PutFolder("C:\\KoLAPP32\\Empty");
  files.Put("C:\\WINDOWS\\SYSTEM\\MMSYSTEM.DLL");
  files.Put("C:\\AUTOEXEC.BAT");
  files.Put(kTableFolder + "\\ソナタ.WAV");
  files.Put("D:\\TRACKS\\Track01.MID");
  files.Put("N:\\Share\\Song.WAV");
}

struct BrowserMachine {
  BrowserMachine() { SetUpBrowserMachine(files, drives); }

  FakeFileSystem files;
  FakeDrives drives{files};
  std::string ownPath = "C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE";
};

}  // namespace tavel::testing
