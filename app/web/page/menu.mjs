// The window's menu bar as the page shows it: the title and its popup as
// elements with their roles, drawn as the module's menu is (its mode and its
// highlighted item), and what the pointer is on, for the module to act on.
import { MenuMode, MenuPart } from "./game_module.mjs";

export class MenuBar {
  #title;
  #popup;
  #items;

  // `texts` are the module's words: { title, items }.
  constructor(bar, texts) {
    const document = bar.ownerDocument;
    this.#title = document.createElement("div");
    this.#title.className = "menu-title";
    this.#title.setAttribute("role", "menuitem");
    this.#title.setAttribute("aria-haspopup", "menu");
    this.#title.textContent = texts.title;
    this.#popup = document.createElement("ul");
    this.#popup.className = "menu-popup";
    this.#popup.setAttribute("role", "menu");
    this.#items = texts.items.map((text) => {
      const element = document.createElement("li");
      element.setAttribute("role", "menuitem");
      element.textContent = text;
      this.#popup.append(element);
      return element;
    });
    bar.setAttribute("role", "menubar");
    bar.replaceChildren(this.#title, this.#popup);
    this.show(MenuMode.closed, -1);
  }

  show(mode, highlighted) {
    this.#title.classList.toggle("selected", mode !== MenuMode.closed);
    this.#title.setAttribute("aria-expanded", String(mode === MenuMode.open));
    this.#popup.hidden = mode !== MenuMode.open;
    this.#items.forEach((item, index) => item.classList.toggle("highlighted", index === highlighted));
  }

  // What an element under the pointer is of the menu: { part, item }.
  targetOf(element) {
    if (element === this.#title || this.#title.contains(element)) return { part: MenuPart.title };
    const item = this.#items.findIndex((candidate) => candidate.contains(element));
    if (item >= 0) return { part: MenuPart.item, item };
    if (element === this.#popup) return { part: MenuPart.popup };
    return { part: MenuPart.elsewhere };
  }
}
