// The page's accessibility, played from the loopback server: axe-core finds
// nothing on the title, the open menu, each kind of box and the ended page;
// F10 then Tab leaves the window for 記録を保存, whose keys are its own, and
// Escape gives the keys back to the game.
import { test } from "node:test";

import { check, pageTests, recordedKeys } from "./harness.mjs";

const context = pageTests("a11y", "served");

const focused = (run) =>
  run.page.evaluate(() => document.activeElement.id || document.activeElement.className);

test("the title, the open menu and the start box", async () => {
  const { run, facts } = context;
  await run.expectAccessible("the title");
  await run.press("F10", "ArrowDown");
  await run.expectAccessible("the open menu");
  await run.press("Enter");
  await run.expectBox(facts.boxes.start, "start-box");
  await run.expectAccessible("the start box");
  await run.press("Enter");
  await run.expectNoBox("after Return on the start box");
});

test("F10 then Tab reaches 記録を保存, Return saves, Escape gives the keys back", async () => {
  const { run } = context;
  const before = recordedKeys(await run.recording());
  check(await focused(run) === "", "a click on 記録を保存 took the keyboard from the game");
  await run.press("F10", "Tab");
  check(await focused(run) === "save-recording", `F10 then Tab focused ${await focused(run)}`);
  check(await run.page.$eval(".menu-title", (title) => !title.classList.contains("selected")),
        "the menu stayed selected");
  const saved = await run.page.evaluate(() => window.savedBlobs.length);
  await run.press("ArrowRight", "Enter");
  await run.page.waitForFunction((count) => window.savedBlobs.length > count, { timeout: 5000 }, saved)
      .catch(() => check(false, "Return on 記録を保存 saved nothing"));
  await run.press("Escape");
  check(await focused(run) === "field", `Escape focused ${await focused(run)}`);
  await run.press("ArrowLeft");
  const after = recordedKeys(await run.recording());
  check(after.join() === [...before, "left"].join(), `keys recorded ${after}, not ${before},left`);
});

test("the quit box and the ended page", async () => {
  const { run, facts } = context;
  await run.press("F10", "ArrowDown", "ArrowDown", "Enter");
  await run.expectBox(facts.boxes.quit, "quit-box");
  await run.expectAccessible("the quit box");
  await run.press("y");
  await run.page.waitForSelector("#ended:not([hidden])", { timeout: 5000 });
  await run.expectAccessible("the ended page");
  run.expectNoErrors();
});
