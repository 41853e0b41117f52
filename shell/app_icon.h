#pragma once
// The program's icon: a square chart of twelve signs around an empty centre, drawn through the
// drawing surface so the window, the About box and the desktop entry share one picture.
#include <QIcon>
#include <QImage>

#include "platform/draw_surface.h"

// Draws the icon into the square (0, 0)-(size, size), device units.
void DrawApplicationIcon(DrawSurface& surface, int size);
QImage ApplicationIconImage(int size); // pixels
QIcon ApplicationIcon();
