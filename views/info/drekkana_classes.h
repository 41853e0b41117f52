#pragma once
// The class of each 10-degree drekkana of the zodiac (weapon, animal, bird, snake ...), for the table
// of planetary drekkanas.

// The class of drekkana `index` 0-35 (trunc(longitude / 10) from 0 deg Aries); "-" for one without class.
const char* DrekkanaClass(int index);
