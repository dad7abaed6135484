// Plays the browser build through in headless Chromium, as a player would: the first frame, a
// room, a door's dialog, a death and a retry, the settings screen, a new resolution kept across a
// reload of the page, and the way out. Each frame of a screen the desktop build also shot is compared
// with the desktop's; the figures of the run are printed at the end.
//
// Usage: node playthrough.mjs WEB_DIR DESKTOP_FRAMES_DIR DESKTOP_GAME DESKTOP_DATA_DIR
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { PNG } from 'pngjs';
import puppeteer from 'puppeteer-core';

const [web, desktopFrames, desktopGame, desktopData] = process.argv.slice(2);
const width = 1024;
const height = 768;
// The software renderer and the browser's GL scale the art with slightly different filters:
// a pixel may differ by this much in a channel, and the frame on average by far less.
const tolerance = { channel: 16, outliers: 0.01, mean: 1.5 };

function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Serves the folder as a static host would, .wasm with its own type.
function serve(folder) {
  const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
    '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.png': 'image/png' };
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = path.join(folder, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(folder) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Counts the page's draws (WebGL, or the 2D canvas SDL falls back to) and notes the first.
function countDraws() {
  window.draws = 0;
  window.firstDraw = null;
  const counted = (original) => function (...args) {
    window.draws += 1;
    window.firstDraw ??= performance.now();
    return original.apply(this, args);
  };
  for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
    for (const name of ['drawArrays', 'drawElements'])
      context.prototype[name] = counted(context.prototype[name]);
  }
  CanvasRenderingContext2D.prototype.putImageData = counted(CanvasRenderingContext2D.prototype.putImageData);
}

function differences(shot, reference) {
  check(shot.width === reference.width && shot.height === reference.height,
    `a ${shot.width}x${shot.height} frame against a ${reference.width}x${reference.height} one`);
  let outliers = 0;
  let sum = 0;
  for (let index = 0; index < shot.data.length; index += 4) {
    let largest = 0;
    for (let channel = 0; channel < 3; ++channel) {
      const difference = Math.abs(shot.data[index + channel] - reference.data[index + channel]);
      largest = Math.max(largest, difference);
      sum += difference;
    }
    if (largest > tolerance.channel) outliers += 1;
  }
  const pixels = shot.width * shot.height;
  return { outliers: outliers / pixels, mean: sum / (pixels * 3) };
}

function alike(shot, reference) {
  const found = differences(shot, reference);
  return found.outliers <= tolerance.outliers && found.mean <= tolerance.mean;
}

// A frame with next to no variety is a blank or a failed draw.
function blank(shot) {
  const colours = new Set();
  for (let index = 0; index < shot.data.length && colours.size < 256; index += 4 * 7)
    colours.add(shot.data.readUInt32LE(index));
  return colours.size < 256;
}

class Player {
  constructor(page, cdp) {
    this.page = page;
    this.cdp = cdp;
  }

  // Reads an expression in the page. Unlike puppeteer's evaluate, it is no user gesture, which
  // would let the page play sound before the player has clicked.
  async value(expression) {
    const { result, exceptionDetails } = await this.cdp.send('Runtime.evaluate', { expression, returnByValue: true });
    return exceptionDetails ? undefined : result.value;
  }

  async until(expression, timeout = 120000) {
    for (const end = Date.now() + timeout; !(await this.value(expression)); ) {
      check(Date.now() < end, `waited in vain for ${expression}`);
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }

  async canvas() {
    return this.page.$('#canvas');
  }

  // Waits until the game has drawn and then stayed still for a moment.
  async settled() {
    await this.until('window.firstDraw !== null');
    let before = -1;
    for (let draws = await this.draws(); draws !== before; draws = await this.draws()) {
      before = draws;
      await new Promise((resolve) => setTimeout(resolve, 400));
    }
  }

  async draws() {
    return this.value('window.draws');
  }

  async shot(name) {
    await this.settled();
    const shot = PNG.sync.read(Buffer.from(await (await this.canvas()).screenshot()));
    check(!blank(shot), `the ${name} frame is blank`);
    return shot;
  }

  async matches(name, reference = name) {
    const shot = await this.shot(name);
    const found = differences(shot, PNG.sync.read(fs.readFileSync(path.join(desktopFrames, `${reference}.png`))));
    console.log(`${name}: ${(100 * found.outliers).toFixed(2)}% of pixels off by more than ` +
      `${tolerance.channel}, mean difference ${found.mean.toFixed(2)}`);
    check(found.outliers <= tolerance.outliers && found.mean <= tolerance.mean,
      `the ${name} frame is not the desktop's`);
    return shot;
  }

  // Clicks a point given on the README's 720x540 frames.
  async click(x, y) {
    const box = await (await this.canvas()).boundingBox();
    await this.page.mouse.click(box.x + (x * box.width) / 720, box.y + (y * box.height) / 540);
    await this.settled();
  }

  async press(key) {
    await this.page.keyboard.press(key);
    await this.settled();
  }
}

const at = { play: [360, 240], settings: [360, 296], exit: [360, 351], door: [360, 300],
  resolution: [434, 191], apply: [446, 420] };

async function open(player, url) {
  const started = Date.now();
  await player.page.goto(url, { waitUntil: 'load' });
  await player.until('window.firstDraw !== null');
  console.log(`page load to first frame: ${Math.round(await player.value('window.firstDraw'))} ms ` +
    `(${Date.now() - started} ms from the request)`);
}

// The draws and the renderer's main-thread time over a few idle seconds on the menu.
async function idle(player) {
  const seconds = 3;
  // The screenshot just taken is the renderer's work, not the game's.
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const draws = await player.draws();
  const before = (await player.page.metrics()).TaskDuration;
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const busy = (await player.page.metrics()).TaskDuration - before;
  check(await player.draws() === draws, 'the idle menu was drawn again without a change');
  console.log(`idle menu: no frame in ${seconds} s, renderer's main thread busy ` +
    `${(100 * busy / seconds).toFixed(2)}% (sound ${await player.value('Module.SDL2.audioContext.state')})`);
}

// Goes through a door of level 1 until it is a wrong one (the right one is drawn anew each game).
async function die(player, retry) {
  for (let attempt = 0; attempt < 12; ++attempt) {
    await player.click(...at.door);
    await player.press('y');
    if (alike(await player.shot('after the door'), retry)) return;
    await player.press('Escape');
    await player.click(...at.play);
  }
  throw new Error('no door of level 1 was a wrong one');
}

function desktopFirstFrames() {
  const times = [];
  for (let run = 0; run < 5; ++run) {
    const started = process.hrtime.bigint();
    const result = spawnSync(desktopGame, [], { cwd: desktopData, encoding: 'utf8',
      env: { ...process.env, VOSSMERE_TIMELINE: '1', SDL_VIDEODRIVER: 'dummy', SDL_AUDIODRIVER: 'dummy',
        SDL_RENDER_DRIVER: 'software', HOME: os.tmpdir() } });
    const frame = /first frame (\d+)/.exec(result.stdout);
    check(frame, `the desktop game did not start: ${result.stderr}`);
    times.push(Number(BigInt(frame[1]) - started) / 1e6);
  }
  return times.sort((a, b) => a - b)[2];
}

async function play(url, browser) {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(message.text());
  });
  await page.setViewport({ width, height: height + 160 });
  await page.evaluateOnNewDocument(countDraws);
  const player = new Player(page, await page.createCDPSession());
  const reference = (name) => PNG.sync.read(fs.readFileSync(path.join(desktopFrames, `${name}.png`)));

  await open(player, url);
  const canvasSize = () => player.value('`${canvas.width}x${canvas.height}`');
  check(await canvasSize() === `${width}x${height}`, `the canvas is ${await canvasSize()}`);
  await player.matches('main_menu');
  await idle(player);

  // The browser lets the page play sound once the player has clicked.
  const sound = () => player.value('Module.SDL2.audioContext.state');
  check(await sound() === 'suspended', `sound played before the first click: ${await sound()}`);
  await player.click(...at.play);
  check(await sound() === 'running', 'no sound after the first click');
  const room = await player.matches('room');
  await player.click(...at.door);
  const dialog = await player.shot('door dialog');
  check(!alike(dialog, room), 'a click on the door showed no dialog');
  await player.press('n');
  await die(player, reference('retry'));
  await player.matches('retry');
  await player.press('y');
  await player.matches('room after the retry', 'room');

  await player.press('Escape');
  await player.click(...at.settings);
  const settings = await player.matches('settings');
  // The list opens below its box, one row per size, largest first: 1920x1080 is the first.
  await player.click(...at.resolution);
  check(!alike(await player.shot('open list'), settings), 'the resolution list did not open');
  await player.click(at.resolution[0], at.resolution[1] + 24);
  await player.click(...at.apply);
  await player.press('Enter');
  const kept = await canvasSize();
  check(kept !== `${width}x${height}`, 'the new resolution was not applied');
  // The browser stores the settings folder a moment after the save.
  await new Promise((resolve) => setTimeout(resolve, 1500));

  await page.reload({ waitUntil: 'load' });
  await player.until('window.firstDraw !== null');
  check(await canvasSize() === kept, `after a reload the canvas is ${await canvasSize()}, not ${kept}`);
  console.log(`kept across a reload: ${kept}`);
  // Exit ends the game, which tears down cleanly, and the page says so.
  await player.click(...at.exit);
  await player.until("document.getElementById('status').textContent === 'You left the manor.'");
  check(problems.length === 0, `the page reported problems:\n${problems.join('\n')}`);
}

const folder = path.resolve(web);
const server = await serve(folder);
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vossmere-chromium-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync', '--disable-quic'],
});
try {
  await play(`http://127.0.0.1:${server.address().port}/`, browser);
  const sizes = ['vossmere.js', 'vossmere.wasm', 'vossmere.data', 'index.html'].map((name) => {
    const bytes = fs.readFileSync(path.join(folder, name));
    return { name, bytes: bytes.length, gzipped: spawnSync('gzip', ['-9c'], { input: bytes }).stdout.length };
  });
  const total = (key) => (sizes.reduce((sum, file) => sum + file[key], 0) / 1048576).toFixed(2);
  console.log(`download: ${total('bytes')} MiB, ${total('gzipped')} MiB gzipped (` +
    sizes.map((file) => `${file.name} ${(file.bytes / 1024).toFixed(0)} KiB`).join(', ') + ')');
  console.log(`desktop build, exec to first frame (median of 5): ${desktopFirstFrames().toFixed(0)} ms`);
  console.log('browser playthrough: passed');
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
