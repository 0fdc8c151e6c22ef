// The benchmark's job done by sharp in one process, as a Node program would
// do it: the 24 megapixel photo decoded once, the 6000 x 3600 area at
// (0, 200) cut into 1200 x 1200 tiles at JPEG quality 85, and the
// 240 x 160 preview, into the current folder.
//   node sharp_job.js FOTO.jpg
const sharp = require('sharp');

async function main() {
  const foto = process.argv[2];
  const { data, info } = await sharp(foto)
    .extract({ left: 0, top: 200, width: 6000, height: 3600 })
    .raw()
    .toBuffer({ resolveWithObject: true });
  const roh = { raw: { width: info.width, height: info.height, channels: info.channels } };
  const auftraege = [];
  for (let zeile = 0; zeile < 3; ++zeile)
    for (let spalte = 0; spalte < 5; ++spalte)
      auftraege.push(sharp(data, roh)
        .extract({ left: spalte * 1200, top: zeile * 1200, width: 1200, height: 1200 })
        .jpeg({ quality: 85 })
        .toFile(`kachel_${zeile}_${spalte}.jpg`));
  auftraege.push(sharp(data, roh).resize(240, 160, { fit: 'fill' }).jpeg({ quality: 85 }).toFile('vs.jpg'));
  await Promise.all(auftraege);
}

main().catch((fehler) => {
  console.error(fehler);
  process.exit(1);
});
