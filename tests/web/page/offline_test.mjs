// The page as a host serves the web zip's folder: its manifest installs it
// with its title and icons, and once its worker controls it, it opens again
// with the network gone.
import { test } from "node:test";

import { check, PageText, pageTests } from "./harness.mjs";

const context = pageTests("offline", "site");

test("the manifest names the game and its icons, each a PNG of its size", async () => {
  const { run, facts } = context;
  const manifest = await run.page.evaluate(async () => {
    const href = document.querySelector('link[rel="manifest"]')?.href;
    if (href === undefined) return null;
    const found = await (await fetch(href)).json();
    for (const icon of found.icons) {
      const picture = await createImageBitmap(await (await fetch(new URL(icon.src, href))).blob());
      icon.shown = `${picture.width}x${picture.height}`;
    }
    return found;
  });
  check(manifest !== null, "the served page links no manifest");
  const title = facts.text(PageText.windowTitle);
  check(manifest.name === title && manifest.start_url === "." && manifest.lang === "ja",
        `the manifest says ${JSON.stringify(manifest)}`);
  const icons = manifest.icons.map((icon) => `${icon.sizes} ${icon.shown} ${icon.type}`);
  check(icons.join() === "192x192 192x192 image/png,512x512 512x512 image/png", `icons: ${icons}`);
});

test("the worker controls the page, which opens again with the host gone", async () => {
  const { run, server } = context;
  await run.page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30000 })
      .catch(() => check(false, "no worker took the page"));
  // The browser's offline mode does not reach the worker's own fetches.
  server.close();
  server.closeAllConnections();
  await run.page.setOfflineMode(true);
  await run.page.reload();
  await run.page.waitForFunction(() => !document.getElementById("window").hidden, { timeout: 30000 })
      .catch(() => check(false, "the page did not open again offline"));
  await run.expectTitle("offline", "title-offline");
  run.expectNoErrors();
});
