// Measures the browser build in headless Chromium (SwiftShader's GL) beside the desktop build:
// page load to the first frame over three loads, the download, and how busy the page's main
// thread is on the idle menu before the first click (sound suspended) and after it (the music
// playing); then the desktop game's start to its first frame, headless, median of five.
//
// Usage: node web.mjs WEB_DIR DESKTOP_GAME DESKTOP_DATA_DIR
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { at, sleep, withPage } from '../tools/web/page_driver.mjs';

const [web, desktopGame, desktopData] = process.argv.slice(2).map((arg) => path.resolve(arg));
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function busy(player) {
  const before = (await player.page.metrics()).TaskDuration;
  await sleep(3000);
  return (100 * ((await player.page.metrics()).TaskDuration - before) / 3).toFixed(2);
}

await withPage(web, async (player) => {
  const firsts = [];
  for (let load = 0; load < 3; ++load) {
    if (load > 0) await player.page.reload();
    await player.until('window.firstDraw !== null');
    firsts.push(Math.round(await player.value('firstDraw')));
  }
  console.log(`browser, page load to first frame: ${firsts.join(', ')} ms`);
  await player.settled();
  await sleep(1000);
  const quiet = await busy(player);
  await player.click(at.nothing); // lets the music play, and changes nothing on the menu
  await sleep(1000);
  console.log(`browser, idle menu: main thread busy ${quiet}% before the first click, ` +
    `${await busy(player)}% with the music playing`);
});

const files = ['index.html', 'vossmere.js', 'vossmere.wasm', 'vossmere.data'].map((name) => {
  const bytes = fs.readFileSync(path.join(web, name));
  return { name, bytes: bytes.length, gzipped: zlib.gzipSync(bytes, { level: 9 }).length };
});
const mib = (key) => (files.reduce((total, file) => total + file[key], 0) / 1048576).toFixed(2);
console.log(`browser, download: ${mib('bytes')} MiB, ${mib('gzipped')} MiB gzipped (` +
  files.map((file) => `${file.name} ${Math.round(file.bytes / 1024)}/${Math.round(file.gzipped / 1024)} KiB`)
    .join(', ') + ')');

const env = { ...process.env, HOME: os.tmpdir(), VOSSMERE_TIMELINE: '1', SDL_VIDEODRIVER: 'dummy',
  SDL_AUDIODRIVER: 'dummy', SDL_RENDER_DRIVER: 'software' };
const starts = [1, 2, 3, 4, 5].map(() => {
  const started = process.hrtime.bigint();
  const { stdout } = spawnSync(desktopGame, [], { cwd: desktopData, encoding: 'utf8', env });
  return Number(BigInt(/first frame (\d+)/.exec(stdout)[1]) - started) / 1e6;
});
console.log(`desktop, start to first frame (headless, median of 5): ${median(starts).toFixed(0)} ms`);
