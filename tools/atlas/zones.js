'use strict';
// Standard and daylight offsets of IANA zones, from the time-zone data of the JavaScript engine
// (Intl with full ICU), for one fixed reference year so that the atlas does not change with the date
// it is made on.

const REFERENCE_YEAR = 2024;
const MS_PER_DAY = 24 * 3600 * 1000;

// Offset east of Greenwich in minutes at `date` ("GMT+05:30" -> 330).
function offsetMinutes(format, date) {
  const text = format.formatToParts(date).find((part) => part.type === 'timeZoneName').value;
  const m = /^GMT(?:([+-])(\d\d):(\d\d))?$/.exec(text);
  if (!m) throw new Error(`unexpected zone offset text "${text}"`);
  if (!m[1]) return 0;
  const minutes = Number(m[2]) * 60 + Number(m[3]);
  return m[1] === '-' ? -minutes : minutes;
}

const cache = new Map();

// { standard, daylight } in minutes east: the lowest and highest offset at noon UT on every day of the
// reference year (a zone's daylight time is ahead of its standard time).
function zoneOffsets(zone) {
  if (!cache.has(zone)) {
    const format = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' });
    let standard = Infinity;
    let daylight = -Infinity;
    const first = Date.UTC(REFERENCE_YEAR, 0, 1, 12);
    for (let t = first; new Date(t).getUTCFullYear() === REFERENCE_YEAR; t += MS_PER_DAY) {
      const offset = offsetMinutes(format, new Date(t));
      standard = Math.min(standard, offset);
      daylight = Math.max(daylight, offset);
    }
    if (standard % 15 !== 0 || daylight % 15 !== 0) {
      throw new Error(`zone ${zone} has an offset that is not a whole quarter hour`);
    }
    cache.set(zone, { standard, daylight });
  }
  return cache.get(zone);
}

module.exports = { zoneOffsets, REFERENCE_YEAR };
