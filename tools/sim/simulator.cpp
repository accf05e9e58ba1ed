#include "tools/sim/simulator.h"

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "game/digest.h"
#include "game/field_table.h"
#include "render/bmp_writer.h"

namespace vantorix::sim {

namespace {

// Prints each copy a paint makes instead of making it.
class CopyPrinter final : public Canvas {
 public:
  explicit CopyPrinter(std::ostream& out) : out_(out) {}
  void select(Sprite sprite) override { selected_ = sprite; }
  void copy(int x, int y, int width, int height) override {
    out_ << ResourceName(selected_).view() << ' ' << x << ' ' << y << ' ' << width << ' ' << height
         << '\n';
  }

 private:
  std::ostream& out_;
  Sprite selected_ = Sprite::kFighter;
};

}  // namespace

int Simulator::run(std::istream& script, std::ostream& err) {
  std::string line;
  long lineNumber = 0;
  while (!ended() && std::getline(script, line)) {
    if (!runLine(line, ++lineNumber, err)) return kScriptErrorExit;
  }
  out_.flush();
  return exitStatus();
}

bool Simulator::runLine(std::string_view line, long lineNumber, std::ostream& err) {
  try {
    if (const std::optional<ScriptStep> step = readStep(line)) execute(*step);
  } catch (const ScriptError& error) {
    out_.flush();
    err << "vantorix-sim: line " << lineNumber << ": " << error.what() << '\n';
    return false;
  }
  return true;
}

void Simulator::deliverTicks(std::int64_t count, bool onlyWhileTimerRuns) {
  for (std::int64_t i = 0; i < count && !ended(); ++i) {
    if (onlyWhileTimerRuns && !platform_.timerRunning()) break;
    game_.timer();
    afterMessage();
  }
}

void Simulator::afterMessage() {
  if (observer_ && !observer_(game_.state())) stopped_ = true;
}

void Simulator::writeFrame(std::string_view path) {
  if (!writeFrames_) return;
  frame_.clear();  // the erase with the window's black brush
  game_.paint(frame_);
  if (!writeBmpFile(std::string(path), frame_)) {
    throw ScriptError("frame: cannot write " + quoted(path));
  }
}

void Simulator::execute(const ScriptStep& step) {
  GameState& state = game_.state();
  using Kind = ScriptStep::Kind;
  switch (step.kind) {
    case Kind::kTick:
    case Kind::kRun:
      deliverTicks(step.count, step.kind == Kind::kRun);
      break;
    case Kind::kKey:
      game_.keyDown(step.value);
      afterMessage();
      break;
    case Kind::kCommand:
      game_.command(step.value);
      afterMessage();
      break;
    case Kind::kAnswer:
      for (const int answer : step.answers)
        platform_.queueAnswer(answer);
      break;
    case Kind::kSet:
      *findField(state, step.words[0]) = step.value;
      break;
    case Kind::kGet:
      for (const std::string_view name : step.words) {
        const auto value = readField(state, name);
        if (!value) throw ScriptError("unknown field " + quoted(name));
        out_ << name << ' ' << *value << '\n';
      }
      break;
    case Kind::kDump:
      forEachField(std::as_const(state), [&](std::string_view name, const i32& value) {
        out_ << name << ' ' << value << '\n';
      });
      break;
    case Kind::kDigest: {
      char hex[17];
      formatDigest(digest(state), hex);
      out_ << "digest " << hex << '\n';
      break;
    }
    case Kind::kDraws: {
      CopyPrinter printer(out_);
      game_.paint(printer);
      break;
    }
    case Kind::kFrame:
      writeFrame(step.words[0]);
      break;
    case Kind::kEvents:
      platform_.setEvents(step.value != 0);
      break;
    case Kind::kClose:
      game_.destroy();
      afterMessage();
      break;
  }
}

}  // namespace vantorix::sim
