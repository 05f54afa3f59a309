// Splitting a Windows command line into the program's arguments, the way classic Windows programs
// read their parameters.
#include "platform/command_line.h"

#include "text/sjis.h"

namespace tavel {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// Reads the argument that starts at or after `pos` into `arg` and returns where reading stopped.
std::size_t NextArgument(const std::string& line, std::size_t pos, std::string& arg) {
  arg.clear();
  for (;;) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (line.compare(pos, 2, "\"\"") != 0) break;
    pos += 2;
  }
  while (pos < line.size() && !IsBlank(line[pos])) {
    if (line[pos] == '"') {
      ++pos;
      while (pos < line.size() && line[pos] != '"') {
        std::size_t next = NextCharIndex(line, pos);
        arg.append(line, pos, next - pos);
        pos = next;
      }
      if (pos < line.size()) ++pos;  // the closing quote
    } else {
      std::size_t next = NextCharIndex(line, pos);
      arg.append(line, pos, next - pos);
      pos = next;
    }
  }
  return pos;
}

}  // namespace

std::string CommandLineArgument(const std::string& commandLine, int index) {
  // A command line handed over from C carries no bytes after its terminating zero.
  std::string line = commandLine.substr(0, commandLine.find('\0'));
  std::string arg;
  std::size_t pos = 0;
  for (int i = 0;; ++i) {
    pos = NextArgument(line, pos, arg);
    if (i == index || arg.empty()) return arg;
  }
}

}  // namespace tavel
