#include "tools/planner/won_game_script.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "script/words.h"
#include "tools/planner/scenario_writer.h"

namespace vantorix::planner {

namespace {

constexpr std::string_view kHeader[] = {
    "A whole game won, from the start command to the win box and the title again.",
    "The ship is steered with the arrow keys and fires with the space bar only, on a",
    "route planned by tools/planner (make plan-won-game writes this file anew): it",
    "fires whenever a press queues the next shot, stands where that shot will meet",
    "the boss, and takes only moves that leave a way out of whatever comes next. No",
    "field is poked. The ship is never hit (a loss would open the continue box,",
    "which has no answer queued here and stops the run with an error). With its",
    "digests every 64 ticks it is a recording too: vantorix --replay plays it.",
};

// A look at the state after a tick of the timeline.
struct Checkpoint {
  i32 tick;
  std::string_view comment;
  std::string_view get;
};

constexpr Checkpoint kCheckpoints[] = {
    {15501, "The WARNING banner comes up.",
     "get tickCount bannerPhase brightBannerX brightBannerY"},
    {17000, "Nothing enters at 17000, and no life has been lost so far.",
     "get tickCount bossEntered bossY lifeIcon1Y lifeIcon2Y"},
    {17001, "The boss enters and the banner is parked.", "get tickCount bossX bossY darkBannerY"},
    {17160, "The boss arrives and fires its first volley.",
     "get tickCount bossX bossY healthBarX healthBarY redFanDownY"},
    {17264, "The right turn of the sweep.", "get tickCount bossX bossY"},
};

}  // namespace

void writeWonGame(const Plan& plan, std::ostream& out) {
  if (plan.empty()) throw std::runtime_error("the plan is empty");
  ScenarioWriter script(out);
  for (std::string_view line : kHeader)
    script.comment(line);
  script.command("answer ok");
  script.command("command 302");
  for (std::size_t i = 0; i < plan.size(); ++i) {
    for (int key : plan[i]) {
      const std::string_view word = keyWord(key);
      if (word.empty()) throw std::runtime_error("the plan presses key " + std::to_string(key));
      script.command("key " + std::string(word));
    }
    if (i + 1 == plan.size()) break;
    script.tick();
    for (const Checkpoint& checkpoint : kCheckpoints) {
      if (checkpoint.tick != static_cast<i32>(i + 1)) continue;
      script.comment(checkpoint.comment);
      script.command(checkpoint.get);
    }
  }
  script.command("get bossHits lifeIcon1Y lifeIcon2Y lostFirstLife");
  script.comment("The 126th notch: the win box, then the title.");
  script.command("answer ok");
  script.command("events on");
  script.command("tick");
  script.command("events off");
  script.command("get tickCount bossHits bossY playerX playerY");
  script.command("run 10");
  script.command("get tickCount");
  script.command("digest");
  if (script.state().tickCount != 0) throw std::runtime_error("the plan's last tick is no win");
}

}  // namespace vantorix::planner
