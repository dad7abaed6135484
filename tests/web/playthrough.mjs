// Plays the browser build through in headless Chromium: the first frame and an idle menu that
// draws nothing, sound only after the first click, a room, a door's dialog, a death and a retry,
// the settings screen, a new resolution kept across a reload of the page, spoken descriptions, the
// settings and a door by keys alone, and the way out; then a game started in German. The
// frames of the screens the desktop build also shot are compared with the desktop's.
//
// Usage: node playthrough.mjs WEB_DIR DESKTOP_FRAMES_DIR
import fs from 'node:fs';
import path from 'node:path';
import { at, check, PNG, sleep, withPage } from '../../tools/web/page_driver.mjs';

const [web, desktopFrames] = process.argv.slice(2);
// The software renderer and the browser's GL filter the scaled art a little differently.
const tolerance = { channel: 16, outliers: 0.01, mean: 1.5 };

const desktop = (name) => PNG.sync.read(fs.readFileSync(path.join(desktopFrames, `${name}.png`)));

// Whether two frames differ by no more than the tolerance; says by how much when `name` is given.
function alike(shot, reference, name) {
  let outliers = 0;
  let sum = 0;
  for (let index = 0; index < shot.data.length; index += 4) {
    const channels = [0, 1, 2].map((channel) =>
      Math.abs(shot.data[index + channel] - reference.data[index + channel]));
    outliers += Math.max(...channels) > tolerance.channel;
    sum += channels[0] + channels[1] + channels[2];
  }
  const share = outliers / (shot.width * shot.height);
  const mean = sum / (shot.width * shot.height * 3);
  if (name)
    console.log(`${name}: ${(100 * share).toFixed(2)}% of pixels off by more than ` +
      `${tolerance.channel}, mean difference ${mean.toFixed(2)}`);
  return share <= tolerance.outliers && mean <= tolerance.mean;
}

async function matches(player, name, reference = name) {
  check(alike(await player.shot(name), desktop(reference), name), `the ${name} frame is not the desktop's`);
}

// Goes through a door of level 1 until it is a wrong one: the right one is drawn anew each game.
async function die(player) {
  for (let attempt = 0; attempt < 12; ++attempt) {
    await player.click(at.door);
    await player.press('y');
    if (alike(await player.shot('after a door'), desktop('retry'))) return;
    await player.press('Escape');
    await player.click(at.play);
  }
  throw new Error('no door of level 1 was a wrong one');
}

await withPage(web, async (player) => {
  const size = () => player.value('`${canvas.width}x${canvas.height}`');
  const sound = () => player.value('Module.SDL2.audioContext.state');
  await player.until('window.firstDraw !== null');
  check(await size() === '1024x768', `the canvas is ${await size()}`);
  await matches(player, 'main_menu');
  await sleep(1000);
  const draws = await player.value('draws');
  await sleep(2000);
  check(await player.value('draws') === draws, 'the idle menu was drawn again without a change');

  check(await sound() === 'suspended', 'sound played before the first click');
  await player.click(at.play);
  check(await sound() === 'running', 'no sound after the first click');
  await matches(player, 'room');
  await player.click(at.door);
  check(!alike(await player.shot('door dialog'), desktop('room')), 'the door asked nothing');
  await player.press('n');
  await die(player);
  await matches(player, 'retry');
  await player.press('y');
  await matches(player, 'room after the retry', 'room');

  await player.press('Escape');
  await player.click(at.settings);
  await matches(player, 'settings');
  await player.click(at.resolution);
  await player.click(at.firstSize); // the largest, 1920x1080
  await player.click(at.apply);
  await player.press('Enter'); // keeps it
  check(await size() === '1920x1080', `the canvas is ${await size()} after keeping 1920x1080`);
  await sleep(1500); // the browser stores the settings a moment after the save
  await player.page.reload();
  await player.until('window.firstDraw !== null');
  check(await size() === '1920x1080', `after a reload the canvas is ${await size()}`);

  // By keys alone: the ring from Play to Settings, on from the language to the resolution list,
  // the list opened on the current size, the next one chosen, the ring back around to Apply, and
  // Keep; then a door.
  for (const key of ['Tab', 'ArrowDown', 'Enter', 'ArrowDown', 'Enter', 'ArrowDown', 'Enter',
    'ArrowUp', 'ArrowUp', 'Enter', 'Enter'])
    await player.press(key);
  const chosen = await size();
  check(chosen !== '1920x1080' && /^\d+x\d+$/.test(chosen), `chosen by keys, the canvas is ${chosen}`);
  await player.press('Escape'); // back to the menu, the ring on Play
  await player.press('Enter');
  const room = await player.shot('room by keys');
  await player.press('Enter'); // the ring is on the first room's door
  check(!alike(await player.shot('door dialog by keys'), room), 'Enter on the door asked nothing');
  await player.press('Escape');
  await player.press('Escape');

  // Spoken descriptions through the page's speechSynthesis: V says so, then the screen and the
  // focused button follow it; a step of the focus cuts them short.
  await player.press('v');
  await player.press('Tab');
  const spoken = await player.value('spoken');
  check(spoken.length === 4 && spoken[0] === '!Spoken descriptions on' &&
    spoken[1] === 'Vossmere. Main menu' && /^[^!].*, button$/.test(spoken[2]) &&
    /^!.*, button$/.test(spoken[3]), `the game said ${JSON.stringify(spoken)}`);
  await player.click(at.exit);
  await player.until("document.getElementById('status').textContent === 'You left the manor.'");
});

// A browser that prefers German: the game starts in German, as the desktop's German main menu,
// and says so.
await withPage(web, async (player) => {
  await player.until('window.firstDraw !== null');
  await matches(player, 'German main menu', 'de/main_menu');
  await player.press('v');
  await player.press('Tab');
  const spoken = await player.value('spoken');
  check(JSON.stringify(spoken) === JSON.stringify(
    ['!Sprachausgabe an', 'Vossmere. Hauptmenü', '!Spielen, Schalter']),
  `the German game said ${JSON.stringify(spoken)}`);
}, ['de-DE', 'de', 'en']);
console.log('browser playthrough: passed');
