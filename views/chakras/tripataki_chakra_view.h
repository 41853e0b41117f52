#pragma once
// CTripatakiChakraView: the Tripataki chakra, three vertical and three horizontal lines with twelve
// diagonals and a flag on each vertical, the twelve signs at the twelve line ends counted from a base
// sign at the top of the middle vertical, and the group shown written at the sign of each body. The
// base is the lagna's sign in the base division of the natal chart (the current chart in the Tajaka,
// Tithi Pravesha and mundane modes), or the sign of a body chosen in the menu, in its division of the
// current chart; the bodies are those of the current chart in the divisional chart the menu chooses.
#include "views/chakras/sign_chakra_view.h"

extern ChakraBaseSettings g_tripatakiSettings; // its custom base is never set

// The place 0-11 of `sign` counted from `base` (place 0 holds the base sign).
int TripatakiPlace(int sign, int base);

class CTripatakiChakraView : public CSignChakraView {
public:
    explicit CTripatakiChakraView(QWidget* parent = nullptr);

    // The base sign of the last drawing, 0-11.
    int BaseSign() const { return m_nBaseSign; }
    // The body the base is taken from: the chosen body with the planet base on, else the lagna.
    int BaseBody() const;
    // The box the sign of place 0-11 is written in, in the last drawing's layout, pixels.
    Rect PlaceNameBox(int place) const;

protected:
    void DrawChakra(DrawSurface& surface, CTavroDoc& document) override;
    // Labels of the right-hand places reach past the square: the extent covers them.
    ChakraLayout ComputeLayout(Size window) const override;

private:
    void DrawLines(DrawSurface& surface) const;

    int m_nBaseSign = 0;
};
