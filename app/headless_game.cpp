#include "app/headless_game.h"

namespace vantorix {

int HeadlessGame::showMessageBox(std::string_view text, std::string_view, BoxButtons buttons) {
  const ScriptPlayer::BoxReply reply = player_.answerFor(text, buttons);
  // The window goes while the box is open; the box then gives up.
  if (reply.closesWindow) game_.destroy();
  return reply.answer;
}

void HeadlessGame::postQuit(int exitCode) {
  if (!quitCode_) quitCode_ = exitCode;
}

}  // namespace vantorix
