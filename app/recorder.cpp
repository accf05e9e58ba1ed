#include "app/recorder.h"

#include <charconv>

#include "app/script_words.h"
#include "game/digest.h"

namespace vantorix {

namespace {

// Room for the longest line: "answer" and four numbers, or "#> digest" and 16 digits.
using LineText = std::array<char, 64>;

class LineWriter {
 public:
  LineWriter& operator<<(std::string_view text) {
    for (const char c : text) {
      if (size_ + 1 < text_.size()) text_[size_++] = c;
    }
    return *this;
  }
  LineWriter& operator<<(int number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
  }
  std::string_view view() const { return {text_.data(), size_}; }

 private:
  LineText text_{};
  std::size_t size_ = 0;
};

}  // namespace

Recorder::Recorder(RecordingSink& sink, const GameState& state) : sink_(sink), state_(state) {
  for (const std::string_view line : kRecordingHeader)
    sink_.addLine(line);
}

void Recorder::begin(Kind kind, int value) {
  if (depth_ == kMaxDepth) {
    ++overflow_;
    return;
  }
  Message& message = messages_[static_cast<std::size_t>(depth_++)];
  message = Message{kind, value};
  // A quit ends the session with this message; the digest that closes the
  // recording must stand before it, where a replay can still read it.
  if (kind == Kind::kCommand) message.digestBefore = digest(state_);
}

void Recorder::boxAnswered(int answer) {
  if (depth_ == 0) return;
  Message& message = messages_[static_cast<std::size_t>(depth_ - 1)];
  if (message.answerCount < static_cast<int>(message.answers.size())) {
    message.answers[static_cast<std::size_t>(message.answerCount++)] = answer;
  }
}

void Recorder::quitPosted() {
  if (!closing_ && depth_ > 0) messages_[static_cast<std::size_t>(depth_ - 1)].quits = true;
}

void Recorder::windowClosed() {
  closing_ = true;
  if (depth_ == 0) endMessage();
}

void Recorder::endMessage() {
  if (overflow_ > 0) {
    --overflow_;
    return;
  }
  if (depth_ > 0) writeMessage(messages_[static_cast<std::size_t>(--depth_)]);
  if (depth_ > 0 || !closing_ || ended_) return;
  writeDigest(digest(state_));
  line("close");
  ended_ = true;
}

void Recorder::writeMessage(const Message& message) {
  if (ended_) return;
  if (message.quits) {
    writeDigest(message.digestBefore);
    ended_ = true;
  }
  if (message.answerCount > 0) {
    LineWriter answers;
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
    line(answers.view());
  }
  if (message.kind == Kind::kTick) {
    if (tickRun_ > 0) {
      LineWriter run;
      run << "tick " << ++tickRun_;
      sink_.replaceLastLine(run.view());
    } else {
      line("tick 1");
      // A tick that opened boxes stands alone behind their answers.
      tickRun_ = message.answerCount > 0 ? 0 : 1;
    }
    if (++ticksSinceDigest_ == kTicksPerDigest) writeDigest(digest(state_));
    return;
  }
  LineWriter text;
  if (message.kind == Kind::kCommand) {
    text << "command " << message.value;
  } else if (const std::string_view name = keyWord(message.value); !name.empty()) {
    text << "key " << name;
  } else {
    text << "key " << message.value;
  }
  line(text.view());
}

void Recorder::writeDigest(std::uint64_t value) {
  char hex[17];
  formatDigest(value, hex);
  line("digest");
  LineWriter expected;
  expected << "#> digest " << hex;
  line(expected.view());
  ticksSinceDigest_ = 0;
}

void Recorder::line(std::string_view text) {
  sink_.addLine(text);
  tickRun_ = 0;
}

}  // namespace vantorix
