#pragma once
// The texts of the Pachakadi relationship queries: the four relations (Pachaka, Bodhaka, Karaka,
// Vedhaka) of a planet or of a sign in a varga column, as the chart view's message shows them.
#include <string>

class CChart;

// Planet p (1 Sun .. 7 Saturn) clicked in sign `sign` (0-11) of column `varga`.
std::string PachakadiPlanetText(const CChart& chart, int planet, int sign, int varga);
// Sign `sign` (0-11) of column `varga`.
std::string PachakadiRasiText(const CChart& chart, int sign, int varga);
