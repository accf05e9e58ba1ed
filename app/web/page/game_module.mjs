// The game's WebAssembly module in the page: the session of the shell core,
// handed the window's raw events and read back after every call. A box waits
// for its answer inside the module's call, so that call leaves through
// asyncify and is run again, to come back, once the module says the newest
// box has its answer; meanwhile the page goes on calling the module (ticks,
// keys, clicks, paints). Boxes are answered newest first.

const kUnwinding = 1;
const kRewinding = 2;

// The page's words in the module, by number (see module_exports.cpp); the
// window title goes into the page when it is packed.
export const PageText = Object.freeze({
  windowTitle: 0, menu: 1, start: 2, quit: 3, okButton: 4, yesButton: 5, noButton: 6,
});
// The numbers the module's exports take and give (module_exports.cpp).
export const PointerAction = Object.freeze({ down: 0, move: 1, up: 2 });
export const MenuPart = Object.freeze({ elsewhere: 0, title: 1, popup: 2, item: 3 });
export const MenuMode = Object.freeze({ closed: 0, barSelected: 1, open: 2 });
export const kNoButton = -1;
// How a recording's check, then its replay, went: the simulator's exit
// statuses.
export const ReplayStatus = Object.freeze({ playedThrough: 0, malformed: 2, differs: 3 });
// A set of held controls is the sum of their bits; a pad's buttons take the
// same bits (A fires, B goes back).
export const Control = Object.freeze({
  left: 1, up: 2, right: 4, down: 8, fire: 16, back: 32, start: 64,
});
export const PadButton = Object.freeze({
  left: 1, up: 2, right: 4, down: 8, a: 16, b: 32, start: 64,
});

const utf8 = new TextDecoder();
const utf8Encoder = new TextEncoder();

export class GameModule {
  #exports;
  #changed;
  #fault;
  #now;
  #depth = 0;       // calls under way, nested in each other
  #broken = false;
  #waiting = [];    // calls that wait for a box's answer, oldest first
  #unwound = 0;     // the record of the call that is leaving
  #frame = null;
  #areas = null;    // the changed areas' numbers in the module's memory

  // `changed()` runs after every call from the page into the module, once
  // the calls whose boxes have their answers have run on; `fault(error)`
  // hears of a call that failed, after which the module is called no more;
  // `now()` is the clock in milliseconds, performance.now() unless given.
  static async create(compiled, { changed, fault, now = () => performance.now() }) {
    const module = new GameModule(changed, fault, now);
    const instance = await WebAssembly.instantiate(compiled, { page: module.#imports() });
    module.#exports = instance.exports;
    module.#exports._initialize();
    return module;
  }

  constructor(changed, fault, now) {
    this.#changed = changed;
    this.#fault = fault;
    this.#now = now;
  }

  // ---- inputs

  // A key going down or up; true when the page must keep it from the browser.
  key(event, down) {
    if (this.#broken) return false;
    let kept;
    try {
      kept = this.#exports.takeKey(this.#writeKeyCode(event.code), event.repeat, event.shiftKey,
                                   event.altKey) !== 0;
    } catch (error) {
      this.#fail(error);
      return false;
    }
    this.#call(down ? "keyDown" : "keyUp");
    return kept;
  }

  // The virtual-key code the module gives a KeyboardEvent.code.
  virtualKeyOfCode(code) {
    return this.#exports.virtualKeyOfCode(this.#writeKeyCode(code));
  }

  menuPointer(action, part, item = -1) {
    this.#call("menuPointer", action, part, item);
  }

  boxPointer(action, button) {
    this.#call("boxPointer", action, button);
  }

  // What `holder` holds now (pads by their index, fingers by negative
  // numbers): a set of Control bits; 0 lets it go.
  holdControls(holder, controls) {
    this.#call("holdControls", holder, controls);
  }

  // A pad's buttons (PadButton bits) and its left stick, -32768 to 32767.
  holdPad(holder, buttons, stickX, stickY) {
    this.#call("holdPad", holder, buttons, stickX, stickY);
  }

  closeWindow() {
    this.#call("closeWindow");
  }

  focusLost() {
    this.#call("focusLost");
  }

  advance() {
    this.#call("advance");
  }

  // Before any other call: the bytes of a recording that this module's
  // session is to play back, checked as the simulator would read them. How
  // the check went (see replayOutcome); a session made after a check that
  // played through is that recording's replay. `message` is null for a file
  // too large to be a recording.
  checkReplay(bytes) {
    const address = this.#exports.replayRoom(bytes.length);
    if (address === 0) return { status: ReplayStatus.malformed, line: 0, message: null };
    new Uint8Array(this.#exports.memory.buffer, address, bytes.length).set(bytes);
    this.#exports.checkReplay();
    return this.replayOutcome();
  }

  // How the check, then the replay, went: its status (ReplayStatus), the
  // line it stopped at and what was wrong there, as the simulator says it.
  replayOutcome() {
    const e = this.#exports;
    return { status: e.replayStatus(), line: e.replayLine(),
             message: this.#string(e.replayMessageAddress(), e.replayMessageLength()) };
  }

  // ---- what the module says

  // Milliseconds until advance() is due; -1 for not before an input.
  get millisecondsToWait() {
    return this.#exports.millisecondsToWait();
  }

  get ended() {
    return this.#exports.ended() !== 0;
  }

  get needsPaint() {
    return this.#exports.needsPaint() !== 0;
  }

  get menuMode() {
    return this.#exports.menuMode();
  }

  get menuHighlighted() {
    return this.#exports.menuHighlighted();
  }

  // The menu's title word and its items' words.
  menuTexts() {
    const items = [];
    for (let i = 0; i < this.#exports.menuItemCount(); ++i) {
      items.push(this.text(this.#exports.menuText(i)));
    }
    return { title: this.text(this.#exports.menuText(-1)), items };
  }

  get openBoxes() {
    return this.#exports.openBoxes();
  }

  // The box open at `depth` (0 for the oldest), as the page shows it.
  box(depth) {
    const e = this.#exports;
    const labels = [];
    for (let i = 0; i < e.boxButtonCount(depth); ++i) labels.push(this.text(e.boxButtonText(depth, i)));
    return {
      serial: e.boxSerial(depth),
      text: this.#string(e.boxTextAddress(depth), e.boxTextLength(depth)),
      caption: this.#string(e.boxCaptionAddress(depth), e.boxCaptionLength(depth)),
      labels,
      focused: e.boxFocused(depth),
      pressed: e.boxPressed(depth),
      answered: e.boxAnswered(depth) !== 0,
    };
  }

  // Paints the session and returns the whole picture, of which only the
  // changed areas (changedCount, changedAreas) differ from what the last
  // paint returned; null once broken.
  paint() {
    if (this.#broken) return null;
    let address;
    try {
      address = this.#exports.paint();
    } catch (error) {
      this.#fail(error);
      return null;
    }
    const { buffer } = this.#exports.memory;
    if (this.#frame === null || this.#frame.data.buffer !== buffer ||
        this.#frame.data.byteOffset !== address) {
      const width = this.frameWidth;
      const height = this.frameHeight;
      this.#frame = new ImageData(new Uint8ClampedArray(buffer, address, width * height * 4),
                                  width, height);
    }
    return this.#frame;
  }

  // How many areas the latest paint changed.
  get changedCount() {
    return this.#exports.changedCount();
  }

  // The areas the latest paint changed: left, top, right and bottom
  // (excluded) of each, the first changedCount of them, in frame pixels.
  // One view, made again only when the module's memory moves.
  get changedAreas() {
    const { buffer } = this.#exports.memory;
    const address = this.#exports.changedAreas();
    if (this.#areas === null || this.#areas.buffer !== buffer || this.#areas.byteOffset !== address) {
      this.#areas = new Int32Array(buffer, address, 4 * this.#exports.mostChangedAreas());
    }
    return this.#areas;
  }

  // The next paint changes the whole picture: what showed it lost it.
  invalidateAll() {
    if (!this.#broken) this.#exports.invalidateAll();
  }

  get frameWidth() {
    return this.#exports.frameWidth();
  }

  get frameHeight() {
    return this.#exports.frameHeight();
  }

  text(id) {
    return this.#string(this.#exports.textAddress(id), this.#exports.textLength(id));
  }

  // The session's recording so far: a script the simulator replays.
  recording() {
    return this.#string(this.#exports.recordingAddress(), this.#exports.recordingLength());
  }

  // The clock's figures: ticks taken, the latest one's lateness in
  // milliseconds, the clock's starts and stops, and the ticks in a second.
  clock() {
    const e = this.#exports;
    return { ticks: e.ticks(), lateness: e.latestLateness() / 1000, changes: e.clockChanges(),
             perSecond: e.ticksPerSecond() };
  }

  // ---- the calls

  #writeKeyCode(code) {
    // The address first: the module's first call may grow its memory.
    const address = this.#exports.keyCode();
    const room = new Uint8Array(this.#exports.memory.buffer, address, this.#exports.keyCodeRoom());
    const { read, written } = utf8Encoder.encodeInto(code, room);
    return read === code.length ? written : -1;
  }

  #string(address, length) {
    return utf8.decode(new Uint8Array(this.#exports.memory.buffer, address, length));
  }

  #imports() {
    return {
      now: () => this.#now(),
      waitForAnswer: (record) => {
        if (this.#exports.asyncify_get_state() === kRewinding) {
          // Back from the wait: the box has its answer.
          this.#exports.asyncify_stop_rewind();
          return;
        }
        this.#unwound = record;
        this.#exports.asyncify_start_unwind(record);
      },
    };
  }

  #fail(error) {
    this.#broken = true;
    this.#fault(error);
  }

  #call(entry, ...args) {
    if (this.#broken) return;
    ++this.#depth;
    try {
      this.#enter({ entry, args, record: 0 });
      // The calls whose boxes have their answers go on, newest first, each
      // until it is done or waits for its next box.
      while (!this.#broken && this.#waiting.length > 0 && this.#exports.newestBoxDone() !== 0) {
        const call = this.#waiting.pop();
        this.#exports.asyncify_start_rewind(call.record);
        this.#enter(call);
      }
    } catch (error) {
      this.#fail(error);
    } finally {
      --this.#depth;
    }
    if (!this.#broken && this.#depth === 0) this.#changed();
  }

  #enter(call) {
    this.#exports[call.entry](...call.args);
    if (this.#exports.asyncify_get_state() === kUnwinding) {
      this.#exports.asyncify_stop_unwind();
      call.record = this.#unwound;
      this.#waiting.push(call);
    }
  }
}
