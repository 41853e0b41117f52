'use strict';
// The program's region table (read from its C++ source, the one place it is kept) and the region of
// each place of the GeoNames city list.
const fs = require('fs');
const path = require('path');
const { ISO_TO_REGION } = require('./iso_regions');

const REGION_TABLE_SOURCE = path.join(__dirname, '..', '..', 'core', 'region_table_data.cpp');
const REGION_COUNT = 308;

// Region codes in row order.
function readRegionCodes(source = REGION_TABLE_SOURCE) {
  const text = fs.readFileSync(source, 'latin1');
  const codes = [...text.matchAll(/^\s*\{"([A-Z]{2}|US[A-Z]{2})", "/gm)].map((m) => m[1]);
  if (codes.length !== REGION_COUNT) {
    throw new Error(`${source}: found ${codes.length} region rows, expected ${REGION_COUNT}`);
  }
  return codes;
}

// The Gaza Strip lies west of 34.6 deg E, the West Bank east of 34.8 deg E.
const GAZA_WEST_BANK_LONGITUDE = 34.7;

// Region code of a place of the city list, or undefined when the table has none for it.
function regionCodeOf(place) {
  const longitude = Number(place.lng);
  switch (place.country) {
    case 'US':
      return `US${place.admin1}`;
    case 'PS':
      return longitude < GAZA_WEST_BANK_LONGITUDE ? 'GZ' : 'WE';
    case 'SJ': // Jan Mayen lies west of Greenwich, Svalbard east
      return longitude < 0 ? 'JN' : 'SV';
    default:
      return ISO_TO_REGION[place.country];
  }
}

module.exports = { readRegionCodes, regionCodeOf };
