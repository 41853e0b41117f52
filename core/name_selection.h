#pragma once
// Points the current-name pointers at the tables of the language the user chose. The three body-name
// pointers (full, abbreviated, short) always change together.
void SelectNameTables(bool sanskritPlanetNames, bool sanskritRasiNames);
