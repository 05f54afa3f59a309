// The state every part of the player shares, one set per process, touched only on the UI thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace tavel {

using StringList = std::vector<std::string>;

struct PlayerState {
  WindowHandle OtherPlayerWindow = 0;  // a player window that existed when this process started

  // 1 = start-up not finished, lists not made; 2 = start-up not finished, lists made; 0 = done.
  std::int32_t InitState = 1;
  std::string InitErrorLabel = "エラー：１";  // first part of the forced-exit message

  std::int32_t WindowNumber = 0;  // this player's number among running players, 0 when none
  std::string IdleTitle;          // WindowNumber + "楽蔵32 TAVEL"
  std::string PlayTitlePrefix;    // WindowNumber + "楽蔵32 "

  std::uint8_t CurrentMemory = 0;             // 0..9 = M0..M9, 10 = the history
  std::unique_ptr<StringList> ExtensionList;  // accepted file types, three characters each
  std::unique_ptr<StringList> HistoryList;    // the history while another memory is on show
  std::int32_t HistoryLimit = 0;              // most history entries; 0 = no history
  std::uint8_t LowerCaseNames = 1;            // names shown in small letters

  std::uint8_t PlayActive = 0;    // a play sequence runs
  std::uint8_t AbortRequest = 0;  // the sequence stops at its next step
  std::uint16_t StartGuard = 0;   // busy guard and wait counter of the start command
  std::int32_t SkipCommand = 1;   // 1 advance, 2 skip forward, -1 back-skip
  std::int32_t PlayStep = 2;      // 1 continuous, -1 reverse, 0 single, 2 random
  std::uint8_t WrapState = 0;     // bit 0: something played; 2: wrapped once with nothing played
  std::string CurrentFile;        // the file being opened or played
  std::int32_t TrackLength = 0;   // milliseconds
  std::int32_t TrackPosition = 0;
  std::int32_t BarScale = 1;  // milliseconds per unit of the seek bar, at least 1
  std::int32_t ResumeAfterSeek = 0;
  std::int32_t LastMciResult = 0;  // 0 success, -1 not sent (closing), else the MCI error
  std::int32_t MciReturnSize = 302;
  std::int32_t MciBusy = 0;
  std::int32_t Closing = 0;
  std::int32_t EmergencyExit = 0;
  std::uint8_t MenuSync = 0;  // the program sets a menu check itself: option handlers return
  std::int32_t ListSync = 0;  // the program selects in the name list itself
  std::uint8_t TrayMenuPending = 0;

  std::int32_t ListWidthMargin = 0;
  std::int32_t ListHeightMargin = 0;
  std::int32_t ListMinWidth = 0;
  std::int32_t ListMinHeight = 0;
};

}  // namespace tavel
