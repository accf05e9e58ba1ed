// A session that plays a recording back: the recording's steps at the
// game's pace, each recorded box shown for a second with its recorded
// answer. Kept apart from the live session, which needs none of the
// script player.
#include "app/shell/session.h"

namespace vantorix::shell {

class Session::Replayer final : public Session::Replay, private ScriptDriver {
 public:
  Replayer(Session& session, ScriptPlayer& player) : session_(session), player_(player) {}

  void advance() override;
  int millisecondsToWait(std::uint64_t now) override;
  void boxOpened(MessageBox& box, int depth, BoxButtons buttons) override;
  const ScriptOutcome& outcome() const override { return player_.outcome(); }

 private:
  // ScriptDriver: how the recording reaches the game.
  void command(int id) override { session_.game_.command(id); }
  void timer() override { session_.game_.timer(); }
  void keyDown(int virtualKey) override { session_.game_.keyDown(virtualKey); }
  void close() override { session_.closeWindow(); }
  bool timerRunning() const override { return session_.gameTimerOn_; }
  bool ended() const override { return session_.ended_; }
  GameState& state() override { return session_.game_.state(); }

  void answerShownBox();

  Session& session_;
  ScriptPlayer& player_;
  // A shown box's recorded answer, and when it is given.
  struct ShownBox {
    ScriptPlayer::BoxReply reply;
    std::uint64_t due = 0;
  };
  std::array<ShownBox, kMaxOpenBoxes> shown_{};
};

Session::Session(Host& host, RecordingSink* recording, ScriptPlayer* replay)
    : Session(host, recording) {
  if (replay != nullptr) replay_ = std::make_unique<Replayer>(*this, *replay);
}

int Session::Replayer::millisecondsToWait(std::uint64_t now) {
  if (session_.openBoxes_ > 0) {
    const std::uint64_t due = shown_[static_cast<std::size_t>(session_.openBoxes_ - 1)].due;
    return due <= now ? 0
                      : static_cast<int>((due - now + kMicrosecondsPerSecond / 1000 - 1) /
                                         (kMicrosecondsPerSecond / 1000));
  }
  // Between ticks a recording waits for the clock; any other step is due now.
  if (player_.next(*this) == ScriptPlayer::Next::kTimer && session_.pacer_.running()) {
    return session_.pacer_.millisecondsUntilDue(now);
  }
  return 0;
}

void Session::Replayer::advance() {
  if (session_.openBoxes_ > 0) {
    answerShownBox();
    return;
  }
  Pacer& pacer = session_.pacer_;
  Host& host = session_.host_;
  switch (player_.next(*this)) {
    case ScriptPlayer::Next::kTimer:
      // The recorded timer messages at the game's own pace, whatever the
      // game did with its timer.
      if (!pacer.running()) {
        pacer.start(host.now());
        host.clockChanged();
      } else if (pacer.due(host.now())) {
        host.ticked(pacer.takeTick(host.now()));
        player_.play(*this);
      }
      break;
    case ScriptPlayer::Next::kStep:
      player_.play(*this);
      break;
    case ScriptPlayer::Next::kEnd:
      // The recording ends here, and so does its session.
      session_.end(player_.outcome().exitStatus());
      break;
  }
  if (player_.stopped()) session_.end(player_.outcome().exitStatus());
}

void Session::Replayer::answerShownBox() {
  const auto depth = static_cast<std::size_t>(session_.openBoxes_ - 1);
  const ShownBox& shown = shown_[depth];
  if (session_.host_.now() < shown.due) return;
  if (shown.reply.closesWindow) {
    session_.closeWindow();
  } else {
    session_.boxes_[depth]->answerAs(shown.reply.answer);
  }
  session_.invalidate();
}

void Session::Replayer::boxOpened(MessageBox& box, int depth, BoxButtons buttons) {
  const ScriptPlayer::BoxReply reply = player_.answerFor(box.text(), buttons);
  shown_[static_cast<std::size_t>(depth)] = {reply,
                                             session_.host_.now() + kReplayedBoxMicroseconds};
  box.focusAnswer(reply.answer);
  // A recording that lacks an answer stops here: the box gives up.
  if (player_.stopped()) box.answerAs(unansweredAnswer(buttons));
}

}  // namespace vantorix::shell
