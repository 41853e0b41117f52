'use strict';
// Writes the atlas file "tvworld.adb" in the format the program's reader expects (see core/atlas.h):
// header with magic and version, offset table by region row, then one node per region holding its
// places in letter groups. Integers are big-endian.

const MAGIC = 'Kalomithra Hora';
const VERSION = 1;
const OFFSET_TABLE_POSITION = 100;
const DESCRIPTION_POSITION = 19;
const DESCRIPTION_CAPACITY = OFFSET_TABLE_POSITION - DESCRIPTION_POSITION;
const END_OF_LIST = 0x80; // first byte of a size word that ends a place list
const END_OF_BLOCK = 0x40; // ... and also ends a region's block
const NODE_HEADER_SIZE = 5;
const GROUP_HEADER_SIZE = 6;

function sizeWord(flags, size) {
  const word = Buffer.alloc(4);
  word.writeUInt32BE(size);
  word[0] |= flags;
  return word;
}

// Whole degrees, minutes and seconds of a magnitude, rounded to the second.
function splitDegrees(value) {
  const seconds = Math.round(Math.abs(value) * 3600);
  return [Math.floor(seconds / 3600), Math.floor((seconds % 3600) / 60), seconds % 60];
}

// Place record: name length, name, then 12 bytes: first value (0), longitude degrees, minutes with the
// east bit, seconds; latitude likewise with the north bit; second value (altitude in metres: the city
// list has none, 0); standard and daylight zone in quarter hours east.
function placeRecord(place) {
  const name = Buffer.from(place.name, 'latin1');
  const [lonDeg, lonMin, lonSec] = splitDegrees(place.longitude);
  const [latDeg, latMin, latSec] = splitDegrees(place.latitude);
  const data = Buffer.alloc(12);
  data[2] = lonDeg;
  data[3] = lonMin | (place.longitude >= 0 ? 0x80 : 0);
  data[4] = lonSec;
  data[5] = latDeg;
  data[6] = latMin | (place.latitude >= 0 ? 0x80 : 0);
  data[7] = latSec;
  data.writeInt8(place.standardMinutes / 15, 10);
  data.writeInt8(place.daylightMinutes / 15, 11);
  return Buffer.concat([Buffer.from([name.length]), name, data]);
}

function initialOf(place) {
  return place.name[0].toUpperCase();
}

// The region's letter groups, in character order, places in name order inside each. The last group's
// size is 0: it runs to the end of the node.
function letterGroups(places) {
  const groups = new Map();
  for (const place of places) {
    const initial = initialOf(place);
    if (!groups.has(initial)) groups.set(initial, []);
    groups.get(initial).push(place);
  }
  const initials = [...groups.keys()].sort();
  return initials.map((initial, i) => {
    const records = Buffer.concat(groups.get(initial).map(placeRecord));
    const size = i === initials.length - 1 ? 0 : GROUP_HEADER_SIZE + records.length;
    return Buffer.concat([sizeWord(END_OF_LIST, size), Buffer.from([1, initial.charCodeAt(0)]), records]);
  });
}

// Every node starts with the byte that ends the block before it.
function regionNode(code, places) {
  const key = Buffer.from(code, 'latin1');
  const contents = Buffer.concat(letterGroups(places));
  const size = NODE_HEADER_SIZE + key.length + contents.length;
  return Buffer.concat([sizeWord(END_OF_LIST | END_OF_BLOCK, size), Buffer.from([key.length]), key, contents]);
}

function comparePlaces(a, b) {
  const ka = a.name.toUpperCase();
  const kb = b.name.toUpperCase();
  if (ka !== kb) return ka < kb ? -1 : 1;
  if (a.name !== b.name) return a.name < b.name ? -1 : 1;
  return a.latitude - b.latitude || a.longitude - b.longitude;
}

// codes: region codes by row; placesByRow: array of place lists ({ name, latitude, longitude,
// standardMinutes, daylightMinutes }; degrees north and east, minutes east); description: up to 81
// ASCII characters stored in the header's free bytes.
function buildAtlas(codes, placesByRow, description) {
  const header = Buffer.alloc(OFFSET_TABLE_POSITION + 4 * codes.length);
  header.write(MAGIC, 0, 'latin1');
  header.writeUInt32BE(VERSION, MAGIC.length);
  header.write(description.slice(0, DESCRIPTION_CAPACITY), DESCRIPTION_POSITION, 'latin1');

  const nodes = [];
  let position = header.length;
  const nodePositions = codes.map((code, row) => {
    const places = placesByRow[row];
    if (places.length === 0) return undefined;
    const node = regionNode(code, [...places].sort(comparePlaces));
    nodes.push(node);
    position += node.length;
    return position - node.length;
  });
  // The chain ends with an empty node; regions without places point at it.
  const endOfChain = position;
  nodes.push(Buffer.concat([sizeWord(END_OF_LIST | END_OF_BLOCK, 0), Buffer.from([0])]));
  nodePositions.forEach((p, row) => header.writeUInt32BE(p ?? endOfChain, OFFSET_TABLE_POSITION + 4 * row));
  return Buffer.concat([header, ...nodes]);
}

module.exports = { buildAtlas };
