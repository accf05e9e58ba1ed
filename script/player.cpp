#include "script/player.h"

#include <utility>

#include "game/digest.h"
#include "game/field_table.h"
#include "script/excerpt.h"

namespace vantorix {

namespace {

constexpr std::string_view kExpectedDigest = "#> digest ";

bool deliversTimers(const ScriptStep& step) {
  return step.kind == ScriptStep::Kind::kTick || step.kind == ScriptStep::Kind::kRun;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::string> ScriptDriver::outputStep(const ScriptStep&) {
  return std::nullopt;
}

void ScriptDriver::fieldGot(std::string_view, i32) {}

void ScriptDriver::digestTaken(std::uint64_t) {}

int ScriptOutcome::exitStatus() const {
  switch (kind) {
    case Kind::kPlayedThrough:
      break;
    case Kind::kMalformed:
      return kMalformedScriptExit;
    case Kind::kDiffers:
      return kReplayDiffersExit;
  }
  return 0;
}

std::string ScriptOutcome::report(std::string_view path) const {
  const std::string where = "vantorix: " + std::string(path);
  switch (kind) {
    case Kind::kMalformed:
      return where + ": line " + std::to_string(line) + ": " + message;
    case Kind::kDiffers:
      return where + ":" + std::to_string(line) + ": " + message;
    case Kind::kPlayedThrough:
      break;
  }
  return {};
}

ScriptLine ScriptPlayer::takeLine() {
  if (!lookahead_) return lines_.nextLine();
  ScriptLine line = std::move(*lookahead_);
  lookahead_.reset();
  return line;
}

ScriptPlayer::Next ScriptPlayer::next(ScriptDriver& driver) {
  while (!stopped() && !driver.ended()) {
    if (step_ && deliversTimers(*step_)) {
      const bool timerRuns = step_->kind == ScriptStep::Kind::kTick || driver.timerRunning();
      if (timersLeft_ > 0 && timerRuns) return Next::kTimer;
      step_.reset();
    }
    if (step_) return Next::kStep;
    ScriptLine line = takeLine();
    if (line.kind == ScriptLine::Kind::kEnd) break;
    stepLine_ = line.number;
    if (line.kind == ScriptLine::Kind::kFault) {
      stop(ScriptOutcome::Kind::kMalformed, std::move(line.fault));
      break;
    }
    StepReading reading = readStep(line.text);
    if (!reading.error.empty()) {
      stop(ScriptOutcome::Kind::kMalformed, std::move(reading.error));
      break;
    }
    step_ = std::move(reading.step);
    if (step_) timersLeft_ = step_->count;
  }
  return Next::kEnd;
}

void ScriptPlayer::play(ScriptDriver& driver) {
  play(next(driver), driver);
}

void ScriptPlayer::playThrough(ScriptDriver& driver) {
  for (Next what = next(driver); what != Next::kEnd; what = next(driver))
    play(what, driver);
}

void ScriptPlayer::play(Next what, ScriptDriver& driver) {
  if (what == Next::kTimer) {
    --timersLeft_;
    driver.timer();
  } else if (what == Next::kStep) {
    const ScriptStep step = std::move(*step_);
    step_.reset();
    execute(step, driver);
  }
}

void ScriptPlayer::execute(const ScriptStep& step, ScriptDriver& driver) {
  using Kind = ScriptStep::Kind;
  switch (step.kind) {
    case Kind::kTick:
    case Kind::kRun:
      break;  // handed out one timer message at a time
    case Kind::kKey:
      driver.keyDown(step.value);
      break;
    case Kind::kCommand:
      driver.command(step.value);
      break;
    case Kind::kClose:
      driver.close();
      break;
    case Kind::kAnswer:
      queue(step);
      break;
    case Kind::kSet:
      if (i32* field = findField(driver.state(), step.words[0])) *field = step.value;
      break;
    case Kind::kDigest: {
      const std::uint64_t value = digest(driver.state());
      driver.digestTaken(value);
      if (checks_ == Checks::kDigests) checkDigest(value);
      break;
    }
    case Kind::kGet:
      for (const std::string_view name : step.words) {
        const std::optional<i32> value = readField(driver.state(), name);
        if (!value) {
          stop(ScriptOutcome::Kind::kMalformed, "unknown field " + quotedWord(name));
          break;
        }
        driver.fieldGot(name, *value);
      }
      break;
    case Kind::kDump:
    case Kind::kDraws:
    case Kind::kFrame:
    case Kind::kEvents:
      if (std::optional<std::string> error = driver.outputStep(step)) {
        stop(ScriptOutcome::Kind::kMalformed, std::move(*error));
      }
      break;
  }
}

void ScriptPlayer::queue(const ScriptStep& step) {
  for (const ScriptAnswer& answer : step.answers) {
    if (answerCount_ == answers_.size()) {
      stop(ScriptOutcome::Kind::kMalformed,
           "answer: more than " + std::to_string(kMaxQueuedAnswers) + " answers wait for boxes");
      return;
    }
    answers_[(firstAnswer_ + answerCount_++) % answers_.size()] = answer;
  }
}

ScriptPlayer::BoxReply ScriptPlayer::answerFor(std::string_view text, BoxButtons buttons) {
  const int unanswered = unansweredAnswer(buttons);
  if (stopped()) return {unanswered, false};
  if (answerCount_ > 0) {
    const ScriptAnswer answer = answers_[firstAnswer_];
    firstAnswer_ = (firstAnswer_ + 1) % answers_.size();
    --answerCount_;
    if (answer.windowClosed) return {unanswered, true};
    return {answer.value, false};
  }
  if (buttons == BoxButtons::kYesNo) {
    // The program's own words: shown whole.
    std::string message = "yes/no box \"";
    message += text;
    message += "\" has no queued answer";
    stop(ScriptOutcome::Kind::kMalformed, std::move(message));
  }
  return {unanswered, false};
}

void ScriptPlayer::checkDigest(std::uint64_t value) {
  ScriptLine line = lines_.nextLine();
  const std::string_view text = trimmed(line.text);
  if (line.kind != ScriptLine::Kind::kText || !text.starts_with(kExpectedDigest)) {
    lookahead_ = std::move(line);
    return;
  }
  char hex[17];
  formatDigest(value, hex);
  const std::string_view expected = trimmed(text.substr(kExpectedDigest.size()));
  if (expected == hex) return;
  std::string message = "the digest is ";
  message += hex;
  message += ", the recording says ";
  message += excerpt(expected);
  stop(ScriptOutcome::Kind::kDiffers, std::move(message));
}

void ScriptPlayer::stop(ScriptOutcome::Kind kind, std::string message) {
  if (stopped()) return;
  outcome_ = {kind, stepLine_, std::move(message)};
}

}  // namespace vantorix
