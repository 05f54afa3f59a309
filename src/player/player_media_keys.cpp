// The keyboard's media keys: taken as hot keys at the end of the start-up, so that they reach a
// player in the tray, given back at the close, and each carried out as the button it stands for.
#include "platform/hot_keys.h"
#include "player/player_window.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::WireMediaKeys() {
  OnHotKey = [this](int id) {
    if (std::optional<MediaKey> key = MediaKeyOfHotKey(id)) {
      MediaKeyPressed(*key, MediaKeyRoute::HotKey);
    }
  };
  OnAppCommand = [this](int command) {
    std::optional<MediaKey> key = MediaKeyOfAppCommand(command);
    if (!key) return false;
    MediaKeyPressed(*key, MediaKeyRoute::AppCommand);
    return true;
  };
}

// The first player to ask gets a key; a key that another program (or player) holds already works
// only while this window has the focus, and nobody is told: the player works as well without it.
void TTAVEL32KOLAP::TakeMediaKeys() {
  mediaKeysWindow_ = Handle();
  for (MediaKey key : kMediaKeys) {
    mediaKeysTaken_[static_cast<int>(key)] =
        services_.hotKeys.Register(mediaKeysWindow_, HotKeyIdOf(key), VirtualKeyOf(key));
  }
}

void TTAVEL32KOLAP::ReleaseMediaKeys() {
  for (MediaKey key : kMediaKeys) {
    bool& taken = mediaKeysTaken_[static_cast<int>(key)];
    if (taken) services_.hotKeys.Unregister(mediaKeysWindow_, HotKeyIdOf(key));
    taken = false;
  }
}

void TTAVEL32KOLAP::MediaKeyPressed(MediaKey key, MediaKeyRoute route) {
  MediaKeySituation situation;
  situation.ready = State.InitState == 0 && !State.Closing;
  situation.boxOpen = App().ModalShowing();
  situation.keyTaken = mediaKeysTaken_[static_cast<int>(key)];
  situation.playing = State.PlayActive == 1;
  situation.heldByStop = HeldByStop();
  switch (CommandForMediaKey(key, route, situation)) {
    case MediaKeyCommand::Start:
      return Button2Click();
    case MediaKeyCommand::Stop:
      return ButtonStop2Click();
    case MediaKeyCommand::PlayOn:
      return PlayOnFromStop();
    case MediaKeyCommand::Skip:
      return Button3Click(Button4);
    case MediaKeyCommand::BackSkip:
      return Button3Click(Button3);
    case MediaKeyCommand::Abort:
      return Button5Click();
    case MediaKeyCommand::None:
      return;
  }
}

}  // namespace tavel
