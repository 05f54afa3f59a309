// The keyboard's media keys: their hot keys and application commands, and what each one does.
#include "player/media_keys.h"

namespace tavel {

namespace {

struct KeyCodes {
  MediaKey key;
  unsigned virtualKey;  // VK_MEDIA_...
  int appCommand;       // APPCOMMAND_MEDIA_...
};

constexpr KeyCodes kCodes[] = {
    {MediaKey::PlayPause, 0xB3, 14},
    {MediaKey::NextTrack, 0xB0, 11},
    {MediaKey::PreviousTrack, 0xB1, 12},
    {MediaKey::Stop, 0xB2, 13},
};

const KeyCodes& CodesOf(MediaKey key) {
  for (const KeyCodes& codes : kCodes) {
    if (codes.key == key) return codes;
  }
  return kCodes[0];
}

}  // namespace

unsigned VirtualKeyOf(MediaKey key) {
  return CodesOf(key).virtualKey;
}

int HotKeyIdOf(MediaKey key) {
  return static_cast<int>(key) + 1;
}

std::optional<MediaKey> MediaKeyOfHotKey(int id) {
  for (MediaKey key : kMediaKeys) {
    if (HotKeyIdOf(key) == id) return key;
  }
  return std::nullopt;
}

std::optional<MediaKey> MediaKeyOfAppCommand(int command) {
  for (const KeyCodes& codes : kCodes) {
    if (codes.appCommand == command) return codes.key;
  }
  return std::nullopt;
}

// A key the player holds as a hot key never arrives as a key press as well; an application
// command for it comes from elsewhere (a driver that sends both) and would do the command twice.
MediaKeyCommand CommandForMediaKey(MediaKey key, MediaKeyRoute route, const MediaKeySituation& s) {
  if (route == MediaKeyRoute::AppCommand && s.keyTaken) return MediaKeyCommand::None;
  if (!s.ready || s.boxOpen) return MediaKeyCommand::None;
  switch (key) {
    case MediaKey::PlayPause:
      if (!s.playing) return MediaKeyCommand::Start;
      return s.heldByStop ? MediaKeyCommand::PlayOn : MediaKeyCommand::Stop;
    case MediaKey::NextTrack:
      return MediaKeyCommand::Skip;
    case MediaKey::PreviousTrack:
      return MediaKeyCommand::BackSkip;
    case MediaKey::Stop:
      return MediaKeyCommand::Abort;
  }
  return MediaKeyCommand::None;
}

}  // namespace tavel
