// The game window's client area: a canvas of the field's size whose pixels
// the module paints, shown whole at each display frame that follows a
// repaint request, and scaled by the largest whole factor of device pixels
// that the page has room for beside the menu bar and the footer (never below
// 1), black around it.

export class Screen {
  #canvas;
  #context;
  #menuBar;
  #footer;
  #module = null;
  #frameRequested = false;
  #onPainted;

  // `onPainted(milliseconds)` hears how long each paint took.
  constructor(canvas, menuBar, footer, onPainted) {
    this.#canvas = canvas;
    this.#context = canvas.getContext("2d", { alpha: false });
    this.#menuBar = menuBar;
    this.#footer = footer;
    this.#onPainted = onPainted;
    const window = canvas.ownerDocument.defaultView;
    window.addEventListener("resize", () => this.fit());
  }

  // The module whose picture is shown from now on; null for none.
  attach(module) {
    this.#module = module;
    if (module === null) return;
    this.#canvas.width = module.frameWidth;
    this.#canvas.height = module.frameHeight;
    this.fit();
    this.invalidate();
  }

  invalidate() {
    if (this.#frameRequested) return;
    this.#frameRequested = true;
    requestAnimationFrame(() => this.#paint());
  }

  fit() {
    const window = this.#canvas.ownerDocument.defaultView;
    const ratio = window.devicePixelRatio || 1;
    const roomWidth = window.innerWidth * ratio;
    const roomHeight =
        (window.innerHeight - this.#menuBar.offsetHeight - this.#footer.offsetHeight) * ratio;
    const { width, height } = this.#canvas;
    const scale = Math.max(1, Math.floor(Math.min(roomWidth / width, roomHeight / height)));
    this.#canvas.style.width = `${(width * scale) / ratio}px`;
    this.#canvas.style.height = `${(height * scale) / ratio}px`;
  }

  #paint() {
    this.#frameRequested = false;
    if (this.#module === null) return;
    const start = performance.now();
    const picture = this.#module.paint();
    if (picture === null) return;
    this.#context.putImageData(picture, 0, 0);
    this.#onPainted(performance.now() - start);
  }
}
