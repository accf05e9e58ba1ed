// The game's message boxes as HTML dialogs. They answer as the Windows boxes
// do (OK 1, yes 6, no 7) and take the same keys: Return and Space press the
// focused button, Tab and the arrows move between the buttons, Y and N answer
// a question, and Escape answers a notice with OK and does nothing to a
// question, which has no way out but its two buttons.

export const Answer = Object.freeze({ ok: 1, yes: 6, no: 7 });

export class MessageBoxes {
  #document;
  #open = 0;
  #buttons = null;

  constructor(document) {
    this.#document = document;
  }

  // The buttons' labels, the program's own words: { ok, yes, no }.
  useLabels({ ok, yes, no }) {
    this.#buttons = Object.freeze({
      ok: [{ label: ok, answer: Answer.ok }],
      yesNo: [
        { label: yes, answer: Answer.yes, key: "KeyY" },
        { label: no, answer: Answer.no, key: "KeyN" },
      ],
    });
  }

  // True while a box is open: no input then reaches the game.
  get open() {
    return this.#open > 0;
  }

  // Shows a modal box over the page and resolves to its answer.
  show(text, caption, yesNo) {
    return new Promise((resolve) => {
      const box = new Box(this.#document, text, caption, yesNo ? this.#buttons.yesNo : this.#buttons.ok);
      ++this.#open;
      box.show((answer) => {
        --this.#open;
        resolve(answer);
      });
    });
  }
}

class Box {
  #dialog;
  #buttons;
  #escapeAnswer;
  #answered = null;

  constructor(document, text, caption, buttons) {
    const dialog = document.createElement("dialog");
    dialog.className = "box";
    const title = document.createElement("header");
    title.className = "box-caption";
    title.textContent = caption;
    const message = document.createElement("p");
    message.className = "box-text";
    message.textContent = text;
    const row = document.createElement("footer");
    row.className = "box-buttons";
    this.#buttons = buttons.map((button, index) => {
      const element = document.createElement("button");
      element.type = "button";
      element.textContent = button.label;
      element.autofocus = index === 0;
      element.addEventListener("click", () => this.#answer(button.answer));
      row.append(element);
      return { ...button, element };
    });
    dialog.append(title, message, row);
    dialog.addEventListener("keydown", (event) => this.#keyDown(event));
    dialog.addEventListener("cancel", (event) => event.preventDefault());
    // Should the browser close it all the same, a question is asked again.
    dialog.addEventListener("close", () => {
      if (this.#answered === null) return;
      if (this.#escapeAnswer !== undefined) this.#answer(this.#escapeAnswer);
      else dialog.showModal();
    });
    this.#dialog = dialog;
    this.#escapeAnswer = buttons.length === 1 ? buttons[0].answer : undefined;
    document.body.append(dialog);
  }

  show(answered) {
    this.#answered = answered;
    this.#dialog.showModal();
  }

  #answer(answer) {
    const answered = this.#answered;
    if (answered === null) return;
    this.#answered = null;
    this.#dialog.close();
    this.#dialog.remove();
    answered(answer);
  }

  #focusStep(step) {
    const elements = this.#buttons.map((button) => button.element);
    const at = elements.indexOf(this.#dialog.ownerDocument.activeElement);
    const next = (Math.max(at, 0) + step + elements.length) % elements.length;
    elements[next].focus();
  }

  #keyDown(event) {
    const { code } = event;
    if (code === "Enter" || code === "NumpadEnter") {
      event.preventDefault();
      const focused = this.#buttons.find(
          (button) => button.element === this.#dialog.ownerDocument.activeElement);
      this.#answer((focused ?? this.#buttons[0]).answer);
    } else if (code === "Tab") {
      event.preventDefault();
      this.#focusStep(event.shiftKey ? -1 : 1);
    } else if (code === "ArrowLeft" || code === "ArrowUp") {
      event.preventDefault();
      this.#focusStep(-1);
    } else if (code === "ArrowRight" || code === "ArrowDown") {
      event.preventDefault();
      this.#focusStep(1);
    } else if (code === "Escape") {
      event.preventDefault();
      if (this.#escapeAnswer !== undefined) this.#answer(this.#escapeAnswer);
    } else {
      const button = this.#buttons.find((candidate) => candidate.key === code);
      if (button !== undefined) {
        event.preventDefault();
        this.#answer(button.answer);
      }
    }
  }
}
