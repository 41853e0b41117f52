'use strict';
// Standard and daylight offsets of IANA zones, from the time-zone database pinned in package-lock.json
// (moment-timezone's compiled data), never from the time-zone data of the JavaScript engine: the
// atlas must come out the same, byte for byte, whichever Node.js makes it. One fixed reference year,
// so that it does not change with the date it is made on either.
const moment = require('moment-timezone');

const REFERENCE_YEAR = 2024;
const MS_PER_DAY = 24 * 3600 * 1000;

// The release of the pinned database, e.g. "2025b".
const DATABASE_VERSION = moment.tz.dataVersion;

class UnknownZoneError extends Error {}

const cache = new Map();

// { standard, daylight } in minutes east: the lowest and highest offset at noon UT on every day of the
// reference year (a zone's daylight time is ahead of its standard time). Throws UnknownZoneError for
// a zone the pinned database lacks.
function zoneOffsets(zoneName) {
  if (!cache.has(zoneName)) {
    const zone = moment.tz.zone(zoneName);
    if (!zone) {
      throw new UnknownZoneError(`zone ${zoneName} is missing from the time-zone database ${DATABASE_VERSION}`);
    }
    let standard = Infinity;
    let daylight = -Infinity;
    const first = Date.UTC(REFERENCE_YEAR, 0, 1, 12);
    for (let t = first; new Date(t).getUTCFullYear() === REFERENCE_YEAR; t += MS_PER_DAY) {
      const offset = 0 - zone.utcOffset(t); // the database counts minutes west; 0 - 0 is +0, not -0
      standard = Math.min(standard, offset);
      daylight = Math.max(daylight, offset);
    }
    if (standard % 15 !== 0 || daylight % 15 !== 0) {
      throw new Error(`zone ${zoneName} has an offset that is not a whole quarter hour`);
    }
    cache.set(zoneName, { standard, daylight });
  }
  return cache.get(zoneName);
}

module.exports = { zoneOffsets, UnknownZoneError, REFERENCE_YEAR, DATABASE_VERSION };
