// The page's window, opened from disk: quitting by the menu and the mouse
// ends the program, whose recording the ended page saves; starting anew; a
// larger window scaling the field by whole device pixels; that recording
// played back with 記録を再生, a changed digest and a bad line named; the
// page going away closing the window.
import { readFileSync } from "node:fs";
import { test } from "node:test";

import { check, pageTests, simulatorError } from "./harness.mjs";

const context = pageTests("window", "file");

let saved = null;  // the recording the ended page saved
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
  saved = recording;
});

test("starting anew shows the title", async () => {
  const { run } = context;
  await run.page.click("#start-anew");
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  await run.expectTitle("started anew", "title-anew");
});

test("記録を再生 plays the saved recording back, says every check matched, and the title returns",
     async () => {
  const { run } = context;
  await run.playRecording(saved, "played-back");
  await run.shot("playing-back");
  const said = await run.replayNotice(/終わりました|止まりました/);
  check(said.includes("再生が終わりました。すべての確認が一致しました。"), `the notice says: ${said}`);
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  await run.expectTitle("after the replay", "title-after-replay");
});

test("a changed digest stops the replay, named with its line and both values", async () => {
  const { run } = context;
  await run.playRecording(`# changed\ndigest\n#> digest 0123456789abcdef\n${saved}`, "changed");
  const said = await run.replayNotice(/止まりました|終わりました/);
  check(/2 行目で止まりました.*the digest is [0-9a-f]{16}, the recording says 0123456789abcdef/.test(said),
        `the notice says: ${said}`);
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  await run.expectTitle("after the changed replay", "title-after-changed");
});

test("a dropped file with a bad line is refused with the simulator's words before anything plays",
     async () => {
  const { run } = context;
  const broken = "tick 1\nfrobnicate\n";
  await run.page.evaluate((text) => {
    const data = new DataTransfer();
    data.items.add(new File([text], "broken.sim"));
    document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: data, bubbles: true }));
  }, broken);
  const said = await run.replayNotice(/再生できません/);
  const simulator = simulatorError(broken).replace(/^line 2: /, "");
  check(said === `「broken.sim」は再生できません。2 行目: ${simulator}`, `the notice says: ${said}`);
  // The live session goes on: its recording has no tick from the broken file.
  check(!(await run.recording()).includes("tick"), "the broken file played");
});

// The game every shell plays by keys (tests/e2e/same_session.story).
test("the game every shell plays: its recording tells the story and replays with every digest equal",
     async () => {
  const { run, facts } = context;
  const story = readFileSync(new URL("../../e2e/same_session.story", import.meta.url), "utf8")
      .split("\n").filter((line) => line !== "" && !line.startsWith("#"));
  await run.page.focus("#field");
  await run.press("F10", "ArrowDown", "Enter");
  await run.expectBox(facts.boxes.start, "story-start-box");
  await run.press("Enter");
  await run.expectNoBox("after OK on the start box");
  await run.press("ArrowLeft", "ArrowLeft", "ArrowUp", "Space", "F10", "ArrowDown", "ArrowDown", "Enter");
  await run.expectBox(facts.boxes.quit, "story-quit-box");
  await run.press("n");
  await run.expectNoBox("after N on the quit box");
  await run.press("ArrowRight", "ArrowDown", "Space", "F10", "ArrowDown", "ArrowDown", "Enter");
  await run.expectBox(facts.boxes.quit, "story-quit-box-again");
  await run.press("y");
  await run.page.waitForSelector("#ended:not([hidden])", { timeout: 5000 });
  const recording = await run.recording("#ended");
  const told = recording.split("\n").filter((line) => line !== "" && !/^(#|tick |digest$)/.test(line));
  check(told.join("\n") === story.join("\n"), `the recording tells another game:\n${told.join("\n")}`);
  run.replays(recording, "story");
  await run.page.click("#start-anew");
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
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
