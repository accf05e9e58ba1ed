// The game clock's arithmetic: 64 ticks a second against absolute deadlines
// in milliseconds (performance.now() time), so that late timeouts do not make
// the game run slow. It does no waiting itself.

export const kTicksPerSecond = 64;
export const kTickPeriodMs = 1000 / kTicksPerSecond;

export class Pacer {
  #running = false;
  #deadline = 0;

  get running() {
    return this.#running;
  }

  // The first tick is due one period from now.
  start(now) {
    this.#running = true;
    this.#deadline = now + kTickPeriodMs;
  }

  stop() {
    this.#running = false;
  }

  due(now) {
    return this.#running && now >= this.#deadline;
  }

  // Whole milliseconds until the next tick is due, rounded up, as timeouts
  // count in whole milliseconds and must not end before the deadline.
  wait(now) {
    return Math.max(0, Math.ceil(this.#deadline - now));
  }

  // Takes the tick that is due and returns how late it comes. A tick a
  // whole period late or more (the page was busy, the tab was hidden, the
  // machine slept) starts the deadlines afresh instead of owing a burst.
  takeTick(now) {
    const lateness = now - this.#deadline;
    this.#deadline += kTickPeriodMs;
    if (now >= this.#deadline) this.#deadline = now + kTickPeriodMs;
    return lateness;
  }
}
