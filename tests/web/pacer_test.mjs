// The page's game clock: whole-millisecond waits that never end early,
// absolute deadlines through small delays, and a fresh start after a stall.
import assert from "node:assert/strict";
import test from "node:test";

import { kTickPeriodMs, Pacer } from "../../app/web/page/pacer.mjs";

// Each step acts at a time (ms) and checks what the pacer says then.
const kSteps = [
  { at: 0, act: "start", due: false, wait: 16 },
  { at: 15.6, due: false, wait: 1 },
  { at: kTickPeriodMs, due: true, wait: 0 },
  // On time: the next deadline is two periods from the start.
  { at: 16, act: "tick", lateness: 16 - kTickPeriodMs, due: false, wait: 16 },
  // Late by most of a period: the deadline holds, the next tick is due soon.
  { at: 45, act: "tick", lateness: 45 - 2 * kTickPeriodMs, due: false, wait: 2 },
  // A stall of many periods owes no burst: the deadlines start afresh.
  { at: 500, act: "tick", lateness: 500 - 3 * kTickPeriodMs, due: false, wait: 16 },
  { at: 500 + kTickPeriodMs, due: true, wait: 0 },
  { at: 510, act: "stop", due: false },
  { at: 600, act: "start", due: false, wait: 16 },
];

test("the pacer keeps 64 deadlines a second and restarts after a stall", () => {
  const pacer = new Pacer();
  for (const step of kSteps) {
    const where = `at ${step.at} ms`;
    if (step.act === "start") pacer.start(step.at);
    if (step.act === "stop") pacer.stop();
    if (step.act === "tick") assert.equal(pacer.takeTick(step.at), step.lateness, where);
    assert.equal(pacer.due(step.at), step.due, where);
    if (step.wait !== undefined) assert.equal(pacer.wait(step.at), step.wait, where);
  }
});
