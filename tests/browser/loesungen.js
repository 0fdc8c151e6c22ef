// Solutions the tests play, computed apart from the pages' own code.
'use strict';

// Fewest clicks of the sliding puzzle (a click slides all tiles between the
// hole and the clicked field), by breadth-first search; small boards only.
function schiebeLoesung(start, leerTeil, spalten, zeilen) {
  const schluessel = (f) => f.join(',');
  const ziel = schluessel(start.map((_, i) => i));
  const vorher = new Map([[schluessel(start), null]]);
  let rand = [start];
  while (rand.length) {
    const neu = [];
    for (const f of rand) {
      if (schluessel(f) === ziel) {
        const zuege = [];
        for (let k = schluessel(f); vorher.get(k); k = vorher.get(k).von) zuege.unshift(vorher.get(k).klick);
        return zuege;
      }
      const leer = f.indexOf(leerTeil), lx = leer % spalten, ly = Math.floor(leer / spalten);
      for (let z = 0; z < f.length; z++) {
        const zx = z % spalten, zy = Math.floor(z / spalten);
        if (z === leer || (zx !== lx && zy !== ly)) continue;
        const g = f.slice(), schritt = zy === ly ? Math.sign(zx - lx) : Math.sign(zy - ly) * spalten;
        for (let p = leer; p !== z; p += schritt) { g[p] = g[p + schritt]; g[p + schritt] = leerTeil; }
        const k = schluessel(g);
        if (!vorher.has(k)) { vorher.set(k, { von: schluessel(f), klick: z }); neu.push(g); }
      }
    }
    rand = neu;
  }
  return null;
}

// Swaps that sort an arrangement: each field gets its own tile in turn.
function tauschLoesung(start) {
  const f = start.slice(), zuege = [];
  for (let p = 0; p < f.length; p++) {
    if (f[p] === p) continue;
    const q = f.indexOf(p);
    zuege.push([p, q]);
    [f[p], f[q]] = [f[q], f[p]];
  }
  return zuege;
}

function zyklen(f) {
  const gesehen = [];
  let z = 0;
  for (let i = 0; i < f.length; i++) {
    if (gesehen[i]) continue;
    z++;
    for (let j = i; !gesehen[j]; j = f[j]) gesehen[j] = true;
  }
  return z;
}

module.exports = { schiebeLoesung, tauschLoesung, zyklen };
