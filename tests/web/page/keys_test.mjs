// The page's keys, played from the loopback server: the menu by F10 and
// Return, the start box answered once by a held Return, the keys of the game
// by the shared key table, the quit box's keys kept from the game.
import { test } from "node:test";

import { check, pageTests, recordedKeys, recordedTicks } from "./harness.mjs";

const context = pageTests("keys", "served");

test("the title is shown pixel for pixel", async () => {
  await context.run.expectTitle("on arrival", "title");
});

test("a held Return chooses 開始 and answers the start box once; its keys reach no game",
     async () => {
  const { run, facts } = context;
  await run.press("F10", "ArrowDown");
  await run.shot("menu");
  await run.page.keyboard.down("Enter");
  await run.expectBox(facts.boxes.start, "start-box");
  await run.page.keyboard.down("Enter");  // the keyboard's own repeat
  check((await run.boxes()).length === 1, "the held Return answered the start box");
  await run.page.keyboard.up("Enter");
  await run.press("ArrowLeft", "ArrowLeft", "ArrowLeft", "ArrowLeft", "Enter");
  await run.expectNoBox("after Return on the start box");
  const recording = await run.recording();
  check(recording.includes("\nanswer ok\ncommand 302\n"), `the start is not recorded: ${recording}`);
  check(recordedKeys(recording).length === 0, `the menu's or the box's keys reached the game:\n${recording}`);
});

test("keys in play reach the game with the shared table's codes, the game ticking", async () => {
  const { run, facts } = context;
  const codes = ["KeyA", "F1", "ShiftLeft", "Digit5", "Escape", "Tab"];
  const focus = () => run.page.evaluate(() => document.activeElement.outerHTML);
  const focused = await focus();
  await run.press("ArrowLeft", "ArrowRight", "a", "F1", "Shift", "5", "Escape", "Tab");
  // Kept from the browser: Tab moved no focus.
  check(await focus() === focused, "Tab in play moved the focus");
  const recording = await run.recording();
  const expected = ["left", "right", ...codes.map(facts.keyCode)];
  check(!expected.includes(0), `the table lacks one of ${codes}`);
  check(recordedKeys(recording).join() === expected.join(),
        `keys recorded ${recordedKeys(recording)}, not ${expected}`);
  await run.expectTicksPast(recordedTicks(recording), "in play");
  await run.field("game");
});

test("the quit box by F10: Escape leaves it open, N answers No and reaches no game", async () => {
  const { run, facts } = context;
  const before = await run.recording();
  await run.press("F10", "ArrowDown", "ArrowDown", "Enter");
  await run.expectBox(facts.boxes.quit, "quit-box");
  check(await run.focusedLabel() === facts.boxes.quit.labels[0], "the focus is not on the first button");
  await run.press("Escape");
  check((await run.boxes()).length === 1, "Escape answered the quit box");
  await run.press("n");
  await run.expectNoBox("after N on the quit box");
  const after = await run.recording();
  check(after.includes("\nanswer no\ncommand 303\n"), `the quit box's No is not recorded:\n${after}`);
  check(recordedKeys(after).join() === recordedKeys(before).join(),
        `the quit box's keys reached the game: ${recordedKeys(after)}`);
  await run.expectTicksPast(recordedTicks(after), "after the quit box answered No");
});

test("the recording replays with every digest equal, and the page reports no error", async () => {
  const { run } = context;
  run.replays(await run.recording(), "recording");
  run.expectNoErrors();
});
