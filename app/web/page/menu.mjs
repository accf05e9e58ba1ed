// The window's menu bar with its one popup, worked the way a Windows menu is:
// with the mouse, or with F10 or a lone Alt to select the bar, the arrows and
// Return to open it and pick an item, and Escape to back out. While the menu
// has the keyboard, no key reaches the game.

const Mode = Object.freeze({ closed: 0, barSelected: 1, open: 2 });

export class Menu {
  #title;
  #popup;
  #items;
  #onCommand;
  #mode = Mode.closed;
  #highlighted = -1;
  #altAlone = false;  // Alt is down and no other key came since

  // `items` are {text, command}; `onCommand(command)` runs a chosen item's
  // command once the menu is closed.
  constructor(bar, titleText, items, onCommand) {
    const document = bar.ownerDocument;
    this.#title = document.createElement("div");
    this.#title.className = "menu-title";
    this.#title.setAttribute("role", "menuitem");
    this.#title.setAttribute("aria-haspopup", "menu");
    this.#title.textContent = titleText;
    this.#popup = document.createElement("ul");
    this.#popup.className = "menu-popup";
    this.#popup.setAttribute("role", "menu");
    this.#items = items.map((item, index) => {
      const element = document.createElement("li");
      element.setAttribute("role", "menuitem");
      element.textContent = item.text;
      element.addEventListener("mousemove", () => this.#highlight(index));
      element.addEventListener("mouseleave", () => this.#highlight(-1));
      element.addEventListener("mouseup", (event) => {
        if (event.button === 0 && this.#mode === Mode.open) this.#choose(index);
      });
      this.#popup.append(element);
      return { ...item, element };
    });
    this.#onCommand = onCommand;
    this.#title.addEventListener("mousedown", (event) => {
      if (event.button !== 0) return;
      event.preventDefault();
      this.#altAlone = false;
      this.#moveTo(this.#mode === Mode.open ? Mode.closed : Mode.open, -1);
    });
    // A press anywhere else closes an active menu.
    document.addEventListener("mousedown", (event) => {
      if (!bar.contains(event.target)) this.close();
    });
    bar.replaceChildren(this.#title, this.#popup);
    this.#show();
  }

  // The window lost the keyboard, or something else takes over.
  close() {
    this.#altAlone = false;
    this.#moveTo(Mode.closed, -1);
  }

  // A key-down at the window: true when it was the menu's.
  keyDown(event) {
    const key = event.code;
    const alt = key === "AltLeft" || key === "AltRight";
    this.#altAlone = alt;
    if (event.repeat && (alt || key === "F10")) return true;
    const last = this.#items.length - 1;
    switch (this.#mode) {
      case Mode.closed:
        if (key === "F10") this.#moveTo(Mode.barSelected, -1);
        return key === "F10" || alt;
      case Mode.barSelected:
        if (key === "F10" || key === "Escape") this.#moveTo(Mode.closed, -1);
        if (key === "ArrowDown" || key === "Enter") this.#moveTo(Mode.open, 0);
        if (key === "ArrowUp") this.#moveTo(Mode.open, last);
        return true;
      default: {
        const at = this.#highlighted;
        if (key === "F10") this.#moveTo(Mode.closed, -1);
        if (key === "Escape") this.#moveTo(Mode.barSelected, -1);
        if (key === "ArrowDown") this.#moveTo(Mode.open, at >= last ? 0 : at + 1);
        if (key === "ArrowUp") this.#moveTo(Mode.open, at <= 0 ? last : at - 1);
        if (key === "Enter" && at >= 0) this.#choose(at);
        // Left and right lead to the next popup of the bar: there is only this one.
        return true;
      }
    }
  }

  // A key-up at the window: true when it was the menu's.
  keyUp(event) {
    if (event.code !== "AltLeft" && event.code !== "AltRight") return false;
    const alone = this.#altAlone;
    this.#altAlone = false;
    if (alone) this.#moveTo(this.#mode === Mode.closed ? Mode.barSelected : Mode.closed, -1);
    return true;
  }

  #highlight(index) {
    if (this.#mode === Mode.open) this.#moveTo(Mode.open, index);
  }

  #choose(index) {
    this.#moveTo(Mode.closed, -1);
    this.#onCommand(this.#items[index].command);
  }

  #moveTo(mode, highlighted) {
    if (mode === this.#mode && highlighted === this.#highlighted) return;
    this.#mode = mode;
    this.#highlighted = highlighted;
    this.#show();
  }

  #show() {
    this.#title.classList.toggle("selected", this.#mode !== Mode.closed);
    this.#popup.hidden = this.#mode !== Mode.open;
    this.#items.forEach((item, index) =>
      item.element.classList.toggle("highlighted", index === this.#highlighted));
  }
}
