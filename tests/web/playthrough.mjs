// Plays the browser build through in headless Chromium, as a player would: the first frame, a
// room, a door's dialog, a death and a retry, the settings screen, a new resolution kept across a
// reload of the page, and the way out. The frames of the screens the desktop build also shot are
// compared with the desktop's; the figures of the run are printed as it goes.
//
// Usage: node playthrough.mjs WEB_DIR DESKTOP_FRAMES_DIR DESKTOP_GAME DESKTOP_DATA_DIR
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { PNG } from 'pngjs';
import puppeteer from 'puppeteer-core';

const [web, desktopFrames, desktopGame, desktopData] =
  process.argv.slice(2).map((arg) => path.resolve(arg));
// The software renderer and the browser's GL filter the scaled art a little differently.
const tolerance = { channel: 16, outliers: 0.01, mean: 1.5 };
// Points of the README's 720x540 frames.
const at = { play: [360, 240], settings: [360, 296], exit: [360, 351], door: [360, 300],
  resolution: [434, 191], firstSize: [434, 215], apply: [446, 420] };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function check(condition, message) {
  if (!condition) throw new Error(message);
}

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

// The share of pixels off by more than the tolerance in a channel, and the mean difference.
function differences(shot, reference) {
  check(shot.width === reference.width && shot.height === reference.height, 'frames of different sizes');
  let outliers = 0;
  let sum = 0;
  for (let index = 0; index < shot.data.length; index += 4) {
    const channels = [0, 1, 2].map((channel) =>
      Math.abs(shot.data[index + channel] - reference.data[index + channel]));
    outliers += Math.max(...channels) > tolerance.channel;
    sum += channels[0] + channels[1] + channels[2];
  }
  const pixels = shot.width * shot.height;
  return { outliers: outliers / pixels, mean: sum / (pixels * 3) };
}

const alike = (found) => found.outliers <= tolerance.outliers && found.mean <= tolerance.mean;
const desktop = (name) => PNG.sync.read(fs.readFileSync(path.join(desktopFrames, `${name}.png`)));

class Player {
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

  async matches(name, reference = name) {
    const found = differences(await this.shot(name), desktop(reference));
    console.log(`${name}: ${(100 * found.outliers).toFixed(2)}% of pixels off by more than ` +
      `${tolerance.channel}, mean difference ${found.mean.toFixed(2)}`);
    check(alike(found), `the ${name} frame is not the desktop's`);
  }

  async click([x, y]) {
    const box = await (await this.page.$('#canvas')).boundingBox();
    await this.page.mouse.click(box.x + (x * box.width) / 720, box.y + (y * box.height) / 540);
    await this.settled();
  }

  async press(key) {
    await this.page.keyboard.press(key);
    await this.settled();
  }
}

// No frame over a few idle seconds on the menu, and how busy the page's thread is meanwhile.
async function idle(player) {
  await sleep(1000); // the screenshot just taken is the browser's work, not the game's
  const [draws, before] = [await player.value('draws'), (await player.page.metrics()).TaskDuration];
  await sleep(3000);
  const busy = ((await player.page.metrics()).TaskDuration - before) / 3;
  check(await player.value('draws') === draws, 'the idle menu was drawn again without a change');
  console.log(`idle menu: no frame in 3 s, page's main thread busy ${(100 * busy).toFixed(2)}% ` +
    `(sound ${await player.value('Module.SDL2.audioContext.state')})`);
}

// Goes through a door of level 1 until it is a wrong one: the right one is drawn anew each game.
async function die(player) {
  for (let attempt = 0; attempt < 12; ++attempt) {
    await player.click(at.door);
    await player.press('y');
    if (alike(differences(await player.shot('after a door'), desktop('retry')))) return;
    await player.press('Escape');
    await player.click(at.play);
  }
  throw new Error('no door of level 1 was a wrong one');
}

async function play(page) {
  const player = new Player(page, await page.createCDPSession());
  const size = () => player.value('`${canvas.width}x${canvas.height}`');
  const sound = () => player.value('Module.SDL2.audioContext.state');
  await player.until('window.firstDraw !== null');
  console.log(`page load to first frame: ${Math.round(await player.value('firstDraw'))} ms`);
  check(await size() === '1024x768', `the canvas is ${await size()}`);
  await player.matches('main_menu');
  await idle(player);

  check(await sound() === 'suspended', 'sound played before the first click');
  await player.click(at.play);
  check(await sound() === 'running', 'no sound after the first click');
  await player.matches('room');
  await player.click(at.door);
  const dialog = await player.shot('door dialog');
  check(!alike(differences(dialog, desktop('room'))), 'the door asked nothing');
  await player.press('n');
  await die(player);
  await player.matches('retry');
  await player.press('y');
  await player.matches('room after the retry', 'room');

  await player.press('Escape');
  await player.click(at.settings);
  await player.matches('settings');
  await player.click(at.resolution);
  await player.click(at.firstSize); // the largest, 1920x1080
  await player.click(at.apply);
  await player.press('Enter'); // keeps it
  check(await size() === '1920x1080', `the canvas is ${await size()} after keeping 1920x1080`);
  await sleep(1500); // the browser stores the settings a moment after the save
  await page.reload();
  await player.until('window.firstDraw !== null');
  check(await size() === '1920x1080', `after a reload the canvas is ${await size()}`);
  await player.click(at.exit);
  await player.until("document.getElementById('status').textContent === 'You left the manor.'");
}

function report(folder) {
  const files = ['index.html', 'vossmere.js', 'vossmere.wasm', 'vossmere.data']
    .map((name) => fs.readFileSync(path.join(folder, name)));
  const mib = (bytes) => (bytes / 1048576).toFixed(2);
  const sum = (sizes) => mib(sizes.reduce((total, bytes) => total + bytes, 0));
  console.log(`download: ${sum(files.map((file) => file.length))} MiB, ` +
    `${sum(files.map((file) => spawnSync('gzip', ['-9c'], { input: file }).stdout.length))} MiB gzipped`);
  const times = [1, 2, 3, 4, 5].map(() => {
    const started = process.hrtime.bigint();
    const env = { ...process.env, HOME: os.tmpdir(), VOSSMERE_TIMELINE: '1', SDL_VIDEODRIVER: 'dummy',
      SDL_AUDIODRIVER: 'dummy', SDL_RENDER_DRIVER: 'software' };
    const { stdout } = spawnSync(desktopGame, [], { cwd: desktopData, encoding: 'utf8', env });
    return Number(BigInt(/first frame (\d+)/.exec(stdout)[1]) - started) / 1e6;
  });
  const median = times.sort((a, b) => a - b)[2];
  console.log(`desktop game, start to first frame (median of 5): ${median.toFixed(0)} ms`);
}

const server = serve(web);
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
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await play(page);
  check(problems.length === 0, `the page reported problems:\n${problems.join('\n')}`);
  report(web);
  console.log('browser playthrough: passed');
} finally {
  await browser.close();
  server.close();
}
