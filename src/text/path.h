// Path text in Shift-JIS: trailing backslashes, folders, names, joins and the chain of parent
// folders.
#pragma once

#include <string>
#include <vector>

namespace tavel {

// True when the last byte is a backslash of its own, not the second half of a double-byte character
// such as ソ (83 5C). Decided by the parity of the lead-range run before it.
bool EndsWithBackslash(const std::string& path);

// The path with one trailing backslash; a path that already has one (C:\) is returned unchanged.
std::string WithBackslash(const std::string& path);

// The path without its trailing backslash; paths of up to three bytes (C:\) keep theirs.
std::string WithoutBackslash(const std::string& path);

// How the bytes of a path are read. The program's paths are Shift-JIS, where the second byte of a
// double-byte character can be 0x5C; the list maker names files in UTF-8 until it makes them code
// page 932, and in UTF-8 every 0x5C is a backslash.
enum class PathEncoding { ShiftJis, Utf8 };

// The folder a file lies in: the path up to and including its last backslash (C:\KoLAPP32\ of
// C:\KoLAPP32\TaVEL32.EXE, C:\ of C:\); "" when it has none.
std::string FolderOf(const std::string& path, PathEncoding encoding = PathEncoding::ShiftJis);

// The text after the last "\" or ":"; the whole path when it has neither.
std::string DisplayName(const std::string& path);

// folder\name with one backslash between them; name alone when folder is empty.
std::string JoinPath(const std::string& folder, const std::string& name,
                     PathEncoding encoding = PathEncoding::ShiftJis);

// The pieces of a path up to and including each backslash (C:\, KoLAPP32\, ...); bytes after the
// last backslash are dropped.
std::vector<std::string> PathComponents(const std::string& folder);

// Every folder on the way down to folder, root first: C:\KoLAPP32\TaVIN32\ gives C:\, C:\KoLAPP32
// and C:\KoLAPP32\TaVIN32. Only the root keeps its backslash.
std::vector<std::string> PathPrefixes(const std::string& folder);

}  // namespace tavel
