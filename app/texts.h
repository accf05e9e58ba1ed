// The program's own words, in UTF-8. Every shell shows them as they stand.
#pragma once

#include <array>
#include <string_view>

namespace vantorix::texts {

inline constexpr std::string_view kWindowTitle = "Vantorix";
inline constexpr std::string_view kMenuGame = "ゲーム";
inline constexpr std::string_view kMenuStart = "開始";
inline constexpr std::string_view kMenuQuit = "終了";

// A message box's words: its text and its caption.
struct BoxText {
  std::string_view text;
  std::string_view caption;
};

inline constexpr std::string_view kEndCaption = "終了確認";  // quit, win and loss boxes
inline constexpr BoxText kStartBox{"ゲームを開始します", "開始確認"};
inline constexpr BoxText kQuitBox{"ゲームを終了しますか？", kEndCaption};
inline constexpr BoxText kWinBox{"あなたの勝ちです", kEndCaption};
inline constexpr BoxText kLossBox{"あなたの負けです", kEndCaption};
inline constexpr BoxText kContinueBox{"コンティニューしますか？", "続行確認"};

// The buttons of the boxes, as a Japanese Windows labels them.
inline constexpr std::string_view kButtonOk = "OK";
inline constexpr std::string_view kButtonYes = "はい(Y)";
inline constexpr std::string_view kButtonNo = "いいえ(N)";

// Shown by a shell, beside the game and without stopping it, once the
// session's recording could not be written any further.
inline constexpr std::string_view kRecordingFailed = "記録を保存できません";

// Every text a shell may letter itself (the window's title is the window
// system's to draw).
inline constexpr std::array kLettered{
    kMenuGame,
    kMenuStart,
    kMenuQuit,
    kStartBox.text,
    kStartBox.caption,
    kQuitBox.text,
    kEndCaption,
    kWinBox.text,
    kLossBox.text,
    kContinueBox.text,
    kContinueBox.caption,
    kButtonOk,
    kButtonYes,
    kButtonNo,
    kRecordingFailed,
};

}  // namespace vantorix::texts
