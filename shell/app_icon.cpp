#include "shell/app_icon.h"

#include "platform/painter_surface.h"

namespace {
constexpr ColorRef kSaffron = Rgb(240, 150, 40);
constexpr ColorRef kCream = Rgb(255, 248, 225);
constexpr ColorRef kInk = Rgb(120, 40, 20);
} // namespace

void DrawApplicationIcon(DrawSurface& s, int size) {
    const int cell = size / 4;
    const int edge = cell * 4;
    const int line = std::max(1, size / 32);
    s.FillRect(Rect{0, 0, edge, edge}, kSaffron);
    s.FillRect(Rect{cell, cell, 3 * cell, 3 * cell}, kCream);
    s.SelectPen(LogicalPen{kInk, line, PenStyle::kSolid});
    for (int i = 0; i <= 4; ++i) {
        const int at = std::min(i * cell, edge - line / 2 - 1);
        const bool inner = i == 2;
        // The centre lines stop at the empty middle square.
        s.Line(Point{at, 0}, Point{at, inner ? cell : edge});
        s.Line(Point{0, at}, Point{inner ? cell : edge, at});
        if (inner) {
            s.Line(Point{at, 3 * cell}, Point{at, edge});
            s.Line(Point{3 * cell, at}, Point{edge, at});
        }
    }
    s.SelectBrush(LogicalBrush{kSaffron, false});
    const int r = cell / 2;
    s.Ellipse(Rect{2 * cell - r, 2 * cell - r, 2 * cell + r, 2 * cell + r});
}

QImage ApplicationIconImage(int size) {
    ImageSurface image(Size{size, size});
    DrawApplicationIcon(image.Surface(), size);
    return image.Image();
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}
