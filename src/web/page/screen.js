// The phone's screen: a canvas of the game's size, shown enlarged by the largest whole number
// of device pixels that fits the window, so every pixel stays a sharp square.

export class Screen {
  constructor(canvas, width, height) {
    this.canvas = canvas;
    this.width = width;
    this.height = height;
    canvas.width = width;
    canvas.height = height;
    this.context = canvas.getContext('2d', { alpha: false });
    this.image = this.context.createImageData(width, height);
    this.words = new Uint32Array(this.image.data.buffer);
    this.fit();
    window.addEventListener('resize', () => this.fit());
    document.addEventListener('fullscreenchange', () => this.fit());
  }

  // Scales the canvas to the space its parent leaves across, and down to what the window keeps
  // free of what stands above and below it (the keypad, the buttons, the legend).
  fit() {
    const ratio = window.devicePixelRatio || 1;
    const stage = this.canvas.parentElement;
    const box = stage.getBoundingClientRect();
    let below = 0;
    for (let next = stage.nextElementSibling; next; next = next.nextElementSibling) {
      below += next.hidden ? 0 : next.getBoundingClientRect().height + 8;
    }
    const room = window.innerHeight - (box.top + window.scrollY) - below - 8;
    const across = Math.floor((box.width * ratio) / this.width);
    const down = Math.floor((Math.max(room, 0) * ratio) / this.height);
    const scale = Math.max(1, Math.min(across, down));
    this.canvas.style.width = `${(this.width * scale) / ratio}px`;
    this.canvas.style.height = `${(this.height * scale) / ratio}px`;
    this.scale = scale;
  }

  // pixels: 0xAARRGGBB, row by row; the screen is opaque.
  present(pixels, width, height) {
    if (width !== this.width || height !== this.height) {
      return;
    }
    const words = this.words;
    for (let i = 0; i < words.length; ++i) {
      const pixel = pixels[i];
      words[i] = 0xff000000 | ((pixel & 0xff) << 16) | (pixel & 0xff00) | ((pixel >> 16) & 0xff);
    }
    this.context.putImageData(this.image, 0, 0);
  }

  pngDataUrl() {
    return this.canvas.toDataURL('image/png');
  }
}
