#pragma once
// Font families that stand in for the Windows faces the display was laid out with. The Liberation
// fonts keep the metrics of the faces they replace, so text widths and chart layouts stay as designed.

inline constexpr const char* kFaceArial = "Liberation Sans";              // for "Arial"
inline constexpr const char* kFaceArialNarrow = "Liberation Sans Narrow"; // for "Arial Narrow"
inline constexpr const char* kFaceTimesNewRoman = "Liberation Serif";     // for "Times New Roman"
