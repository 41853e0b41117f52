#pragma once
// Readable names of catalogue stars from their nomenclature (Bayer or Flamsteed designation).
#include <string>

// "alTau" with the name "Aldebaran" -> "Alpha Tauri (Aldebaran)"; "al-2Lib" -> "Alpha2 Librae";
// "61Cyg" -> "61 Cygni". A nomenclature that is no designation of a known constellation ("SgrA*",
// "M31") is kept as it stands: "M31 (Andromeda Galaxy)". An empty name gives no brackets.
std::string FormatFixedStarName(const std::string& name, const std::string& nomenclature);

// Table lookups behind FormatFixedStarName; null when the abbreviation is unknown (exact case).
const char* GreekLetterName(const std::string& abbreviation);       // "al" -> "Alpha"
const char* ConstellationGenitive(const std::string& abbreviation); // "Tau" -> "Tauri"
