// The page's window, opened from disk: quitting by the menu and the mouse
// ends the program, whose recording the ended page saves; starting anew; a
// larger window scaling the field by whole device pixels; the page going
// away closing the window.
import { test } from "node:test";

import { check, pageTests } from "./harness.mjs";

const context = pageTests("window", "file");

const ended = (run) => run.page.$eval("#ended", (notice) => !notice.hidden);

test("the title from disk, pixel for pixel", async () => {
  await context.run.expectTitle("on arrival", "title");
});

test("ゲーム > 終了 by the mouse, answered by Y, ends the program", async () => {
  const { run, facts } = context;
  await run.chooseWithMouse(2);
  await run.expectBox(facts.boxes.quit, "quit-box");
  await run.press("y");
  await run.page.waitForSelector("#ended:not([hidden])", { timeout: 5000 });
  check(await run.page.$eval("#window", (window) => window.hidden), "the window stayed after quitting");
  await run.shot("ended");
});

test("the ended page saves the recording, which replays with every digest equal", async () => {
  const { run } = context;
  const recording = await run.recording("#ended");
  check(recording?.trimEnd().endsWith("answer yes\ncommand 303"), `the recording ends otherwise:\n${recording}`);
  run.replays(recording, "recording");
});

test("starting anew shows the title", async () => {
  const { run } = context;
  await run.page.click("#start-anew");
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  await run.expectTitle("started anew", "title-anew");
});

test("a 1600 x 1100 window shows the field twice as large", async () => {
  const { run, facts } = context;
  await run.page.setViewport({ width: 1600, height: 1100, deviceScaleFactor: 1 });
  // The page lays itself out again when the resize reaches it.
  await run.page.waitForFunction(
      (width) => document.getElementById("field").getBoundingClientRect().width === width,
      { timeout: 5000 }, facts.width * 2).catch(() => {});
  const width = await run.page.$eval("#field", (canvas) => canvas.getBoundingClientRect().width);
  check(width === facts.width * 2, `the field is shown ${width} px wide, not ${facts.width * 2}`);
  await run.shot("larger");
});

test("the page going away ends the program, and the page reports no error", async () => {
  const { run } = context;
  // From disk there is nothing to install: no manifest, no worker.
  check(await run.page.evaluate(() => document.querySelector('link[rel="manifest"]') === null),
        "the page from disk links a manifest");
  await run.page.evaluate(() => dispatchEvent(new PageTransitionEvent("pagehide")));
  check(await ended(run), "leaving the page did not end it");
  run.expectNoErrors();
});
