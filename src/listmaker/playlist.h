// M3U and M3U8 playlists as input: their entries and the paths they name. Paths here are UTF-8.
#pragma once

#include <string>
#include <vector>

namespace tavel {

// True for a name ending in .m3u or .m3u8, in either case.
bool IsPlaylist(const std::string& path);

// An .m3u8 playlist, or one that starts with the UTF-8 byte order mark, is UTF-8; any other .m3u
// is in the system's code page, which on the player's systems is 932.
bool IsUtf8Playlist(const std::string& path, const std::string& bytes);

// The path lines of a playlist: without a byte order mark, blanks around them, empty lines,
// comments and extended lines (every line starting with '#').
std::vector<std::string> PlaylistEntries(const std::string& bytes);

// True for entries that are addresses (http://..., file://...) rather than paths.
bool IsAddress(const std::string& entry);

// An entry as a full path: '/' becomes '\', a full path (C:\..., \\server\...) stays, a path from
// the root (\...) takes the drive of `folder`, anything else is relative to `folder`; "." and ".."
// steps are then taken out.
std::string ResolveEntry(const std::string& folder, const std::string& entry);

}  // namespace tavel
