// The keyboard's media keys (play/pause, next, previous, stop): how each reaches the player, as a
// hot key it holds for the whole system or as an application command to its focused window, and
// which of its commands a key stands for in the state the player is in.
#pragma once

#include <optional>

namespace tavel {

enum class MediaKey { PlayPause, NextTrack, PreviousTrack, Stop };

inline constexpr MediaKey kMediaKeys[] = {MediaKey::PlayPause, MediaKey::NextTrack,
                                          MediaKey::PreviousTrack, MediaKey::Stop};

// The virtual key the player takes as a hot key, and the number it gives that hot key.
unsigned VirtualKeyOf(MediaKey key);
int HotKeyIdOf(MediaKey key);
// The key of a hot key number or of an application command; nothing for any other.
std::optional<MediaKey> MediaKeyOfHotKey(int id);
std::optional<MediaKey> MediaKeyOfAppCommand(int command);

enum class MediaKeyRoute {
  HotKey,      // the player holds the key for the whole system
  AppCommand,  // the key reached the player's window while it has the focus
};

// What the player does for a key: the command of one of its buttons, or playing on from where
// ■ holds the file (as the seek bar resumes it), or nothing.
enum class MediaKeyCommand { None, Start, Stop, PlayOn, Skip, BackSkip, Abort };

struct MediaKeySituation {
  bool ready = false;       // the start-up has ended and the window is not closing
  bool boxOpen = false;     // one of the player's boxes is open: its buttons cannot be pressed
  bool keyTaken = false;    // the player holds this key as a hot key
  bool playing = false;     // a play sequence runs
  bool heldByStop = false;  // ■ holds the playing file where it stands
};

MediaKeyCommand CommandForMediaKey(MediaKey key, MediaKeyRoute route,
                                   const MediaKeySituation& situation);

}  // namespace tavel
