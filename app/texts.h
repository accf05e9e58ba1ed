// The program's own words, in UTF-8. Every shell shows them as they stand.
#pragma once

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

}  // namespace vantorix::texts
