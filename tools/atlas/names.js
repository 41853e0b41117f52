'use strict';
// Place names folded to printable ASCII, so that the reader's upper-casing (ASCII only) matches them
// and they fit its name field.

const NAME_CAPACITY = 47; // the reader keeps 47 characters

// Letters that do not decompose into an ASCII letter and a combining mark.
const LETTERS = {
  'ß': 'ss', 'Æ': 'AE', 'æ': 'ae', 'Ø': 'O', 'ø': 'o', 'Œ': 'OE', 'œ': 'oe', 'Ł': 'L', 'ł': 'l',
  'Đ': 'D', 'đ': 'd', 'Ð': 'D', 'ð': 'd', 'Þ': 'Th', 'þ': 'th', 'ı': 'i', 'Ħ': 'H', 'ħ': 'h',
  'Ə': 'A', 'ə': 'a', '’': "'", '‘': "'", 'ʻ': "'", 'ʼ': "'", '`': "'", '–': '-', '—': '-',
};

// Latin letters lose their accents; characters of other scripts are dropped, and a name left without
// letters yields ''.
function foldName(name) {
  const folded = [...name.normalize('NFD').replace(/\p{M}/gu, '')]
    .map((ch) => LETTERS[ch] ?? ch)
    .join('')
    .replace(/[^\x20-\x7e]/g, '')
    .replace(/\s+/g, ' ')
    .replace(/[\s,;(-]+$/, '')
    .trim();
  if (!/[A-Za-z]/.test(folded)) return '';
  return folded.slice(0, NAME_CAPACITY).trimEnd();
}

module.exports = { foldName };
