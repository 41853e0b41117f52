#pragma once
// CSudarsanaChakraView: the Sudarsana chakra, three rings of twelve sectors round one centre, the
// inner ring counted from the lagna's sign, the middle from the Moon's and the outer from the Sun's,
// with the group shown written in every ring at the sector of each body's sign. The reference signs
// are those of the natal chart (the current chart in the Tajaka, Tithi Pravesha and mundane modes),
// the bodies those of the current chart, both in the one divisional chart the menu chooses.
#include <array>

#include "views/chakras/sign_chakra_view.h"

// The ring's reference signs, inner (lagna), middle (Moon), outer (Sun), 0-11.
using SudarsanaReferences = std::array<int, 3>;
inline constexpr int kSudarsanaRings = 3;

// The sector 0-11 of `sign` in a ring that starts at `reference`: sector 0 holds the reference sign.
int SudarsanaSector(int sign, int reference);

extern ChakraBaseSettings g_sudarsanaSettings; // only the divisional chart of the bodies is used

class CSudarsanaChakraView : public CSignChakraView {
public:
    explicit CSudarsanaChakraView(QWidget* parent = nullptr);

    // The reference signs of the last drawing.
    const SudarsanaReferences& References() const { return m_references; }
    // The box the sign of sector 0-11 of ring 0-2 is written in, in the last drawing's layout, pixels.
    Rect SectorNameBox(int ring, int sector) const;

protected:
    void DrawChakra(DrawSurface& surface, CTavroDoc& document) override;
    // Sahama labels of the right-hand sectors reach past the square: the extent covers them.
    ChakraLayout ComputeLayout(Size window) const override;

private:
    // The figure area made square, so that the rings stay circles.
    FigureArea RoundFigure(int units) const;
    void DrawRings(DrawSurface& surface) const;

    SudarsanaReferences m_references{};
};
