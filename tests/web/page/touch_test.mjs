// The page in hand: on a phone held upright and sideways, played with the
// on-screen controls (two fingers at once, one sliding across the pad) and
// with a gamepad standing in behind navigator.getGamepads, each read back
// from the session's recording, which replays with every digest equal; and
// a desktop window smaller than the field, which still shows all of it.
import { test } from "node:test";

import { check, pageTests, recordedKeys, recordedTicks } from "./harness.mjs";

const context = pageTests("touch", "file");

const kUpright = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const kSideways = { ...kUpright, width: 844, height: 390 };

// Runs in the page before its script: one pad in the standard layout, held
// as the test says, that navigator.getGamepads gives once connected.
function standInPad() {
  const pads = [null, null, null, null];
  const pad = {
    index: 0, id: "stand-in", connected: true, mapping: "standard", timestamp: 0, axes: [0, 0, 0, 0],
    buttons: Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 })),
  };
  navigator.getGamepads = () => pads;
  window.standInPad = {
    connect() {
      pads[0] = pad;
      dispatchEvent(new Event("gamepadconnected"));
    },
    disconnect() {
      pads[0] = null;
      dispatchEvent(new Event("gamepaddisconnected"));
    },
    hold(buttons, axes) {
      pad.buttons.forEach((button, index) => {
        button.pressed = buttons.includes(index);
        button.value = button.pressed ? 1 : 0;
      });
      pad.axes = axes;
    },
  };
}

// Where the field and each control are on screen, found by their names.
async function layout(page) {
  const rect = (handle) => handle.evaluate((element) => {
    const { left, top, right, bottom, width } = element.getBoundingClientRect();
    return { left, top, right, bottom, width };
  });
  const controls = {};
  for (const name of ["左", "上", "右", "下", "発射"]) {
    const button = await page.$(`::-p-aria([name="${name}"][role="button"])`);
    check(button !== null, `no button named ${name}`);
    controls[name] = await rect(button);
  }
  return {
    field: await rect(await page.$("#field")),
    controls,
    pad: await rect(await page.$("::-p-aria([name=\"移動\"][role=\"group\"])")),
    ...await page.evaluate(() => ({
      ratio: devicePixelRatio, width: innerWidth, height: innerHeight,
      scrollWidth: document.documentElement.scrollWidth,
      scrollHeight: document.documentElement.scrollHeight,
    })),
  };
}

// The field shown at a whole number of device pixels per field pixel, that
// number; nothing scrolling.
function expectWholeAndStill(shown, facts, when) {
  // Layout measures in 64ths of a CSS pixel: a tenth of a device pixel is near enough.
  const width = shown.field.width * shown.ratio;
  const scale = Math.round(width / facts.width);
  check(Math.abs(width - scale * facts.width) < 0.1, `${when}: the field is ${width} device pixels wide`);
  check(shown.scrollWidth === shown.width && shown.scrollHeight === shown.height,
        `${when}: the page scrolls (${shown.scrollWidth} x ${shown.scrollHeight})`);
  return scale;
}

class Fingers {
  #cdp;
  #page;

  static async on(page) {
    const fingers = new Fingers();
    fingers.#page = page;
    fingers.#cdp = await page.createCDPSession();
    return fingers;
  }

  async at(selector) {
    const { x, y } = await this.#page.$eval(selector, (element) => {
      const { left, top, width, height } = element.getBoundingClientRect();
      return { x: left + width / 2, y: top + height / 2 };
    });
    return { x, y };
  }

  // Fingers `id` at `where` ({ x, y }) go down, move or lift together.
  send(type, ...points) {
    return this.#cdp.send("Input.dispatchTouchEvent",
                          { type, touchPoints: points.map(([id, where]) => ({ id, ...where })) });
  }

  async tap(selector) {
    const where = await this.at(selector);
    await this.send("touchStart", [1, where]);
    await this.send("touchEnd", [1, where]);
  }
}

const name = (text) => `::-p-aria([name="${text}"][role="button"])`;

// The game's keys recorded since `before` (a recording's keys).
async function keysSince(run, before) {
  return recordedKeys(await run.recording()).slice(before.length);
}

test("upright, the field is above the controls at a whole scale, and nothing scrolls", async () => {
  const { run, facts } = context;
  await run.page.evaluateOnNewDocument(standInPad);
  await run.page.setViewport(kUpright);  // a phone: the page loads anew
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  await run.page.waitForSelector("#touch-pad:not([hidden])", { timeout: 5000 });
  const shown = await layout(run.page);
  check(expectWholeAndStill(shown, facts, "upright") === 1, "upright, the field is not at 1:1");
  const top = Math.min(...Object.values(shown.controls).map((control) => control.top));
  check(shown.field.bottom <= top, `upright, the field reaches ${shown.field.bottom}, the controls ${top}`);
});

test("taps start a game; a finger holds 左 while another taps 発射, both reach the game",
     async () => {
  const { run, facts } = context;
  const fingers = await Fingers.on(run.page);
  await fingers.tap(".menu-title");
  await fingers.tap(".menu-popup li:nth-child(1)");
  await run.expectBox(facts.boxes.start, "start-box");
  await fingers.tap("dialog.box[open] button");
  await run.expectNoBox("after tapping OK");
  const before = recordedKeys(await run.recording());
  const left = await fingers.at(name("左"));
  const fire = await fingers.at(name("発射"));
  await fingers.send("touchStart", [1, left], [2, fire]);
  await fingers.send("touchEnd", [2, fire]);
  const held = await keysSince(run, before);
  await fingers.send("touchEnd", [1, left]);
  check(held[0] === "left" && held.includes("space") &&
            held.every((key) => key === "left" || key === "space"),
        `two fingers gave the keys ${held}`);
  await run.shot("upright");
});

test("a finger sliding from 左 to 上 turns from left to up", async () => {
  const { run } = context;
  const fingers = await Fingers.on(run.page);
  const before = recordedKeys(await run.recording());
  await fingers.send("touchStart", [3, await fingers.at(name("左"))]);
  const up = await fingers.at(name("上"));
  await fingers.send("touchMove", [3, up]);
  await fingers.send("touchEnd", [3, up]);
  const keys = await keysSince(run, before);
  const turned = keys.indexOf("up");
  check(keys[0] === "left" && turned > 0 &&
            keys.every((key, index) => key === (index < turned ? "left" : "up")),
        `the slide gave the keys ${keys}`);
});

test("sideways, the field is beside the controls, twice as large, and nothing scrolls", async () => {
  const { run, facts } = context;
  await run.page.setViewport(kSideways);
  await run.page.waitForFunction(() => document.documentElement.dataset.arrangement === "beside",
                                 { timeout: 5000 });
  const shown = await layout(run.page);
  check(expectWholeAndStill(shown, facts, "sideways") === 2, "sideways, the field is not at 2:1");
  check(shown.pad.right <= shown.field.left && shown.field.right <= shown.controls["発射"].left,
        `sideways, the field ${JSON.stringify(shown.field)} meets the controls`);
  await run.shot("sideways");
});

test("a gamepad: Start opens the menu, A chooses 開始 and answers its box, the D-pad and the stick move",
     async () => {
  const { run } = context;
  // Each reading is held over two display frames: the page reads its pads
  // once in each.
  const hold = (buttons, axes = [0, 0]) => run.page.evaluate((b, a) => {
    window.standInPad.hold(b, a);
    return new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  }, buttons, axes);
  await run.page.evaluate(() => window.standInPad.connect());
  await run.page.waitForSelector("#pad-help:not([hidden])", { timeout: 5000 });
  await hold([9]);
  await run.page.waitForSelector(".menu-popup:not([hidden])", { timeout: 5000 });
  await hold([0]);
  await run.page.waitForSelector("dialog.box[open]", { timeout: 5000 });
  await hold([]);  // A held on into the box answers nothing
  check((await run.boxes()).length === 1, "A held from the menu answered the start box");
  await hold([0]);
  await run.page.waitForSelector("dialog.box[open] button.pressed", { timeout: 5000 });
  await hold([]);
  await run.expectNoBox("after A on the start box");
  const before = recordedKeys(await run.recording());
  await hold([15]);
  await hold([], [0.3, -0.3]);  // inside the dead zone: nothing
  await hold([], [0, -1]);
  await hold([], [0, 0]);
  const keys = await keysSince(run, before);
  const turned = keys.indexOf("up");
  check(keys[0] === "right" && turned > 0 &&
            keys.every((key, index) => key === (index < turned ? "right" : "up")),
        `the pad gave the keys ${keys}`);
});

test("a pad that goes away lets go of what it held", async () => {
  const { run } = context;
  await run.page.evaluate(() => {
    window.standInPad.hold([14], [0, 0]);
    return new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  });
  await run.page.evaluate(() => window.standInPad.disconnect());
  await run.page.waitForSelector("#pad-help[hidden]", { timeout: 5000 });
  const recording = await run.recording();
  const keys = recordedKeys(recording);
  check(keys.at(-1) === "left", `the pad's left did not reach the game: ${keys}`);
  // A left still held would repeat 30 times in a second of the game's.
  await run.expectTicksPast(recordedTicks(recording) + 64, "after the pad went");
  check(recordedKeys(await run.recording()).length === keys.length, "the pad's left is still held");
});

test("the session's recording replays with every digest equal, and the page reports no error",
     async () => {
  const { run } = context;
  run.replays(await run.recording(), "recording");
  run.expectNoErrors();
});

test("a 700 x 500 window shows the whole field, shrunk smoothly, and its save link", async () => {
  const { run } = context;
  await run.page.setViewport({ width: 700, height: 500, deviceScaleFactor: 1 });  // loads anew
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  const inside = await run.page.evaluate(() => [
    document.getElementById("field"), document.querySelector("#window .save-recording"),
  ].every((element) => {
    const { left, top, right, bottom } = element.getBoundingClientRect();
    return left >= 0 && top >= 0 && right <= innerWidth && bottom <= innerHeight && right > left;
  }));
  check(inside, "the field or its save link is cut off");
  await run.shot("small-window");
});
