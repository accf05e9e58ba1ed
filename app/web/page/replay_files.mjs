// Recordings played back on the page: 記録を再生 beside 記録を保存 opens the
// browser's file chooser, and a file dropped anywhere on the page is taken as
// one chosen there; the notice under the window says what became of it.
import { ReplayStatus } from "./game_module.mjs";

export class RecordingPicker {
  // `chosen(file)` hears of each file chosen or dropped.
  constructor(document, chosen) {
    const input = document.getElementById("replay-file");
    for (const button of document.querySelectorAll(".play-recording")) {
      button.addEventListener("click", () => input.click());
    }
    input.addEventListener("change", () => {
      const [file] = input.files;
      // The same file chosen again is a change too.
      input.value = "";
      if (file) chosen(file);
    });
    const window = document.defaultView;
    // Without this the browser would open a dropped file in place of the page.
    window.addEventListener("dragover", (event) => {
      if (!event.dataTransfer?.types.includes("Files")) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
    });
    window.addEventListener("drop", (event) => {
      const file = event.dataTransfer?.files[0];
      if (!file) return;
      event.preventDefault();
      chosen(file);
    });
  }
}

// What the page says of a replay, in a status line that screen readers
// announce. The player's own words on a line (what the simulator prints for
// it) are kept as they are, in English.
export class ReplayNotice {
  #element;
  #resized;

  // `resized()` hears that the notice took or gave back room.
  constructor(element, resized) {
    this.#element = element;
    this.#resized = resized;
  }

  playing(name) {
    this.#say(`「${name}」を再生しています。`);
  }

  // The file was refused before anything played: `checked` as
  // GameModule.checkReplay gives it.
  refused(name, { line, message }) {
    if (message === null) {
      this.#say(`「${name}」は記録としては大きすぎるため、再生できません。`);
    } else {
      this.#say(`「${name}」は再生できません。${line} 行目:`, message);
    }
  }

  // The replay has ended: `outcome` as GameModule.replayOutcome gives it.
  ended(name, { status, line, message }) {
    if (status === ReplayStatus.playedThrough) {
      this.#say(`「${name}」の再生が終わりました。すべての確認が一致しました。`);
    } else if (status === ReplayStatus.differs) {
      this.#say(`「${name}」の再生は ${line} 行目で止まりました。確認が一致しません:`, message);
    } else {
      this.#say(`「${name}」の再生は ${line} 行目で止まりました:`, message);
    }
  }

  clear() {
    this.#say("");
  }

  #say(text, detail = null) {
    const parts = [text];
    if (detail !== null) {
      const words = this.#element.ownerDocument.createElement("span");
      words.lang = "en";
      words.textContent = detail;
      parts.push(" ", words);
    }
    this.#element.replaceChildren(...parts);
    this.#resized();
  }
}
