// Plays the web page in the system's Chromium, headless, once from a
// loopback server and once opened from disk: the title pixel for pixel, the
// start box from the menu, the field moving, the ship steered, the quit box
// answered No and the game going on, a stationary ship's loss and continue
// boxes opened inside a tick and answered, the quit box answered Yes and the
// program ended and started anew, a larger window scaling the field; and no
// error on the page or its console; the session's recording, saved by the
// link beside the menu bar, replays in the native simulator (SIM) with every
// digest equal. The first run also measures the page.
// Usage: node page_test.mjs PAGE.html SPRITE_DIR SHOTS_DIR CHROMIUM SIM
import { execFileSync } from "node:child_process";
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { basename, dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

import puppeteer from "puppeteer-core";

import { serveFolder } from "../../app/web/serve.mjs";

const [pagePath, spriteDir, shotsDir, chromium, nativeSim] = process.argv.slice(2);
if (!nativeSim) {
  console.error("usage: node page_test.mjs PAGE.html SPRITE_DIR SHOTS_DIR CHROMIUM SIM");
  process.exit(2);
}
mkdirSync(shotsDir, { recursive: true });

const kTitle = join(spriteDir, "MYBP5.bmp");
const kShip = join(spriteDir, "MYBP3.bmp");
const kShipY = 400;
const kYesNo = ["はい(Y)", "いいえ(N)"];

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Pixels that differ between two pictures (ImageMagick's count).
function differing(a, b) {
  try {
    execFileSync("compare", ["-metric", "AE", a, b, "null:"], { stdio: "pipe" });
    return 0;
  } catch (error) {
    const count = Number.parseFloat(String(error.stderr));
    if (Number.isNaN(count)) throw new Error(`compare ${a} ${b}: ${error.stderr}`);
    return count;
  }
}

// Whether the ship's picture lies at (x, kShipY) of a field screenshot.
function shipAt(shot, x) {
  const piece = shot.replace(/\.png$/, `-ship${x}.png`);
  execFileSync("convert", [shot, "-crop", `28x27+${x}+${kShipY}`, "+repage", piece]);
  return differing(piece, kShip) === 0;
}

class Run {
  #page;
  #prefix;
  #shots = 0;

  constructor(page, prefix) {
    this.#page = page;
    this.#prefix = prefix;
  }

  // The field as it is on screen, after the paint of the latest change.
  async field(name = `field${++this.#shots}`) {
    await this.#page.evaluate(
        () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    const rect = await this.#page.$eval("#field", (canvas) => {
      const { x, y, width, height } = canvas.getBoundingClientRect();
      return { x, y, width, height };
    });
    const path = join(shotsDir, `${this.#prefix}-${name}.png`);
    await this.#page.screenshot({ path, clip: rect });
    return path;
  }

  async page(name) {
    const path = join(shotsDir, `${this.#prefix}-${name}.png`);
    await this.#page.screenshot({ path });
    return path;
  }

  async expectTitle(when) {
    check(differing(await this.field(), kTitle) === 0, `${when}: the title is not shown exactly`);
  }

  async expectMoving(when) {
    const before = await this.field();
    await sleep(250);
    check(differing(before, await this.field()) > 0, `${when}: the field does not move`);
  }

  async expectStill(when) {
    const before = await this.field();
    await sleep(250);
    check(differing(before, await this.field()) === 0, `${when}: the field moves`);
  }

  // The open boxes, oldest first.
  boxes() {
    return this.#page.$$eval("dialog.box[open]", (dialogs) => dialogs.map((dialog) => ({
      caption: dialog.querySelector(".box-caption").textContent,
      text: dialog.querySelector(".box-text").textContent,
      buttons: [...dialog.querySelectorAll("button")].map((button) => button.textContent),
    })));
  }

  async expectBox(caption, text, buttons, name, timeout = 5000) {
    await this.#page.waitForSelector("dialog.box[open]", { timeout });
    const boxes = await this.boxes();
    const box = boxes.at(-1);
    check(boxes.length === 1 && box.caption === caption && box.text === text &&
              box.buttons.join() === buttons.join(),
          `expected the box "${caption}" "${text}" [${buttons}], found ${JSON.stringify(boxes)}`);
    await this.page(name);
  }

  async expectNoBox(when) {
    await this.#page.waitForFunction(() => document.querySelector("dialog.box[open]") === null,
                                     { timeout: 5000 })
        .catch(() => check(false, `${when}: a box stayed open`));
  }

  async press(...keys) {
    for (const key of keys) await this.#page.keyboard.press(key);
  }

  async chooseWithMouse(item) {
    await this.#page.click(".menu-title");
    await this.#page.click(`.menu-popup li:nth-child(${item})`);
  }
}

// The text a click on `selector` saves: the blob handed to the download.
async function savedByClick(page, selector) {
  await page.evaluate(() => {
    const make = URL.createObjectURL.bind(URL);
    URL.createObjectURL = (blob) => {
      window.savedBlob = blob;
      return make(blob);
    };
  });
  await page.click(selector);
  return page.evaluate(() => window.savedBlob?.text() ?? null);
}

// Replays a recording in the native simulator, its digests checked.
function replayInSimulator(text, path) {
  writeFileSync(path, text);
  const runner = fileURLToPath(new URL("../run_scenario.cmake", import.meta.url));
  try {
    execFileSync("cmake", [`-DSIM=${nativeSim}`, `-DSCRIPT=${path}`, "-P", runner], { stdio: "pipe" });
  } catch (error) {
    check(false, `the page's recording replays another way: ${error.stdout}${error.stderr}`);
  }
}

async function play(browser, url, prefix, report) {
  const page = await browser.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(`page error: ${error.message}`));
  page.on("requestfailed", (request) => errors.push(`request failed: ${request.url()}`));
  page.on("console", (message) => {
    if (message.type() === "error" || message.type() === "warn") {
      errors.push(`console ${message.type()}: ${message.text()}`);
    } else if (message.text().startsWith("vantorix:")) {
      report.push(`${prefix}: ${message.text()}`);
    }
  });
  await page.setViewport({ width: 800, height: 600, deviceScaleFactor: 1 });
  await page.goto(url);
  await page.waitForFunction(() => !document.getElementById("window").hidden);
  const run = new Run(page, prefix);
  await run.expectTitle("on arrival");
  await run.page("title");

  await run.chooseWithMouse(1);
  await run.expectBox("開始確認", "ゲームを開始します", ["OK"], "start-box");
  await run.press("Enter");
  await run.expectNoBox("after Return on the start box");
  check(shipAt(await run.field(), 365), "the ship is not at its start");
  await run.press("ArrowLeft", "ArrowLeft", "ArrowLeft", "ArrowLeft");
  check(shipAt(await run.field(), 345), "four left arrows did not move the ship 20 px");
  // Back where it started, the ship stands still until it is shot down.
  await run.press("ArrowRight", "ArrowRight", "ArrowRight", "ArrowRight");
  check(shipAt(await run.field("game"), 365), "four right arrows did not bring the ship back");
  await run.expectMoving("in play");
  const soFar = await savedByClick(page, "#window .save-recording");
  check(soFar?.includes("\nanswer ok\ncommand 302\n"), `the recording so far: ${soFar}`);

  await run.press("F10", "ArrowDown", "ArrowDown", "Enter");
  await run.expectBox("終了確認", "ゲームを終了しますか？", kYesNo, "quit-box");
  await run.expectStill("behind the quit box");
  await run.press("Escape");
  check((await run.boxes()).length === 1, "Escape answered the quit box");
  await run.press("n");
  await run.expectNoBox("after N on the quit box");
  await run.expectMoving("after the quit box answered No");

  // The third hit comes at tick 1409, some 22 s into the game.
  await run.expectBox("終了確認", "あなたの負けです", ["OK"], "loss-box", 60000);
  await run.expectStill("behind the loss box");
  await run.press("Escape");
  await run.expectBox("続行確認", "コンティニューしますか？", kYesNo, "continue-box");
  // Tab to No, and Space presses it.
  await run.press("Tab", "Space");
  await run.expectNoBox("after No on the continue box");
  await run.expectTitle("after the continue refused");

  await run.chooseWithMouse(2);
  await run.expectBox("終了確認", "ゲームを終了しますか？", kYesNo, "quit-title");
  await run.press("y");
  await page.waitForSelector("#ended:not([hidden])", { timeout: 5000 });
  check(await page.$eval("#window", (window) => window.hidden), "the window stayed after quitting");
  await run.page("ended");
  const recording = await savedByClick(page, "#ended .save-recording");
  check(recording?.trimEnd().endsWith("answer yes\ncommand 303"), "the recording does not end with the quit");
  replayInSimulator(recording, join(shotsDir, `${prefix}-recording.sim`));
  await page.click("#start-anew");
  await page.waitForFunction(() => !document.getElementById("window").hidden);
  await run.expectTitle("started anew");

  await page.setViewport({ width: 1600, height: 1100, deviceScaleFactor: 1 });
  // The page lays itself out again when the resize reaches it.
  await page.waitForFunction(
      () => document.getElementById("field").getBoundingClientRect().width === 767 * 2,
      { timeout: 2000 }).catch(() => {});
  const width = await page.$eval("#field", (canvas) => canvas.getBoundingClientRect().width);
  check(width === 767 * 2, `a 1600 x 1100 window shows the field ${width} px wide, not 1534`);

  // Leaving the page destroys the window, and so ends the program.
  await page.evaluate(() => dispatchEvent(new PageTransitionEvent("pagehide")));
  check(await page.$eval("#ended", (ended) => !ended.hidden), "leaving the page did not end it");

  await page.close();
  check(errors.length === 0, errors.join("\n"));
}

const profile = mkdtempSync(join(tmpdir(), "vantorix-chromium-"));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--force-color-profile=srgb", `--user-data-dir=${profile}`],
});
const server = await serveFolder(dirname(pagePath));
const report = [];
let failed = false;
try {
  const served = `http://127.0.0.1:${server.address().port}/${basename(pagePath)}`;
  await play(browser, `${served}?pacing=10`, "served", report);
  console.log("ok: played from the loopback server");
  await play(browser, pathToFileURL(pagePath).href, "file", report);
  console.log("ok: played from disk");
} catch (error) {
  failed = true;
  console.log(`FAIL: ${error.message}\nscreenshots in ${shotsDir}`);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}
for (const line of report) console.log(line);
process.exitCode = failed ? 1 : 0;
