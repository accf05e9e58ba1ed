// Where the keyboard's keys go. While the focus is in the game's window (the
// page itself, the field, the menu, a box) every key is the game's, Tab
// included. While a page control beside the window has it (a link or a
// button), its keys act on that control as on any page and reach no game.
// A click on the controls beside the window leaves the keyboard in it.
// F10 then Tab leaves the window for the page's controls, as Tab leaves a
// selected menu bar on Windows, the menu closing as when the window loses the
// keyboard; Escape on a page control comes back to the field.
import { MenuMode } from "./game_module.mjs";

export class KeyboardFocus {
  #field;
  #menuBar;
  #firstControl;

  // `controls` are the page's controls beside the window, the first where
  // Tab out of the window lands.
  constructor(field, menuBar, controls) {
    this.#field = field;
    this.#menuBar = menuBar;
    [this.#firstControl] = controls;
    // A click on one leaves the keyboard with the game; one on the menu
    // gives the keyboard back to the game, for the menu's keys.
    for (const control of controls) {
      control.addEventListener("mousedown", (event) => event.preventDefault());
    }
    menuBar.addEventListener("mousedown", () => {
      if (!this.#inWindow(field.ownerDocument.activeElement)) field.focus({ preventScroll: true });
    });
  }

  // Whether a key goes to the game (a module, or null once it has ended);
  // the page's own keys are acted on here.
  forGame(event, down, game) {
    if (!this.#inWindow(this.#field.ownerDocument.activeElement)) {
      if (down && event.code === "Escape" && this.#field.closest("[hidden]") === null) {
        event.preventDefault();
        this.#field.focus();
      }
      return false;
    }
    if (down && event.code === "Tab" && game !== null && game.openBoxes === 0 &&
        game.menuMode === MenuMode.barSelected) {
      event.preventDefault();
      game.focusLost();
      this.#firstControl.focus();
      return false;
    }
    return true;
  }

  #inWindow(element) {
    return element === null || element === element.ownerDocument.body || element === this.#field ||
           this.#menuBar.contains(element) || element.closest("dialog.box") !== null;
  }
}
