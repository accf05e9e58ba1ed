// Runs the simulator built for WebAssembly under node's WASI, as if it were
// the native vantorix-sim: node run_harness.mjs HARNESS.wasm [SCRIPT]
// Paths in the script are the host's, relative ones to the working directory.
// Node 18 wants --experimental-wasi-unstable-preview1 for WASI; later ones
// take it and need it not.
import { readFile } from "node:fs/promises";
import { WASI } from "node:wasi";

const [harness, ...args] = process.argv.slice(2);
const wasi = new WASI({
  version: "preview1",
  args: ["vantorix-sim", ...args],
  env: { PWD: process.cwd() },
  preopens: { "/": "/" },
  returnOnExit: true,
});
const module = await WebAssembly.compile(await readFile(harness));
const instance = await WebAssembly.instantiate(module, {
  wasi_snapshot_preview1: wasi.wasiImport,
});
process.exitCode = wasi.start(instance);
