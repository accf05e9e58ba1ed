// The module's open boxes as HTML dialogs with real buttons, shown as the
// module holds them: their words, the button with the focus (the page's
// focus stays on it, for screen readers), the one pressed in. The dialogs
// take no key and no click of their own: the module answers the box.
import { kNoButton } from "./game_module.mjs";

export class BoxDialogs {
  #document;
  #shown = [];  // { serial, dialog, buttons }, oldest first

  constructor(document) {
    this.#document = document;
  }

  get open() {
    return this.#shown.length > 0;
  }

  // Shows `boxes` (oldest first, as GameModule.box gives them).
  show(boxes) {
    while (this.#shown.length > boxes.length ||
           (this.#shown.length > 0 && this.#shown.at(-1).serial !== boxes[this.#shown.length - 1].serial)) {
      this.#close(this.#shown.pop());
    }
    for (let depth = this.#shown.length; depth < boxes.length; ++depth) {
      this.#shown.push(this.#open(boxes[depth]));
    }
    this.#shown.forEach((shown, depth) => {
      const box = boxes[depth];
      shown.buttons.forEach((button, index) => button.classList.toggle("pressed", index === box.pressed));
    });
    const newest = this.#shown.at(-1);
    const focused = newest?.buttons[boxes.at(-1).focused];
    if (focused !== undefined && this.#document.activeElement !== focused) focused.focus();
  }

  // The newest box's button an element under the pointer is, or kNoButton.
  targetOf(element) {
    const buttons = this.#shown.at(-1)?.buttons ?? [];
    const index = buttons.findIndex((button) => button.contains(element));
    return index >= 0 ? index : kNoButton;
  }

  #open(box) {
    const dialog = this.#document.createElement("dialog");
    dialog.className = "box";
    const caption = this.#document.createElement("header");
    caption.className = "box-caption";
    caption.textContent = box.caption;
    caption.id = `box-caption-${box.serial}`;
    dialog.setAttribute("aria-labelledby", caption.id);
    const text = this.#document.createElement("p");
    text.className = "box-text";
    text.textContent = box.text;
    text.id = `box-text-${box.serial}`;
    dialog.setAttribute("aria-describedby", text.id);
    const row = this.#document.createElement("footer");
    row.className = "box-buttons";
    const buttons = box.labels.map((label) => {
      const button = this.#document.createElement("button");
      button.type = "button";
      button.textContent = label;
      row.append(button);
      return button;
    });
    dialog.append(caption, text, row);
    const shown = { serial: box.serial, dialog, buttons };
    // Only the module closes a box: should the browser close it all the
    // same, it is shown again.
    dialog.addEventListener("cancel", (event) => event.preventDefault());
    dialog.addEventListener("close", () => {
      if (this.#shown.includes(shown)) dialog.showModal();
    });
    this.#document.body.append(dialog);
    dialog.showModal();
    return shown;
  }

  #close(shown) {
    shown.dialog.close();
    shown.dialog.remove();
  }
}
