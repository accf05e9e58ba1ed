// The page's program: it unpacks the game's module and hands the session in
// it the window's raw events (keys by their KeyboardEvent.code, the pointer
// on the menu or a box, the page going away, the keyboard's loss), calls its
// advance() when the module says, and after every call shows what the module
// holds: the menu, the boxes, the picture, and the ended notice once the
// session has ended, with a way to start it anew. What gamepads and fingers
// on the on-screen controls hold goes to the session too. A recording file
// chosen or dropped is played back in a session of its own, which replaces
// the one playing; the title returns once it has ended.
import { FullscreenButton } from "./fullscreen_button.mjs";
import { GameModule, MenuMode, MenuPart, PointerAction, ReplayStatus } from "./game_module.mjs";
import { Gamepads } from "./gamepads.mjs";
import { KeyboardFocus } from "./keyboard_focus.mjs";
import { MenuBar } from "./menu.mjs";
import { BoxDialogs } from "./message_box.mjs";
import { offerOfflineCopy } from "./offline.mjs";
import { PacingReport } from "./pacing_report.mjs";
import { RecordingPicker, ReplayNotice } from "./replay_files.mjs";
import { Screen } from "./screen.mjs";
import { TouchControls } from "./touch_controls.mjs";

// The module is stored in the page gzip-compressed, as base64.
async function unpackModule() {
  const base64 = document.getElementById("game-module").textContent.trim();
  const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
  return WebAssembly.compile(await new Response(stream).arrayBuffer());
}

const kPointerEvents = [
  ["mousedown", PointerAction.down], ["mousemove", PointerAction.move], ["mouseup", PointerAction.up],
];
// A finger (or a pen) on the menu or a box is heard as pointer events: the
// mouse events a browser makes of a tap come for one finger only.
const kFingerEvents = [
  ["pointerdown", PointerAction.down], ["pointermove", PointerAction.move],
  ["pointerup", PointerAction.up], ["pointercancel", PointerAction.up],
];

class Page {
  #compiled;
  #report = PacingReport.fromLocation(location);
  #boxes = new BoxDialogs(document);
  #screen = new Screen(document.getElementById("field"), document.getElementById("menu-bar"),
                       document.getElementById("stage"),
                       (milliseconds) => this.#report.painted(milliseconds));
  #focus = new KeyboardFocus(document.getElementById("field"), document.getElementById("menu-bar"),
                             document.querySelectorAll("#window .bar-row > :not(nav)"));
  #fullscreen = new FullscreenButton(document.getElementById("fullscreen"));
  #controls = new TouchControls(
      [document.getElementById("touch-pad"), document.getElementById("touch-fire")],
      (holder, controls) => this.#game?.holdControls(holder, controls), () => {
        document.getElementById("touch-help").hidden = false;
        this.#fullscreen.show();
        this.#screen.showControls();
      });
  #pads = new Gamepads(window, (index, buttons, x, y) => this.#game?.holdPad(index, buttons, x, y),
                       (count) => {
                         document.getElementById("pad-help").hidden = count === 0;
                         this.#screen.fit();
                       });
  #notice = new ReplayNotice(document.getElementById("replay-notice"), () => this.#screen.fit());
  #menuFinger = null;  // the finger on the menu or a box
  #menu = null;
  #game = null;      // the running session's module; null once it has ended
  #recorded = null;  // the module of the latest session, ended or not
  #replay = null;    // while a recording plays back: its module and its file's name
  #timeout = 0;      // the pending call of advance()
  #clockSeen = null; // the module's clock figures, for ?pacing

  constructor(compiled) {
    this.#compiled = compiled;
    addEventListener("keydown", (event) => this.#key(event, true));
    addEventListener("keyup", (event) => this.#key(event, false));
    for (const [type, action] of kPointerEvents) {
      document.addEventListener(type, (event) => {
        if (action === PointerAction.move || event.button === 0) {
          this.#pointer(event, action, event.target);
        }
      });
    }
    for (const [type, action] of kFingerEvents) {
      document.addEventListener(type, (event) => this.#finger(event, action));
    }
    // A long press on the game opens no menu of the browser's.
    document.getElementById("window").addEventListener("contextmenu", (e) => e.preventDefault());
    addEventListener("blur", () => this.#game?.focusLost());
    document.addEventListener("visibilitychange", () => this.#visibilityChanged());
    // Closing or reloading the tab closes the window; nothing is kept.
    addEventListener("pagehide", () => this.#game?.closeWindow());
    document.getElementById("start-anew").addEventListener("click", () => {
      this.#notice.clear();
      this.start().catch(showFault);
    });
    new RecordingPicker(document, (file) => this.playRecording(file).catch(showFault));
    for (const link of document.querySelectorAll(".save-recording")) {
      link.addEventListener("click", (event) => {
        event.preventDefault();
        if (this.#recorded !== null) saveRecording(this.#recorded.recording());
      });
    }
  }

  async start() {
    this.#begin(await this.#newModule());
  }

  // Plays a recording file back in a new session, which replaces the one
  // playing. A file the simulator would refuse is refused, naming its line,
  // before anything plays, and the session playing goes on.
  async playRecording(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const game = await this.#newModule();
    const checked = game.checkReplay(bytes);
    if (checked.status !== ReplayStatus.playedThrough) {
      this.#notice.refused(file.name, checked);
      return;
    }
    this.#stop();
    this.#replay = { game, name: file.name };
    this.#notice.playing(file.name);
    this.#begin(game);
    // The player's keys reach the replay, which ignores them, not the
    // control that chose it.
    document.getElementById("field").focus({ preventScroll: true });
  }

  async #newModule() {
    const game = await GameModule.create(this.#compiled, {
      changed: () => this.#changed(game),
      fault: (error) => this.#fault(error),
    });
    return game;
  }

  #begin(game) {
    document.getElementById("ended").hidden = true;
    this.#game = game;
    this.#recorded = game;
    this.#controls.forget();
    this.#pads.forget();
    this.#menuFinger = null;
    this.#clockSeen = game.clock();
    this.#menu ??= new MenuBar(document.getElementById("menu-bar"), game.menuTexts());
    document.getElementById("window").hidden = false;
    this.#screen.attach(game);
    this.#changed(game);
  }

  // After every call into the module: what it shows now, and when it wants
  // its next advance().
  #changed(game) {
    if (game !== this.#game) return;
    if (game.ended) {
      if (game === this.#replay?.game) {
        this.#replayEnded(game);
      } else {
        this.#end();
      }
      return;
    }
    this.#menu.show(game.menuMode, game.menuHighlighted);
    const boxes = [];
    for (let depth = 0; depth < game.openBoxes; ++depth) boxes.push(game.box(depth));
    this.#boxes.show(boxes);
    if (game.needsPaint) this.#screen.invalidate();
    if (this.#report.enabled) this.#measure(game);
    this.#schedule();
  }

  #schedule() {
    clearTimeout(this.#timeout);
    this.#timeout = 0;
    const game = this.#game;
    // A hidden page calls nothing: its game waits until it is shown again.
    if (game === null || document.hidden) return;
    const wait = game.millisecondsToWait;
    if (wait >= 0) {
      this.#timeout = setTimeout(() => {
        this.#timeout = 0;
        game.advance();
      }, wait);
    }
  }

  #visibilityChanged() {
    // Shown again, the game takes the tick it is late for at once, and its
    // clock starts its deadlines afresh from there: no burst of ticks.
    if (!document.hidden) this.#game?.advance();
    this.#report.breakRun();
    this.#schedule();
  }

  #measure(game) {
    const clock = game.clock();
    if (clock.ticks !== this.#clockSeen.ticks) this.#report.tick(clock.lateness, clock.perSecond);
    if (clock.changes !== this.#clockSeen.changes) this.#report.breakRun();
    this.#clockSeen = clock;
  }

  #key(event, down) {
    if (!this.#focus.forGame(event, down, this.#game)) return;
    if (this.#game?.key(event, down)) event.preventDefault();
  }

  // The left button, or one finger, on `target`.
  #pointer(event, action, target) {
    const game = this.#game;
    if (game === null) return;
    if (this.#boxes.open) {
      game.boxPointer(action, this.#boxes.targetOf(target));
      return;
    }
    const { part, item } = this.#menu.targetOf(target);
    // A press on the title neither takes the focus nor selects its text.
    if (action === PointerAction.down && part === MenuPart.title) event.preventDefault();
    game.menuPointer(action, part, item);
  }

  // The first finger down off the on-screen controls is the menu's and the
  // boxes' pointer until it lifts; the others are not heard there.
  #finger(event, action) {
    if (event.pointerType === "mouse") return;
    if (action === PointerAction.down) {
      if (event.button !== 0) return;
      if (this.#menuFinger !== null || this.#controls.owns(event.pointerId)) return;
      this.#menuFinger = event.pointerId;
      // No mouse events follow: the finger is heard here alone.
      event.preventDefault();
    } else if (event.pointerId !== this.#menuFinger) {
      return;
    } else if (action === PointerAction.up) {
      this.#menuFinger = null;
    }
    // A touch stays with the element it began on: what counts is the one
    // under the finger now; a cancelled touch lets go over nothing.
    const target = event.type === "pointercancel"
        ? null : document.elementFromPoint(event.clientX, event.clientY);
    this.#pointer(event, action, target);
  }

  // The session has ended: the window goes, and the notice says so.
  #end() {
    this.#stop();
    document.getElementById("window").hidden = true;
    document.getElementById("ended").hidden = false;
    document.getElementById("start-anew").focus();
  }

  // The replay has ended: the page says how it went, and the title returns
  // in a new session.
  #replayEnded(game) {
    this.#notice.ended(this.#replay.name, game.replayOutcome());
    this.#replay = null;
    this.#stop();
    this.start().catch(showFault);
  }

  #fault(error) {
    this.#stop();
    showFault(error);
  }

  #stop() {
    this.#game = null;
    clearTimeout(this.#timeout);
    this.#timeout = 0;
    this.#boxes.show([]);
    this.#menu?.show(MenuMode.closed, -1);
    this.#screen.attach(null);
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
  offerOfflineCopy(window);
} catch (error) {
  showFault(error);
}
