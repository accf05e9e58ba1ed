// What the page costs in headless Chromium, served from the loopback server:
// the page's own paint time per frame and the ticks' lateness (its ?pacing
// report), and the CPU time of the browser's renderer and GPU processes per
// second, on the title and in play at 1:1 and at twice the size. Each figure
// is the median of several runs; given several web builds, their runs take
// turns, so that a change in the machine's load falls on all of them alike.
// A benchmark, not a test: it checks nothing.
//   node bench/page_cpu.mjs [--runs N] [--chromium PATH] WEB_DIR [WEB_DIR...]
// (puppeteer-core from tests/web: npm --prefix tests/web ci)
import { readdirSync, readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { resolve } from "node:path";
import { parseArgs } from "node:util";
import { execFileSync } from "node:child_process";

import { serveFolder } from "../app/web/serve.mjs";

const require = createRequire(new URL("../tests/web/package.json", import.meta.url));
const puppeteer = require("puppeteer-core");

const kTitleSeconds = 10;
const kPlaySeconds = 12;
const kSettleSeconds = 3;
const kPacingSeconds = 10;  // the page's report covers this much of the play
const kClockTicks = 100;    // /proc's ticks per second on Linux

const { values: options, positionals: webDirs } = parseArgs({
  allowPositionals: true,
  options: { runs: { type: "string", default: "3" }, chromium: { type: "string" } },
});
const runs = Number(options.runs);
if (webDirs.length === 0 || !Number.isInteger(runs) || runs < 1) {
  console.error("usage: node bench/page_cpu.mjs [--runs N] [--chromium PATH] WEB_DIR [WEB_DIR...]");
  process.exit(2);
}

function findChromium() {
  for (const name of ["chromium", "chromium-browser", "google-chrome"]) {
    try {
      return execFileSync("sh", ["-c", `command -v ${name}`], { encoding: "utf8" }).trim();
    } catch {
      // not this one
    }
  }
  throw new Error("no chromium on the PATH: give --chromium PATH");
}

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const loadAverage = () => readFileSync("/proc/loadavg", "utf8").split(" ").slice(0, 3).join(" ");

// ---- the browser's processes, from /proc

function processTree() {
  const processes = new Map();
  for (const entry of readdirSync("/proc")) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = readFileSync(`/proc/${entry}/stat`, "utf8");
      // The command's name may hold spaces: the fields follow its ")".
      const fields = stat.slice(stat.lastIndexOf(")") + 2).split(" ");
      const cmdline = readFileSync(`/proc/${entry}/cmdline`, "utf8");
      processes.set(Number(entry), {
        parent: Number(fields[1]),
        cpu: (Number(fields[11]) + Number(fields[12])) / kClockTicks,
        type: /--type=([a-z-]+)/.exec(cmdline)?.[1] ?? "browser",
      });
    } catch {
      // gone meanwhile
    }
  }
  return processes;
}

// CPU seconds so far of each of the browser's descendants, with its kind.
function browserProcesses(browserPid) {
  const processes = processTree();
  const inBrowser = (pid) => {
    for (let at = pid; at > 1; at = processes.get(at)?.parent ?? 0) {
      if (at === browserPid) return true;
    }
    return false;
  };
  return new Map([...processes].filter(([pid]) => inBrowser(pid)));
}

// The CPU seconds taken between two readings, by kind: a process that
// came meanwhile counts from 0, one that went is not counted.
function cpuTaken(before, after) {
  const sums = { renderer: 0, gpu: 0, all: 0 };
  for (const [pid, process] of after) {
    const taken = process.cpu - (before.get(pid)?.cpu ?? 0);
    sums.all += taken;
    if (process.type === "renderer") sums.renderer += taken;
    if (process.type === "gpu-process") sums.gpu += taken;
  }
  return sums;
}

// What a stretch of `seconds` costs: CPU per second of the renderer, the
// GPU process and the whole browser, and the renderer's main-thread task
// time, each as a share of one core.
async function measureCpu(browserPid, client, seconds) {
  const main = async () => {
    const { metrics } = await client.send("Performance.getMetrics");
    return metrics.find((metric) => metric.name === "TaskDuration").value;
  };
  const before = browserProcesses(browserPid);
  const mainBefore = await main();
  const start = performance.now();
  await sleep(seconds * 1000);
  const elapsed = (performance.now() - start) / 1000;
  const taken = cpuTaken(before, browserProcesses(browserPid));
  const share = (value) => (100 * value) / elapsed;
  return {
    renderer: share(taken.renderer),
    gpu: share(taken.gpu),
    browser: share(taken.all),
    mainThread: share((await main()) - mainBefore),
  };
}

// ---- one run on one build

async function openPage(browser, url, width, height, reports) {
  const page = await browser.newPage();
  page.on("console", (message) => {
    if (message.text().startsWith("vantorix: pacing:")) reports.push(message.text());
  });
  await page.setViewport({ width, height, deviceScaleFactor: 1 });
  await page.goto(url);
  await page.waitForFunction(() => !document.getElementById("window").hidden);
  const client = await page.createCDPSession();
  await client.send("Performance.enable");
  // The module's optimized code is compiled in the background after it starts.
  await sleep(kSettleSeconds * 1000);
  return { page, client };
}

async function startGame(page) {
  for (const key of ["F10", "ArrowDown", "Enter"]) await page.keyboard.press(key);
  await page.waitForSelector("dialog.box[open]", { timeout: 5000 });
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.querySelector("dialog.box[open]") === null,
                             { timeout: 5000 });
}

// The ship weaves and fires while the CPU is measured: the same keys every
// run, some 5 a second.
function play(page) {
  let stop = false;
  const player = (async () => {
    for (let step = 0; !stop; ++step) {
      const key = step % 2 === 0 ? "Space" : step % 8 < 4 ? "ArrowLeft" : "ArrowRight";
      await page.keyboard.press(key);
      await sleep(200);
    }
  })();
  return { player, stop: () => { stop = true; } };
}

function parsePacing(line) {
  const number = (pattern) => Number(pattern.exec(line)?.[1] ?? NaN);
  return {
    paintMean: number(/paint mean ([\d.]+) ms/),
    paintP99: number(/paint mean [\d.]+ ms, p99 ([\d.]+) ms/),
    latenessP99: number(/lateness median [\d.]+ ms, p99 ([\d.]+) ms/),
    tickRate: number(/\(([\d.]+) per second\)/),
  };
}

// The title for a while, then play at 1:1; then play in a window twice as
// large in a page of its own.
async function runOnce(browser, url) {
  const pid = browser.process().pid;
  const result = {};
  for (const [name, width, height] of [["1:1", 800, 600], ["2:1", 1600, 1100]]) {
    const reports = [];
    const { page, client } = await openPage(browser, url, width, height, reports);
    if (name === "1:1") result.title = await measureCpu(pid, client, kTitleSeconds);
    await startGame(page);
    const player = play(page);
    const cpu = await measureCpu(pid, client, kPlaySeconds);
    player.stop();
    await player.player;
    const boxes = await page.$$eval("dialog.box[open]", (open) => open.length);
    result[name] = { cpu, pacing: reports.length > 0 ? parsePacing(reports[0]) : null, boxes };
    await page.close();
  }
  return result;
}

// ---- the table

const median = (values) => {
  const sorted = values.filter((value) => Number.isFinite(value)).sort((a, b) => a - b);
  if (sorted.length === 0) return NaN;
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 === 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

function table(dir, results) {
  const pick = (get) => median(results.map((result) => {
    try {
      return get(result);
    } catch {
      return NaN;
    }
  }));
  const cell = (value, digits, unit) => (Number.isFinite(value) ? `${value.toFixed(digits)}${unit}` : "-");
  const lines = [
    `### ${dir} (median of ${results.length})`,
    "",
    "| | paint mean | paint p99 | tick lateness p99 | ticks/s | renderer CPU | GPU process CPU | browser CPU | renderer main thread |",
    "|---|---|---|---|---|---|---|---|---|",
  ];
  for (const name of ["1:1", "2:1"]) {
    lines.push(`| play ${name} | ${cell(pick((r) => r[name].pacing.paintMean), 3, " ms")} | ` +
               `${cell(pick((r) => r[name].pacing.paintP99), 3, " ms")} | ` +
               `${cell(pick((r) => r[name].pacing.latenessP99), 2, " ms")} | ` +
               `${cell(pick((r) => r[name].pacing.tickRate), 2, "")} | ` +
               `${cell(pick((r) => r[name].cpu.renderer), 1, " %")} | ` +
               `${cell(pick((r) => r[name].cpu.gpu), 1, " %")} | ` +
               `${cell(pick((r) => r[name].cpu.browser), 1, " %")} | ` +
               `${cell(pick((r) => r[name].cpu.mainThread), 1, " %")} |`);
  }
  lines.push(`| title | | | | | ${cell(pick((r) => r.title.renderer), 1, " %")} | ` +
             `${cell(pick((r) => r.title.gpu), 1, " %")} | ` +
             `${cell(pick((r) => r.title.browser), 1, " %")} | ` +
             `${cell(pick((r) => r.title.mainThread), 1, " %")} |`);
  const stray = results.reduce((sum, r) => sum + r["1:1"].boxes + r["2:1"].boxes, 0);
  if (stray > 0) lines.push("", `(a box opened during ${stray} measured plays)`);
  return lines.join("\n");
}

// ---- main

const chromium = options.chromium ?? findChromium();
const servers = [];
const urls = [];
for (const dir of webDirs) {
  const server = await serveFolder(resolve(dir));
  servers.push(server);
  urls.push(`http://127.0.0.1:${server.address().port}/vantorix.html?pacing=${kPacingSeconds}`);
}
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--force-color-profile=srgb"],
});
const results = webDirs.map(() => []);
const loads = [loadAverage()];
try {
  for (let run = 0; run < runs; ++run) {
    for (let i = 0; i < webDirs.length; ++i) {
      results[i].push(await runOnce(browser, urls[i]));
      loads.push(loadAverage());
      console.error(`run ${run + 1}/${runs} of ${webDirs[i]} done; load ${loads.at(-1)}`);
    }
  }
} finally {
  await browser.close();
  for (const server of servers) server.close();
}
console.log(`CPU shares are of one core (100 % = a core busy); ${runs} runs; ` +
            `load average (1, 5, 15 min) over the runs: ${loads.join(" → ")}\n`);
for (let i = 0; i < webDirs.length; ++i) console.log(`${table(webDirs[i], results[i])}\n`);
