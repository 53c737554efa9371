// The phone's keys on a computer's keyboard. Codes as MIDP gives them.

export const UP = -1;
export const DOWN = -2;
export const LEFT = -3;
export const RIGHT = -4;
export const FIRE = -5;
export const SOFT1 = -6;
export const SOFT2 = -7;

// By the key's place on the keyboard (KeyboardEvent.code), so WASD works in any layout.
const byPlace = {
  ArrowUp: UP,
  KeyW: UP,
  ArrowDown: DOWN,
  KeyS: DOWN,
  ArrowLeft: LEFT,
  KeyA: LEFT,
  ArrowRight: RIGHT,
  KeyD: RIGHT,
  Enter: FIRE,
  NumpadEnter: FIRE,
  Space: FIRE,
  KeyQ: SOFT1,
  KeyE: SOFT2,
  NumpadMultiply: 42,
};
for (let digit = 0; digit <= 9; ++digit) {
  byPlace[`Digit${digit}`] = 48 + digit;
  byPlace[`Numpad${digit}`] = 48 + digit;
}

// The phone key of a keyboard event, or null. "*" and "#" go by the character they type
// (Shift+8, Shift+3 on most layouts); a key with Ctrl, Alt or Meta stays the browser's.
export function phoneKey(event) {
  if (event.ctrlKey || event.altKey || event.metaKey) {
    return null;
  }
  if (event.key === '*') {
    return 42;
  }
  if (event.key === '#') {
    return 35;
  }
  if (event.shiftKey && (event.code === 'Digit8' || event.code === 'Digit3')) {
    return null;
  }
  return byPlace[event.code] ?? null;
}

export const legend = 'Стрелки или W A S D — джойстик, Enter или пробел — огонь, ' +
  'Q и E — левая и правая софт-клавиши, 0–9, * и # — цифры телефона.';

// Passes the keyboard's keys to press(kind, code): 1 pressed, 0 released, 2 repeated. Keys held
// when the window loses the focus are released.
export function listenToKeyboard(target, press) {
  const held = new Map();  // KeyboardEvent.code -> phone key
  target.addEventListener('keydown', (event) => {
    const code = held.get(event.code) ?? phoneKey(event);
    if (code === null) {
      return;
    }
    event.preventDefault();
    if (held.has(event.code)) {
      press(2, code);
    } else {
      held.set(event.code, code);
      press(1, code);
    }
  });
  target.addEventListener('keyup', (event) => {
    const code = held.get(event.code);
    if (code !== undefined) {
      event.preventDefault();
      held.delete(event.code);
      press(0, code);
    }
  });
  window.addEventListener('blur', () => {
    for (const code of held.values()) {
      press(0, code);
    }
    held.clear();
  });
}
