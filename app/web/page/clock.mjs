// The page's game clock: the game's timer made of timeouts against the
// pacer's deadlines. While it is stopped, or the page is hidden, nothing is
// scheduled at all; a hidden page's game waits and goes on when it is shown.
import { Pacer } from "./pacer.mjs";

export class Clock {
  #pacer = new Pacer();
  #onTick;
  #timeout = 0;
  #hidden = false;
  #fireTick = () => this.#fire();

  // `onTick(lateness)` runs once per tick with the milliseconds it comes late.
  constructor(onTick) {
    this.#onTick = onTick;
  }

  get running() {
    return this.#pacer.running;
  }

  // Starting it again replaces the running clock, as SetTimer does.
  start() {
    this.#pacer.start(performance.now());
    this.#schedule();
  }

  stop() {
    this.#pacer.stop();
    this.#schedule();
  }

  setHidden(hidden) {
    if (hidden === this.#hidden) return;
    this.#hidden = hidden;
    if (!hidden && this.running) this.#pacer.start(performance.now());
    this.#schedule();
  }

  #schedule() {
    clearTimeout(this.#timeout);
    this.#timeout = 0;
    if (!this.running || this.#hidden) return;
    this.#timeout = setTimeout(this.#fireTick, this.#pacer.wait(performance.now()));
  }

  #fire() {
    this.#timeout = 0;
    const now = performance.now();
    if (!this.#pacer.due(now)) {
      this.#schedule();
      return;
    }
    const lateness = this.#pacer.takeTick(now);
    this.#onTick(lateness);
    // The tick may have stopped or restarted the clock; either way one
    // timeout at most is pending.
    if (this.#timeout === 0) this.#schedule();
  }
}
