// The keypad on a touch screen: joystick, fire, soft keys and the digits (folded away until
// asked for), through pointer events, so two fingers hold two keys at once.

import { DOWN, FIRE, LEFT, RIGHT, SOFT1, SOFT2, UP } from './keys.js';

const rows = [
  { className: 'soft', keys: [[SOFT1, '—', 'Левая софт-клавиша'], [SOFT2, '—', 'Правая софт-клавиша']] },
  { className: 'pad', keys: [[null], [UP, '▲', 'Вверх'], [null], [LEFT, '◀', 'Влево'], [FIRE, '●', 'Огонь'],
    [RIGHT, '▶', 'Вправо'], [null], [DOWN, '▼', 'Вниз'], [null]] },
];
const digits = ['1', '2', '3', '4', '5', '6', '7', '8', '9', '*', '0', '#'];

function button(code, label, title) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = 'key';
  element.dataset.code = String(code);
  element.textContent = label;
  element.title = title;
  element.setAttribute('aria-label', title);
  return element;
}

// Fills `container` and passes its keys to press(kind, code) as the keyboard does.
export function buildKeypad(container, press) {
  for (const row of rows) {
    const group = document.createElement('div');
    group.className = row.className;
    for (const [code, label, title] of row.keys) {
      group.append(code === null ? document.createElement('span') : button(code, label, title));
    }
    container.append(group);
  }
  const more = document.createElement('button');
  more.type = 'button';
  more.className = 'more';
  more.textContent = '123';
  more.title = 'Цифры';
  more.setAttribute('aria-expanded', 'false');
  const numbers = document.createElement('div');
  numbers.className = 'digits';
  numbers.hidden = true;
  for (const digit of digits) {
    numbers.append(button(digit.charCodeAt(0), digit, `Клавиша ${digit}`));
  }
  more.addEventListener('click', () => {
    numbers.hidden = !numbers.hidden;
    more.setAttribute('aria-expanded', String(!numbers.hidden));
  });
  container.append(more, numbers);

  const pressed = new Map();  // pointerId -> key element
  const release = (event) => {
    const key = pressed.get(event.pointerId);
    if (key) {
      pressed.delete(event.pointerId);
      key.classList.remove('down');
      press(0, Number(key.dataset.code));
    }
  };
  container.addEventListener('pointerdown', (event) => {
    const key = event.target.closest('.key');
    if (!key || pressed.has(event.pointerId)) {
      return;
    }
    event.preventDefault();
    pressed.set(event.pointerId, key);
    key.classList.add('down');
    press(1, Number(key.dataset.code));
  });
  // Wherever the finger or the mouse button is lifted.
  window.addEventListener('pointerup', release);
  window.addEventListener('pointercancel', release);
  container.addEventListener('contextmenu', (event) => event.preventDefault());
}

// Whether the device's main pointer is a finger.
export function touchScreen() {
  return window.matchMedia('(pointer: coarse)').matches || navigator.maxTouchPoints > 0;
}
