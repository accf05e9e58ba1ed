// The facts the page's tests expect, read from the page's own module: the
// frame's size, the words, the key codes, and the boxes' words, met by
// playing the module under node with a virtual clock. And what the tests
// read from a session: its recording's keys and ticks, the recording's
// replay in the native simulator, a picture against another.
import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { gunzipSync } from "node:zlib";

import { GameModule } from "../../../app/web/page/game_module.mjs";

export function check(condition, message) {
  if (!condition) throw new Error(message);
}

// The page's module played under node, its clock a virtual one that moves
// only when told.
export class NodeSession {
  game;
  clock = 0;

  static async open(pagePath) {
    const html = readFileSync(pagePath, "utf8");
    const base64 = /<script id="game-module" type="application\/gzip">([^<]*)<\/script>/.exec(html)[1];
    const compiled = new WebAssembly.Module(gunzipSync(Buffer.from(base64, "base64")));
    const session = new NodeSession();
    session.game = await GameModule.create(compiled, {
      changed() {},
      fault(error) {
        throw error;
      },
      now: () => session.clock,
    });
    return session;
  }

  // A key down (and up), as a KeyboardEvent gives it; returns whether the
  // page keeps the key-down from the browser.
  key(code, { down = true, repeat = false, shift = false, alt = false } = {}) {
    return this.game.key({ code, repeat, shiftKey: shift, altKey: alt }, down);
  }

  press(...codes) {
    for (const code of codes) {
      this.key(code);
      this.key(code, { down: false });
    }
  }

  // Moves the clock on as the page's timeouts would, calling advance(),
  // until `done()` or a limit of the game's time.
  runUntil(done, seconds = 300) {
    const until = this.clock + seconds * 1000;
    while (!done()) {
      const wait = this.game.millisecondsToWait;
      check(wait >= 0 && this.clock < until, "the session waits for nothing more");
      this.clock += Math.max(wait, 1);
      this.game.advance();
    }
  }

  newestBox() {
    return this.game.box(this.game.openBoxes - 1);
  }
}

// Plays the module under node to meet each box: the start box, the
// stationary ship's loss and continue boxes, and the quit box.
export async function moduleFacts(pagePath) {
  const session = await NodeSession.open(pagePath);
  const { game } = session;
  const boxes = {};
  session.press("F10", "ArrowDown", "Enter");
  boxes.start = session.newestBox();
  session.press("Enter");
  session.runUntil(() => game.openBoxes > 0);
  boxes.loss = session.newestBox();
  session.press("Escape");
  boxes.continue = session.newestBox();
  session.press("KeyN");
  session.press("F10", "ArrowDown", "ArrowDown", "Enter");
  boxes.quit = session.newestBox();
  return {
    width: game.frameWidth,
    height: game.frameHeight,
    text: (id) => game.text(id),
    keyCode: (code) => game.virtualKeyOfCode(code),
    boxes,
  };
}

// ---- the recording

// What each `key` line names: a word for a key the game has a rule for
// (left, space...), else the virtual-key code.
export function recordedKeys(recording) {
  return [...recording.matchAll(/^key (\S+)$/gm)].map((match) => match[1]);
}

export function recordedTicks(recording) {
  return [...recording.matchAll(/^tick (\d+)$/gm)].reduce((sum, match) => sum + Number(match[1]), 0);
}

// Replays a recording in the native simulator, its digests checked.
export function replayInSimulator(recording, path, nativeSim) {
  writeFileSync(path, recording);
  const runner = fileURLToPath(new URL("../../run_scenario.cmake", import.meta.url));
  try {
    execFileSync("cmake", [`-DSIM=${nativeSim}`, `-DSCRIPT=${path}`, "-P", runner], { stdio: "pipe" });
  } catch (error) {
    check(false, `the page's recording replays another way: ${error.stdout}${error.stderr}`);
  }
}

// Pixels that differ between two pictures (ImageMagick's count).
export function differing(a, b) {
  try {
    execFileSync("compare", ["-metric", "AE", a, b, "null:"], { stdio: "pipe" });
    return 0;
  } catch (error) {
    const count = Number.parseFloat(String(error.stderr));
    if (Number.isNaN(count)) throw new Error(`compare ${a} ${b}: ${error.stderr}`);
    return count;
  }
}

