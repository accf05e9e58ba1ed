// The game's controls on a touch screen, outside the field: a four-way pad
// (a finger in one of its corners holds both directions) and a fire button.
// Each finger holds the control under it, several fingers at once; one that
// slides onto another control holds that one instead, as on a D-pad, and
// lifting it lets go. A click that no finger made (the mouse, the keyboard,
// a screen reader) is one tap. They are shown once the page knows it is on
// a touch screen: at once on one whose main pointer is a finger, else at
// the first touch.
import { Control } from "./game_module.mjs";

// Who holds what, as the module hears it: a click's tap as -1, each finger
// as a number below it; the pads hold by their index, from 0 up.
const kTapHolder = -1;
const fingerHolder = (pointerId) => -2 - (pointerId & 0x3fffffff);

// The controls of a part's data-controls, such as "left up".
function controlsOf(part) {
  return part.dataset.controls.split(" ").reduce((set, name) => set | (Control[name] ?? 0), 0);
}

export class TouchControls {
  #document;
  #groups;
  #parts = [];            // the elements with data-controls
  #sets = [];             // the controls each holds
  #fingersOn;             // how many fingers are on each
  #edges;                 // each one's left, top, right and bottom
  #fingers = new Map();   // pointerId -> the index of the part under it, or -1
  #hold;
  #onShown;
  #shown = false;

  // `groups` hold the parts (elements with data-controls); `hold(holder,
  // set)` hears what each finger or tap holds; `onShown()` that they are
  // shown.
  constructor(groups, hold, onShown) {
    this.#groups = groups;
    this.#document = groups[0].ownerDocument;
    this.#hold = hold;
    this.#onShown = onShown;
    const window = this.#document.defaultView;
    for (const group of groups) {
      const parts = group.matches("[data-controls]") ? [group] : group.querySelectorAll("[data-controls]");
      for (const part of parts) {
        this.#parts.push(part);
        this.#sets.push(controlsOf(part));
        part.addEventListener("click", (event) => this.#click(part, event));
      }
      // No click or zoom follows a finger here, and a long press opens no menu.
      group.addEventListener("touchstart", (event) => event.preventDefault(), { passive: false });
      group.addEventListener("contextmenu", (event) => event.preventDefault());
    }
    this.#fingersOn = new Int32Array(this.#parts.length);
    this.#edges = new Float64Array(this.#parts.length * 4);
    // Heard first, wherever the finger is: over an open box the page beneath
    // is inert, and its events go to the box.
    const first = { capture: true };
    window.addEventListener("pointerdown", (event) => this.#down(event), first);
    window.addEventListener("pointermove", (event) => this.#move(event), first);
    window.addEventListener("pointerup", (event) => this.#lift(event), first);
    window.addEventListener("pointercancel", (event) => this.#lift(event), first);
    if (window.matchMedia("(pointer: coarse)").matches) this.#show();
  }

  // Whether a pointer is a finger on the controls (not the menu's or a box's).
  owns(pointerId) {
    return this.#fingers.has(pointerId);
  }

  // A new session: no finger holds anything in it yet.
  forget() {
    this.#fingers.clear();
    this.#fingersOn.fill(0);
    for (const part of this.#parts) part.classList.remove("held");
  }

  #show() {
    if (this.#shown) return;
    this.#shown = true;
    for (const group of this.#groups) group.hidden = false;
    this.#onShown();
  }

  #down(event) {
    if (event.pointerType === "mouse") return;
    if (event.pointerType === "touch") this.#show();
    this.#measure();
    const part = this.#partAt(event);
    if (part < 0) return;
    // No mouse events follow; and a touch is held by the element it began
    // on, where here the finger holds whatever it is over.
    event.preventDefault();
    if (event.target.hasPointerCapture?.(event.pointerId)) {
      event.target.releasePointerCapture(event.pointerId);
    }
    this.#fingers.set(event.pointerId, -1);
    this.#put(event.pointerId, part);
  }

  #move(event) {
    const held = this.#fingers.get(event.pointerId);
    if (held === undefined) return;
    const part = this.#partAt(event);
    if (part !== held) this.#put(event.pointerId, part);
  }

  #lift(event) {
    if (!this.#fingers.has(event.pointerId)) return;
    this.#put(event.pointerId, -1);
    this.#fingers.delete(event.pointerId);
  }

  // The finger `pointerId` is now on the part numbered `part` (-1: none).
  #put(pointerId, part) {
    const before = this.#fingers.get(pointerId);
    this.#fingers.set(pointerId, part);
    if (before >= 0) this.#count(before, -1);
    if (part >= 0) this.#count(part, 1);
    this.#hold(fingerHolder(pointerId), part >= 0 ? this.#sets[part] : 0);
  }

  #count(part, change) {
    this.#fingersOn[part] += change;
    this.#parts[part].classList.toggle("held", this.#fingersOn[part] > 0);
  }

  // Where the parts are, as the page is laid out at a finger's touch.
  #measure() {
    this.#parts.forEach((part, i) => {
      const { left, top, right, bottom } = part.getBoundingClientRect();
      this.#edges.set([left, top, right, bottom], i * 4);
    });
  }

  // The part under a pointer, or -1.
  #partAt(event) {
    const x = event.clientX;
    const y = event.clientY;
    const element = this.#document.elementFromPoint(x, y);
    if (element === null) return -1;
    if (element.localName !== "dialog") return this.#parts.indexOf(element.closest("[data-controls]"));
    // The page beneath an open box answers to no point: its parts are
    // found by their place.
    const edges = this.#edges;
    for (let i = 0; i < this.#parts.length; ++i) {
      if (x >= edges[i * 4] && y >= edges[i * 4 + 1] && x < edges[i * 4 + 2] && y < edges[i * 4 + 3]) {
        return i;
      }
    }
    return -1;
  }

  #click(part, event) {
    if (event.pointerType === "touch" || event.pointerType === "pen") return;
    const index = this.#parts.indexOf(part);
    this.#hold(kTapHolder, this.#sets[index]);
    this.#hold(kTapHolder, 0);
  }
}
