// The loopback server gives the folder's files and nothing outside it.
import assert from "node:assert/strict";
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { request } from "node:http";
import { tmpdir } from "node:os";
import { join } from "node:path";
import test from "node:test";

import { serveFolder } from "../../app/web/serve.mjs";

// The raw request path, not normalised by a URL parser first.
function get(port, path, method = "GET") {
  return new Promise((resolve, reject) => {
    const asked = request({ host: "127.0.0.1", port, path, method }, (response) => {
      let body = "";
      response.on("data", (chunk) => (body += chunk));
      response.on("end", () => resolve({ status: response.statusCode, body,
                                         type: response.headers["content-type"] }));
    });
    asked.on("error", reject);
    asked.end();
  });
}

const kCases = [
  { path: "/page.html", status: 200, body: "<p>page</p>", type: "text/html; charset=utf-8" },
  { path: "/sub/", status: 200, body: "index" },
  { path: "/missing.html", status: 404 },
  { path: "/sub", status: 404 },
  { path: "/../secret.txt", status: 404 },
  { path: "/%2e%2e/secret.txt", status: 404 },
  { path: "/sub/..%2f..%2fsecret.txt", status: 404 },
  { path: "/%E0%A4%A", status: 400 },
  { path: "/page.html", method: "POST", status: 405 },
];

test("the server answers inside its folder only", async () => {
  const outer = mkdtempSync(join(tmpdir(), "vantorix-serve-"));
  const root = join(outer, "root");
  writeFileSync(join(outer, "secret.txt"), "secret");
  mkdirSync(join(root, "sub"), { recursive: true });
  writeFileSync(join(root, "page.html"), "<p>page</p>");
  writeFileSync(join(root, "sub", "index.html"), "index");
  const server = await serveFolder(root);
  try {
    for (const expected of kCases) {
      const got = await get(server.address().port, expected.path, expected.method);
      const where = `${expected.method ?? "GET"} ${expected.path}`;
      assert.equal(got.status, expected.status, where);
      if (expected.body !== undefined) assert.equal(got.body, expected.body, where);
      if (expected.type !== undefined) assert.equal(got.type, expected.type, where);
    }
  } finally {
    server.close();
    rmSync(outer, { recursive: true, force: true });
  }
});
