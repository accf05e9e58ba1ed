// What a key press means to the game: the virtual-key code the Windows
// program's window would get for it. The codes follow the key's place on the
// keyboard (US layout), as Windows' codes for letters, digits and signs do.

const kNamedKeys = new Map([
  ["Backspace", 8], ["Tab", 9], ["Enter", 13], ["NumpadEnter", 13],
  ["ShiftLeft", 16], ["ShiftRight", 16], ["ControlLeft", 17], ["ControlRight", 17],
  ["AltLeft", 18], ["AltRight", 18], ["Pause", 19], ["CapsLock", 20],
  ["KanaMode", 21], ["Lang1", 21], ["Lang2", 25], ["Convert", 28], ["NonConvert", 29],
  ["Escape", 27], ["Space", 32], ["PageUp", 33], ["PageDown", 34], ["End", 35], ["Home", 36],
  ["ArrowLeft", 37], ["ArrowUp", 38], ["ArrowRight", 39], ["ArrowDown", 40],
  ["PrintScreen", 44], ["Insert", 45], ["Delete", 46],
  ["MetaLeft", 91], ["MetaRight", 92], ["ContextMenu", 93],
  ["NumpadMultiply", 106], ["NumpadAdd", 107], ["NumpadSubtract", 109],
  ["NumpadDecimal", 110], ["NumpadDivide", 111], ["NumLock", 144], ["ScrollLock", 145],
  ["Semicolon", 186], ["Equal", 187], ["Comma", 188], ["Minus", 189], ["Period", 190],
  ["Slash", 191], ["Backquote", 192], ["BracketLeft", 219], ["Backslash", 220],
  ["BracketRight", 221], ["Quote", 222], ["IntlBackslash", 226], ["IntlRo", 226],
  ["IntlYen", 220],
]);

// The virtual-key code of a KeyboardEvent; 0 for a key Windows has no code for.
export function virtualKeyOf(event) {
  const code = event.code;
  const named = kNamedKeys.get(code);
  if (named !== undefined) return named;
  let match = /^Key([A-Z])$/.exec(code);
  if (match) return match[1].charCodeAt(0);
  match = /^Digit([0-9])$/.exec(code);
  if (match) return 48 + Number(match[1]);
  match = /^Numpad([0-9])$/.exec(code);
  if (match) return 96 + Number(match[1]);
  match = /^F([0-9]{1,2})$/.exec(code);
  if (match && Number(match[1]) >= 1 && Number(match[1]) <= 24) return 111 + Number(match[1]);
  // A key without a known place: the browser's own Windows-style code.
  const legacy = event.keyCode;
  return Number.isInteger(legacy) && legacy > 0 && legacy < 255 ? legacy : 0;
}

// Keys whose browser action would scroll the page or move the focus away
// from the game; the game gets them and the browser does not.
const kKeptFromBrowser = new Set([
  "Space", "ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown",
  "PageUp", "PageDown", "Home", "End", "Tab", "Enter", "Backspace",
]);

export function keptFromBrowser(event) {
  return kKeptFromBrowser.has(event.code);
}
