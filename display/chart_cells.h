#pragma once
// Where the signs and houses of each chart style lie in a chart square, as plain functions of the
// square (device units), so that layout and hit-testing are tested without drawing.
#include "platform/geometry.h"

// South Indian: the cell of sign s (0-11) in the 4 x 4 frame of `rect`; regular (style 0) or mirrored.
Rect SouthSignCell(const Rect& rect, int sign, bool regular);

// North Indian: house position (0 the 1st house at the top, then anticlockwise) of sign s when the
// lagna is in `lagnaSign` and the chart is turned by `houseOffset` houses.
int NorthHousePosition(int sign, int lagnaSign, int houseOffset);
// The halfW x halfH rectangle of house position k in the square, and the cell's shape code (0-4).
Rect NorthCellRect(const Rect& square, int position);
int NorthCellShape(int position);

// East Indian: the grid square of sign s in the chart area (3 x 3 squares of area/3) and its shape code.
Rect EastGridSquare(const Rect& area, int sign);
int EastCellShape(int sign);
