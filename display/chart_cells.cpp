#include "display/chart_cells.h"

namespace {

// South Indian: row of each sign in the frame, and its column in the regular and the mirrored style.
constexpr int kSouthRow[12] = {0, 0, 0, 1, 2, 3, 3, 3, 3, 2, 1, 0};
constexpr int kSouthColumnRegular[12] = {1, 2, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0};
constexpr int kSouthColumnMirrored[12] = {2, 1, 0, 0, 0, 0, 1, 2, 3, 3, 3, 3};

// North Indian: corner of each house position's cell in quarters of the square, and its shape.
constexpr int kNorthCornerX[12] = {1, 0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 2};
constexpr int kNorthCornerY[12] = {0, 0, 0, 1, 2, 2, 2, 2, 2, 1, 0, 0};
constexpr int kNorthShape[12] = {0, 1, 2, 0, 2, 3, 0, 3, 4, 0, 4, 1};

// East Indian: grid square and shape of each sign.
constexpr int kEastColumn[12] = {1, 0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 2};
constexpr int kEastRow[12] = {0, 0, 0, 1, 2, 2, 2, 2, 2, 1, 0, 0};
constexpr int kEastShape[12] = {0, 1, 2, 0, 3, 4, 0, 2, 1, 0, 4, 3};

} // namespace

Rect SouthSignCell(const Rect& rect, int sign, bool regular) {
    const int cellW = rect.Width() / 4;
    const int cellH = rect.Height() / 4;
    const int column = regular ? kSouthColumnRegular[sign] : kSouthColumnMirrored[sign];
    const int left = rect.left + column * cellW;
    const int top = rect.top + kSouthRow[sign] * cellH;
    return Rect{left, top, left + cellW, top + cellH};
}

int NorthHousePosition(int sign, int lagnaSign, int houseOffset) {
    return (((sign - lagnaSign + 12) % 12) - houseOffset + 144) % 12;
}

Rect NorthCellRect(const Rect& square, int position) {
    const int halfW = square.Width() / 2;
    const int halfH = square.Height() / 2;
    const int left = square.left + kNorthCornerX[position] * halfW / 2;
    const int top = square.top + kNorthCornerY[position] * halfH / 2;
    return Rect{left, top, left + halfW, top + halfH};
}

int NorthCellShape(int position) {
    return kNorthShape[position];
}

Rect EastGridSquare(const Rect& area, int sign) {
    const int w = area.Width() / 3;
    const int h = area.Height() / 3;
    const int left = area.left + kEastColumn[sign] * w;
    const int top = area.top + kEastRow[sign] * h;
    return Rect{left, top, left + w, top + h};
}

int EastCellShape(int sign) {
    return kEastShape[sign];
}
