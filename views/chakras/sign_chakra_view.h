#pragma once
// CSignChakraView: a chakra of the twelve signs, each written at a place of the figure with the bodies
// of one group beside it (the Sudarsana and Tripataki chakras). It keeps the group shown and runs the
// chakra menu's commands that the chakra binds (the others stay greyed); the chakra draws its figure,
// works out which sign stands at which place and where each body goes, and DrawPlaces writes them.
// The figure area is the drawing square less a 44-pixel band at the top (the title) and 24 pixels at
// the bottom; signs are 0 Aries .. 11 Pisces.
#include <span>
#include <string>
#include <vector>

#include "views/chakras/chakra_base.h"
#include "views/chakras/chakra_figure.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/chakra_view.h"

class CChart;
class FigureObstacles;

inline constexpr int kSignChakraTopBand = 44;
// The pixels at the square's top the group's title takes, and the least it keeps from the texts below.
inline constexpr int kSignChakraTitleBand = 24;
inline constexpr int kSignChakraTextGap = 2;
// The least font height, pixels, of a label in a place with a depth: its capitals are 5 pixels high in
// the chakras' faces (at 7, 4 pixels, the strokes of a two-letter label run together).
inline constexpr int kDeepPlaceTextHeight = 9;

// One place of a sign chakra: the box its sign's name is centred in (pixels), the sign, the slots of
// the bodies written there, taken in turn and again from the first when all are used, the ring it
// belongs to (0, 1 ...; places run ring by ring), and how far (pixels) a label with no clear place near
// its slot may go across the place's sector to find one, 0 where the place has no sector.
struct SignPlace {
    Rect nameBox;
    int sign = 0;
    std::span<const LabelSlot> labelSlots;
    int ring = 0;
    int depth = 0;
};
// A body label and the place it is written at.
struct PlacedLabel {
    std::string text;
    int place = 0;
};

class CSignChakraView : public CChakraView {
public:
    // `settings` outlive the pane (the class's); the custom base and planet base are switched off.
    // `greyed`: the commands of the chakra menu this chakra does not run.
    CSignChakraView(QWidget* parent, ChakraBaseSettings& settings, std::vector<int> greyed);

    bool RunCommand(int command) override;
    void BuildMenu(QMenu& menu) override;

    // The group shown (ChakraGroup).
    int Group() const { return m_nGroup; }
    ChakraBaseSettings& Settings() const { return m_settings; }

protected:
    // The area the figure is laid out in (units across and down).
    FigureArea Figure(int units) const { return FigureArea(Layout().square, units, kSignChakraTopBand); }
    // The group's title followed by `rest`, in the band at the top of the square, ending above `places`;
    // kept in `obstacles`.
    void DrawTitle(DrawSurface& surface, const std::string& rest, std::span<const SignPlace> places,
                   FigureObstacles& obstacles) const;
    // The labels of the group shown for the bodies of `chart`, each with its sign in varga column `varga`.
    std::vector<ChakraLabel> GroupLabels(const CChart& chart, int varga) const;
    // The sign names centred in their boxes and the body labels at their places' slots: a label's box,
    // a body cell of the figure area (half as wide again for sahamas), has its corner (dx + 2, dy + 1)
    // sixteenths of a cell from the place's name box. `obstacles` holds the figure's lines and the
    // title; each text drawn is kept there too.
    //
    // On screen no name is drawn lower than kLegibleTextHeight, and none over another text or a line of
    // the figure: a name a line runs through is moved off it, within its box. Every label is drawn: at
    // its slot or the nearest place within two cells' heights of it that is clear, no lower than
    // kLegibleTextHeight; else so in the crowded font (kCrowdedTextHeight); else at its slot in that
    // font, over what is there, as a label whose slot is taken again is. A place with a depth keeps its
    // labels kDeepPlaceTextHeight high or more instead: a label with no clear place near its slot
    // takes the nearest clear one across its sector (no line between it and its sign's name, no other
    // name of the ring nearer). The names and the labels of the inner rings come first, the labels in the
    // order of the group (the lagna and the grahas before the other points).
    void DrawPlaces(DrawSurface& surface, const FigureArea& area, std::span<const SignPlace> places,
                    std::span<const PlacedLabel> labels, FigureObstacles& obstacles) const;
    // The top-left corner of the label box of the `written`-th label at `place`, boxes `boxWidth` wide.
    static Point LabelCorner(const FigureArea& area, const SignPlace& place, int written, int boxWidth);
    // `layout` with its scroll extent widened to the right edge of every label box of `places` (taken
    // as wide as the sahamas', the widest) and its margin, so that labels past the square are reached.
    static ChakraLayout ReachingEveryLabel(ChakraLayout layout, const FigureArea& area,
                                           std::span<const SignPlace> places);

private:
    ChakraBaseSettings& m_settings;
    std::vector<int> m_greyed;
    int m_nGroup = kGroupPlanets;
};
