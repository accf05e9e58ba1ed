// The game's WebAssembly module in the page: its five entry points, its
// paint, and its boxes. A box waits for an HTML dialog, so the module's call
// leaves through asyncify and is run again, to come back, once the dialog is
// answered. Meanwhile the page calls nothing but the paint, and the timer
// while its clock runs: a start box chosen during a game has the game going
// on behind it, as on Windows, and a tick there may open a box of its own.
// Boxes are answered newest first, as the modal dialogs allow.

const kUnwinding = 1;
const kRewinding = 2;

// The page's words in the module, by number (see module_exports.cpp); the
// window title goes into the page when it is packed.
export const PageText = Object.freeze({
  windowTitle: 0, menu: 1, start: 2, quit: 3, okButton: 4, yesButton: 5, noButton: 6,
});

const utf8 = new TextDecoder();

export class GameModule {
  #exports;
  #page;
  #running = null;  // the entry call under way, if any
  #broken = false;
  #waiting = [];    // calls that wait in a box, oldest first
  #frame = null;

  // `page` gives the module its platform: startTimer(), stopTimer(),
  // showBox(text, caption, yesNo) resolving to the answer, invalidate() and
  // quit(exitCode); and fault(error) hears of a call that failed, after
  // which the module is called no more.
  static async create(compiled, page) {
    const module = new GameModule(page);
    const instance = await WebAssembly.instantiate(compiled, { page: module.#imports() });
    module.#exports = instance.exports;
    module.#exports._initialize();
    return module;
  }

  constructor(page) {
    this.#page = page;
  }

  command(id) {
    this.#enter({ entry: "command", args: [id] });
  }

  timer() {
    this.#enter({ entry: "timer", args: [] });
  }

  keyDown(virtualKey) {
    this.#enter({ entry: "keyDown", args: [virtualKey] });
  }

  destroy() {
    this.#enter({ entry: "destroy", args: [] });
  }

  // Paints the game and returns the whole picture; null once broken.
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
      const width = this.#exports.frameWidth();
      const height = this.#exports.frameHeight();
      this.#frame = new ImageData(new Uint8ClampedArray(buffer, address, width * height * 4),
                                  width, height);
    }
    return this.#frame;
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

  // The menu command of a menu item's word.
  textCommand(id) {
    return this.#exports.textCommand(id);
  }

  #string(address, length) {
    return utf8.decode(new Uint8Array(this.#exports.memory.buffer, address, length));
  }

  #imports() {
    return {
      startTimer: () => this.#page.startTimer(),
      stopTimer: () => this.#page.stopTimer(),
      invalidate: () => this.#page.invalidate(),
      quit: (exitCode) => this.#page.quit(exitCode),
      showBox: (text, textLength, caption, captionLength, yesNo) =>
        this.#showBox(this.#string(text, textLength), this.#string(caption, captionLength),
                      yesNo !== 0),
    };
  }

  #showBox(text, caption, yesNo) {
    const call = this.#running;
    if (this.#exports.asyncify_get_state() === kRewinding) {
      // Back from the wait: the box's answer is the import's result.
      this.#exports.asyncify_stop_rewind();
      return call.answer;
    }
    const record = this.#exports.waitRecord(this.#waiting.length);
    if (record === 0) throw new Error(`too many boxes open at once for "${text}"`);
    call.record = record;
    call.answer = undefined;
    this.#page.showBox(text, caption, yesNo).then((answer) => {
      call.answer = answer;
      this.#resumeAnswered();
    });
    this.#exports.asyncify_start_unwind(record);
    return 0;  // not seen: the module unwinds
  }

  #fail(error) {
    this.#broken = true;
    this.#page.fault(error);
  }

  #enter(call) {
    if (this.#broken) return;
    const outer = this.#running;
    this.#running = call;
    try {
      this.#exports[call.entry](...call.args);
    } catch (error) {
      this.#fail(error);
      return;
    } finally {
      this.#running = outer;
    }
    if (this.#exports.asyncify_get_state() === kUnwinding) {
      this.#exports.asyncify_stop_unwind();
      this.#waiting.push(call);
    }
  }

  // Runs the answered calls again from the newest, each until it is done or
  // waits in its next box.
  #resumeAnswered() {
    while (!this.#broken) {
      const call = this.#waiting.at(-1);
      if (call === undefined || call.answer === undefined) return;
      this.#waiting.pop();
      this.#exports.asyncify_start_rewind(call.record);
      this.#enter(call);
    }
  }
}
