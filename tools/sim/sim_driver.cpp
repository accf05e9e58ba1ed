#include "tools/sim/sim_driver.h"

#include <string>
#include <utility>

#include "game/digest.h"
#include "game/field_table.h"
#include "render/bmp_writer.h"
#include "script/excerpt.h"

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

void SimDriver::command(int id) {
  HeadlessGame::command(id);
  afterMessage();
}

void SimDriver::timer() {
  HeadlessGame::timer();
  afterMessage();
}

void SimDriver::keyDown(int virtualKey) {
  HeadlessGame::keyDown(virtualKey);
  afterMessage();
}

void SimDriver::close() {
  HeadlessGame::close();
  afterMessage();
}

void SimDriver::afterMessage() {
  if (observer_ && !player().stopped() && !observer_(state())) stopped_ = true;
}

std::optional<std::string> SimDriver::outputStep(const ScriptStep& step) {
  const GameState& shown = state();
  using Kind = ScriptStep::Kind;
  switch (step.kind) {
    case Kind::kDump:
      forEachField(shown, [&](std::string_view name, const i32& value) {
        out_ << name << ' ' << value << '\n';
      });
      break;
    case Kind::kDraws: {
      CopyPrinter printer(out_);
      game().paint(printer);
      break;
    }
    case Kind::kFrame:
      return writeFrame(step.words[0]);
    case Kind::kEvents:
      events_ = step.value != 0;
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::optional<std::string> SimDriver::writeFrame(std::string_view path) {
  if (!writeFrames_) return std::nullopt;
  frame_.clear();  // the erase with the window's black brush
  game().paint(frame_);
  if (writeBmpFile(std::string(path), frame_)) return std::nullopt;
  return "frame: cannot write " + quotedWord(path);
}

void SimDriver::fieldGot(std::string_view name, i32 value) {
  out_ << name << ' ' << value << '\n';
}

void SimDriver::digestTaken(std::uint64_t value) {
  char hex[17];
  formatDigest(value, hex);
  out_ << "digest " << hex << '\n';
}

void SimDriver::startGameTimer() {
  HeadlessGame::startGameTimer();
  if (printsEvents()) out_ << "settimer " << kGameTimerId << ' ' << kGameTimerPeriodMs << '\n';
}

void SimDriver::stopGameTimer() {
  HeadlessGame::stopGameTimer();
  if (printsEvents()) out_ << "killtimer " << kGameTimerId << '\n';
}

int SimDriver::showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  const int answer = HeadlessGame::showMessageBox(text, caption, buttons);
  if (printsEvents()) {
    out_ << "box \"" << text << "\" \"" << caption << "\" "
         << (buttons == BoxButtons::kYesNo ? "yesno" : "ok") << ' ' << answer << '\n';
  }
  return answer;
}

void SimDriver::invalidate() {
  if (printsEvents()) out_ << "invalidate\n";
}

void SimDriver::postQuit(int exitCode) {
  HeadlessGame::postQuit(exitCode);
  if (printsEvents()) out_ << "quit " << exitCode << '\n';
}

}  // namespace vantorix::sim
