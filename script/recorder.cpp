#include "script/recorder.h"

#include <charconv>

#include "game/digest.h"
#include "script/words.h"

namespace vantorix {

RecordingLine& RecordingLine::operator<<(std::string_view text) {
  for (const char c : text) {
    if (size_ < text_.size()) text_[size_++] = c;
  }
  return *this;
}

RecordingLine& RecordingLine::operator<<(int number) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
}

Recorder::Recorder(RecordingSink& sink, const GameState& state) : sink_(sink), state_(state) {
  for (const std::string_view header : kRecordingHeader)
    append(header);
}

RecordingLine Recorder::heldLine() const {
  RecordingLine run;
  if (heldTicks_ > 0) run << "tick " << heldTicks_;
  return run;
}

void Recorder::begin(Kind kind, int value) {
  if (depth_ == kMaxDepth) {
    ++overflow_;
    return;
  }
  messages_[static_cast<std::size_t>(depth_++)] = Message{kind, value, {}, 0, digest(state_)};
}

void Recorder::boxAnswered(int answer) {
  // Once the window is gone the boxes only give up; the one open then is
  // answered "close".
  if (depth_ == 0 || closing_) return;
  Message& message = messages_[static_cast<std::size_t>(depth_ - 1)];
  if (message.answerCount < static_cast<int>(message.answers.size())) {
    message.answers[static_cast<std::size_t>(message.answerCount++)] = answer;
  }
}

void Recorder::quitPosted() {
  if (!closing_ && depth_ > 0) messages_[static_cast<std::size_t>(depth_ - 1)].quits = true;
}

void Recorder::windowClosed() {
  if (closing_) return;
  closing_ = true;
  if (depth_ > 0) {
    // Only a box runs a loop inside a message: the innermost one was open.
    messages_[static_cast<std::size_t>(depth_ - 1)].windowClosed = true;
    return;
  }
  if (ended_) return;
  writeDigest(digest(state_));
  line("close");
  ended_ = true;
}

void Recorder::endMessage() {
  if (overflow_ > 0) {
    --overflow_;
    return;
  }
  if (depth_ == 0) return;
  writeMessage(messages_[static_cast<std::size_t>(--depth_)]);
  // The outer message's line follows this one's: a replay meets it with
  // this message played.
  if (depth_ > 0) messages_[static_cast<std::size_t>(depth_ - 1)].digestBefore = digest(state_);
}

void Recorder::writeMessage(const Message& message) {
  if (ended_) return;
  // A message that ends the session does so before a replay could read a
  // line after it: the digest that closes the recording stands before it.
  const bool last = message.quits || message.windowClosed;
  if (last) writeDigest(message.digestBefore);
  if (message.answerCount > 0 || message.windowClosed) {
    RecordingLine answers;
    answers << "answer";
    for (int i = 0; i < message.answerCount; ++i) {
      const int answer = message.answers[static_cast<std::size_t>(i)];
      const std::string_view name = answerWord(answer);
      answers << " ";
      if (name.empty()) {
        answers << answer;
      } else {
        answers << name;
      }
    }
    if (message.windowClosed) answers << " " << kWindowClosedWord;
    line(answers.view());
  }
  if (message.kind == Kind::kTick) {
    // A tick that opened boxes stands alone behind their answers.
    if (message.answerCount > 0 || message.windowClosed) {
      line("tick 1");
    } else {
      ++heldTicks_;
    }
    if (!last && ++ticksSinceDigest_ == kTicksPerDigest) writeDigest(digest(state_));
  } else {
    RecordingLine text;
    if (message.kind == Kind::kCommand) {
      text << "command " << message.value;
    } else if (const std::string_view name = keyWord(message.value); !name.empty()) {
      text << "key " << name;
    } else {
      text << "key " << message.value;
    }
    line(text.view());
  }
  if (last) ended_ = true;
}

void Recorder::writeDigest(std::uint64_t value) {
  char hex[17];
  formatDigest(value, hex);
  line("digest");
  RecordingLine expected;
  expected << "#> digest " << hex;
  line(expected.view());
  ticksSinceDigest_ = 0;
}

void Recorder::line(std::string_view text) {
  if (heldTicks_ > 0) {
    const RecordingLine run = heldLine();
    heldTicks_ = 0;
    append(run.view());
  }
  append(text);
}

void Recorder::append(std::string_view text) {
  if (!failed_ && !sink_.addLine(text)) failed_ = true;
}

}  // namespace vantorix
