// The end of a game through the game object: the win, the loss with its
// continue, and what the end-of-game boxes' message loops may deliver while
// the tick waits inside them.
#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/platform.h"
#include "app/texts.h"
#include "game/field_table.h"
#include "game/game_state.h"
#include "game/keyboard.h"
#include "tests/unit/test_states.h"
#include "tools/sim/simulator.h"

namespace vantorix {
namespace {

// The names of the fields in which two states differ.
std::set<std::string> differingFields(const GameState& a, const GameState& b) {
  std::set<std::string> names;
  GameState copy = b;
  forEachField(a, [&](std::string_view name, const i32& value) {
    if (*findField(copy, name) != value) names.emplace(name);
  });
  return names;
}

// Records every platform call. Each box runs a modal loop that, like the real
// one, hands the game whatever messages are waiting: here the menu's start
// command and a timer message, every time a box opens.
class ModalLoopPlatform final : public Platform {
 public:
  void attach(Game& game) { game_ = &game; }
  void answer(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }

  void startGameTimer() override { log.emplace_back("settimer"); }
  void stopGameTimer() override { log.emplace_back("killtimer"); }
  void invalidate() override { log.emplace_back("invalidate"); }
  void postQuit(int exitCode) override { log.push_back("quit " + std::to_string(exitCode)); }

  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override {
    log.push_back("box " + std::string(text) + " / " + std::string(caption) +
                  (buttons == BoxButtons::kYesNo ? " yesno" : " ok"));
    const int answer = nextAnswer(buttons);
    // A box opened from inside a box gets no messages of its own.
    if (depth_ > 0 || game_ == nullptr || !deliverFromInside) return answer;
    ++depth_;
    const GameState before = game_->state();
    const std::size_t logged = log.size();
    game_->command(kCommandStart);
    game_->timer();
    if (extraMessage) extraMessage(*game_);
    --depth_;
    underBoxes.push_back(before);
    callsFromInside.push_back(
        std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(logged), log.end()));
    log.resize(logged);
    stateChangedInside.push_back(!differingFields(before, game_->state()).empty());
    return answer;
  }

  std::vector<std::string> log;
  std::vector<GameState> underBoxes;  // the state each box was opened on
  std::vector<std::vector<std::string>> callsFromInside;
  std::vector<bool> stateChangedInside;
  std::function<void(Game&)> extraMessage;  // one more message from inside each box
  bool deliverFromInside = true;

 private:
  int nextAnswer(BoxButtons buttons) {
    if (answers_.empty()) return buttons == BoxButtons::kOk ? kIdOk : 0;
    const int a = answers_.front();
    answers_.pop_front();
    return a;
  }

  Game* game_ = nullptr;
  int depth_ = 0;
  std::deque<int> answers_;
};

std::string box(std::string_view text, std::string_view caption, bool yesNo) {
  return "box " + std::string(text) + " / " + std::string(caption) + (yesNo ? " yesno" : " ok");
}

const std::string kWinBox = box(texts::kWinBox.text, texts::kEndCaption, false);
const std::string kLossBox = box(texts::kLossBox.text, texts::kEndCaption, false);
const std::string kContinueBox = box(texts::kContinueBox.text, texts::kContinueBox.caption, true);
const std::string kQuitBox = box(texts::kQuitBox.text, texts::kEndCaption, true);

// A game in the middle of the fight: the boss at rest at (300, 61) heading
// right (301 after the next sweep), some damage on it, the field otherwise
// clear, the ship on its last life.
struct Fixture {
  ModalLoopPlatform platform;
  Game game{platform};

  Fixture() {
    platform.attach(game);
    GameState& s = game.state();
    s = test::restingBoss(300);
    test::clearTheField(s);
    s.bossHits = 40;
    s.notches[39] = {458, 16};
    s.notchReady[39] = 1;
    s.playerX = 0;
    s.playerY = 0;
    s.lifeIcon1Y = -30;
    s.lifeIcon2Y = -30;
    s.lostFirstLife = 1;
    s.lostSecondLife = 1;
  }
  void shipOnBoss() {
    game.state().playerX = 301;
    game.state().playerY = 61;
  }
  void lastNotchComing() {
    GameState& s = game.state();
    s.bossHits = 125;
    s.notchReady[124] = 1;
    s.shotX = 301;  // standing still in the boss's box
    s.shotY = 61;
  }
  void expectNothingHappenedInsideTheBoxes() {
    for (std::size_t i = 0; i < platform.callsFromInside.size(); ++i) {
      EXPECT_TRUE(platform.callsFromInside[i].empty())
          << "box " << i << ": " << platform.callsFromInside[i].front();
      EXPECT_FALSE(platform.stateChangedInside[i]) << "box " << i;
    }
  }
};

void expectStartUpState(const GameState& s) {
  const auto differing = differingFields(s, kStartState);
  EXPECT_TRUE(differing.empty()) << differing.size() << " fields differ, first "
                                 << *differing.begin();
}

TEST(EndOfGame, TheWinShowsItsBoxOverTheFinalPictureThenResetsToTheTitle) {
  Fixture f;
  f.lastNotchComing();
  f.game.timer();
  EXPECT_EQ(f.platform.log,
            (std::vector<std::string>{"invalidate", "killtimer", kWinBox, "invalidate"}));
  ASSERT_EQ(f.platform.underBoxes.size(), 1U);
  const GameState& under = f.platform.underBoxes[0];
  EXPECT_EQ(under.tickCount, 17301);
  EXPECT_EQ(under.bossHits, 126);
  EXPECT_EQ(under.notches[125].x, 201);
  EXPECT_EQ(under.notches[125].y, 16);
  EXPECT_EQ(under.defeatExplosionX, 301);
  EXPECT_EQ(under.defeatExplosionY, 61);
  f.expectNothingHappenedInsideTheBoxes();
  expectStartUpState(f.game.state());
}

TEST(EndOfGame, AWinAndAFatalHitInTheSameTickEndInTheWinAlone) {
  Fixture f;
  f.lastNotchComing();
  f.shipOnBoss();
  f.game.timer();
  EXPECT_EQ(f.platform.log,
            (std::vector<std::string>{"invalidate", "killtimer", kWinBox, "invalidate"}));
  ASSERT_EQ(f.platform.underBoxes.size(), 1U);
  EXPECT_EQ(f.platform.underBoxes[0].gameOverMark, -30);  // both happened in that tick
  f.expectNothingHappenedInsideTheBoxes();
  expectStartUpState(f.game.state());
}

TEST(EndOfGame, AnAcceptedContinueResetsExactlyTheShipAndItsLives) {
  Fixture f;
  f.shipOnBoss();
  // Odd values where the game keeps fixed ones, so that the continue is seen
  // to set them.
  f.game.state().lifeIcon1X = 1;
  f.game.state().lifeIcon2X = 2;
  f.platform.answer({kIdOk, kIdYes});
  f.game.timer();
  EXPECT_EQ(f.platform.log, (std::vector<std::string>{"invalidate", "killtimer", kLossBox,
                                                      kContinueBox, "settimer", "invalidate"}));
  ASSERT_EQ(f.platform.underBoxes.size(), 2U);
  const GameState& under = f.platform.underBoxes[0];
  EXPECT_EQ(under.gameOverMark, -30);
  EXPECT_EQ(under.lossExplosionX, 301);
  EXPECT_EQ(under.lossExplosionY, -30);
  f.expectNothingHappenedInsideTheBoxes();

  const GameState& s = f.game.state();
  EXPECT_EQ(differingFields(s, under),
            (std::set<std::string>{"playerX", "playerY", "lifeIcon1X", "lifeIcon1Y", "lifeIcon2X",
                                   "lifeIcon2Y", "gameOverMark", "lostFirstLife", "lostSecondLife",
                                   "continueAnswer"}));
  EXPECT_EQ(s.playerX, 365);
  EXPECT_EQ(s.playerY, 400);
  EXPECT_EQ(s.lifeIcon1X, 700);
  EXPECT_EQ(s.lifeIcon1Y, 0);
  EXPECT_EQ(s.lifeIcon2X, 730);
  EXPECT_EQ(s.lifeIcon2Y, 0);
  EXPECT_EQ(s.gameOverMark, 0);
  EXPECT_EQ(s.lostFirstLife, 0);
  EXPECT_EQ(s.lostSecondLife, 0);
  EXPECT_EQ(s.continueAnswer, kIdYes);
  EXPECT_EQ(s.tickCount, 17301);
  EXPECT_EQ(s.bossHits, 40);
  EXPECT_EQ(s.notches[39].x, 458);

  // The game goes on; the answer is kept until the next loss.
  f.platform.log.clear();
  f.game.state().playerX = 0;
  f.game.state().playerY = 0;
  f.game.timer();
  EXPECT_EQ(f.platform.log, std::vector<std::string>{"invalidate"});
  EXPECT_EQ(f.game.state().tickCount, 17302);
  EXPECT_EQ(f.game.state().continueAnswer, kIdYes);
}

TEST(EndOfGame, ARefusedContinueResetsEveryFieldToTheTitle) {
  Fixture f;
  f.shipOnBoss();
  f.game.state().quitAnswer = kIdNo;
  f.platform.answer({kIdOk, kIdNo});
  f.game.timer();
  EXPECT_EQ(f.platform.log, (std::vector<std::string>{"invalidate", "killtimer", kLossBox,
                                                      kContinueBox, "invalidate"}));
  f.expectNothingHappenedInsideTheBoxes();
  expectStartUpState(f.game.state());
}

TEST(EndOfGame, AContinueBoxAnsweringNeitherYesNorNoFreezesTheGame) {
  for (int answer : {0, 2}) {
    Fixture f;
    f.shipOnBoss();
    f.platform.answer({kIdOk, answer});
    f.game.timer();
    SCOPED_TRACE(answer);
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"invalidate", "killtimer", kLossBox,
                                                        kContinueBox, "invalidate"}));
    f.expectNothingHappenedInsideTheBoxes();
    const GameState frozen = f.game.state();
    EXPECT_EQ(frozen.continueAnswer, answer);
    EXPECT_EQ(frozen.gameOverMark, -30);
    const std::set<std::string> changedByTheAnswer =
        answer == 0 ? std::set<std::string>{} : std::set<std::string>{"continueAnswer"};
    EXPECT_EQ(differingFields(frozen, f.platform.underBoxes[1]), changedByTheAnswer);

    // The start command works again once the boxes are closed, and the next
    // tick repeats the loss steps.
    f.platform.log.clear();
    // (The start box's own loop would tick the running game: it is not an
    // end-of-game box. Here it delivers nothing.)
    f.platform.deliverFromInside = false;
    f.game.command(kCommandStart);
    f.platform.deliverFromInside = true;
    EXPECT_EQ(f.platform.log,
              (std::vector<std::string>{box(texts::kStartBox.text, texts::kStartBox.caption, false),
                                        "settimer"}));
    f.platform.log.clear();
    f.platform.answer({kIdOk, kIdYes});
    f.game.timer();
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"invalidate", "killtimer", kLossBox,
                                                        kContinueBox, "settimer", "invalidate"}));
    EXPECT_EQ(f.game.state().tickCount, 17302);
    EXPECT_EQ(f.game.state().gameOverMark, 0);
  }
}

// The player can always quit: from inside an end-of-game box the quit asks,
// yes ends the program with no further box, and no leaves the timer to the
// tick that waits in the box.
TEST(EndOfGame, TheQuitCommandStillAsksFromInsideTheBoxes) {
  using Calls = std::vector<std::string>;
  const Calls asked{"killtimer", kQuitBox};
  const Calls ended{"killtimer", kQuitBox, "quit 0"};
  const struct {
    const char* what;
    bool win;
    std::initializer_list<int> answers;  // each box's, then the quit box's inside it
    Calls log;
    std::vector<Calls> inside;
  } cases[] = {
      {"yes in the win box", true, {kIdOk, kIdYes}, {"invalidate", "killtimer", kWinBox}, {ended}},
      {"yes in the loss box",
       false,
       {kIdOk, kIdYes},
       {"invalidate", "killtimer", kLossBox},
       {ended}},
      {"yes in the continue box",
       false,
       {kIdOk, kIdNo, kIdYes, kIdYes},
       {"invalidate", "killtimer", kLossBox, kContinueBox},
       {asked, ended}},
      {"no in both, then a continue",
       false,
       {kIdOk, kIdNo, kIdYes, kIdNo},
       {"invalidate", "killtimer", kLossBox, kContinueBox, "settimer", "invalidate"},
       {asked, asked}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    if (c.win) {
      f.lastNotchComing();
    } else {
      f.shipOnBoss();
    }
    f.platform.extraMessage = [](Game& g) { g.command(kCommandQuit); };
    f.platform.answer(c.answers);
    f.game.timer();
    EXPECT_EQ(f.platform.log, c.log);
    EXPECT_EQ(f.platform.callsFromInside, c.inside);
  }
}

TEST(EndOfGame, KeysStillActFromInsideTheBoxes) {
  Fixture f;
  f.shipOnBoss();
  int pressed = 0;
  f.platform.extraMessage = [&](Game& g) {
    g.keyDown(kVkRight);
    ++pressed;
  };
  f.platform.answer({kIdOk, 2});
  f.game.timer();
  ASSERT_EQ(pressed, 2);
  // Each press moved the ship and asked for a repaint, from inside the box.
  for (const auto& calls : f.platform.callsFromInside)
    EXPECT_EQ(calls, std::vector<std::string>{"invalidate"});
  EXPECT_EQ(f.game.state().playerX, 311);
}

TEST(EndOfGame, ARefusedContinueDumpsLikeAFreshProgram) {
  const std::string script =
      "command 302\n"
      "set tickCount 17300\n"
      "set bossEntered 1\nset bossArrived 1\nset bossX 300\nset bossY 61\n"
      "set healthBarX 200\nset healthBarY 15\nset bossHits 40\n"
      "set lifeIcon1Y -30\nset lifeIcon2Y -30\nset lostFirstLife 1\nset lostSecondLife 1\n"
      "set playerX 301\nset playerY 61\n"
      "answer no\ncommand 303\n"
      "answer ok no\n"
      "tick\n"
      "dump\n";
  std::ostringstream played;
  std::ostringstream playedErr;
  std::istringstream playedScript(script);
  sim::Simulator afterGame(played);
  ASSERT_EQ(afterGame.run(playedScript, playedErr), 0) << playedErr.str();

  std::ostringstream fresh;
  std::ostringstream freshErr;
  std::istringstream freshScript("dump\n");
  sim::Simulator freshProgram(fresh);
  ASSERT_EQ(freshProgram.run(freshScript, freshErr), 0);

  EXPECT_EQ(played.str(), fresh.str());
  expectStartUpState(afterGame.game().state());
  EXPECT_EQ(afterGame.game().state().tickCount, 0);
}

}  // namespace
}  // namespace vantorix
