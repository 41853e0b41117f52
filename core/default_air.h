#pragma once
// The air a refracted rise or set is computed in when a chart gives none of its own: a chart record's
// start values and the preference defaults that a new chart takes.
constexpr double kDefaultAirPressure = 1013.25; // mbar: the standard atmosphere at sea level (ISO 2533)
constexpr double kDefaultAirTemperature = 20.0; // degrees Celsius
