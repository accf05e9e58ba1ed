// The program's own words, in UTF-8. Every shell shows them as they stand.
#pragma once

#include <array>
#include <string_view>

namespace vantorix::texts {

inline constexpr std::string_view kWindowTitle = "Vantorix";
inline constexpr std::string_view kMenuGame = "ゲーム";
inline constexpr std::string_view kMenuStart = "開始";
inline constexpr std::string_view kMenuQuit = "終了";

inline constexpr std::string_view kStartText = "ゲームを開始します";
inline constexpr std::string_view kStartCaption = "開始確認";
inline constexpr std::string_view kQuitText = "ゲームを終了しますか？";
inline constexpr std::string_view kEndCaption = "終了確認";  // quit, win and loss boxes
inline constexpr std::string_view kWinText = "あなたの勝ちです";
inline constexpr std::string_view kLossText = "あなたの負けです";
inline constexpr std::string_view kContinueText = "コンティニューしますか？";
inline constexpr std::string_view kContinueCaption = "続行確認";

// The buttons of the boxes, as a Japanese Windows labels them.
inline constexpr std::string_view kButtonOk = "OK";
inline constexpr std::string_view kButtonYes = "はい(Y)";
inline constexpr std::string_view kButtonNo = "いいえ(N)";

// Every text a shell may letter itself (the window's title is the window
// system's to draw).
inline constexpr std::array kLettered{
    kMenuGame, kMenuStart, kMenuQuit,     kStartText,       kStartCaption, kQuitText,  kEndCaption,
    kWinText,  kLossText,  kContinueText, kContinueCaption, kButtonOk,     kButtonYes, kButtonNo,
};

}  // namespace vantorix::texts
