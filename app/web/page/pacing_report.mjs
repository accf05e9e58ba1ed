// Measures the page on request (vantorix.html?pacing=SECONDS): the time from
// navigation to the title on screen, then over the first run of that many
// seconds of ticking without a stop the tick rate, how late the ticks come
// against their deadlines (as the module's clock tells it), and the time a
// paint takes. Each result is one console line.

const kLongestReport = 3600;

export class PacingReport {
  #seconds;
  #titleShown = false;
  #firstTick = 0;
  #lateness = [];
  #paints = [];
  #reported = false;

  // A report for the page at `location`; one that measures nothing when it
  // asks for none.
  static fromLocation(location) {
    const value = new URLSearchParams(location.search).get("pacing");
    const seconds = Number(value);
    if (value === null) return new PacingReport(0);
    if (!Number.isInteger(seconds) || seconds < 1 || seconds > kLongestReport) {
      console.error(`vantorix: pacing must be a number of seconds from 1 to ${kLongestReport}`);
      return new PacingReport(0);
    }
    return new PacingReport(seconds);
  }

  constructor(seconds) {
    this.#seconds = seconds;
  }

  get enabled() {
    return this.#seconds > 0;
  }

  painted(milliseconds) {
    if (!this.enabled) return;
    if (!this.#titleShown) {
      this.#titleShown = true;
      console.info(`vantorix: title on screen ${performance.now().toFixed(1)} ms after navigation`);
    }
    if (this.#lateness.length > 0 && !this.#reported) this.#paints.push(milliseconds);
  }

  // A tick came `lateness` milliseconds after its deadline.
  tick(lateness, ticksPerSecond) {
    if (!this.enabled || this.#reported) return;
    const now = performance.now();
    if (this.#lateness.length === 0) this.#firstTick = now;
    this.#lateness.push(lateness);
    if (this.#lateness.length > this.#seconds * ticksPerSecond) this.#report(now);
  }

  // The clock stopped or started afresh: the measured run begins again.
  breakRun() {
    if (this.#reported) return;
    this.#lateness = [];
    this.#paints = [];
  }

  #report(now) {
    this.#reported = true;
    const late = this.#lateness.slice().sort((a, b) => a - b);
    const paints = this.#paints.slice().sort((a, b) => a - b);
    const percentile = (values, share) => (values[Math.ceil(values.length * share) - 1] ?? 0);
    const meanPaint = paints.reduce((sum, value) => sum + value, 0) / Math.max(paints.length, 1);
    // The first tick starts the measured time; the others fall in it.
    const ticks = late.length - 1;
    const seconds = (now - this.#firstTick) / 1000;
    const ms = (value) => `${value.toFixed(2)} ms`;
    console.info(
        `vantorix: pacing: ${ticks} ticks in ${seconds.toFixed(3)} s ` +
        `(${(ticks / seconds).toFixed(2)} per second); deadline lateness ` +
        `median ${ms(percentile(late, 0.5))}, p99 ${ms(percentile(late, 0.99))}, ` +
        `max ${ms(late.at(-1))}; paint mean ${ms(meanPaint)}, ` +
        `p99 ${ms(percentile(paints, 0.99))} over ${paints.length} frames`);
  }
}
