// One small interface over three browser engines, so that the same walk
// through the pages runs in each, as a pupil's browser would show them:
// Chromium (Debian's, through playwright-core), Firefox ESR (through
// puppeteer-core and WebDriver BiDi) and WebKitGTK (Safari's engine, through
// WebKitWebDriver and its MiniBrowser; it needs a display, xvfb-run gives one).
// Each has its popup blocker on and shows its scroll bars, and sends every
// request through the guard of netz.js; Safari's Tab passes over links.
//   const b = await starte('firefox', { wache });   // wache: the guard of netz.js
//   const s = await b.seite(390, 844);  await s.gehe(url);  await s.js(() => ...);
'use strict';
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const PFADE = {
  chromium: process.env.SEITEN_CHROMIUM || '/usr/bin/chromium',
  firefox: process.env.SEITEN_FIREFOX || '/usr/bin/firefox-esr',
  webkit: process.env.SEITEN_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
};

const ausdruck = (fn, werte) => `(${fn})(...${JSON.stringify(werte)})`;
const pause = (ms) => new Promise((f) => setTimeout(f, ms));

// Polls `pruefe` (a function run in the page) until it returns something true.
async function warteAuf(seite, pruefe, werte = [], zeit = 5000) {
  const ende = Date.now() + zeit;
  for (;;) {
    let wert;
    try { wert = await seite.js(pruefe, ...werte); } catch (fehler) { if (Date.now() > ende) throw fehler; }
    if (wert) return wert;
    if (Date.now() > ende) throw new Error(`timed out waiting for ${String(pruefe).slice(0, 120)}`);
    await pause(50);
  }
}

// ---------------------------------------------------------------------------
// Chromium and Firefox: both automation libraries share most of their API.

class Bibliotheksseite {
  constructor(seite, art) {
    this.seite = seite;
    this.art = art;
    this.fehler = [];
    this.ziel = null; // the frame the scripts run in; null: the page
    this.adressen = []; // every request the page made
    seite.on('request', (r) => this.adressen.push(r.url()));
    seite.on('pageerror', (f) => this.fehler.push(String(f && f.message || f)));
    seite.on('console', (m) => { if (m.type() === 'error') this.fehler.push(m.text()); });
  }

  // What the page asked of the network, beyond its own files (file: and data:
  // addresses, and those of the server `eigen` when given).
  fremdeAnfragen(eigen) {
    return this.adressen.filter((a) => !/^(file|data|about|blob|javascript):/.test(a) && !(eigen && a.startsWith(eigen)));
  }

  async gehe(url) {
    await this.seite.goto(url, { waitUntil: 'load' });
    await this.nachLaden();
  }

  async nachLaden() {
    await warteAuf(this, () => document.readyState === 'complete');
  }

  async js(fn, ...werte) {
    const ort = this.ziel ? this.seite.frames().find((f) => f !== this.seite.mainFrame()) : this.seite;
    return ort.evaluate(ausdruck(fn, werte));
  }

  imRahmen(an) { this.ziel = an ? true : null; }

  async taste(name) {
    const k = this.seite.keyboard;
    const teile = name === '+' ? ['+'] : name.split('+');
    const taste = teile.pop();
    for (const t of teile) await k.down(t);
    await k.press(taste === ' ' ? 'Space' : taste);
    for (const t of teile.reverse()) await k.up(t);
  }

  async klick(wahl) {
    const ort = this.ziel ? this.seite.frames().find((f) => f !== this.seite.mainFrame()) : this.seite;
    await ort.click(wahl);
  }

  async neuLaden() {
    if (this.ziel) {
      await this.js(() => { window.__vorher = true; setTimeout(() => location.reload(), 0); });
      await warteAuf(this, () => !window.__vorher && document.readyState === 'complete');
      return;
    }
    await this.seite.reload({ waitUntil: 'load' });
    await this.nachLaden();
  }

  async bild(datei) { await this.seite.screenshot({ path: datei }); }

  async schliesse() { await (this.kontext || this.seite).close(); }
}

async function starteChromium({ wache }) {
  const { chromium } = require('playwright-core');
  const browser = await chromium.launch({
    executablePath: PFADE.chromium, headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', `--proxy-server=http://127.0.0.1:${wache.port}`],
    // Playwright hides the scroll bars and switches the popup blocker off; a pupil has both.
    ignoreDefaultArgs: ['--hide-scrollbars', '--disable-popup-blocking'],
  });
  return {
    name: 'chromium',
    async seite(breite, hoehe) {
      const kontext = await browser.newContext({ viewport: { width: breite, height: hoehe } });
      const s = new Bibliotheksseite(await kontext.newPage(), 'chromium');
      s.kontext = kontext;
      return s;
    },
    ende: () => browser.close(),
  };
}

async function starteFirefox({ wache }) {
  const puppeteer = require('puppeteer-core');
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: PFADE.firefox, headless: true, userDataDir: profil,
    extraPrefsFirefox: {
      // puppeteer lets every popup through; a pupil's Firefox blocks them.
      'dom.disable_open_during_load': true,
      // Scroll bars that take room, as on the school's computers.
      'widget.gtk.overlay-scrollbars.enabled': false,
      'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1', 'network.proxy.http_port': wache.port,
      'network.proxy.ssl': '127.0.0.1', 'network.proxy.ssl_port': wache.port,
      // The browser's own calls home would only knock at the guard.
      'services.settings.server': 'data:,#', 'network.connectivity-service.enabled': false,
      'network.captive-portal-service.enabled': false,
      'network.proxy.no_proxies_on': '127.0.0.1', 'network.proxy.allow_hijacking_localhost': false,
      'dom.security.https_first': false, 'network.dns.disablePrefetch': true,
    },
  });
  return {
    name: 'firefox',
    async seite(breite, hoehe) {
      const seite = await browser.newPage();
      await seite.setViewport({ width: breite, height: hoehe });
      return new Bibliotheksseite(seite, 'firefox');
    },
    async ende() {
      await browser.close();
      fs.rmSync(profil, { recursive: true, force: true });
    },
  };
}

// ---------------------------------------------------------------------------
// WebKit: the W3C WebDriver protocol over HTTP, no library needed.

const TASTEN = { Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Shift: '\uE008', ArrowLeft: '\uE012',
  ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Home: '\uE011', End: '\uE010' };
const MINDESTBREITE = 480; // MiniBrowser's window is no narrower; narrower viewports are frames of that size

function freierPort() {
  return new Promise((fertig) => {
    const s = net.createServer().listen(0, '127.0.0.1', () => { const p = s.address().port; s.close(() => fertig(p)); });
  });
}

class WebDriverSeite {
  constructor(treiber, breite, hoehe) {
    this.t = treiber;
    this.breite = breite;
    this.hoehe = hoehe;
    this.fehler = [];
    this.rahmen = breite < MINDESTBREITE;
    this.ziel = false;
    this.erste = 0;
  }

  // MiniBrowser calls nowhere by itself: what reached the guard since the page opened is the page's.
  fremdeAnfragen() { return this.t.wache.anfragen.slice(this.erste); }

  async gehe(url) {
    this.erste = this.t.wache.anfragen.length;
    // A tab of its own, as in the other engines: its session storage starts empty.
    if (!this.fenster) {
      this.fenster = (await this.t.ruf('POST', 'window/new', { type: 'window' })).handle;
      await this.t.ruf('POST', 'window', { handle: this.fenster });
    }
    await this.t.fenster(this.rahmen ? Math.max(this.breite, MINDESTBREITE) + 40 : this.breite,
      this.rahmen ? this.hoehe + 40 : this.hoehe);
    if (this.rahmen) {
      // The viewport of a narrow phone: the page alone in a frame of that size.
      const huelle = path.join(this.t.ordner, `rahmen-${this.breite}x${this.hoehe}.html`);
      fs.writeFileSync(huelle, `<!DOCTYPE html><html><body style="margin:0"><iframe id="geraet" src="${url}" ` +
        `style="border:0;width:${this.breite}px;height:${this.hoehe}px"></iframe></body></html>`);
      await this.t.ruf('POST', 'url', { url: pathToFileURL(huelle).href });
      await this.t.ruf('POST', 'frame', { id: 0 });
    } else {
      await this.t.ruf('POST', 'url', { url });
    }
    this.ziel = false;
    await this.nachLaden();
    await this.fehlerFangen();
  }

  async nachLaden() {
    await warteAuf(this, () => document.readyState === 'complete');
  }

  // Script errors of the page, as the other two engines report them.
  async fehlerFangen() {
    await this.js(() => {
      if (window.__fehler) return;
      window.__fehler = [];
      window.addEventListener('error', (e) => window.__fehler.push(String(e.message)));
    });
  }

  async js(fn, ...werte) {
    return this.t.ruf('POST', 'execute/sync', { script: `return ${ausdruck(fn, werte)};`, args: [] });
  }

  async imRahmen(an) {
    await this.t.ruf('POST', 'frame/parent', {});
    if (this.rahmen) await this.t.ruf('POST', 'frame', { id: 0 });
    if (an) await this.t.ruf('POST', 'frame', { id: 0 });
    this.ziel = an;
  }

  async taste(name) {
    const teile = name === '+' ? ['+'] : name.split('+');
    const taste = teile.pop();
    const code = (t) => TASTEN[t] || (t === 'Space' ? ' ' : t);
    const folge = [...teile.map((t) => ({ type: 'keyDown', value: code(t) })),
      { type: 'keyDown', value: code(taste) }, { type: 'keyUp', value: code(taste) },
      ...teile.reverse().map((t) => ({ type: 'keyUp', value: code(t) }))];
    await this.t.ruf('POST', 'actions', { actions: [{ type: 'key', id: 'tastatur', actions: folge }] });
    await this.t.ruf('DELETE', 'actions');
  }

  async klick(wahl) {
    const element = await this.t.ruf('POST', 'element', { using: 'css selector', value: wahl });
    await this.t.ruf('POST', `element/${Object.values(element)[0]}/click`, {});
  }

  // Done when a new document stands, not the old one still.
  async neuLaden() {
    await this.js(() => { window.__vorher = true; setTimeout(() => location.reload(), 0); });
    await warteAuf(this, () => !window.__vorher && document.readyState === 'complete');
    await this.fehlerFangen();
  }

  async bild(datei) {
    fs.writeFileSync(datei, Buffer.from(await this.t.ruf('GET', 'screenshot'), 'base64'));
  }

  async schliesse() {
    const fehler = await this.js(() => window.__fehler || []).catch(() => []);
    this.fehler.push(...fehler);
    if (this.fenster) {
      await this.t.ruf('DELETE', 'window');
      await this.t.ruf('POST', 'window', { handle: this.t.erstesFenster });
    }
  }
}

async function starteWebkit({ wache }) {
  const port = await freierPort();
  const ordner = fs.mkdtempSync(path.join(os.tmpdir(), 'tesselo-webkit-'));
  const prozess = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const basis = `http://127.0.0.1:${port}`;
  let sitzung = null;
  const t = {
    ordner,
    wache,
    async ruf(methode, weg, koerper) {
      const url = sitzung ? `${basis}/session/${sitzung}/${weg}` : `${basis}/${weg}`;
      const antwort = await fetch(url, { method: methode, headers: { 'content-type': 'application/json' },
        body: koerper === undefined ? undefined : JSON.stringify(koerper), signal: AbortSignal.timeout(60000) });
      const j = await antwort.json();
      if (j.value && j.value.error) throw new Error(`${weg}: ${j.value.error}: ${j.value.message}`);
      return j.value;
    },
    async fenster(breite, hoehe) {
      if (!t.rand) {
        const r = await t.ruf('POST', 'window/rect', { width: 1000, height: 800 });
        const innen = await t.ruf('POST', 'execute/sync', { script: 'return [innerWidth, innerHeight];', args: [] });
        t.rand = { b: r.width - innen[0], h: r.height - innen[1] };
      }
      await t.ruf('POST', 'window/rect', { width: breite + t.rand.b, height: hoehe + t.rand.h });
    },
  };
  for (let i = 0; ; i++) {
    try { await fetch(`${basis}/status`); break; } catch (f) { if (i > 100) throw f; await pause(100); }
  }
  const antwort = await t.ruf('POST', 'session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: PFADE.webkit, args: ['--automation',
      // Safari's setting: Tab goes to form fields only, not to links.
      '--enable-tabs-to-links=false', '--javascript-can-open-windows-automatically=false',
      `--proxy=http://127.0.0.1:${wache.port}`, '--ignore-host=127.0.0.1'] } } } });
  sitzung = antwort.sessionId;
  t.erstesFenster = await t.ruf('GET', 'window');
  return {
    name: 'webkit',
    async seite(breite, hoehe) { return new WebDriverSeite(t, breite, hoehe); },
    async ende() {
      await t.ruf('DELETE', '').catch(() => {});
      prozess.kill();
      fs.rmSync(ordner, { recursive: true, force: true });
    },
  };
}

async function starte(name, optionen) {
  if (name === 'chromium') return starteChromium(optionen);
  if (name === 'firefox') return starteFirefox(optionen);
  if (name === 'webkit') return starteWebkit(optionen);
  throw new Error(`unknown engine ${name}`);
}

module.exports = { starte, warteAuf, pause };
