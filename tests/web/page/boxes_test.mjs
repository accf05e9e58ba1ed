// The page's boxes by the mouse and the keys, played from the loopback
// server with the clock measured (?pacing=10): the start box clicked, the
// stationary ship's loss and continue boxes opened inside a tick, the
// continue box's focus moved by Tab and No pressed by the space bar. The
// field, painted only where it changed through play, the menu, a box, a
// resize and a change of scale, equals a whole repaint at the loss box.
import { test } from "node:test";

import { check, pageTests } from "./harness.mjs";

const context = pageTests("boxes", "served", "?pacing=10");

test("ゲーム > 開始 by the mouse, and the start box's OK clicked", async () => {
  const { run, facts } = context;
  await run.expectTitle("on arrival", "title");
  await run.chooseWithMouse(1);
  await run.expectBox(facts.boxes.start, "start-box");
  await run.page.click("dialog.box[open] button");
  await run.expectNoBox("after OK clicked");
});

test("in play the menu opens and closes, the quit box is refused, the window resized and scaled",
     async () => {
  const { run, facts } = context;
  await run.press("F10", "ArrowDown", "Escape", "Escape");
  await run.press("F10", "ArrowDown", "ArrowDown", "Enter");
  await run.expectBox(facts.boxes.quit, "quit-box");
  await run.press("n");
  await run.expectNoBox("after No on the quit box");
  for (const [width, height, deviceScaleFactor] of [[1600, 1100, 1], [800, 600, 2], [800, 600, 1]]) {
    await run.page.setViewport({ width, height, deviceScaleFactor });
    await run.field(`play-${width}x${height}x${deviceScaleFactor}`);
  }
});

test("the stationary ship's loss box opens inside a tick; Escape answers it", async () => {
  const { run, facts } = context;
  // The third hit comes at tick 1409, some 22 s into the game.
  await run.expectBox(facts.boxes.loss, "loss-box", 120000);
  // The game waits in the box: the picture holds still.
  const differing = await run.differingFromWholeRepaint();
  check(differing === 0, `the field painted by parts differs from a whole repaint in ${differing} pixels`);
  await run.press("Escape");
  await run.expectBox(facts.boxes.continue, "continue-box");
});

test("the continue box: Tab moves the focus, Space presses No, and the title comes back",
     async () => {
  const { run, facts } = context;
  const no = facts.boxes.continue.labels[1];
  await run.press("Tab");
  check(await run.focusedLabel() === no, "Tab did not move the focus to the second button");
  await run.page.keyboard.down("Space");
  const pressed = await run.page.$eval("dialog.box[open] button.pressed", (button) => button.textContent)
      .catch(() => null);
  check(pressed === no, `the space bar held shows ${pressed} pressed`);
  await run.shot("continue-box-pressed");
  check((await run.boxes()).length === 1, "the box answered before the space bar came up");
  await run.page.keyboard.up("Space");
  await run.expectNoBox("after No on the continue box");
  await run.expectTitle("after the continue refused", "title-again");
});

test("the recording replays with every digest equal, and the page reports no error", async () => {
  const { run } = context;
  const recording = await run.recording();
  check(recording.includes("\nanswer ok no\n"), `the loss and continue boxes are not recorded:\n${recording}`);
  run.replays(recording, "recording");
  run.expectNoErrors();
});
