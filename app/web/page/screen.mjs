// The game window's client area: a canvas of the field's size whose pixels
// the module paints, put on it at the display frame that follows a repaint
// request only where the paint changed them; whole when the canvas lost its
// pixels. It takes the room the page leaves it (the stage, less
// the menu bar), black around it, scaled there by the largest whole number
// of device pixels per field pixel; where not even one fits it shrinks
// smoothly, so that the whole field is always on screen. With the on-screen
// controls shown the page is arranged with them beside the field or below
// it, whichever shows the field larger (held sideways, beside it first), and
// arranged again when the device turns.

// The arrangements of the page's CSS (data-arrangement on the root), in
// the order they are tried for a window held sideways and one held upright.
const kSideways = ["beside", "above"];
const kUpright = ["above", "beside"];

export class Screen {
  #canvas;
  #context;
  #menuBar;
  #stage;
  #module = null;
  #frameRequested = false;
  #controls = false;
  #onPainted;

  // `stage` is the room the page leaves the window; `onPainted(milliseconds)`
  // hears how long each paint took.
  constructor(canvas, menuBar, stage, onPainted) {
    this.#canvas = canvas;
    this.#context = canvas.getContext("2d", { alpha: false });
    this.#menuBar = menuBar;
    this.#stage = stage;
    this.#onPainted = onPainted;
    const window = canvas.ownerDocument.defaultView;
    window.addEventListener("resize", () => this.fit());
    window.addEventListener("orientationchange", () => this.fit());
    // A canvas whose context was lost comes back blank.
    canvas.addEventListener("contextrestored", () => this.repaintWhole());
  }

  // The module whose picture is shown from now on; null for none.
  attach(module) {
    this.#module = module;
    if (module === null) return;
    this.#canvas.width = module.frameWidth;
    this.#canvas.height = module.frameHeight;
    this.fit();
    // Sized anew, the canvas holds nothing.
    this.repaintWhole();
  }

  // The on-screen controls are shown from now on: the field makes room.
  showControls() {
    this.#controls = true;
    this.fit();
  }

  // The next paint puts the whole picture on the canvas.
  repaintWhole() {
    this.#module?.invalidateAll();
    this.invalidate();
  }

  invalidate() {
    if (this.#frameRequested) return;
    this.#frameRequested = true;
    requestAnimationFrame(() => this.#paint());
  }

  fit() {
    if (!this.#controls) {
      this.#show(this.#scale());
      return;
    }
    const document = this.#canvas.ownerDocument;
    const root = document.documentElement;
    const { innerWidth, innerHeight } = document.defaultView;
    let best = null;
    let bestScale = 0;
    for (const arrangement of innerWidth > innerHeight ? kSideways : kUpright) {
      root.dataset.arrangement = arrangement;
      const scale = this.#scale();
      if (best === null || scale > bestScale) {
        best = arrangement;
        bestScale = scale;
      }
    }
    root.dataset.arrangement = best;
    this.#show(bestScale);
  }

  // Device pixels per field pixel in the stage as the page is laid out now:
  // a whole number from 1 up, below 1 whatever fits.
  #scale() {
    const ratio = this.#canvas.ownerDocument.defaultView.devicePixelRatio || 1;
    const room = this.#stage.getBoundingClientRect();
    const roomWidth = room.width * ratio;
    const roomHeight = (room.height - this.#menuBar.offsetHeight) * ratio;
    const { width, height } = this.#canvas;
    const scale = Math.max(0, Math.min(roomWidth / width, roomHeight / height));
    // A room of exactly k fields' size, measured in fractions, is k.
    return scale >= 1 ? Math.floor(scale + 1e-6) : scale;
  }

  #show(scale) {
    const ratio = this.#canvas.ownerDocument.defaultView.devicePixelRatio || 1;
    const { width, height } = this.#canvas;
    this.#canvas.style.width = `${Math.floor(width * scale) / ratio}px`;
    this.#canvas.style.height = `${Math.floor(height * scale) / ratio}px`;
    this.#canvas.classList.toggle("smooth", scale < 1);
  }

  #paint() {
    this.#frameRequested = false;
    if (this.#module === null) return;
    const start = performance.now();
    const module = this.#module;
    const picture = module.paint();
    if (picture === null) return;
    const count = module.changedCount;
    const areas = module.changedAreas;
    for (let i = 0; i < 4 * count; i += 4) {
      const left = areas[i];
      const top = areas[i + 1];
      this.#context.putImageData(picture, 0, 0, left, top, areas[i + 2] - left, areas[i + 3] - top);
    }
    this.#onPainted(performance.now() - start);
  }
}
