// The phases of one game tick, each in its own source, run by runWorldTick in
// this order: runFighterPhase, runHeavyPhase, runShotPhase, runBannerPhase,
// runBossPhase, runBarragePhase, runBarrageHitPhase, runBossHealthStep. Each
// phase updates its objects completely, one after the other, so later steps
// see every change made earlier in the same tick.
#pragma once

#include "game/banner.h"
#include "game/barrage.h"
#include "game/boss.h"
#include "game/boss_health.h"
#include "game/fighters.h"
#include "game/heavies.h"
#include "game/shot.h"
