#pragma once
// CKotaChakraView: the Kota (fort) chakra. A square of 9 x 9 cells holds four nested areas (exterior,
// wall, interior, pillar); the 28 stars lie on the four corner diagonals and four half-lines, counted
// from the base, the natal Moon's star, in the north-eastern (top-left) corner. The nine grahas of the
// current chart stand in their stars, so in transit mode the transit grahas stand round the natal fort;
// above the square, the fort lord (Kota Swami) and the fort guard (Kota Pala) of the natal Moon. Its
// menu casts the transit chart of a moment or sets a base star of the user's own, which the document's
// next recalculation switches off again.
#include "views/chakras/chakra_view.h"

class CChart;

// The base star chosen with "Change the base nakshatra", 0-27; in use while g_bKotaChakraBaseOverride.
extern int g_nKotaCustomBase;

// The lord of the Moon's sign 0-11 (Aries Mars .. Pisces Jupiter): the Kota Swami, body 1-7.
int KotaSwami(int moonSign);
// The Kota Pala of the Moon's nakshatra 0-26 and pada 0-3: body 1 (Sun) .. 8 (Rahu).
int KotaPala(int nakshatra, int pada);

class CKotaChakraView : public CChakraView {
public:
    explicit CKotaChakraView(QWidget* parent = nullptr);

    bool RunCommand(int command) override;
    void BuildMenu(QMenu& menu) override;

    // The base star of the last drawing, 0-27 (-1 before one).
    int BaseStar() const { return m_nBaseStar; }
    // The cell of place 0-27 in the last drawing's layout, pixels.
    Rect PlaceCell(int place) const;

    static constexpr int kCmdTransits = 33020;
    static constexpr int kCmdBase = 33127;

protected:
    void DrawChakra(DrawSurface& surface, CTavroDoc& document) override;
    // The fort lord and guard are written in a band above the square.
    ChakraLayout ComputeLayout(Size window) const override;

private:
    // "Change the base nakshatra"; false when cancelled.
    bool ChooseBase();
    void DrawAreas(DrawSurface& surface) const;
    void DrawStars(DrawSurface& surface) const;
    void DrawGrahas(DrawSurface& surface, const CChart& chart) const;
    void DrawLordAndGuard(DrawSurface& surface, const CChart& natal) const;
    // Cell (column, row) of the square, cells may be fractional; one cell in size.
    Rect CellAt(double column, double row) const;

    int m_nBaseStar = -1;
};
