#pragma once
// Words of the core's vocabulary tables for the display code, which also includes the chart (whose day
// header declares a constant of the same name as the vocabulary header, so the two do not meet in one
// file).

const char* KarakaAbbreviation(int slot); // slot 0-7: "AK", "AmK" ... "DK"
const char* HouseOrdinal(int house);      // house 1-12: "1st" ... "12th"
