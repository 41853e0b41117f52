#pragma once
// The two commands that put the calculation options into a known state at once: Restore Default
// Calculation Options and Set Calculation Options as recommended by author.

enum class CalculationPreset { kRestoreDefault, kRecommended };

// Writes the preset's options and applies their side effects (wide-display flag, ayanamsa, custom
// star index, node exaltation and pushkara tables); saved window sizes are dropped. The caller then
// rescales the display fonts (restore only), saves the preferences and recalculates the chart.
void ApplyCalculationPreset(CalculationPreset preset);
