// The page's program: it unpacks the game's module, runs the game in it with
// the page's clock, boxes, menu and screen, hands it the keys, and shows that
// the program has ended when it quits, with a way to start it anew.
import { Clock } from "./clock.mjs";
import { GameModule, PageText } from "./game_module.mjs";
import { keptFromBrowser, virtualKeyOf } from "./keys.mjs";
import { Menu } from "./menu.mjs";
import { MessageBoxes } from "./message_box.mjs";
import { PacingReport } from "./pacing_report.mjs";
import { Screen } from "./screen.mjs";

// The module is stored in the page gzip-compressed, as base64.
async function unpackModule() {
  const base64 = document.getElementById("game-module").textContent.trim();
  const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
  return WebAssembly.compile(await new Response(stream).arrayBuffer());
}

class Page {
  #compiled;
  #report = PacingReport.fromLocation(location);
  #boxes = new MessageBoxes(document);
  #screen = new Screen(document.getElementById("field"), document.getElementById("menu-bar"),
                       document.getElementById("about"),
                       (milliseconds) => this.#report.painted(milliseconds));
  #clock = new Clock((lateness) => {
    this.#report.tick(lateness);
    this.#game?.timer();
  });
  #menu = null;
  #game = null;      // the running program's module; null once it has ended
  #recorded = null;  // the module of the latest session, ended or not

  constructor(compiled) {
    this.#compiled = compiled;
    addEventListener("keydown", (event) => this.#keyDown(event));
    addEventListener("keyup", (event) => {
      if (this.#game !== null && !this.#boxes.open && this.#menu.keyUp(event)) {
        event.preventDefault();
      }
    });
    addEventListener("blur", () => this.#menu?.close());
    this.#clock.setHidden(document.hidden);
    document.addEventListener("visibilitychange", () => {
      this.#report.breakRun();
      this.#clock.setHidden(document.hidden);
    });
    // Closing or reloading the tab destroys the window; nothing is kept.
    addEventListener("pagehide", () => this.#game?.destroy());
    document.getElementById("start-anew").addEventListener("click", () => {
      this.start().catch(showFault);
    });
    for (const link of document.querySelectorAll(".save-recording")) {
      link.addEventListener("click", (event) => {
        event.preventDefault();
        if (this.#recorded !== null) saveRecording(this.#recorded.recording());
      });
    }
  }

  async start() {
    document.getElementById("ended").hidden = true;
    const game = await GameModule.create(this.#compiled, {
      startTimer: () => this.#setClock(true),
      stopTimer: () => this.#setClock(false),
      showBox: (text, caption, yesNo) => this.#boxes.show(text, caption, yesNo),
      invalidate: () => this.#screen.invalidate(),
      quit: () => this.#end(game),
      fault: (error) => this.#fault(error),
    });
    this.#game = game;
    this.#recorded = game;
    this.#boxes.useLabels({ ok: game.text(PageText.okButton), yes: game.text(PageText.yesButton),
                            no: game.text(PageText.noButton) });
    this.#menu ??= new Menu(document.getElementById("menu-bar"), game.text(PageText.menu),
                            [PageText.start, PageText.quit].map((id) => ({
                              text: game.text(id),
                              command: game.textCommand(id),
                            })),
                            (command) => this.#game?.command(command));
    document.getElementById("window").hidden = false;
    this.#screen.attach(game);
  }

  #setClock(running) {
    this.#report.breakRun();
    if (running) this.#clock.start();
    else this.#clock.stop();
  }

  // The program posted its quit: the window goes, the clock with it.
  #end(game) {
    if (this.#game !== game) return;
    this.#game = null;
    this.#clock.stop();
    this.#menu.close();
    this.#screen.attach(null);
    document.getElementById("window").hidden = true;
    document.getElementById("ended").hidden = false;
    document.getElementById("start-anew").focus();
  }

  #fault(error) {
    this.#game = null;
    this.#clock.stop();
    this.#screen.attach(null);
    showFault(error);
  }

  #keyDown(event) {
    if (this.#game === null || this.#boxes.open) return;
    if (this.#menu.keyDown(event)) {
      event.preventDefault();
      return;
    }
    // With Alt held a key is the system's, never the game's.
    if (event.altKey) return;
    if (keptFromBrowser(event)) event.preventDefault();
    const virtualKey = virtualKeyOf(event);
    if (virtualKey !== 0) this.#game.keyDown(virtualKey);
  }
}

// Saves the text as a file named for the moment, as a download.
function saveRecording(text) {
  const pad = (n) => String(n).padStart(2, "0");
  const now = new Date();
  const stamp = `${now.getFullYear()}${pad(now.getMonth() + 1)}${pad(now.getDate())}-` +
                `${pad(now.getHours())}${pad(now.getMinutes())}${pad(now.getSeconds())}`;
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
  link.download = `vantorix-${stamp}.sim`;
  link.click();
  // Kept a while: the download reads it after this returns.
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

function showFault(error) {
  document.getElementById("window").hidden = true;
  const fault = document.getElementById("fault");
  fault.querySelector("code").textContent = String(error?.stack ?? error);
  fault.hidden = false;
  console.error("vantorix:", error);
}

try {
  await new Page(await unpackModule()).start();
} catch (error) {
  showFault(error);
}
