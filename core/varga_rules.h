#pragma once
// The sign rules of varga columns 0-22 and 26, one body at a time. Every rule reads the body's sign s
// (from its record) and longitude L (degrees [0, 360), sidereal unless the chart is tropical), works on
// d = L - 30 s (degrees into the sign) and returns a sign 0 Aries .. 11 Pisces. An odd sign is Aries,
// Gemini, Leo ... (s = 0, 2, 4 ...). "Cyclic n" counts n parts per sign continuously from 0 Aries.
// A variant value the rule does not know selects variant 0.
#include "core/varga_columns.h"

int D1Sign(const CRasiLongitude& body);

// D-9. 0 Parasara (cyclic 9); 1 Kalachakra (the mirror sign in alternate 40-degree blocks);
// 2 Krishna Mishra (even signs count back from the start); 3 uniform Krishna Mishra.
int NavamsaSign(const CRasiLongitude& body, int variant);

// The Parasara hora: Leo then Cancer in odd signs, Cancer then Leo in even signs.
int ParasaraHoraSign(const CRasiLongitude& body);
// D-2. 0 Parasara; 1 Kalomithra (day/night signs, 1st/7th); 2 parivritti-dwaya (cyclic 2);
// 3 samasaptaka; 4 Mandooka; 5 Kashinatha; 6 Uma-Shambhu (Parasara with parivritti and even-sign
// reversal); 7 Labha Mandooka; 8, 9 Raman (plain, NVC); 10, 11 Niranjan (plain, NVC).
int HoraSign(const CRasiLongitude& body, int variant);
// The sign of the same lord as sign a on the Moon's side (row 0) or the Sun's side (row 1). With keep
// false Cancer and Leo stay where they are; with keep true they follow the table too.
int HoraSideSign(int sign, int row, bool keep);

// D-3. 0 Parasara (1st, 5th, 9th); 1 parivritti-traya (cyclic 3); 2 Somanatha; 3 Kalomithra
// (trines from the movable sign of the element); 4 Uma-Shambhu.
int DrekkanaSign(const CRasiLongitude& body, int variant);
// D-4. 0 Parasara (1st, 4th, 7th, 10th); 1 parivritti (cyclic 4).
int D4Sign(const CRasiLongitude& body, int variant);
// D-5. 0 standard (five lords' parts); 1 parivritti (cyclic 5).
int D5Sign(const CRasiLongitude& body, int variant);
int D6Sign(const CRasiLongitude& body); // cyclic 6
// D-7. 0 Parasara (cyclic 7: even signs from the 7th); 1 even signs from the 7th backwards;
// 2 even signs backwards ending in the 7th.
int D7Sign(const CRasiLongitude& body, int variant);
// D-8. 0 continuous (cyclic 8); 1 tattva based (movable from Aries, fixed from Leo, dual from Sagittarius).
int D8Sign(const CRasiLongitude& body, int variant);
// D-10. 0 Parasara (even signs from the 9th); 1 parivritti (cyclic 10); 2, 3, 4 even signs backwards
// from the 9th, ending in the 9th, from the reverse 9th.
int D10Sign(const CRasiLongitude& body, int variant);
// D-11. 0 zodiacal rudramsa; 1 anti-zodiacal ekadasamsa.
int D11Sign(const CRasiLongitude& body, int variant);
// D-12, D-16, D-20, D-27: 0 Parasara; 1 with the parts of even signs counted from the end.
int D12Sign(const CRasiLongitude& body, int variant);
int D16Sign(const CRasiLongitude& body, int variant);
int D20Sign(const CRasiLongitude& body, int variant);
// D-24. 0 odd Leo onwards, even Cancer backwards; 1 Parasara (odd from Leo, even from Cancer);
// 2 Leo onwards for every sign.
int D24Sign(const CRasiLongitude& body, int variant);
int D27Sign(const CRasiLongitude& body, int variant);
// D-30. 0 Parasara trimsamsa (five unequal parts); 1 parivritti (cyclic 30); 2 shashtyamsa-like.
int D30Sign(const CRasiLongitude& body, int variant);
int D40Sign(const CRasiLongitude& body); // odd signs from Aries, even from Libra
int D45Sign(const CRasiLongitude& body); // movable from Aries, fixed from Leo, dual from Sagittarius
// D-60. 0 Parasara (from the sign); 1 even signs reversed; 2 from Aries with even signs reversed;
// 3 from Aries.
int D60Sign(const CRasiLongitude& body, int variant);
// D-81. 0 nava-navamsa; 1 Kalachakra nava-navamsa.
int D81Sign(const CRasiLongitude& body, int variant);
// D-108. 0 the sign in 108 parts; 1 the navamsa in 12 parts, counted from navamsaSign (column 1).
int D108Sign(const CRasiLongitude& body, int variant, int navamsaSign);
// D-144: the D-12 of the D-12, counted from dwadasamsaSign (column 11).
int D144Sign(const CRasiLongitude& body, int dwadasamsaSign);

// Degrees 0-30 of a body in its D-30 part, from its degrees in the sign d (0-30) and whether the sign
// is even; even signs count from the end. Parts: [0, 5), [5, 10), [10, 18), [18, 25), [25, 30].
double D30DivisionalDegrees(double degreesInSign, bool evenSign);
