// The page in hand: on a phone held upright and sideways, played with the
// on-screen controls (two fingers at once, one sliding across the pad) and
// with a gamepad standing in behind navigator.getGamepads, each read back
// from the session's recording, which replays with every digest equal; and
// a desktop window smaller than the field, which still shows all of it.
import { test } from "node:test";

import { check, pageTests, recordedKeys, recordedTicks } from "./harness.mjs";

const context = pageTests("touch", "file");

const kUpright = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const named = (name, role = "button") => `::-p-aria([name="${name}"][role="${role}"])`;

// Runs in the page before its script: one pad in the standard layout that
// navigator.getGamepads gives once connected, held as the test says.
function standInPad() {
  const pads = [null, null, null, null];
  const pad = { index: 0, connected: true, mapping: "standard", axes: [0, 0, 0, 0],
                buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
  navigator.getGamepads = () => pads;
  window.standInPad = (buttons, axes = [0, 0]) => {
    const connected = buttons !== null;
    if ((pads[0] !== null) !== connected) {
      pads[0] = connected ? pad : null;
      dispatchEvent(new Event(connected ? "gamepadconnected" : "gamepaddisconnected"));
    }
    pad.buttons.forEach((button, index) => { button.pressed = buttons?.includes(index) ?? false; });
    pad.axes = axes;
    // The page reads its pads once a display frame.
    return new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  };
}

// Where the field and the controls are, the scale, and whether the page scrolls.
async function layout(run, facts, when) {
  const rect = (selector) => run.page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
  const shown = { field: await rect("#field"), pad: await rect(named("移動", "group")) };
  for (const name of ["左", "上", "右", "下", "発射"]) shown[name] = await rect(named(name));
  const page = await run.page.evaluate(() => ({
    ratio: devicePixelRatio, width: innerWidth, height: innerHeight,
    scrolls: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
  }));
  check(page.scrolls.join() === [page.width, page.height].join(), `${when}: the page scrolls ${page.scrolls}`);
  // Layout counts in 64ths of a CSS pixel: a tenth of a device pixel is near enough.
  const width = shown.field.width * page.ratio;
  shown.scale = Math.round(width / facts.width);
  check(Math.abs(width - shown.scale * facts.width) < 0.1, `${when}: the field is ${width} device pixels wide`);
  return shown;
}

// Fingers through the DevTools protocol: each [id, selector] at its element's middle.
async function touch(run, type, ...fingers) {
  const touchPoints = [];
  for (const [id, selector] of fingers) {
    const { x, y, width, height } = await run.page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
    touchPoints.push({ id, x: x + width / 2, y: y + height / 2 });
  }
  run.cdp ??= await run.page.createCDPSession();
  await run.cdp.send("Input.dispatchTouchEvent", { type, touchPoints });
}

async function tap(run, selector) {
  await touch(run, "touchStart", [1, selector]);
  await touch(run, "touchEnd", [1, selector]);
}

// The game's keys that `act()` makes, as recorded.
async function keysOf(run, act) {
  const before = recordedKeys(await run.recording()).length;
  await act();
  return recordedKeys(await run.recording()).slice(before);
}

// Keys that turn from `from` to `to` once and for all.
function expectTurn(keys, from, to, when) {
  const turned = keys.indexOf(to);
  check(keys[0] === from && turned > 0 && keys.every((key, i) => key === (i < turned ? from : to)),
        `${when} gave the keys ${keys}`);
}

test("upright: the field above the controls at 1:1; taps start a game, in which a finger holds 左 while another taps 発射",
     async () => {
  const { run, facts } = context;
  await run.page.evaluateOnNewDocument(standInPad);
  await run.page.setViewport(kUpright);  // a phone: the page loads anew
  await run.page.waitForSelector("#touch-pad:not([hidden])", { timeout: 5000 });
  const shown = await layout(run, facts, "upright");
  check(shown.scale === 1 && shown.field.bottom <= Math.min(shown.pad.top, shown["発射"].top),
        `upright, the field ${JSON.stringify(shown.field)} is not above the controls at 1:1`);
  await tap(run, ".menu-title");
  await tap(run, ".menu-popup li:nth-child(1)");
  await run.expectBox(facts.boxes.start, "start-box");
  await tap(run, "dialog.box[open] button");
  await run.expectNoBox("after tapping OK");
  const keys = await keysOf(run, async () => {
    await touch(run, "touchStart", [1, named("左")], [2, named("発射")]);
    await touch(run, "touchEnd", [2, named("発射")]);
  });
  await touch(run, "touchEnd", [1, named("左")]);
  check(keys[0] === "left" && keys.includes("space") && keys.every((key) => key === "left" || key === "space"),
        `two fingers gave the keys ${keys}`);
  await run.shot("upright");
});

test("a finger sliding from 左 to 上 turns from left to up", async () => {
  const { run } = context;
  expectTurn(await keysOf(run, async () => {
    await touch(run, "touchStart", [3, named("左")]);
    await touch(run, "touchMove", [3, named("上")]);
    await touch(run, "touchEnd", [3, named("上")]);
  }), "left", "up", "the slide");
});

test("sideways: the field between the pad and 発射, twice as large", async () => {
  const { run, facts } = context;
  await run.page.setViewport({ ...kUpright, width: 844, height: 390 });
  await run.page.waitForFunction(() => document.documentElement.dataset.arrangement === "beside",
                                 { timeout: 5000 });
  const shown = await layout(run, facts, "sideways");
  check(shown.scale === 2 && shown.pad.right <= shown.field.left && shown.field.right <= shown["発射"].left,
        `sideways, the field ${JSON.stringify(shown.field)} is not beside the controls at 2:1`);
  await run.shot("sideways");
  await run.expectAccessible("sideways, with the controls shown");
});

test("a gamepad: Start and A choose 開始 and answer its box, the D-pad and the stick move, and it lets go when it goes",
     async () => {
  const { run } = context;
  const hold = (buttons, axes) => run.page.evaluate((b, a) => window.standInPad(b, a), buttons, axes);
  await hold([]);
  await run.page.waitForSelector("#pad-help:not([hidden])", { timeout: 5000 });
  await hold([9]);
  await run.page.waitForSelector(".menu-popup:not([hidden])", { timeout: 5000 });
  await hold([0]);
  await run.page.waitForSelector("dialog.box[open]", { timeout: 5000 });
  await hold([]);
  check((await run.boxes()).length === 1, "A held on from the menu answered the start box");
  await hold([0]);
  await hold([]);
  await run.expectNoBox("after A on the start box");
  expectTurn(await keysOf(run, async () => {
    await hold([15]);
    await hold([], [0.3, -0.3]);  // short of the dead zone
    await hold([], [0, -1]);
  }), "right", "up", "the pad");
  await hold([14]);
  await hold(null);
  const recording = await run.recording();
  check(recordedKeys(recording).at(-1) === "left", "the pad's left did not reach the game");
  // A left still held would repeat 30 times in a second of the game's.
  await run.expectTicksPast(recordedTicks(recording) + 64, "after the pad went");
  check(recordedKeys(await run.recording()).join() === recordedKeys(recording).join(),
        "the pad gone still holds left");
});

test("the session's recording replays with every digest equal, and the page reports no error", async () => {
  const { run } = context;
  run.replays(await run.recording(), "recording");
  run.expectNoErrors();
});

test("a 700 x 500 window shows the whole field, and its save link", async () => {
  const { run } = context;
  await run.page.setViewport({ width: 700, height: 500, deviceScaleFactor: 1 });  // loads anew
  await run.page.waitForFunction(() => !document.getElementById("window").hidden);
  check(await run.page.$$eval("#field, #window .save-recording", (elements) => elements.every((element) => {
    const { left, top, right, bottom } = element.getBoundingClientRect();
    return left >= 0 && top >= 0 && right <= innerWidth && bottom <= innerHeight && right > left;
  })), "the field or its save link is cut off");
  await run.shot("small-window");
});
