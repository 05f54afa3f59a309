// Fakes for the list maker's tests: a code page 932 table of a few characters, folders and files
// held in memory, and a console that keeps its lines.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "listmaker/console.h"
#include "listmaker/cp932_codec.h"
#include "listmaker/music_files.h"

namespace tavel::testing {

// ASCII and the characters of its table (UTF-8 beside the code page 932 bytes the compiler makes
// of the same literal); every other character is one code page 932 lacks.
class FakeCodec : public Cp932Codec {
 public:
  std::optional<std::string> FromUtf8(const std::string& utf8) override;
  std::optional<std::string> ToUtf8(const std::string& cp932) override;
};

// Paths are full UTF-8 paths, compared exactly.
class FakeMusicFiles : public MusicFiles {
 public:
  std::string FullPath(const std::string& path) override;
  PathKind KindOf(const std::string& path) override;
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  std::optional<std::string> ShortName(const std::string& path) override;

  // A file and every folder above it.
  void Put(const std::string& path, const std::string& bytes = "");
  void PutFolder(const std::string& folder);

  std::string current = "C:\\WORK";               // the current folder for relative paths
  std::set<std::string> unreadable;               // folders and files that cannot be read
  std::vector<std::string> listed;                // every folder listed, in order
  std::map<std::string, std::string> shortNames;  // the volume's short names, by full path

 private:
  std::map<std::string, std::string> files_;
  std::set<std::string> folders_;
};

class FakeConsole : public Console {
 public:
  void Out(const std::string& line) override { out.push_back(line); }
  void Err(const std::string& line) override { err.push_back(line); }
  std::vector<std::string> out, err;
};

}  // namespace tavel::testing
