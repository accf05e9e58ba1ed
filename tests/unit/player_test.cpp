// The script player: its one rule for the boxes the game opens, the digest
// checks of a replay, and a paced caller's view of a run of ticks.
#include "script/player.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/headless_game.h"
#include "game/digest.h"

namespace vantorix {
namespace {

struct Played {
  ScriptOutcome outcome;
  std::optional<int> quitCode;
  GameState state;
};

Played play(const std::string& script, ScriptPlayer::Checks checks) {
  std::istringstream in(script);
  LineReader lines(in);
  ScriptPlayer player(lines, checks);
  HeadlessGame game(player);
  player.playThrough(game);
  return {player.outcome(), game.quitCode(), game.state()};
}

std::string startDigest() {
  char hex[17];
  formatDigest(digest(kStartState), hex);
  return hex;
}

TEST(ScriptPlayer, AnswersBoxesByOneRuleAndChecksDigests) {
  using Kind = ScriptOutcome::Kind;
  using Checks = ScriptPlayer::Checks;
  const std::string start = startDigest();
  const struct {
    const char* what;
    std::string script;
    Checks checks;
    Kind kind;
    long line;
    std::string message;
    std::optional<int> quitCode;
    i32 quitAnswer;
  } cases[] = {
      {"an OK box without an answer gives OK",
       "command 302\ntick 3\n",
       Checks::kNone,
       Kind::kPlayedThrough,
       0,
       "",
       {},
       0},
      {"a yes/no box without one stops the script on its line",
       "tick\n\ncommand 303\ntick\n",
       Checks::kNone,
       Kind::kMalformed,
       3,
       "yes/no box \"ゲームを終了しますか？\" has no queued answer",
       {},
       kIdNo},
      {"answers are taken in order", "answer no yes\ncommand 303\ncommand 303\n", Checks::kNone,
       Kind::kPlayedThrough, 0, "", 0, kIdYes},
      {"close closes the window in the box, which gives いいえ",
       "answer close\ncommand 303\ntick\n", Checks::kNone, Kind::kPlayedThrough, 0, "", 0, kIdNo},
      {"a digest equal to its line",
       "digest\n#> digest " + start + "\r\ntick\n",
       Checks::kDigests,
       Kind::kPlayedThrough,
       0,
       "",
       {},
       0},
      {"a digest that differs stops the replay",
       "tick\ndigest\n#> digest " + start + "\ntick\n",
       Checks::kDigests,
       Kind::kDiffers,
       2,
       "the digest is 65863ec0536737bf, the recording says " + start,
       {},
       0},
      {"the simulator leaves the comparing to the scenario runner",
       "tick\ndigest\n#> digest " + start + "\n",
       Checks::kNone,
       Kind::kPlayedThrough,
       0,
       "",
       {},
       0},
      {"a digest without its line",
       "digest\ntick\n",
       Checks::kDigests,
       Kind::kPlayedThrough,
       0,
       "",
       {},
       0},
      {"the line after a digest is played",
       "digest\nfrob\n",
       Checks::kDigests,
       Kind::kMalformed,
       2,
       "unknown command \"frob\"",
       {},
       0},
      {"a get of a field that is none",
       "get tickCount fighter9X\n",
       Checks::kNone,
       Kind::kMalformed,
       1,
       "unknown field \"fighter9X\"",
       {},
       0},
      {"answers waiting without end",
       [] {
         std::string many = "answer";
         for (int i = 0; i < 65; ++i)
           many += " ok";
         return many;
       }(),
       Checks::kNone,
       Kind::kMalformed,
       1,
       "answer: more than 64 answers wait for boxes",
       {},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Played played = play(c.script, c.checks);
    EXPECT_EQ(played.outcome.kind, c.kind);
    EXPECT_EQ(played.outcome.line, c.line);
    EXPECT_EQ(played.outcome.message, c.message);
    EXPECT_EQ(played.quitCode, c.quitCode);
    EXPECT_EQ(played.state.quitAnswer, c.quitAnswer);
  }
}

TEST(ScriptPlayer, HandsOutARunOneTimerMessageAtATimeWhileTheTimerRuns) {
  std::istringstream in("run 5\ncommand 302\nrun 3\nkey left\n");
  LineReader lines(in);
  ScriptPlayer player(lines, ScriptPlayer::Checks::kNone);
  HeadlessGame game(player);
  using Next = ScriptPlayer::Next;
  std::string seen;
  for (Next next = player.next(game); next != Next::kEnd; next = player.next(game)) {
    EXPECT_EQ(player.next(game), next) << "asked again, the same";
    seen += next == Next::kTimer ? 't' : 's';
    player.play(game);
  }
  EXPECT_EQ(seen, "sttts");
  EXPECT_EQ(game.state().tickCount, 3);
}

}  // namespace
}  // namespace vantorix
