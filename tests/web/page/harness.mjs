// What the page's Chromium tests share: the page in headless Chromium, from
// the loopback server or from disk, driven and looked at; the facts they
// expect (facts.mjs); the session's recording as the page's link saves it,
// and its replay in the native simulator. Each case file is run as
//   node --test-reporter=tap CASE.mjs PAGE.html SPRITE_DIR SHOTS_DIR CHROMIUM SIM
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { execFileSync } from "node:child_process";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { basename, dirname, join } from "node:path";
import { after, before } from "node:test";
import { pathToFileURL } from "node:url";

import puppeteer from "puppeteer-core";

import { PageText } from "../../../app/web/page/game_module.mjs";
import { kManifestFile, kWorkerFile } from "../../../app/web/page/offline.mjs";
import { serveFolder } from "../../../app/web/serve.mjs";
import { check, differing, moduleFacts, recordedKeys, recordedTicks,
         replayInSimulator } from "./facts.mjs";

export { check, PageText, recordedKeys, recordedTicks };

const [pagePath, spriteDir, shotsDir, chromium, nativeSim] = process.argv.slice(2);
if (!nativeSim) {
  console.error("usage: node CASE.mjs PAGE.html SPRITE_DIR SHOTS_DIR CHROMIUM SIM");
  process.exit(2);
}

// What the native simulator says on standard error of a script it stops
// at, without its program's name.
export function simulatorError(script) {
  try {
    execFileSync(nativeSim, { input: script, stdio: "pipe" });
  } catch (error) {
    return error.stderr.toString().trim().replace(/^vantorix-sim: /, "");
  }
  return "";
}

export const kTitlePicture = join(spriteDir, "MYBP5.bmp");
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

// ---- the browser

// The web build's files as the web zip lays them out, the page as
// index.html, in a folder of their own: the host's folder.
function siteFolder() {
  const from = dirname(pagePath);
  const folder = mkdtempSync(join(tmpdir(), "vantorix-site-"));
  copyFileSync(pagePath, join(folder, "index.html"));
  const { icons } = JSON.parse(readFileSync(join(from, kManifestFile), "utf8"));
  for (const file of [kManifestFile, kWorkerFile, ...icons.map((icon) => icon.src)]) {
    copyFileSync(join(from, file), join(folder, file));
  }
  return folder;
}

// Starts Chromium, the loopback server and the module's facts before the
// file's cases, and stops them after; `where` is "served" (the web build's
// folder), "site" (the host's folder, the page at its root) or "file".
export function pageTests(prefix, where, query = "") {
  const context = { facts: null, run: null, report: [], server: null };
  let browser;
  let server;
  let profile;
  let site;
  before(async () => {
    mkdirSync(shotsDir, { recursive: true });
    context.facts = await moduleFacts(pagePath);
    profile = mkdtempSync(join(tmpdir(), "vantorix-chromium-"));
    browser = await puppeteer.launch({
      executablePath: chromium,
      headless: true,
      args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--force-color-profile=srgb", `--user-data-dir=${profile}`],
    });
    if (where === "site") site = siteFolder();
    server = await serveFolder(site ?? dirname(pagePath));
    context.server = server;
    const served = `http://127.0.0.1:${server.address().port}/`;
    const url = where === "file" ? `${pathToFileURL(pagePath).href}${query}`
        : `${served}${where === "site" ? "" : basename(pagePath)}${query}`;
    context.run = await PageRun.open(browser, url, prefix, context.report);
  });
  after(async () => {
    await browser?.close();
    server?.close();
    for (const folder of [profile, site]) if (folder) rmSync(folder, { recursive: true, force: true });
    for (const line of context.report) console.log(line);
  });
  return context;
}

export class PageRun {
  page;
  errors = [];
  #prefix;
  #shots = 0;

  static async open(browser, url, prefix, report) {
    const run = new PageRun(await browser.newPage(), prefix);
    run.page.on("pageerror", (error) => run.errors.push(`page error: ${error.message}`));
    run.page.on("requestfailed", (request) => run.errors.push(`request failed: ${request.url()}`));
    run.page.on("console", (message) => {
      if (message.type() === "error" || message.type() === "warn") {
        run.errors.push(`console ${message.type()}: ${message.text()}`);
      } else if (message.text().startsWith("vantorix:")) {
        report.push(`${prefix}: ${message.text()}`);
      }
    });
    await run.page.setViewport({ width: 800, height: 600, deviceScaleFactor: 1 });
    await run.page.goto(url);
    await run.page.waitForFunction(() => !document.getElementById("window").hidden);
    return run;
  }

  constructor(page, prefix) {
    this.page = page;
    this.#prefix = prefix;
  }

  expectNoErrors() {
    check(this.errors.length === 0, this.errors.join("\n"));
  }

  // The field as it is on screen, after the paint of the latest change.
  async field(name = `field${++this.#shots}`) {
    await this.page.evaluate(
        () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    const rect = await this.page.$eval("#field", (canvas) => {
      const { x, y, width, height } = canvas.getBoundingClientRect();
      return { x, y, width, height };
    });
    const path = join(shotsDir, `${this.#prefix}-${name}.png`);
    await this.page.screenshot({ path, clip: rect });
    return path;
  }

  // Pixels of the field's canvas that differ from a whole repaint of the
  // same picture, painted over a canvas scribbled on first, so that a
  // repaint that left anything out shows.
  differingFromWholeRepaint() {
    return this.page.evaluate(async () => {
      const canvas = document.getElementById("field");
      const context = canvas.getContext("2d");
      const frames = () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
      // Read through a copy: the page's own canvas is not made for reading.
      const copy = Object.assign(document.createElement("canvas"), { width: canvas.width, height: canvas.height });
      const copyContext = copy.getContext("2d", { willReadFrequently: true });
      const pixels = () => {
        copyContext.drawImage(canvas, 0, 0);
        return copyContext.getImageData(0, 0, canvas.width, canvas.height).data;
      };
      await frames();
      const shown = pixels();
      context.fillStyle = "#f0f";
      context.fillRect(0, 0, canvas.width, canvas.height);
      canvas.dispatchEvent(new Event("contextrestored"));
      await frames();
      const whole = pixels();
      let differing = 0;
      for (let i = 0; i < shown.length; i += 4) {
        if (shown[i] !== whole[i] || shown[i + 1] !== whole[i + 1] || shown[i + 2] !== whole[i + 2]) {
          ++differing;
        }
      }
      return differing;
    });
  }

  async shot(name) {
    await this.page.screenshot({ path: join(shotsDir, `${this.#prefix}-${name}.png`) });
  }

  async expectTitle(when, name) {
    check(differing(await this.field(name), kTitlePicture) === 0, `${when}: the title is not shown exactly`);
  }

  // The open boxes, oldest first, and the label of the focused element.
  boxes() {
    return this.page.$$eval("dialog.box[open]", (dialogs) => dialogs.map((dialog) => ({
      caption: dialog.querySelector(".box-caption").textContent,
      text: dialog.querySelector(".box-text").textContent,
      labels: [...dialog.querySelectorAll("button")].map((button) => button.textContent),
    })));
  }

  focusedLabel() {
    return this.page.evaluate(() => document.activeElement?.textContent);
  }

  // Waits for `box` (as the facts give it) to be the one box open.
  async expectBox(box, name, timeout = 5000) {
    await this.page.waitForSelector("dialog.box[open]", { timeout });
    const boxes = await this.boxes();
    const shown = boxes.at(-1);
    check(boxes.length === 1 && shown.caption === box.caption && shown.text === box.text &&
              shown.labels.join() === box.labels.join(),
          `expected the box ${JSON.stringify(box)}, found ${JSON.stringify(boxes)}`);
    await this.shot(name);
  }

  replays(recording, name) {
    replayInSimulator(recording, join(shotsDir, `${this.#prefix}-${name}.sim`), nativeSim);
  }

  // Chooses `text` with 記録を再生, as the file PREFIX-NAME.sim.
  async playRecording(text, name) {
    const path = join(shotsDir, `${this.#prefix}-${name}.sim`);
    writeFileSync(path, text);
    const [chooser] = await Promise.all([this.page.waitForFileChooser({ timeout: 5000 }),
                                         this.page.click("#window .play-recording")]);
    await chooser.accept([path]);
  }

  // Waits until the replay's notice says something `pattern` finds, and
  // gives what it says.
  async replayNotice(pattern) {
    const notice = "#replay-notice";
    await this.page.waitForFunction((source) => new RegExp(source).test(
        document.querySelector("#replay-notice").textContent), { timeout: 20000 }, pattern.source)
        .catch(() => {});
    return this.page.$eval(notice, (element) => element.textContent);
  }

  async expectNoBox(when) {
    await this.page.waitForFunction(() => document.querySelector("dialog.box[open]") === null,
                                    { timeout: 5000 })
        .catch(() => check(false, `${when}: a box stayed open`));
  }

  // axe-core finds nothing on the page as it is now.
  async expectAccessible(when) {
    await this.page.evaluate(`if (typeof axe === "undefined") { ${axeSource} }`);
    const { violations } = await this.page.evaluate(() => axe.run(document));
    check(violations.length === 0, `${when}: ${violations.map(
        (violation) => `${violation.id} on ${violation.nodes.map((node) => node.target.join(" "))}`)}`);
  }

  async press(...keys) {
    for (const key of keys) await this.page.keyboard.press(key);
  }

  async chooseWithMouse(item) {
    await this.page.click(".menu-title");
    await this.page.click(`.menu-popup li:nth-child(${item})`);
  }

  // The recording a click on the save link in `where` saves: the blob
  // handed to the download.
  async recording(where = "#window") {
    await this.page.evaluate(() => {
      if (window.savedBlobs !== undefined) return;
      window.savedBlobs = [];
      const make = URL.createObjectURL.bind(URL);
      URL.createObjectURL = (blob) => {
        window.savedBlobs.push(blob);
        return make(blob);
      };
    });
    await this.page.click(`${where} .save-recording`);
    return this.page.evaluate(() => window.savedBlobs.at(-1)?.text() ?? null);
  }

  // Waits until the game has ticked past `ticks` (the game's own timeline:
  // the timeout is generous, not a measure of speed).
  async expectTicksPast(ticks, when) {
    const until = Date.now() + 20000;
    while (recordedTicks(await this.recording()) <= ticks) {
      check(Date.now() < until, `${when}: the game does not tick`);
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
}
