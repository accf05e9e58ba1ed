// Packs the page into one self-contained file: the HTML with its CSS, its
// script modules bundled into one inline module (a page opened from disk may
// load nothing else), the game's module gzip-compressed as base64, and the
// icon, with the project's version in its footer. Beside it go what a host
// serves for installing the page on a phone and opening it offline: the
// manifest, with the page's title, words and colour and the icons given as
// PNGs (written as icon-SIDE.png), and the worker that keeps them all.
// Usage: node make_page.mjs PAGE_DIR MODULE.wasm ICON.ico VERSION OUTPUT.html [ICON.png...]
import { createHash } from "node:crypto";
import { readFileSync, renameSync, writeFileSync } from "node:fs";
import { basename, dirname, join } from "node:path";
import { gzipSync } from "node:zlib";

import { PageText } from "./page/game_module.mjs";
import { kManifestFile, kWorkerFile } from "./page/offline.mjs";

const kImport = /^import \{([^}]*)\} from "\.\/([\w-]+\.mjs)";$/;
const kExport = /^export (?:async function\*?|function\*?|class|const|let) ([A-Za-z_$][\w$]*)/;

function fail(message) {
  console.error(`make_page: ${message}`);
  process.exit(1);
}

// The modules are our own and keep to one form: single-line named imports of
// sibling files, and exports on declarations. Each becomes a function scope
// that returns its exports, placed after the modules it imports; the entry
// module comes last as it stands, free to await at its top level.
function bundle(dir, entry) {
  const order = [];
  const state = new Map();  // file -> "visiting" | "done"
  const scopeName = (file) => `module_${file.replace(/\W/g, "_")}`;
  const visit = (file, from) => {
    if (state.get(file) === "done") return;
    if (state.get(file) === "visiting") fail(`${from} and ${file} import each other`);
    state.set(file, "visiting");
    let source;
    try {
      source = readFileSync(join(dir, file), "utf8");
    } catch (error) {
      fail(`cannot read ${file}${from ? ` (imported by ${from})` : ""}: ${error.message}`);
    }
    const exported = [];
    const lines = source.split("\n").map((line, index) => {
      const imported = kImport.exec(line);
      if (imported) {
        visit(imported[2], file);
        return `const {${imported[1]}} = ${scopeName(imported[2])};`;
      }
      const declared = kExport.exec(line);
      if (declared) {
        exported.push(declared[1]);
        return line.slice("export ".length);
      }
      if (/^\s*(import|export)\b/.test(line)) {
        fail(`${file}:${index + 1}: unsupported form: ${line}`);
      }
      return line;
    });
    const body = lines.join("\n");
    const returned = `return { ${exported.join(", ")} };`;
    order.push(file === entry ? body : `const ${scopeName(file)} = (() => {\n${body}\n${returned}\n})();`);
    state.set(file, "done");
  };
  visit(entry, "");
  return order.join("\n");
}

// The window title, read from the module itself so that it has one home.
// The module may import the page's services and nothing else: the page has
// no WASI to give it.
function windowTitle(wasm) {
  const module = new WebAssembly.Module(wasm);
  const foreign = WebAssembly.Module.imports(module).filter((wanted) => wanted.module !== "page");
  if (foreign.length > 0) {
    fail(`the module imports what the page lacks: ${
        foreign.map((wanted) => `${wanted.module}.${wanted.name}`).join(", ")}`);
  }
  const stub = () => {
    throw new Error("the module called the page while being read");
  };
  const page = Object.fromEntries(WebAssembly.Module.imports(module).map(({ name }) => [name, stub]));
  const { exports } = new WebAssembly.Instance(module, { page });
  exports._initialize();
  const { buffer } = exports.memory;
  const title = PageText.windowTitle;
  return new TextDecoder().decode(
      new Uint8Array(buffer, exports.textAddress(title), exports.textLength(title)));
}

const escapeHtml = (text) =>
  text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");

const [pageDir, modulePath, iconPath, version, outputPath, ...pngPaths] = process.argv.slice(2);
if (!outputPath) {
  fail("usage: node make_page.mjs PAGE_DIR MODULE.wasm ICON.ico VERSION OUTPUT.html [ICON.png...]");
}

const read = (path) => {
  try {
    return readFileSync(path);
  } catch (error) {
    fail(`cannot read ${path}: ${error.message}`);
  }
};
const wasm = read(modulePath);
const script = bundle(pageDir, "main.mjs");
if (/<\/script/i.test(script)) fail("a script may not contain the text </script");

const title = windowTitle(wasm);
const parts = {
  title: escapeHtml(title),
  version: escapeHtml(version),
  icon: `data:image/x-icon;base64,${read(iconPath).toString("base64")}`,
  style: read(join(pageDir, "page.css")).toString("utf8"),
  module: gzipSync(wasm, { level: 9 }).toString("base64").replace(/.{1,100}/g, "$&\n"),
  script,
};
const html = read(join(pageDir, "page.html")).toString("utf8").replace(
    /<!--vantorix:(\w+)-->/g, (marker, name) => parts[name] ?? fail(`unknown part ${marker}`));

// What the page's head says, for the manifest: one home for each.
function headValue(pattern, what) {
  const found = pattern.exec(html);
  if (!found) fail(`page.html has no ${what}`);
  return found[1].replace(/&quot;/g, '"').replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&");
}
const meta = (name) => headValue(new RegExp(`<meta name="${name}" content="([^"]*)">`), `meta ${name}`);

// A PNG's side, from its header; the icons are square.
function pngSide(png, path) {
  const signature = "89504e470d0a1a0a";
  if (png.length < 24 || png.subarray(0, 8).toString("hex") !== signature) fail(`${path} is no PNG`);
  const side = png.readUInt32BE(16);
  if (png.readUInt32BE(20) !== side) fail(`${path} is not square`);
  return side;
}
const icons = pngPaths.map((path) => {
  const png = read(path);
  const side = pngSide(png, path);
  return { file: `icon-${side}.png`, png, side };
});

const colour = meta("theme-color");
const manifest = `${JSON.stringify({
  name: title,
  short_name: title,
  description: meta("description"),
  lang: headValue(/<html lang="([^"]*)">/, "language"),
  start_url: ".",
  scope: ".",
  display: "fullscreen",
  background_color: colour,
  theme_color: colour,
  icons: icons.map(({ file, side }) => ({ src: file, sizes: `${side}x${side}`, type: "image/png" })),
}, null, 2)}\n`;

// The worker's cache is named for the version and for what it keeps.
const kept = [kManifestFile, ...icons.map(({ file }) => file)];
const digest = createHash("sha256");
for (const content of [html, manifest, ...icons.map(({ png }) => png)]) digest.update(content);
const worker = `const kCacheVersion = ${JSON.stringify(`${version}-${digest.digest("hex").slice(0, 16)}`)};
const kFiles = ${JSON.stringify(kept)};
${read(join(pageDir, "sw.js")).toString("utf8")}`;

function writeWhole(path, content) {
  const temporary = `${path}.${process.pid}.tmp`;
  writeFileSync(temporary, content);
  renameSync(temporary, path);
}
const outputDir = dirname(outputPath);
for (const { file, png } of icons) writeWhole(join(outputDir, file), png);
writeWhole(join(outputDir, kManifestFile), manifest);
writeWhole(join(outputDir, kWorkerFile), worker);
writeWhole(outputPath, html);
console.log(`make_page: ${basename(outputPath)}, ${Buffer.byteLength(html)} bytes; ${
    [kManifestFile, kWorkerFile].join(", ")}, ${icons.length} icons`);
