// Drives the browser build of the game in Debian's headless Chromium, as a player would: serves
// the page as a static host does, counts the page's draws, reads the page without acting as the
// player, and clicks, presses keys and takes the canvas's frames. The browser test and the
// browser benchmark play through it.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { PNG } from 'pngjs';
import puppeteer from 'puppeteer-core';

export { PNG };

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Points of the README's 720x540 frames.
export const at = { play: [360, 240], settings: [360, 296], exit: [360, 351], door: [360, 300],
  resolution: [434, 173], firstSize: [434, 197], apply: [446, 450], nothing: [40, 500] };

// Serves the folder as a static host would, .wasm with its own type.
function serve(folder) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };
  return http.createServer((request, response) => {
    const name = new URL(request.url, 'http://host').pathname.replace(/\/$/, '/index.html');
    const file = path.join(folder, path.normalize(decodeURIComponent(name)));
    if (!fs.existsSync(file)) return response.writeHead(404).end();
    const type = types[path.extname(file)] ?? 'application/octet-stream';
    response.writeHead(200, { 'Content-Type': type });
    fs.createReadStream(file).pipe(response);
  }).listen(0, '127.0.0.1');
}

// Runs in the page before its scripts: counts the draws (WebGL, or the 2D canvas SDL falls back
// to) and notes the moment of the first.
function countDraws() {
  Object.assign(window, { draws: 0, firstDraw: null });
  const counted = (original) => function (...args) {
    window.draws += 1;
    window.firstDraw ??= performance.now();
    return original.apply(this, args);
  };
  for (const [type, names] of [[WebGLRenderingContext, ['drawArrays', 'drawElements']],
    [WebGL2RenderingContext, ['drawArrays', 'drawElements']],
    [CanvasRenderingContext2D, ['putImageData']]])
    for (const name of names) type.prototype[name] = counted(type.prototype[name]);
}

export class Player {
  constructor(page, cdp) {
    Object.assign(this, { page, cdp });
  }

  // Reads an expression in the page. Unlike puppeteer's evaluate it is no user gesture, which
  // would let the page play sound before the player has clicked.
  async value(expression) {
    const evaluation = { expression, returnByValue: true };
    return (await this.cdp.send('Runtime.evaluate', evaluation)).result.value;
  }

  async until(expression) {
    for (const end = Date.now() + 120000; !(await this.value(expression)); await sleep(50))
      check(Date.now() < end, `waited in vain for ${expression}`);
  }

  // Waits until the game has drawn and then stayed still for a moment.
  async settled() {
    await this.until('window.firstDraw !== null');
    let before = -1;
    for (let draws = await this.value('draws'); draws !== before; draws = await this.value('draws')) {
      before = draws;
      await sleep(400);
    }
  }

  async shot(name) {
    await this.settled();
    const shot = PNG.sync.read(Buffer.from(await (await this.page.$('#canvas')).screenshot()));
    // A blank or failed frame has next to no colours.
    const pixels = new Uint32Array(shot.data.buffer, shot.data.byteOffset, shot.data.length / 4);
    check(new Set(pixels).size > 256, `the ${name} frame is blank`);
    return shot;
  }

  // Clicks a point of the 720x540 frames; a wider canvas shows them in the middle, bars beside.
  async click([x, y]) {
    const box = await (await this.page.$('#canvas')).boundingBox();
    const scale = Math.min(box.width / 720, box.height / 540);
    const left = box.x + (box.width - 720 * scale) / 2;
    const top = box.y + (box.height - 540 * scale) / 2;
    await this.page.mouse.click(left + x * scale, top + y * scale);
    await this.settled();
  }

  async press(key) {
    await this.page.keyboard.press(key);
    await this.settled();
  }
}

// Runs in the page before its scripts: a speechSynthesis that speaks nothing and keeps in
// `spoken` what it was asked to say, "!" before an utterance that cancelled the one before.
function recordSpeech() {
  window.spoken = [];
  let cancelled = false;
  class SpeechSynthesisUtterance {
    constructor(text) { this.text = text; }
  }
  const synthesis = {
    cancel() { cancelled = true; },
    speak(utterance) {
      window.spoken.push((cancelled ? '!' : '') + utterance.text);
      cancelled = false;
    },
  };
  Object.defineProperty(window, 'speechSynthesis', { value: synthesis, configurable: true });
  Object.defineProperty(window, 'SpeechSynthesisUtterance',
    { value: SpeechSynthesisUtterance, configurable: true });
}

// Runs in the page before its scripts: the browser's languages are those of `list`.
function preferLanguages(list) {
  Object.defineProperty(navigator, 'languages', { get: () => list, configurable: true });
}

// Opens the page of the folder in headless Chromium at 1024x768, a browser that prefers
// `languages` (English by default), and gives `play` a player; any error the page reports fails
// the run.
export async function withPage(folder, play, languages = ['en-US', 'en']) {
  const server = serve(path.resolve(folder));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync', '--disable-quic'],
  });
  try {
    const page = await browser.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(error.message));
    page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
    await page.setViewport({ width: 1024, height: 768 + 160 });
    await page.evaluateOnNewDocument(countDraws);
    await page.evaluateOnNewDocument(recordSpeech);
    await page.evaluateOnNewDocument(preferLanguages, languages);
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await play(new Player(page, await page.createCDPSession()));
    check(problems.length === 0, `the page reported problems:\n${problems.join('\n')}`);
  } finally {
    await browser.close();
    server.close();
  }
}
