// The gamepads the browser knows, read in the standard layout once a
// display frame while at least one is connected, and not at all otherwise.
// Each pad's reading goes to the game only when it changed; a pad that goes
// away lets go of what it held. Which controls a reading holds (the stick's
// dead zone included) is the module's to say.
import { PadButton } from "./game_module.mjs";

// The standard mapping's buttons the game takes: the D-pad, A, B and Start.
const kButtonIndices = [12, 13, 14, 15, 0, 1, 9];
const kButtonBits = [PadButton.up, PadButton.down, PadButton.left, PadButton.right, PadButton.a,
                     PadButton.b, PadButton.start];

// The stick's -1 to 1 as the module counts it: -32768 to 32767.
function stickValue(axis) {
  const value = Number.isFinite(axis) ? Math.max(-1, Math.min(1, axis)) : 0;
  return Math.round(value < 0 ? value * 32768 : value * 32767);
}

export class Gamepads {
  #navigator;
  #window;
  #hold;
  #onCount;
  #readings = new Map();  // pad index -> { buttons, x, y, seen }
  #connected = 0;  // the count last told
  #frame = 0;
  #poll = () => this.#read();

  // `hold(index, buttons, stickX, stickY)` hears each change of a pad's
  // reading; `onCount(count)` how many pads are connected, when that changes.
  constructor(window, hold, onCount) {
    this.#window = window;
    this.#navigator = window.navigator;
    this.#hold = hold;
    this.#onCount = onCount;
    if (typeof this.#navigator.getGamepads !== "function") return;
    // The events only wake the polling: the reading itself says which pads
    // are there, so a pad that was connected before the page came is read.
    window.addEventListener("gamepadconnected", () => this.#wake());
    window.addEventListener("gamepaddisconnected", () => this.#wake());
    this.#wake();
  }

  // A new session has heard nothing yet: at the next display frame every
  // pad's reading goes to it anew.
  forget() {
    this.#readings.clear();
  }

  #wake() {
    if (this.#frame === 0) this.#read();
  }

  // The browser's pads; none where it will not say (a frame that the
  // pads' permission is not granted to).
  #pads() {
    try {
      return this.#navigator.getGamepads() ?? [];
    } catch {
      return [];
    }
  }

  #read() {
    this.#frame = 0;
    for (const reading of this.#readings.values()) reading.seen = false;
    for (const pad of this.#pads()) {
      if (pad === null || pad === undefined || pad.connected === false) continue;
      let buttons = 0;
      for (let i = 0; i < kButtonIndices.length; ++i) {
        if (pad.buttons[kButtonIndices[i]]?.pressed) buttons |= kButtonBits[i];
      }
      const x = stickValue(pad.axes[0]);
      const y = stickValue(pad.axes[1]);
      let reading = this.#readings.get(pad.index);
      if (reading === undefined) {
        // A pad first seen at rest holds nothing yet: nothing to say.
        reading = { buttons: 0, x: 0, y: 0, seen: true };
        this.#readings.set(pad.index, reading);
      }
      if (reading.buttons !== buttons || reading.x !== x || reading.y !== y) {
        this.#hold(pad.index, buttons, x, y);
      }
      reading.buttons = buttons;
      reading.x = x;
      reading.y = y;
      reading.seen = true;
    }
    for (const [index, reading] of this.#readings) {
      if (reading.seen) continue;
      this.#readings.delete(index);
      this.#hold(index, 0, 0, 0);
    }
    if (this.#readings.size !== this.#connected) {
      this.#connected = this.#readings.size;
      this.#onCount(this.#connected);
    }
    if (this.#readings.size > 0) this.#frame = this.#window.requestAnimationFrame(this.#poll);
  }
}
