// Serves one folder on 127.0.0.1 as any static web host would, for trying the
// page (make play-web) and for its test: node serve.mjs FOLDER [PORT]
import { createReadStream } from "node:fs";
import { stat } from "node:fs/promises";
import { createServer } from "node:http";
import { extname, resolve, sep } from "node:path";
import { pathToFileURL } from "node:url";

const kTypes = new Map([
  [".html", "text/html; charset=utf-8"],
  [".js", "text/javascript; charset=utf-8"],
  [".mjs", "text/javascript; charset=utf-8"],
  [".css", "text/css; charset=utf-8"],
  [".wasm", "application/wasm"],
  [".ico", "image/x-icon"],
  [".png", "image/png"],
  [".webmanifest", "application/manifest+json"],
]);

async function answer(root, request, response) {
  const refuse = (status) => {
    response.writeHead(status, { "Content-Type": "text/plain; charset=utf-8" });
    response.end(`${status}\n`);
  };
  if (request.method !== "GET" && request.method !== "HEAD") return refuse(405);
  let path;
  try {
    path = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
  } catch {
    return refuse(400);
  }
  if (path.endsWith("/")) path += "index.html";
  const file = resolve(root, `.${path}`);
  if (!file.startsWith(root + sep)) return refuse(404);
  const found = await stat(file).catch(() => null);
  if (found === null || !found.isFile()) return refuse(404);
  response.writeHead(200, {
    "Content-Type": kTypes.get(extname(file)) ?? "application/octet-stream",
    "Content-Length": found.size,
    "Cache-Control": "no-cache",
  });
  if (request.method === "HEAD") return response.end();
  createReadStream(file).on("error", () => response.destroy()).pipe(response);
}

// Resolves to the listening server; port 0 takes any free port.
export function serveFolder(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    answer(root, request, response).catch(() => response.destroy());
  });
  return new Promise((resolved, rejected) => {
    server.once("error", rejected);
    server.listen(port, "127.0.0.1", () => resolved(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, portText = "8064"] = process.argv.slice(2);
  const port = Number(portText);
  if (!folder || !Number.isInteger(port) || port < 0 || port > 65535) {
    console.error("usage: node serve.mjs FOLDER [PORT]");
    process.exit(2);
  }
  try {
    const server = await serveFolder(folder, port);
    console.log(`Open http://127.0.0.1:${server.address().port}/vantorix.html (Ctrl+C stops)`);
  } catch (error) {
    console.error(`serve.mjs: cannot serve on 127.0.0.1:${port}: ${error.message}`);
    process.exit(1);
  }
}
