// The phases of one game tick, each in its own source, run by runWorldTick in
// this order. Each phase updates its objects completely, one after the other,
// so later steps see every change made earlier in the same tick.
#pragma once

#include "game/game_state.h"

namespace vantorix {

void runFighterPhase(GameState& s);     // the three fighters, their bullets and sites
void runHeavyPhase(GameState& s);       // heavy 1's block, then heavy 2's
void runShotPhase(GameState& s);        // the player's shot and its hits on fighters and heavies
void runBannerPhase(GameState& s);      // the WARNING banner
void runBossPhase(GameState& s);        // the boss's entry, sweep and body site
void runBarragePhase(GameState& s);     // the boss's bullets in flight
void runBarrageHitPhase(GameState& s);  // the boss's bullets against the ship
// The shot's hits on the boss and its health bar; true when the boss is defeated.
bool runBossHealthStep(GameState& s);

}  // namespace vantorix
