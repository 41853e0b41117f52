'use strict';
// The atlas generator: the same atlas, byte for byte, on every Node.js, and no place with a zone the
// pinned time-zone database lacks.
const assert = require('node:assert');
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const test = require('node:test');
const { makeAtlas, placeZone } = require('../generate');
const { zoneOffsets, UnknownZoneError } = require('../zones');

// The checksum of the atlas the pinned packages give; made again (sha256sum of a fresh atlas) only when
// the generator, its packages or the region table change.
const RECORDED_CHECKSUM = fs.readFileSync(path.join(__dirname, '..', 'tvworld.adb.sha256'), 'ascii').split(' ')[0];

test('the atlas matches its recorded checksum', () => {
  const { atlas } = makeAtlas();
  assert.strictEqual(crypto.createHash('sha256').update(atlas).digest('hex'), RECORDED_CHECKSUM);
});

test('zone offsets come from the pinned database', () => {
  // Zones newer than the time-zone data of older Node.js releases, and ones with and without daylight
  // saving in 2024 (minutes east).
  const cases = [
    ['America/Coyhaique', -240, -180],
    ['Asia/Baku', 240, 240],
    ['Asia/Kolkata', 330, 330],
    ['Europe/London', 0, 60],
    ['Australia/Sydney', 600, 660],
    ['America/Phoenix', -420, -420],
  ];
  for (const [zone, standard, daylight] of cases) {
    assert.deepStrictEqual(zoneOffsets(zone), { standard, daylight }, zone);
  }
});

test('a zone missing from the pinned database stops the atlas with place and zone named', () => {
  assert.throws(() => zoneOffsets('Atlantis/Poseidonia'), UnknownZoneError);
  const place = { name: 'Poseidonia', country: 'XX', lat: '36.4', lng: '25.4' };
  assert.throws(
    () => placeZone(place, 'Atlantis/Poseidonia'),
    (error) => /Poseidonia \(XX, 36\.4, 25\.4\)/.test(error.message) && /Atlantis\/Poseidonia/.test(error.message),
  );
});
