// The page's module under node, without a browser: its exports as the page
// calls them, with a virtual clock, so that what the game's timeline decides
// (a loss at tick 1409) comes at once. Two boxes waiting at once, each call
// leaving the module and coming back; the keys the page keeps from the
// browser; the pointer's numbers; the title waiting for nothing; the paints
// changing only what they must; a recording played back in a module of its
// own.
// Usage: node --test-reporter=tap module_test.mjs PAGE.html SIM
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, test } from "node:test";

import { Control, MenuMode, MenuPart, PadButton, PointerAction,
         ReplayStatus } from "../../../app/web/page/game_module.mjs";
import { check, moduleFacts, NodeSession, recordedKeys, replayInSimulator } from "./facts.mjs";

const [pagePath, nativeSim] = process.argv.slice(2);
const work = mkdtempSync(join(tmpdir(), "vantorix-module-"));
after(() => rmSync(work, { recursive: true, force: true }));
const facts = await moduleFacts(pagePath);
// The page's picture type, as much of it as the module's paint() makes.
globalThis.ImageData ??= class {
  constructor(data, width, height) {
    Object.assign(this, { data, width, height });
  }
};

function replays(session, name) {
  replayInSimulator(session.game.recording(), join(work, `${name}.sim`), nativeSim);
}

// A game started, then the start box chosen again while it runs, and the
// stationary ship's third loss coming from a tick behind that box.
async function lossBehindTheStartBox() {
  const session = await NodeSession.open(pagePath);
  const { game } = session;
  session.press("F10", "ArrowDown", "Enter", "Enter");
  session.runUntil(() => game.clock().ticks >= 64);
  session.press("F10", "ArrowDown", "Enter");
  check(game.openBoxes === 1 && game.box(0).text === facts.boxes.start.text, "no start box");
  session.runUntil(() => game.openBoxes === 2);
  check(session.newestBox().text === facts.boxes.loss.text, "the box over the start box is no loss box");
  return session;
}

test("the title waits for nothing; in play the next tick is due within a period", async () => {
  const session = await NodeSession.open(pagePath);
  check(session.game.millisecondsToWait === -1, `the title waits ${session.game.millisecondsToWait} ms`);
  session.press("F10", "ArrowDown", "Enter", "Enter");
  const wait = session.game.millisecondsToWait;
  check(wait >= 0 && wait <= 16, `in play the session waits ${wait} ms`);
});

test("the newest of two waiting boxes is answered first, each call coming back", async () => {
  const session = await lossBehindTheStartBox();
  const { game } = session;
  session.press("Escape");
  check(game.openBoxes === 2 && session.newestBox().text === facts.boxes.continue.text,
        "the loss box's OK did not open the continue box over the start box");
  session.press("KeyN");
  check(game.openBoxes === 1 && game.box(0).text === facts.boxes.start.text, "the start box went");
  session.press("Enter");
  check(game.openBoxes === 0 && !game.ended, "the start box's OK did not start the game");
  check(recordedKeys(game.recording()).length === 0, "the boxes' keys reached the game");
  replays(session, "nested-boxes");
});

test("closing the window with two boxes open ends the session, whose recording replays",
     async () => {
  const session = await lossBehindTheStartBox();
  session.game.closeWindow();
  check(session.game.ended && session.game.openBoxes === 0, "the session goes on after the close");
  replays(session, "closed-at-two-boxes");
});

test("a recording plays back with its digests checked; a changed one stops it, a bad line is refused first",
     async () => {
  const session = await lossBehindTheStartBox();
  session.game.closeWindow();
  const lines = session.game.recording().split("\n");
  const playBack = async (text) => {
    const replay = await NodeSession.open(pagePath);
    if (replay.game.checkReplay(new TextEncoder().encode(text)).status === ReplayStatus.playedThrough) {
      replay.runUntil(() => replay.game.ended);
    }
    return replay.game.replayOutcome();
  };
  const played = await playBack(lines.join("\n"));
  check(played.status === ReplayStatus.playedThrough, `the replay stopped: ${JSON.stringify(played)}`);

  const at = lines.findIndex((line) => line.startsWith("#> digest "));
  const recorded = lines[at].slice("#> digest ".length);
  const changed = recorded.replace(/^./, (digit) => (digit === "0" ? "1" : "0"));
  const differs = await playBack(lines.with(at, `#> digest ${changed}`).join("\n"));
  check(differs.status === ReplayStatus.differs && differs.line === at &&
            differs.message === `the digest is ${recorded}, the recording says ${changed}`,
        `the changed digest on line ${at + 1}: ${JSON.stringify(differs)}`);

  const refused = await playBack(lines.toSpliced(2, 0, "tick x").join("\n"));
  check(refused.status === ReplayStatus.malformed && refused.line === 3 && refused.message !== "",
        `the bad line 3: ${JSON.stringify(refused)}`);
});

test("the page keeps a key from the browser that would act on it, while the session is on",
     async () => {
  const session = await NodeSession.open(pagePath);
  const cases = [
    ["Space", {}, true], ["ArrowLeft", {}, true], ["Tab", { shift: true }, true],
    ["Enter", {}, true], ["NumpadEnter", {}, true], ["Backspace", {}, true],
    ["PageDown", {}, true], ["Home", {}, true], ["Escape", {}, true],
    ["KeyA", {}, false], ["F5", {}, false], ["Fn", {}, false],
    // With Alt held a key is the browser's; a lone Alt would open its menu.
    ["ArrowLeft", { alt: true }, false], ["AltLeft", { alt: true }, true],
    ["F10", {}, true],
  ];
  for (const [code, flags, kept] of cases) {
    check(session.key(code, flags) === kept, `${code} ${JSON.stringify(flags)} is kept: ${!kept}`);
    session.key(code, { ...flags, down: false });
  }
  session.game.closeWindow();
  check(!session.key("Space"), "a key is kept once the session has ended");
});

test("the pointer opens the menu on its title, chooses an item, and presses a button", async () => {
  const session = await NodeSession.open(pagePath);
  const { game } = session;
  game.menuPointer(PointerAction.down, MenuPart.title);
  game.menuPointer(PointerAction.up, MenuPart.title);
  check(game.menuMode === MenuMode.open, "the title did not open the menu");
  game.menuPointer(PointerAction.move, MenuPart.item, 0);
  check(game.menuHighlighted === 0, "the pointer on the first item does not highlight it");
  game.menuPointer(PointerAction.up, MenuPart.item, 0);
  check(game.menuMode === MenuMode.closed && game.openBoxes === 1, "the item chose nothing");
  game.boxPointer(PointerAction.down, 0);
  check(session.newestBox().pressed === 0, "the button is not pressed under the pointer");
  game.boxPointer(PointerAction.move, -1);
  game.boxPointer(PointerAction.up, -1);
  check(game.openBoxes === 1, "the button answered though let go beside it");
  game.boxPointer(PointerAction.down, 0);
  game.boxPointer(PointerAction.up, 0);
  check(game.openBoxes === 0 && game.recording().includes("answer ok\ncommand 302\n"),
        "the button did not answer");
});

test("what pads and fingers hold reaches the game as keys, the stick's dead zone the module's",
     async () => {
  const session = await NodeSession.open(pagePath);
  const { game } = session;
  session.press("F10", "ArrowDown", "Enter", "Enter");
  game.holdPad(0, 0, -16383, 16383);  // short of half way: nothing
  game.holdPad(0, PadButton.a, -16384, 0);
  game.holdControls(-2, Control.right | 0x80);  // no such control: not heard
  game.holdControls(-2, Control.down);
  game.holdPad(0, 0, 0, 0);
  game.holdControls(-2, 0);
  check(recordedKeys(game.recording()).join() === "left,space,down",
        `held controls gave the keys ${recordedKeys(game.recording())}`);
  replays(session, "held-controls");
});

test("a paint changes the frame only where the picture did; the first and the title are whole",
     async () => {
  const session = await NodeSession.open(pagePath);
  const { game } = session;
  const wholeArea = `0,0,${game.frameWidth},${game.frameHeight}`;
  // Paints; the frame, when the paint changed less than the whole of it.
  const paintByParts = () => {
    const frame = game.paint().data;
    return game.changedCount === 1 && game.changedAreas.slice(0, 4).join() === wholeArea
        ? null : frame;
  };
  check(paintByParts() === null, "the first paint is not whole");
  session.press("F10", "ArrowDown", "Enter", "Enter");
  let partial = 0;
  // Each tick painted until the stationary ship's loss, firing now and
  // then, the quit box opened and refused once; every second the frame is
  // held against a whole repaint of the same picture.
  session.runUntil(() => {
    const ticks = game.clock().ticks;
    if (ticks % 5 === 0) session.press("Space");
    if (ticks === 300) session.press("F10", "ArrowDown", "ArrowDown", "Enter", "KeyN");
    const frame = paintByParts();
    if (frame !== null) ++partial;
    if (frame !== null && ticks % 64 === 0) {
      const byParts = new Uint8Array(frame);
      game.invalidateAll();
      check(paintByParts() === null && Buffer.compare(byParts, new Uint8Array(frame.buffer, frame.byteOffset, frame.length)) === 0,
            `the frame painted by parts at tick ${ticks} is not the whole repaint`);
    }
    return game.openBoxes > 0;
  });
  check(partial > 1000, `only ${partial} paints changed less than the whole frame`);
  check(game.millisecondsToWait === -1, "the game waiting in the loss box wants a tick");
  session.press("Escape", "KeyN");
  check(paintByParts() === null, "the title coming back is not painted whole");
});
