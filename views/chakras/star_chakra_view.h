#pragma once
// CStarChakraView: a chakra of the 28 stars (Abhijit included) set around a figure, counted from a base
// star at place 0, with one group of bodies written beside the stars they stand in. The Chandra
// Kalanala, Kala, Shoola and Surya Kalanala chakras are this view with their own figure: the places of
// the stars, the label slots, the lines, and which bodies the planets group holds. Its context menu
// chooses the group, the base planet and division, the division of the bodies and a base star of the
// user's own (ChakraBaseSettings, one per chakra class).
#include <array>

#include "views/chakras/chakra_base.h"
#include "views/chakras/chakra_figure.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/chakra_view.h"

class DrawSurface;
class FigureObstacles;

struct StarChakraFigure {
    int units; // 144 or 72
    std::array<FigurePoint, 28> places;
    std::array<LabelSlot, 8> labelSlots;
    int penWidth;                // pixels
    bool withLagna;              // the planets and special lagnas start at the lagna
    bool otherGroupsInLabelFont; // groups other than the planets are written in the label font
    bool round;                  // the figure holds circles: it is drawn in a square (FigureArea::Square)
    // The lines of the figure and its fixed texts, with the chakra's line pen and frame brush selected.
    void (*drawFigure)(DrawSurface& surface, const FigureArea& area, const ChakraLayout& layout);
    // Texts of the figure placed once the star names and the title stand, clear of them and of the
    // lines, each then kept in `obstacles`; null for a figure without such texts.
    void (*placeTexts)(DrawSurface& surface, const FigureArea& area, const ChakraLayout& layout,
                       FigureObstacles& obstacles);
};

class CStarChakraView : public CChakraView {
public:
    // `settings` outlive the pane (the class's); the custom base and planet base are switched off.
    CStarChakraView(QWidget* parent, const StarChakraFigure& figure, ChakraBaseSettings& settings);

    bool RunCommand(int command) override;
    void BuildMenu(QMenu& menu) override;

    int Group() const { return m_nGroup; }
    ChakraBaseSettings& Settings() const { return m_settings; }
    // The base star of the last drawing, 0-27 (-1 before one).
    int BaseStar() const { return m_nBaseStar; }
    // The star cell of place 0-27 in the last drawing's layout, pixels.
    Rect PlaceCell(int place) const;

    // The command ids of the base entries of the menu.
    static constexpr int kCmdBasePlanet = kCmdChakraBasePlanet;
    static constexpr int kCmdBodyVarga = kCmdChakraBodyVarga;
    static constexpr int kCmdCustomBase = kCmdChakraCustomBase;

protected:
    void DrawChakra(DrawSurface& surface, CTavroDoc& document) override;

private:
    // Where the figure is drawn in the last layout.
    FigureArea Area() const;
    // The star names, each then kept in `obstacles`; gives the height of their font, pixels.
    int DrawStars(DrawSurface& surface, const FigureArea& area, FigureObstacles& obstacles) const;
    // The labels of the shown group: bodies as the child chart `varga` of the chosen division holds
    // them, sahamas (which no child chart holds) at their own places in that division of `chart`.
    std::vector<ChakraLabel> GroupLabels(const CChart& chart, const CChart& varga) const;
    // The group's labels at their slots, no taller than the star names (`namesHeight` pixels), each moved
    // clear of `obstacles` and then kept there too.
    void DrawBodies(DrawSurface& surface, const FigureArea& area, const std::vector<ChakraLabel>& labels,
                    int namesHeight, FigureObstacles& obstacles) const;

    const StarChakraFigure& m_figure;
    ChakraBaseSettings& m_settings;
    int m_nGroup = kGroupPlanets;
    int m_nBaseStar = -1;
};
