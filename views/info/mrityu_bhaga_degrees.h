#pragma once
// The mrityu bhaga (death-inflicting degree) of each sign, one traditional list per body, for the
// table of distances from mrityu bhaga.

// The degree 1-30 of sign 0-11 for body 0 (the lagna, also used for the house cusps), 1 Sun .. 9 Ketu
// or 31 Maandi; `secondMoonList` picks the Moon's second list. -1 for any other body.
int MrityuBhagaDegree(int body, int sign, bool secondMoonList);
