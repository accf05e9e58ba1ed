// The button that shows the page on the whole screen, and back: a phone's
// bars take room the field could have. Shown only where the browser allows
// it, and only with the on-screen controls (a desktop browser has its own
// key for it).
const kEnter = "全画面";
const kLeave = "全画面を解除";

export class FullscreenButton {
  #button;

  constructor(button) {
    this.#button = button;
    const document = button.ownerDocument;
    button.addEventListener("click", () => {
      const request = document.fullscreenElement
          ? document.exitFullscreen()
          : document.documentElement.requestFullscreen({ navigationUI: "hide" });
      // Refused (no user gesture the browser counts, a policy): nothing changes.
      request?.catch(() => {});
    });
    document.addEventListener("fullscreenchange", () => {
      button.textContent = document.fullscreenElement ? kLeave : kEnter;
    });
    button.textContent = kEnter;
  }

  show() {
    this.#button.hidden = !this.#button.ownerDocument.fullscreenEnabled;
  }
}
