// The network the browsers see in the tests, all on this machine: a guard
// that every browser uses as its proxy, which refuses each request and
// notes it (a page that needs nothing from outside makes none), and a small
// learning platform that serves a SCORM package and its host page from a
// folder, noting what was asked of it.
'use strict';
const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');

const ARTEN = { '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.jpg': 'image/jpeg',
  '.gif': 'image/gif', '.xml': 'application/xml' };

function lausche(server) {
  return new Promise((fertig) => server.listen(0, '127.0.0.1', () => fertig(server.address().port)));
}

// Every request that reaches the guard is one that left a page.
async function wachposten() {
  const anfragen = [];
  const server = http.createServer((anfrage, antwort) => {
    anfragen.push(`${anfrage.method} ${anfrage.url}`);
    antwort.writeHead(403).end();
  });
  server.on('connect', (anfrage, socket) => {
    anfragen.push(`CONNECT ${anfrage.url}`);
    socket.destroy();
  });
  const port = await lausche(server);
  return { port, anfragen, ende: () => new Promise((f) => server.close(f)) };
}

// Serves `wurzel` and the extra files `dazu` ({ '/name': path }); what was
// asked for, in order, and whether it was there.
async function lernplattform(wurzel, dazu = {}) {
  const anfragen = [];
  const server = http.createServer((anfrage, antwort) => {
    const weg = decodeURIComponent(new URL(anfrage.url, 'http://x').pathname);
    // The browser's own question for the top page's icon: no page asked it.
    if (weg === '/favicon.ico') { antwort.writeHead(204).end(); return; }
    const datei = dazu[weg] || path.join(wurzel, path.normalize(weg).replace(/^(\.\.[/\\])+/, ''));
    const da = datei.startsWith(wurzel) || dazu[weg] ? fs.existsSync(datei) && fs.statSync(datei).isFile() : false;
    anfragen.push({ weg, da });
    if (!da) { antwort.writeHead(404).end(); return; }
    antwort.writeHead(200, { 'content-type': ARTEN[path.extname(datei).toLowerCase()] || 'application/octet-stream',
      'cache-control': 'no-store' });
    fs.createReadStream(datei).pipe(antwort);
  });
  const port = await lausche(server);
  return { port, adresse: `http://127.0.0.1:${port}`, anfragen, ende: () => new Promise((f) => server.close(f)) };
}

module.exports = { wachposten, lernplattform };
