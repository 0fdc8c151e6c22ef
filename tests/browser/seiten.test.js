// Plays the exported pages in headless Chromium. The pages come from the
// program's own writers (seiten_erzeugen: a real load, cut and export) and
// are opened from file:// with the network closed.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const CHROMIUM = process.env.SEITEN_CHROMIUM || '/usr/bin/chromium';
const ARGUMENTE = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

let ziel;       // directory with the exported variants a/ and b/
let bilder;     // screenshots
const browser = {};

async function starte(name, popupsBlockieren) {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-profil-'));
  browser[name] = await chromium.launchPersistentContext(profil, {
    executablePath: CHROMIUM, headless: true, args: ARGUMENTE,
    // Playwright switches the popup blocker off; the blocked case needs it on.
    ignoreDefaultArgs: popupsBlockieren ? ['--disable-popup-blocking'] : [],
    viewport: { width: 900, height: 600 },
  });
  browser[name].profil = profil;
}

before(async () => {
  assert.ok(process.env.SEITEN_ERZEUGEN, 'SEITEN_ERZEUGEN names the page writer program');
  ziel = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-seiten-'));
  execFileSync(process.env.SEITEN_ERZEUGEN, [ziel, process.env.SEITEN_VORLAGEN], { stdio: 'inherit' });
  bilder = process.env.SEITEN_BILDER || path.join(ziel, 'bilder');
  fs.mkdirSync(bilder, { recursive: true });
  await starte('erlaubt', false);
  await starte('blockiert', true);
});

after(async () => {
  for (const b of Object.values(browser)) {
    await b.close();
    fs.rmSync(b.profil, { recursive: true, force: true });
  }
  if (!process.env.SEITEN_BILDER) fs.rmSync(ziel, { recursive: true, force: true });
});

// Opens a page and records every script error and console error on it.
async function oeffne(datei, { popups = 'erlaubt' } = {}) {
  const kontext = browser[popups];
  const seite = await kontext.newPage();
  seite.fehler = [];
  seite.on('pageerror', (f) => seite.fehler.push(String(f)));
  seite.on('console', (m) => { if (m.type() === 'error') seite.fehler.push(m.text()); });
  const popup = popups === 'erlaubt' ? kontext.waitForEvent('page', { timeout: 3000 }).catch(() => null) : null;
  await seite.goto(pathToFileURL(path.join(ziel, datei)).href);
  await seite.waitForLoadState('load');
  await seite.evaluate(() => {
    window.__erledigt = 0;
    for (const name of ['Schiebe', 'Tausche', 'Zeige', 'Antwort']) {
      const spiel = window[name];
      if (typeof spiel !== 'function') continue;
      window[name] = function (...werte) {
        try { return spiel.apply(this, werte); } finally { window.__erledigt++; }
      };
    }
  });
  seite.popup = popup;
  return seite;
}

async function schliesse(seite, bild) {
  if (await seite.$('.tesselo-anleitung')) {
    await seite.screenshot({ path: path.join(bilder, bild.replace('.png', '-anleitung.png')) });
    await seite.keyboard.press('Escape');
  }
  await seite.screenshot({ path: path.join(bilder, bild), fullPage: true });
  const kaputt = await seite.evaluate(() => Array.from(document.images)
    .filter((b) => b.complete && b.naturalWidth === 0).map((b) => b.getAttribute('src')));
  assert.deepEqual(kaputt, [], 'every picture of the page loads');
  assert.deepEqual(seite.fehler, [], 'no script errors');
  await seite.close();
}

const quellen = (seite) => seite.evaluate(() => Array.from(document.images).map((b) => b.getAttribute('src')));
const text = (seite, wahl) => seite.locator(wahl).textContent();
// A "javascript:" link runs in a task of its own after the click; wait until
// the called game function has returned (counted by a wrapper set on load).
async function klick(seite, aufruf) {
  const vorher = await seite.evaluate(() => window.__erledigt);
  await seite.click(`a[href="javascript:${aufruf};"]`);
  await seite.waitForFunction((n) => window.__erledigt > n, vorher, { timeout: 2000 });
}
const knopf = (seite, name) => seite.click(`input[value="${name}"]`);
const kachel = (r, c) => `luftbi${r}_${c}.jpg`;
const GELOEST = [kachel(0, 0), kachel(0, 1), kachel(0, 2), kachel(1, 0), kachel(1, 1), kachel(1, 2)];

test('SchiebePuzzle: Schieben in Zeile und Spalte, Mischen, Loesung, Anleitung', async () => {
  const seite = await oeffne('a/luftbisp.htm');
  // The empty field (column 3, row 2) shows the empty tile after loading.
  assert.deepEqual((await quellen(seite)).slice(0, 6), [...GELOEST.slice(0, 5), 'luftbile.jpg']);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 0');
  assert.match(await text(seite, '#tesselo-zeit'), /^Zeit: \d+sec$/);
  // Grid lines in the grid colour (the cell spacing shows the table).
  const gitter = await seite.evaluate(() => getComputedStyle(document.images[0].closest('table')).backgroundColor);
  assert.equal(gitter, 'rgb(255, 255, 0)');

  await klick(seite, 'Schiebe(1,2)'); // two tiles of the row slide right
  assert.deepEqual((await quellen(seite)).slice(0, 6),
    [kachel(0, 0), kachel(0, 1), kachel(0, 2), 'luftbile.jpg', kachel(1, 0), kachel(1, 1)]);
  await klick(seite, 'Schiebe(1,1)'); // the column: one tile slides down
  assert.deepEqual((await quellen(seite)).slice(0, 4), ['luftbile.jpg', kachel(0, 1), kachel(0, 2), kachel(0, 0)]);
  await klick(seite, 'Schiebe(2,2)'); // neither row nor column of the hole
  await klick(seite, 'Schiebe(1,1)'); // the hole itself
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 2');

  // A shuffle is a permutation whose parity matches the hole's distance.
  await knopf(seite, 'Mischen');
  const feld = await seite.evaluate(() => ({ feld: Feld.slice(), leer: Leer, teil: LeerTeil }));
  assert.deepEqual([...feld.feld].sort(), [0, 1, 2, 3, 4, 5]);
  assert.notDeepEqual(feld.feld, [0, 1, 2, 3, 4, 5]);
  let fehlstellungen = 0;
  for (let i = 0; i < 6; i++) for (let j = i + 1; j < 6; j++) if (feld.feld[i] > feld.feld[j]) fehlstellungen++;
  const abstand = Math.abs(feld.leer % 3 - feld.teil % 3) + Math.abs(Math.floor(feld.leer / 3) - Math.floor(feld.teil / 3));
  assert.equal(fehlstellungen % 2, abstand % 2, 'solvable');
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 0');

  // From the solved board with no mixing steps, the shuffle is one move
  // away from solved: solve it.
  await knopf(seite, 'Anzeigen');
  await seite.evaluate(() => { MaxMischen = 0; });
  await knopf(seite, 'Mischen');
  assert.equal(await seite.isHidden('#tesselo-meldung'), true);
  await klick(seite, 'Schiebe(3,2)');
  assert.equal(await text(seite, '#tesselo-meldung'), 'Gelöst mit 1 Zug in 0sec!');
  assert.deepEqual((await quellen(seite)).slice(0, 6), GELOEST);

  await klick(seite, 'Schiebe(3,1)');
  await knopf(seite, 'Anzeigen');
  assert.deepEqual((await quellen(seite)).slice(0, 6), GELOEST);

  await knopf(seite, 'Anleitung');
  assert.equal(await text(seite, '.tesselo-anleitung-titel'), 'SchiebePuzzle - Anleitung');
  const anleitung = await text(seite, '.tesselo-anleitung pre');
  assert.ok(anleitung.startsWith('Das Puzzle soll durch waagrechtes und senkrechtes Verschieben des \nleeren Feldes gelöst'));
  assert.ok(anleitung.endsWith('\n\nViel Spaß'));
  await schliesse(seite, 'schiebepuzzle.png');
});

test('TauschPuzzle: Tausch, Markierung, Protokollfenster und geloestes Brett', async () => {
  const seite = await oeffne('a/luftbitp.htm');
  const fenster = await seite.popup;
  assert.ok(fenster, 'the page opened the window "Positionen"');
  assert.match(await fenster.evaluate(() => document.body.innerHTML), /<b>Positionen<\/b><br>/);

  await klick(seite, 'Tausche(1,1)');
  assert.equal(await seite.evaluate(() => document.images[0].classList.contains('tesselo-gewaehlt')), true);
  await klick(seite, 'Tausche(3,2)');
  assert.deepEqual((await quellen(seite)).slice(0, 6),
    [kachel(1, 2), kachel(0, 1), kachel(0, 2), kachel(1, 0), kachel(1, 1), kachel(0, 0)]);
  assert.equal(await seite.evaluate(() => document.querySelectorAll('.tesselo-gewaehlt').length), 0);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 1');
  assert.match(await fenster.evaluate(() => document.body.innerHTML), /1: \(1\|1\) und \(3\|2\)<br>/);
  assert.equal(await seite.$('#tesselo-protokoll'), null);

  await knopf(seite, 'Mischen');
  const feld = await seite.evaluate(() => Feld.slice());
  assert.deepEqual([...feld].sort(), [0, 1, 2, 3, 4, 5]);
  assert.notDeepEqual(feld, [0, 1, 2, 3, 4, 5]);

  await knopf(seite, 'Anzeigen');
  await seite.evaluate(() => { MaxMischen = 0; });
  await knopf(seite, 'Mischen');
  const falsch = (await seite.evaluate(() => Feld.slice())).flatMap((t, p) => (t === p ? [] : [p]));
  assert.equal(falsch.length, 2);
  for (const p of falsch) await klick(seite, `Tausche(${p % 3 + 1},${Math.floor(p / 3) + 1})`);
  assert.equal(await text(seite, '#tesselo-meldung'), 'Gelöst mit 1 Zug in 0sec!');
  await knopf(seite, 'Anleitung');
  assert.equal(await text(seite, '.tesselo-anleitung-titel'), 'TauschPuzzle - Anleitung');
  await seite.keyboard.press('Escape');
  assert.equal(await seite.isHidden('.tesselo-anleitung'), true);
  await fenster.screenshot({ path: path.join(bilder, 'positionen.png') });
  await fenster.close();
  await schliesse(seite, 'tauschpuzzle.png');
});

test('TauschPuzzle: blockiertes Protokollfenster schreibt in die Seite', async () => {
  const vorher = browser.blockiert.pages().length;
  const seite = await oeffne('a/luftbitp.htm', { popups: 'blockiert' });
  assert.equal(browser.blockiert.pages().length, vorher + 1, 'no window besides the page');
  assert.equal(await text(seite, '#tesselo-protokoll'), 'Positionen');
  await klick(seite, 'Tausche(1,1)');
  await klick(seite, 'Tausche(2,1)');
  assert.equal(await text(seite, '#tesselo-protokoll'), 'Positionen1: (1|1) und (2|1)');
  assert.deepEqual((await quellen(seite)).slice(0, 2), [kachel(0, 1), kachel(0, 0)]);
  await schliesse(seite, 'tauschpuzzle-blockiert.png');
});

test('TauschPuzzle ohne Zugausgabe und Zugzaehler; Ueberschrift ausserhalb Latin-1', async () => {
  const seite = await oeffne('b/luftbitp.htm', { popups: 'erlaubt' });
  assert.equal(await seite.popup, null);
  assert.equal(await text(seite, 'h1'), 'Würfel für 5 € Ő');
  assert.equal(await seite.$('#tesselo-zug'), null);
  assert.match(await text(seite, '#tesselo-zeit'), /^Zeit: \d+sec$/);
  await klick(seite, 'Tausche(1,1)');
  await klick(seite, 'Tausche(1,2)');
  assert.equal(await seite.$('#tesselo-protokoll'), null);
  assert.equal(await seite.evaluate(() => document.images.length), 6, 'no preview picture');
  await schliesse(seite, 'tauschpuzzle-b.png');
});

test('Bilderraetsel: Aufdecken zaehlt, falsche und richtige Antwort', async () => {
  const seite = await oeffne('a/luftbirp.htm');
  assert.deepEqual(await quellen(seite), [...Array(6).fill('luftbile.jpg'), 'falsrich.gif']);
  await klick(seite, 'Zeige(2,1)');
  await klick(seite, 'Zeige(2,1)');
  await klick(seite, 'Zeige(3,2)');
  assert.deepEqual((await quellen(seite)).slice(0, 6),
    ['luftbile.jpg', kachel(0, 1), 'luftbile.jpg', 'luftbile.jpg', 'luftbile.jpg', kachel(1, 2)]);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 2');
  // The answers stand right of the tiles.
  const tafel = await seite.locator('img').first().boundingBox();
  const antworten = await seite.locator('text=Der Leuchtturm').boundingBox();
  assert.ok(antworten.x > tafel.x + 3 * 60, 'answers to the right');

  await klick(seite, 'Antwort(1)');
  assert.deepEqual(await quellen(seite), [...GELOEST, 'falsch.gif']);
  assert.equal(await text(seite, '#tesselo-meldung'), 'Leider falsch.');
  await klick(seite, 'Antwort(2)');
  assert.equal((await quellen(seite))[6], 'richtig.gif');
  assert.equal(await text(seite, '#tesselo-meldung'), 'Richtig! 2 von 6 Karten aufgedeckt.');
  await knopf(seite, 'Anleitung');
  assert.equal(await text(seite, '.tesselo-anleitung-titel'), 'BilderRätsel - Anleitung');
  await schliesse(seite, 'bilderraetsel.png');
});

test('Bilderraetsel: Antworten unten, Anzeigen deckt alles auf', async () => {
  const seite = await oeffne('b/luftbirp.htm');
  const tafel = await seite.locator('img').nth(3).boundingBox();
  const antworten = await seite.locator('text=Was verbirgt sich hinter den Bildkarten?').boundingBox();
  assert.ok(antworten.y > tafel.y + tafel.height, 'answers below the tiles');
  assert.equal(await seite.locator('a[href^="javascript:Antwort("]').count(), 2);
  assert.match(await seite.locator('table[border="1"]').textContent(), /Grüße.*Preis in €/s);
  await knopf(seite, 'Anzeigen');
  assert.deepEqual((await quellen(seite)).slice(0, 6), GELOEST);
  await schliesse(seite, 'bilderraetsel-b.png');
});

test('Bildtabelle zeigt alle Kacheln', async () => {
  const seite = await oeffne('a/luftbita.htm');
  assert.deepEqual(await quellen(seite), GELOEST);
  assert.match(await text(seite, 'h1'), /^Bildtabelle von .*luftbild\.bmp$/);
  await schliesse(seite, 'tabelle.png');
});
