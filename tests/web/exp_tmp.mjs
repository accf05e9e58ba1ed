import puppeteer from "puppeteer-core";
const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--force-color-profile=srgb"] });
const page = await browser.newPage();
page.on("pageerror", (e) => console.log("pageerror:", e.message));
for (const [w, h, r] of [[1024, 768, 2], [768, 1024, 2], [915, 412, 2.625], [667, 375, 2]]) {
  await page.setViewport({ width: w, height: h, deviceScaleFactor: r, isMobile: true, hasTouch: true });
  await page.goto("file:///work/wt-touch/build/web/vantorix.html");
  await page.waitForFunction(() => !document.getElementById("window").hidden);
  if (w === 667) { await page.keyboard.press("F10"); await page.keyboard.press("ArrowDown"); await page.keyboard.press("Enter"); }
  console.log(w, h, await page.evaluate(() => [document.documentElement.dataset.arrangement, document.getElementById("field").getBoundingClientRect().width * devicePixelRatio / 767, document.documentElement.scrollWidth, document.documentElement.scrollHeight]));
  await page.screenshot({ path: `/tmp/touchexp/dev-${w}x${h}.png` });
}
await browser.close();
