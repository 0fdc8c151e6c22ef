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
const { schiebeLoesung, tauschLoesung, zyklen } = require('./loesungen.js');

const CHROMIUM = process.env.SEITEN_CHROMIUM || '/usr/bin/chromium';
const ARGUMENTE = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

let ziel;       // directory with the exported variants a/ to e/
let bilder;     // screenshots
const browser = {};
let geraete;    // a browser for the phone, tablet and laptop contexts

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
  geraete = await chromium.launch({ executablePath: CHROMIUM, headless: true, args: ARGUMENTE });
});

after(async () => {
  for (const b of Object.values(browser)) {
    await b.close();
    fs.rmSync(b.profil, { recursive: true, force: true });
  }
  if (geraete) await geraete.close();
  if (!process.env.SEITEN_BILDER) fs.rmSync(ziel, { recursive: true, force: true });
});

const adresse = (datei) => pathToFileURL(path.join(ziel, datei)).href;

// Counts the game functions' returns: a "javascript:" link runs in a task of
// its own after the click, so a test waits until the called function is done.
async function zaehleAufrufe(seite) {
  await seite.evaluate(() => {
    window.__erledigt = 0;
    for (const name of ['Schiebe', 'Tausche', 'Zeige', 'Antwort']) {
      const spiel = window[name];
      if (typeof spiel !== 'function' || spiel.__gezaehlt) continue;
      window[name] = function (...werte) {
        try { return spiel.apply(this, werte); } finally { window.__erledigt++; }
      };
      window[name].__gezaehlt = true;
    }
  });
}

function beobachte(seite) {
  seite.fehler = [];
  seite.on('pageerror', (f) => seite.fehler.push(String(f)));
  seite.on('console', (m) => { if (m.type() === 'error') seite.fehler.push(m.text()); });
}

// Opens a page and records every script error and console error on it.
async function oeffne(datei, { popups = 'erlaubt', kontext = null, anhang = '' } = {}) {
  kontext = kontext || browser[popups];
  const seite = await kontext.newPage();
  beobachte(seite);
  const popup = popups === 'erlaubt' && !kontext.__geraet
    ? kontext.waitForEvent('page', { timeout: 3000 }).catch(() => null) : null;
  await seite.goto(adresse(datei) + anhang);
  await seite.waitForLoadState('load');
  await zaehleAufrufe(seite);
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

// The tile pictures, found through their links (never by picture position).
const SPIELE = { sp: 'Schiebe', tp: 'Tausche', rp: 'Zeige' };
const quellen = (seite) => seite.evaluate(() => Array.from(document.querySelectorAll(
  'a[href^="javascript:Schiebe("] img, a[href^="javascript:Tausche("] img, a[href^="javascript:Zeige("] img'))
  .map((b) => b.getAttribute('src')));
const alle = (seite) => seite.evaluate(() => Array.from(document.images).map((b) => b.getAttribute('src')));
const text = (seite, wahl) => seite.locator(wahl).textContent();
// A locked tile or answer (aria-disabled) is clicked through a click event.
async function klick(seite, aufruf) {
  const vorher = await seite.evaluate(() => window.__erledigt);
  const ort = seite.locator(`a[href="javascript:${aufruf};"]`);
  if (await ort.getAttribute('aria-disabled') === 'true') await ort.dispatchEvent('click');
  else await ort.click();
  await seite.waitForFunction((n) => window.__erledigt > n, vorher, { timeout: 2000 });
}
const knopf = (seite, name) => seite.click(`input[value="${name}"]`);
const kachel = (r, c) => `luftbi${r}_${c}.jpg`;
const GELOEST = [kachel(0, 0), kachel(0, 1), kachel(0, 2), kachel(1, 0), kachel(1, 1), kachel(1, 2)];
const feld = (seite) => seite.evaluate(() => Feld.slice());
const meldung = (seite) => text(seite, '#tesselo-meldungstext');

// Keyboard: moves the focus over the board with the arrow keys to field p.
async function geheZu(seite, p, spalten) {
  for (;;) {
    const jetzt = await seite.evaluate(() => Number(document.activeElement.getAttribute('data-feld')));
    assert.ok(jetzt >= 0, 'the focus is on a tile');
    if (jetzt === p) return;
    const dx = p % spalten - jetzt % spalten, dy = Math.floor(p / spalten) - Math.floor(jetzt / spalten);
    await seite.keyboard.press(dx > 0 ? 'ArrowRight' : dx < 0 ? 'ArrowLeft' : dy > 0 ? 'ArrowDown' : 'ArrowUp');
  }
}

// Tab from the start of the page until the focus is on element `wahl`.
async function tabBis(seite, pruefe, hoechstens = 40) {
  for (let i = 0; i < hoechstens; i++) {
    await seite.keyboard.press('Tab');
    if (await seite.evaluate(pruefe)) return;
  }
  assert.fail('the keyboard reaches the element');
}
const aufBrett = () => !!(document.activeElement && document.activeElement.classList.contains('tesselo-teil'));
const aufKnopf = (name) => new Function(`return document.activeElement && document.activeElement.value === ${JSON.stringify(name)};`);

async function axe(seite, wann) {
  if (!(await seite.evaluate(() => typeof window.axe !== 'undefined'))) await seite.addScriptTag({ content: AXE });
  const ergebnis = await seite.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  const verstoesse = ergebnis.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  assert.deepEqual(verstoesse, [], `no accessibility violations ${wann}`);
}

// ---------------------------------------------------------------------------

test('SchiebePuzzle: Schieben in Zeile und Spalte, Mischen, Loesung, Anleitung', async () => {
  const seite = await oeffne('a/luftbisp.htm');
  // The empty field (column 3, row 2) shows the empty tile after loading.
  assert.deepEqual(await quellen(seite), [...GELOEST.slice(0, 5), 'luftbile.jpg']);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 0');
  assert.match(await text(seite, '#tesselo-zeit'), /^Zeit: \d+sec$/);
  // Grid lines in the grid colour (the cell spacing shows the table).
  const gitter = await seite.evaluate(() => getComputedStyle(document.images[0].closest('table')).backgroundColor);
  assert.equal(gitter, 'rgb(255, 255, 0)');
  // Text alternatives with the position.
  assert.equal(await seite.getAttribute('img[src="luftbi0_1.jpg"]', 'alt'), 'Teil in Zeile 1, Spalte 2');
  assert.equal(await seite.getAttribute('img[src="luftbile.jpg"]', 'alt'), 'leeres Feld, Zeile 2, Spalte 3');

  await klick(seite, 'Schiebe(1,2)'); // two tiles of the row slide right
  assert.deepEqual(await quellen(seite),
    [kachel(0, 0), kachel(0, 1), kachel(0, 2), 'luftbile.jpg', kachel(1, 0), kachel(1, 1)]);
  assert.equal(await seite.getAttribute('a[href="javascript:Schiebe(2,2);"] img', 'alt'),
    'Teil in Zeile 2, Spalte 2, gehört nach Zeile 2, Spalte 1');
  assert.match(await text(seite, '#tesselo-ansage'), /^Zug 1: 2 Teile geschoben, leeres Feld jetzt in Zeile 2, Spalte 1\./);
  await klick(seite, 'Schiebe(1,1)'); // the column: one tile slides down
  assert.deepEqual((await quellen(seite)).slice(0, 4), ['luftbile.jpg', kachel(0, 1), kachel(0, 2), kachel(0, 0)]);
  await klick(seite, 'Schiebe(2,2)'); // neither row nor column of the hole
  await klick(seite, 'Schiebe(1,1)'); // the hole itself
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 2');

  // A shuffle is a permutation whose parity matches the hole's distance.
  await knopf(seite, 'Mischen');
  const stand = await seite.evaluate(() => ({ feld: Feld.slice(), leer: Leer, teil: LeerTeil }));
  assert.deepEqual([...stand.feld].sort(), [0, 1, 2, 3, 4, 5]);
  assert.notDeepEqual(stand.feld, [0, 1, 2, 3, 4, 5]);
  let fehlstellungen = 0;
  for (let i = 0; i < 6; i++) for (let j = i + 1; j < 6; j++) if (stand.feld[i] > stand.feld[j]) fehlstellungen++;
  const abstand = Math.abs(stand.leer % 3 - stand.teil % 3) + Math.abs(Math.floor(stand.leer / 3) - Math.floor(stand.teil / 3));
  assert.equal(fehlstellungen % 2, abstand % 2, 'solvable');
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 0');
  // Not one click from solved, and the lower bound never exceeds the fewest moves.
  const loesung = schiebeLoesung(stand.feld, stand.teil, 3, 2);
  assert.ok(loesung.length >= 2, 'a shuffle is not solved with one move');
  const grenze = Number((await text(seite, '#tesselo-rest')).match(/^Noch mindestens (\d+) Z/)[1]);
  assert.ok(grenze >= 1 && grenze <= loesung.length, `lower bound ${grenze} <= ${loesung.length}`);
  assert.match(seite.url(), /#s3x2-[0-5]{6}$/, 'the address carries the shuffle');

  // From the solved board with no mixing steps, the shuffle is one move
  // away from solved: solve it.
  await knopf(seite, 'Anzeigen');
  assert.doesNotMatch(seite.url(), /#/);
  await seite.evaluate(() => { MaxMischen = 0; });
  await knopf(seite, 'Mischen');
  assert.equal(await seite.isHidden('#tesselo-meldung'), true);
  await klick(seite, 'Schiebe(3,2)');
  assert.equal(await meldung(seite), 'Gelöst mit 1 Zug in 0 Sekunden!');
  assert.equal(await seite.isVisible('#tesselo-nochmal'), true);
  assert.deepEqual(await quellen(seite), GELOEST);

  // The board is locked after the win.
  await klick(seite, 'Schiebe(3,1)');
  assert.deepEqual(await quellen(seite), GELOEST);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 1');
  await knopf(seite, 'Anzeigen');
  assert.deepEqual(await quellen(seite), GELOEST);

  await knopf(seite, 'Anleitung');
  assert.equal(await text(seite, '.tesselo-anleitung-titel'), 'SchiebePuzzle - Anleitung');
  const anleitung = await text(seite, '.tesselo-anleitung pre');
  assert.ok(anleitung.startsWith('Das Puzzle soll durch waagrechtes und senkrechtes Verschieben des \nleeren Feldes gelöst'));
  assert.ok(anleitung.endsWith('\n\nViel Spaß'));
  assert.match(await text(seite, '.tesselo-anleitung p'), /Pfeiltasten/);
  await schliesse(seite, 'schiebepuzzle.png');
});

test('TauschPuzzle: Tausch, Markierung, Protokollfenster und geloestes Brett', async () => {
  const seite = await oeffne('a/luftbitp.htm');
  const fenster = await seite.popup;
  assert.ok(fenster, 'the page opened the window "Positionen"');
  assert.match(await fenster.evaluate(() => document.body.innerHTML), /<b>Positionen<\/b><br>/);

  await klick(seite, 'Tausche(1,1)');
  assert.equal(await seite.evaluate(() => document.images[0].classList.contains('tesselo-gewaehlt')), true);
  assert.equal(await seite.getAttribute('a[href="javascript:Tausche(1,1);"] img', 'alt'), 'Teil in Zeile 1, Spalte 1, ausgewählt');
  await klick(seite, 'Tausche(3,2)');
  assert.deepEqual(await quellen(seite),
    [kachel(1, 2), kachel(0, 1), kachel(0, 2), kachel(1, 0), kachel(1, 1), kachel(0, 0)]);
  assert.equal(await seite.evaluate(() => document.querySelectorAll('.tesselo-gewaehlt').length), 0);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 1');
  assert.match(await fenster.evaluate(() => document.body.innerHTML), /1: \(1\|1\) und \(3\|2\)<br>/);
  assert.equal(await seite.$('#tesselo-protokoll'), null);

  await knopf(seite, 'Mischen');
  const f = await feld(seite);
  assert.deepEqual([...f].sort(), [0, 1, 2, 3, 4, 5]);
  assert.ok(6 - zyklen(f) >= 2, 'a shuffle is not solved with one swap');
  // The fewest swaps still needed: fields minus cycles, after every swap.
  assert.equal(await text(seite, '#tesselo-rest'), `Noch nötig: ${6 - zyklen(f)} Tausche`);
  const [p, q] = tauschLoesung(f)[0];
  await klick(seite, `Tausche(${p % 3 + 1},${Math.floor(p / 3) + 1})`);
  await klick(seite, `Tausche(${q % 3 + 1},${Math.floor(q / 3) + 1})`);
  const g = await feld(seite);
  const rest = 6 - zyklen(g);
  if (rest) assert.equal(await text(seite, '#tesselo-rest'), `Noch nötig: ${rest} ${rest === 1 ? 'Tausch' : 'Tausche'}`);
  assert.match(seite.url(), /#t3x2-[0-5]{6}$/);

  await knopf(seite, 'Anzeigen');
  await seite.evaluate(() => { MaxMischen = 0; });
  await knopf(seite, 'Mischen');
  const falsch = (await feld(seite)).flatMap((t, i) => (t === i ? [] : [i]));
  assert.equal(falsch.length, 2);
  for (const i of falsch) await klick(seite, `Tausche(${i % 3 + 1},${Math.floor(i / 3) + 1})`);
  assert.equal(await meldung(seite), 'Gelöst mit 1 Zug in 0 Sekunden!');
  // Locked: a further swap changes nothing.
  await klick(seite, 'Tausche(1,1)');
  await klick(seite, 'Tausche(2,1)');
  assert.deepEqual(await quellen(seite), GELOEST);
  assert.equal(await seite.getAttribute('a[href="javascript:Tausche(1,1);"]', 'aria-disabled'), 'true');
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

test('TauschPuzzle: Neu laden, Zurueck, zweimal offen und geschlossenes Protokollfenster', async () => {
  const kontext = browser.erlaubt;
  const seite = await oeffne('a/luftbitp.htm');
  const fenster = await seite.popup;
  assert.ok(fenster);
  await klick(seite, 'Tausche(1,1)');
  await klick(seite, 'Tausche(2,1)');

  const log = async () => {
    const offen = kontext.pages().filter((s) => s.url() === 'about:blank' && s !== seite);
    const texte = [];
    for (const s of offen) texte.push(await s.evaluate(() => (document.body ? document.body.textContent : '')));
    return texte.filter((t) => t.startsWith('Positionen'));
  };
  // Reload while the window is open: the game, its counter and its log go on.
  await seite.reload();
  await seite.waitForLoadState('load');
  await zaehleAufrufe(seite);
  await klick(seite, 'Tausche(1,1)');
  await klick(seite, 'Tausche(3,1)');
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 2');
  assert.deepEqual(await log(seite), ['Positionen1: (1|1) und (2|1)2: (1|1) und (3|1)']);

  // Away and Back.
  await seite.goto(adresse('a/luftbita.htm'));
  await seite.goBack();
  await seite.waitForLoadState('load');
  await zaehleAufrufe(seite);
  await klick(seite, 'Tausche(2,2)');
  await klick(seite, 'Tausche(3,2)');
  assert.deepEqual(await quellen(seite), [kachel(0, 2), kachel(0, 0), kachel(0, 1), kachel(1, 0), kachel(1, 2), kachel(1, 1)]);
  assert.deepEqual(await log(seite), ['Positionen1: (1|1) und (2|1)2: (1|1) und (3|1)3: (2|2) und (3|2)']);

  // The same page a second time beside the first: both play.
  const zweite = await oeffne('a/luftbitp.htm');
  await zweite.popup;
  await klick(zweite, 'Tausche(1,2)');
  await klick(zweite, 'Tausche(2,2)');
  await klick(seite, 'Tausche(1,1)');
  await klick(seite, 'Tausche(2,1)');
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 4');
  assert.equal(await text(zweite, '#tesselo-zug'), 'Zug: 1');

  // The pupil closes the window mid-game: the whole log moves into the page.
  for (const s of kontext.pages()) if (s.url() === 'about:blank' && s !== seite && s !== zweite) await s.close();
  await klick(seite, 'Tausche(1,2)');
  await klick(seite, 'Tausche(1,1)');
  await seite.waitForSelector('#tesselo-protokoll');
  const protokoll = await text(seite, '#tesselo-protokoll');
  assert.ok(protokoll.startsWith('Positionen1: (1|1) und (2|1)2: (1|1) und (3|1)3: (2|2) und (3|2)'), protokoll);
  assert.match(protokoll, /5: \(1\|2\) und \(1\|1\)$/);
  await schliesse(zweite, 'tauschpuzzle-zweite.png');
  await schliesse(seite, 'tauschpuzzle-neu-geladen.png');
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

test('Bilderraetsel: die erste Antwort beendet das Spiel, Nochmal beginnt neu', async () => {
  const seite = await oeffne('a/luftbirp.htm');
  assert.deepEqual(await alle(seite), [...Array(6).fill('luftbile.jpg'), 'falsrich.gif']);
  await klick(seite, 'Zeige(2,1)');
  await klick(seite, 'Zeige(2,1)');
  await klick(seite, 'Zeige(3,2)');
  assert.deepEqual(await quellen(seite),
    ['luftbile.jpg', kachel(0, 1), 'luftbile.jpg', 'luftbile.jpg', 'luftbile.jpg', kachel(1, 2)]);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 2');
  assert.equal(await seite.getAttribute('a[href="javascript:Zeige(1,1);"] img', 'alt'), 'verdeckte Karte in Zeile 1, Spalte 1');
  assert.equal(await seite.getAttribute('a[href="javascript:Antwort(2);"]', 'aria-label'), 'Antwort 2: Der Leuchtturm');
  assert.equal(await seite.getAttribute('img[src="falsrich.gif"]', 'class'), null, 'the answer picture is no preview');
  // The answers stand right of the tiles.
  const tafel = await seite.locator('img').first().boundingBox();
  const antworten = await seite.locator('text=Der Leuchtturm').boundingBox();
  assert.ok(antworten.x > tafel.x + 3 * 60, 'answers to the right');
  const ziel = await seite.locator('a[href="javascript:Antwort(1);"]').boundingBox();
  assert.ok(ziel.width >= 44 && ziel.height >= 44, 'answers are tap targets of 44 pixels');

  await klick(seite, 'Antwort(1)');
  assert.deepEqual(await alle(seite), [...GELOEST, 'falsch.gif']);
  assert.equal(await meldung(seite), 'Leider falsch. Richtig ist Antwort 2: Der Leuchtturm.');
  assert.equal(await seite.evaluate(() => document.querySelector('a[href="javascript:Antwort(1);"]').closest('tr').className),
    'tesselo-aus tesselo-gewaehlt tesselo-falsch');
  assert.match(await seite.evaluate(() => document.querySelector('a[href="javascript:Antwort(2);"]').closest('tr').className),
    /tesselo-richtig/);
  // A second answer is not taken.
  await klick(seite, 'Antwort(2)');
  assert.equal((await alle(seite))[6], 'falsch.gif');
  assert.equal(await meldung(seite), 'Leider falsch. Richtig ist Antwort 2: Der Leuchtturm.');
  // Clicking the answer's text cell picks it as well (a bigger target); not now.
  await seite.click('text=Eine Burg');
  assert.equal((await alle(seite))[6], 'falsch.gif');

  await knopf(seite, 'Nochmal');
  assert.deepEqual(await alle(seite), [...Array(6).fill('luftbile.jpg'), 'falsrich.gif']);
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 0');
  assert.equal(await seite.isHidden('#tesselo-meldung'), true);
  await klick(seite, 'Zeige(1,1)');
  const vorher = await seite.evaluate(() => window.__erledigt);
  await seite.click('text=Der Leuchtturm');
  await seite.waitForFunction((n) => window.__erledigt > n, vorher);
  assert.equal((await alle(seite))[6], 'richtig.gif');
  assert.equal(await meldung(seite), 'Richtig! 1 von 6 Karten aufgedeckt.');
  await klick(seite, 'Zeige(3,2)');
  assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 1', 'no uncovering after the end');
  await knopf(seite, 'Anleitung');
  assert.equal(await text(seite, '.tesselo-anleitung-titel'), 'BilderRätsel - Anleitung');
  await schliesse(seite, 'bilderraetsel.png');
});

test('Bilderraetsel: Antworten unten, Anzeigen beendet das Spiel ohne Wertung', async () => {
  const seite = await oeffne('b/luftbirp.htm');
  const tafel = await seite.locator('img').nth(3).boundingBox();
  const antworten = await seite.locator('text=Was verbirgt sich hinter den Bildkarten?').boundingBox();
  assert.ok(antworten.y > tafel.y + tafel.height, 'answers below the tiles');
  assert.equal(await seite.locator('a[href^="javascript:Antwort("]').count(), 2);
  assert.match(await seite.locator('table[border="1"]').textContent(), /Grüße.*Preis in €/s);
  await knopf(seite, 'Anzeigen');
  assert.deepEqual(await quellen(seite), GELOEST);
  assert.equal(await meldung(seite), 'Aufgedeckt ohne Wertung. Richtig ist Antwort 2: Preis in €.');
  await klick(seite, 'Antwort(2)');
  assert.equal((await alle(seite))[6], 'falsrich.gif', 'no answer after "Anzeigen"');
  await schliesse(seite, 'bilderraetsel-b.png');
});

test('Bildtabelle zeigt alle Kacheln', async () => {
  const seite = await oeffne('a/luftbita.htm');
  assert.deepEqual(await alle(seite), GELOEST);
  assert.equal(await text(seite, 'h1'), 'Bildtabelle von luftbild.bmp', 'the file name, not the folders');
  await schliesse(seite, 'tabelle.png');
});

// ---------------------------------------------------------------------------
// Phones, tablets, laptops.

const GERAETE = [
  { name: 'handy', viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  { name: 'tablet', viewport: { width: 810, height: 1080 }, hasTouch: true, isMobile: true },
  { name: 'laptop', viewport: { width: 1366, height: 657 }, hasTouch: false, isMobile: false },
];
// variant: rows, columns, written tile width
const BRETTER = { a: [2, 3, 60], c: [10, 10, 1200], d: [1, 6, 1200], e: [6, 1, 300] };

for (const geraet of GERAETE) {
  test(`Seiten passen auf ${geraet.name} (${geraet.viewport.width} x ${geraet.viewport.height})`, async () => {
    const { name, ...optionen } = geraet;
    const kontext = await geraete.newContext(optionen);
    kontext.__geraet = true;
    try {
      for (const [variante, [zeilen, spalten, breite]] of Object.entries(BRETTER)) {
        for (const art of ['sp', 'tp', 'rp']) {
          const datei = `${variante}/luftbi${art}.htm`;
          const seite = await oeffne(datei, { kontext });
          const mass = await seite.evaluate(() => {
            const r = (e) => { const b = e.getBoundingClientRect(); return { l: b.left, t: b.top, r: b.right, b: b.bottom, w: b.width, h: b.height }; };
            const teile = [...document.querySelectorAll('form input'), document.querySelector('.tesselo-brett'),
              document.getElementById('tesselo-anzeige'), document.querySelector('.tesselo-vorschau'),
              ...document.querySelectorAll('a[href^="javascript:Antwort("]'), document.querySelector('img[src="falsrich.gif"]')]
              .filter((e) => e && e.getClientRects().length);
            const a = document.querySelector('a.tesselo-teil');
            return {
              breite: document.documentElement.scrollWidth, fenster: document.documentElement.clientWidth,
              hoehe: window.innerHeight, teile: teile.map((e) => ({ name: e.value || e.className || e.tagName, ...r(e) })),
              kachel: r(a.querySelector('img')), knoepfe: [...document.querySelectorAll('form input')].map(r),
              touch: getComputedStyle(a).touchAction, rundum: r(document.querySelector('.tesselo-brett')),
            };
          });
          assert.ok(mass.breite <= mass.fenster, `${datei}: no horizontal scrolling (${mass.breite} > ${mass.fenster})`);
          for (const t of mass.teile) {
            assert.ok(t.l >= 0 && t.r <= mass.fenster + 0.5 && t.t >= 0 && t.b <= mass.hoehe + 0.5,
              `${datei} on ${name}: ${t.name} inside the window (${JSON.stringify(t)})`);
          }
          for (const k of mass.knoepfe) assert.ok(k.h >= 44 && k.w >= 44, `${datei}: buttons are 44 pixels tall`);
          assert.equal(mass.touch, 'manipulation');
          // Square tiles; at least 44 pixels where the board allows it.
          assert.ok(Math.abs(mass.kachel.w - mass.kachel.h) < 0.5, 'tiles keep their proportions');
          assert.ok(mass.kachel.w <= Math.max(breite, 44));
          if (Math.max(zeilen, spalten) <= 6) assert.ok(mass.kachel.w >= 44, `${datei} on ${name}: tiles of ${mass.kachel.w} px`);
          else assert.ok(mass.kachel.w >= (name === 'handy' ? 28 : 44), `${datei} on ${name}: tiles of ${mass.kachel.w} px`);
          // The grid lines keep their width.
          const gitter = await seite.evaluate(() => {
            const a = document.querySelectorAll('a.tesselo-teil img');
            return a.length > 1 && a[1].getBoundingClientRect().top === a[0].getBoundingClientRect().top
              ? a[1].getBoundingClientRect().left - a[0].getBoundingClientRect().right : null;
          });
          if (gitter !== null) assert.equal(Math.round(gitter), variante === 'c' ? 1 : 2);

          // Taps play.
          if (geraet.hasTouch) {
            const spiel = SPIELE[art];
            const vorher = await quellen(seite);
            const ziele = art === 'sp' ? await seite.evaluate(() => {
              const n = Nachbarn(Leer)[0];
              return [`Schiebe(${n % Spalten + 1},${Math.floor(n / Spalten) + 1})`];
            }) : art === 'tp' ? ['Tausche(1,1)', spalten > 1 ? 'Tausche(2,1)' : 'Tausche(1,2)'] : ['Zeige(1,1)'];
            for (const aufruf of ziele) {
              const z = await seite.evaluate(() => window.__erledigt);
              await seite.tap(`a[href="javascript:${aufruf};"]`);
              await seite.waitForFunction((n) => window.__erledigt > n, z, { timeout: 2000 });
            }
            assert.notDeepEqual(await quellen(seite), vorher, `${datei}: a tap plays (${spiel})`);
            const zug = await seite.$('#tesselo-zug');
            if (zug) assert.equal(await zug.textContent(), 'Zug: 1');
          }
          await seite.screenshot({ path: path.join(bilder, `${name}-${variante}-${art}.png`) });
          assert.deepEqual(seite.fehler, [], 'no script errors');
          await seite.close();
        }
      }
    } finally {
      await kontext.close();
    }
  });
}

test('Druckansicht: Ueberschrift und Brett auf einer Seite', async () => {
  for (const datei of ['c/luftbisp.htm', 'd/luftbitp.htm', 'a/luftbirp.htm', 'e/luftbirp.htm']) {
    const seite = await oeffne(datei, { popups: 'blockiert' });
    await seite.emulateMedia({ media: 'print' });
    // An A4 page at 96 pixels per inch.
    await seite.setViewportSize({ width: 794, height: 1123 });
    await seite.waitForTimeout(100);
    const druck = await seite.evaluate(() => ({
      knoepfe: [...document.querySelectorAll('input')].some((e) => e.getClientRects().length),
      brett: !!document.querySelector('.tesselo-brett').getClientRects().length,
      ueberschrift: !!document.querySelector('h1').getClientRects().length,
      antworten: [...document.querySelectorAll('a[href^="javascript:Antwort("]')].some((e) => e.getClientRects().length),
      breite: document.documentElement.scrollWidth <= 794, hoehe: document.documentElement.scrollHeight <= 1123,
    }));
    if (!druck.breite || !druck.hoehe) console.log(await seite.evaluate(() => [...document.querySelectorAll('*')].filter((e) => e.getBoundingClientRect().right > 794 || e.getBoundingClientRect().bottom > 1123).map((e) => e.tagName + '.' + e.className + ' ' + Math.round(e.getBoundingClientRect().right) + ' ' + Math.round(e.getBoundingClientRect().bottom))));
    assert.deepEqual(druck, { knoepfe: false, brett: true, ueberschrift: true, antworten: false, breite: true, hoehe: true }, datei);
    assert.ok((await seite.pdf({ format: 'A4' })).length > 1000);
    await seite.screenshot({ path: path.join(bilder, `druck-${datei.replace('/', '-')}.png`) });
    await schliesse(seite, `druck-${datei.replace('/', '-')}.png`);
  }
});

// ---------------------------------------------------------------------------
// Keyboard only.

test('Tastatur: SchiebePuzzle bis zum Sieg, Anleitung als Dialog', async () => {
  const seite = await oeffne('a/luftbisp.htm', { popups: 'blockiert' });
  await tabBis(seite, aufBrett);
  assert.equal(await seite.evaluate(() => document.querySelectorAll('a.tesselo-teil[tabindex="0"]').length), 1, 'one tab stop');
  const ring = await seite.evaluate(() => getComputedStyle(document.activeElement, '::after').borderTopWidth);
  assert.equal(ring, '3px', 'a visible focus ring');
  // Tab leaves the board at once: the next stop is a button.
  await tabBis(seite, aufKnopf('Mischen'), 3);
  await seite.keyboard.press('Enter');
  const stand = await seite.evaluate(() => ({ feld: Feld.slice(), teil: LeerTeil }));
  const zuege = schiebeLoesung(stand.feld, stand.teil, 3, 2);
  assert.ok(zuege && zuege.length >= 2);
  await seite.keyboard.press('Shift+Tab');
  assert.ok(await seite.evaluate(aufBrett), 'Shift+Tab goes back to the board');
  for (const [i, z] of zuege.entries()) {
    await geheZu(seite, z, 3);
    await seite.keyboard.press(i % 2 ? 'Enter' : ' ');
  }
  assert.match(await meldung(seite), /^Gelöst mit \d+ Zügen in \d+ Sekunden?!$/);
  assert.equal(await text(seite, '#tesselo-ansage'), await meldung(seite), 'the win is announced');
  assert.deepEqual(await quellen(seite), GELOEST);

  // "Anleitung": a labelled dialog that takes the focus and gives it back.
  await tabBis(seite, aufKnopf('Anleitung'));
  await seite.keyboard.press('Enter');
  const dialog = await seite.evaluate(() => {
    const d = document.getElementById('tesselo-anleitung');
    return { rolle: d.tagName, offen: d.open, titel: document.getElementById(d.getAttribute('aria-labelledby')).textContent, fokus: document.activeElement.value };
  });
  assert.deepEqual(dialog, { rolle: 'DIALOG', offen: true, titel: 'SchiebePuzzle - Anleitung', fokus: 'Schließen' });
  await seite.keyboard.press('Tab');
  assert.equal(await seite.evaluate(() => document.activeElement.value), 'Schließen', 'the focus stays in the dialog');
  await seite.keyboard.press('Escape');
  assert.equal(await seite.evaluate(() => document.activeElement.value), 'Anleitung', 'the focus goes back');
  assert.equal(await seite.isHidden('.tesselo-anleitung'), true);
  await schliesse(seite, 'tastatur-schiebepuzzle.png');
});

test('Tastatur: TauschPuzzle bis zum Sieg', async () => {
  const seite = await oeffne('a/luftbitp.htm', { popups: 'blockiert' });
  await tabBis(seite, aufKnopf('Mischen'));
  await seite.keyboard.press(' ');
  const zuege = tauschLoesung(await feld(seite));
  await seite.keyboard.press('Shift+Tab');
  assert.ok(await seite.evaluate(aufBrett));
  // Escape drops a choice.
  await seite.keyboard.press('Enter');
  await seite.keyboard.press('Escape');
  assert.equal(await seite.evaluate(() => Erster), -1);
  for (const [p, q] of zuege) {
    await geheZu(seite, p, 3);
    await seite.keyboard.press('Enter');
    await geheZu(seite, q, 3);
    await seite.keyboard.press('Enter');
  }
  assert.match(await meldung(seite), new RegExp(`^Gelöst mit ${zuege.length} Zügen in \\d+ Sekunden?!$`));
  await seite.keyboard.press('Enter');
  assert.equal(await seite.evaluate(() => Zugzahl), zuege.length, 'locked after the win');
  // "Nochmal" from the keyboard shuffles again and puts the focus on the board.
  await tabBis(seite, aufKnopf('Nochmal'));
  await seite.keyboard.press('Enter');
  assert.ok(await seite.evaluate(aufBrett));
  assert.equal(await seite.evaluate(() => Gemischt && !Gewonnen && !Geloest()), true);
  await schliesse(seite, 'tastatur-tauschpuzzle.png');
});

test('Tastatur: Bilderraetsel aufdecken und antworten', async () => {
  const seite = await oeffne('a/luftbirp.htm');
  await tabBis(seite, aufBrett);
  await seite.keyboard.press('Enter');
  await seite.keyboard.press('ArrowRight');
  await seite.keyboard.press('ArrowDown');
  await seite.keyboard.press(' ');
  assert.deepEqual(await quellen(seite), [kachel(0, 0), 'luftbile.jpg', 'luftbile.jpg', 'luftbile.jpg', kachel(1, 1), 'luftbile.jpg']);
  assert.equal(await text(seite, '#tesselo-ansage'), 'Zeile 2, Spalte 2 aufgedeckt. 2 von 6 Karten offen.');
  await tabBis(seite, () => document.activeElement.getAttribute('aria-label') === 'Antwort 2: Der Leuchtturm', 4);
  await seite.keyboard.press('Enter');
  await seite.waitForFunction(() => Beendet);
  assert.equal(await meldung(seite), 'Richtig! 2 von 6 Karten aufgedeckt.');
  await schliesse(seite, 'tastatur-bilderraetsel.png');
});

// ---------------------------------------------------------------------------
// Accessibility audit, before and after a game.

test('axe-core: keine Verstoesse vor und nach dem Spiel', async () => {
  for (const variante of ['c', 'a', 'b', 'd', 'e']) {
    for (const art of ['sp', 'tp', 'rp']) {
      const datei = `${variante}/luftbi${art}.htm`;
      const seite = await oeffne(datei, { popups: 'blockiert' });
      await axe(seite, `on ${datei} at the start`);
      if (art === 'rp') {
        await klick(seite, 'Zeige(1,1)');
        await klick(seite, 'Antwort(1)');
      } else {
        await seite.evaluate(() => { MaxMischen = 0; });
        await knopf(seite, 'Mischen');
        if (art === 'sp') {
          const stand = await seite.evaluate(() => ({ feld: Feld.slice(), teil: LeerTeil }));
          const n = await seite.evaluate(() => Spalten);
          for (const z of schiebeLoesung(stand.feld, stand.teil, n, stand.feld.length / n))
            await klick(seite, `Schiebe(${z % n + 1},${Math.floor(z / n) + 1})`);
        } else {
          const n = await seite.evaluate(() => Spalten);
          for (const [p, q] of tauschLoesung(await feld(seite))) {
            await klick(seite, `Tausche(${p % n + 1},${Math.floor(p / n) + 1})`);
            await klick(seite, `Tausche(${q % n + 1},${Math.floor(q / n) + 1})`);
          }
        }
        assert.match(await meldung(seite), /^Gelöst/);
      }
      await axe(seite, `on ${datei} after the game`);
      if (variante === 'c') {
        await knopf(seite, 'Anleitung');
        await axe(seite, `on ${datei} with the instructions open`);
      }
      await schliesse(seite, `axe-${variante}-${art}.png`);
    }
  }
});

// ---------------------------------------------------------------------------

test('Ueberschrift mit Bild: die Spiele finden ihre Kacheln ueber die Links', async () => {
  const seite = await oeffne('d/luftbisp.htm');
  assert.equal(await seite.evaluate(() => document.images[0].closest('h1') !== null), true, 'the heading holds a picture');
  assert.deepEqual(await quellen(seite), [kachel(0, 0), kachel(0, 1), kachel(0, 2), kachel(0, 3), 'luftbile.jpg', kachel(0, 5)]);
  await klick(seite, 'Schiebe(6,1)');
  assert.deepEqual(await quellen(seite), [kachel(0, 0), kachel(0, 1), kachel(0, 2), kachel(0, 3), kachel(0, 5), 'luftbile.jpg']);
  assert.equal(await seite.getAttribute('h1 img', 'src'), 'luftbi0_0.jpg', 'the heading picture stays');
  // A one-row board: the hole goes at least two fields away from its own.
  for (let i = 0; i < 10; i++) {
    await knopf(seite, 'Mischen');
    const leer = await seite.evaluate(() => Leer);
    assert.ok(Math.abs(leer - 4) >= 2, `hole at ${leer}`);
  }
  await schliesse(seite, 'ueberschrift-bild.png');

  for (const art of ['tp', 'rp']) {
    const s = await oeffne(`d/luftbi${art}.htm`, { popups: 'blockiert' });
    if (art === 'tp') {
      await klick(s, 'Tausche(1,1)');
      await klick(s, 'Tausche(6,1)');
      assert.deepEqual(await quellen(s), [kachel(0, 5), kachel(0, 1), kachel(0, 2), kachel(0, 3), kachel(0, 4), kachel(0, 0)]);
      for (let i = 0; i < 10; i++) {
        await knopf(s, 'Mischen');
        assert.ok(6 - zyklen(await feld(s)) >= 2, 'not solved with one swap');
      }
    } else {
      await klick(s, 'Zeige(2,1)');
      assert.deepEqual(await quellen(s), ['luftbile.jpg', kachel(0, 1), 'luftbile.jpg', 'luftbile.jpg', 'luftbile.jpg', 'luftbile.jpg']);
      await klick(s, 'Antwort(2)');
      assert.equal(await s.getAttribute('img[src="richtig.gif"]', 'alt'), 'Richtig');
    }
    assert.equal(await s.getAttribute('h1 img', 'src'), 'luftbi0_0.jpg');
    await schliesse(s, `ueberschrift-bild-${art}.png`);
  }
});

test('Geteilte Mischung: die Adresse bringt dieselbe Anordnung, falsche Codes werden uebergangen', async () => {
  for (const art of ['sp', 'tp']) {
    const seite = await oeffne(`c/luftbi${art}.htm`, { popups: 'blockiert' });
    await knopf(seite, 'Mischen');
    const f = await feld(seite);
    const url = seite.url();
    assert.match(url, art === 'sp' ? /#s10x10-[0-9a-z]{200}$/ : /#t10x10-[0-9a-z]{200}$/);
    const bild = await quellen(seite);
    const zweite = await oeffne(`c/luftbi${art}.htm`, { popups: 'blockiert', anhang: url.slice(url.indexOf('#')) });
    assert.deepEqual(await feld(zweite), f, 'the same arrangement');
    assert.deepEqual(await quellen(zweite), bild);
    assert.equal(await zweite.evaluate(() => Gemischt), true, 'the game runs');
    await schliesse(zweite, `geteilt-${art}.png`);
    await schliesse(seite, `gemischt-${art}.png`);
  }
  // Malformed codes, codes of another board or page, unsolvable arrangements.
  const schlecht = {
    sp: ['#s3x2-012345', '#s3x2-01234', '#s3x2-0123456', '#s3x2-001234', '#s3x2-0123z5', '#s2x3-102345', '#t3x2-102345',
      '#s3x2-102345', '#s3x2-' + 'x'.repeat(6), '#%E2%82%AC', '#s3x2-10234-5', '#'],
    tp: ['#t3x2-012345', '#t3x2-0123', '#t3x2-011345', '#s3x2-102345', '#t2x3-102345', '#t3x2-10234a', '#abc'],
  };
  for (const [art, codes] of Object.entries(schlecht)) {
    for (const code of codes) {
      const seite = await oeffne(`a/luftbi${art}.htm`, { popups: 'blockiert', anhang: code });
      assert.deepEqual(await feld(seite), [0, 1, 2, 3, 4, 5], `${code} is ignored`);
      assert.equal(await seite.evaluate(() => Gemischt), false);
      assert.deepEqual(seite.fehler, []);
      await seite.close();
    }
  }
  // A good code for the 2 x 3 sliding board: the hole (tile 5) one field left of home.
  const seite = await oeffne('a/luftbisp.htm', { popups: 'blockiert', anhang: '#s3x2-012354' });
  assert.deepEqual(await feld(seite), [0, 1, 2, 3, 5, 4]);
  await klick(seite, 'Schiebe(3,2)');
  assert.equal(await meldung(seite), 'Gelöst mit 1 Zug in 0 Sekunden!');
  await schliesse(seite, 'geteilt-klein.png');
});

test('Sieg sperrt das Brett; die Meldung verschiebt nichts; Nochmal mischt neu', async () => {
  for (const [art, code, loesung] of [['sp', '#s3x2-012354', ['Schiebe(3,2)']], ['tp', '#t3x2-102345', ['Tausche(1,1)', 'Tausche(2,1)']]]) {
    const seite = await oeffne(`a/luftbi${art}.htm`, { popups: 'blockiert', anhang: code });
    const lage = () => seite.evaluate(() => JSON.stringify([...document.querySelectorAll('.tesselo-brett, form input')]
      .map((e) => e.getBoundingClientRect()).map((r) => [r.left, r.top, r.width, r.height])));
    const vorher = await lage();
    for (const aufruf of loesung) await klick(seite, aufruf);
    assert.match(await meldung(seite), /^Gelöst mit 1 Zug in \d+ Sekunden?!$/);
    assert.equal(await lage(), vorher, 'the win message moves nothing');
    const geloest = await quellen(seite);
    for (const aufruf of ['Schiebe(1,1)', 'Schiebe(3,1)', 'Tausche(1,1)', 'Tausche(3,2)'])
      if (aufruf.startsWith(SPIELE[art])) await klick(seite, aufruf);
    assert.deepEqual(await quellen(seite), geloest, 'locked');
    assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 1');
    assert.match(await text(seite, '#tesselo-ansage'), /Nochmal/);
    await seite.screenshot({ path: path.join(bilder, `sieg-${art}.png`) });
    await knopf(seite, 'Nochmal');
    assert.equal(await seite.isHidden('#tesselo-meldung'), true);
    assert.equal(await seite.evaluate(() => Gemischt && !Gewonnen && !Geloest()), true);
    assert.equal(await text(seite, '#tesselo-zug'), 'Zug: 0');
    await schliesse(seite, `nochmal-${art}.png`);
  }
});

test('Die drei Vorlagen teilen denselben gemeinsamen Teil', () => {
  const teil = (name) => {
    const t = fs.readFileSync(path.join(process.env.SEITEN_VORLAGEN, name), 'latin1');
    const a = t.indexOf('// ===== Gemeinsamer Teil'), e = t.indexOf('// ===== Ende des gemeinsamen Teils');
    assert.ok(a > 0 && e > a, name);
    return [t.slice(0, t.indexOf('<title>')) + t.slice(t.indexOf('</title>'), t.indexOf('<script>')), t.slice(a, e)];
  };
  assert.deepEqual(teil('tpuzv1.htm'), teil('spuzv1.htm'));
  assert.deepEqual(teil('rpuzv1.htm'), teil('spuzv1.htm'));
});
