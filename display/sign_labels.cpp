#include "display/sign_labels.h"

#include <algorithm>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "core/body_names.h"
#include "display/chart_colors.h"
#include "display/chart_label_text.h"
#include "display/drawing_factors.h"
#include "display/label_placement.h"
#include "display/label_spacing.h"
#include "display/styled_text.h"

namespace {

constexpr double kSmallFontFactor = 0.85;     // small labels of a single chart
constexpr double kTwoChartSmallHeight = 0.95; // small labels of a two-chart view
constexpr double kBlurScale = 0.85;           // below this chart scale small screen labels keep their font
constexpr double kSelectedFactor = 1.33;      // a selected planet is drawn larger
constexpr int kLabelInset = 2;
// A label's font is at most this many slot heights tall, so that neighbouring slots stay readable.
constexpr double kLargestFontPerSlot = 1.3;
// Charts drawn at less than this scale are the twelve charts of a split tab on a screen up to 1600 x 1000:
// a small cell of theirs (a North Indian triangle 30 pixels high) holds no more than five or six grahas
// apart at the crowded height.
constexpr double kSplitTabChartScale = 0.4;
// Pixels a label of a crowded cell in the twelve charts of a split tab may reach over the cell's lines:
// less than half the height of its letters at the crowded height, so that its middle stays in its cell.
constexpr int kReachOverLines = 3;
// Pixels the room of a crowded cell's grahas is widened by before any reaches over a line: the clearance
// and the pixel a label's ink is taken to reach past its advance, so that its letters may touch a line.
constexpr int kTouchingLines = kLabelClearance + 1;
// Pixels of the cell's colour round the letters of a label drawn over a line or a text.
constexpr int kHaloWidth = 1;

// The planet whose hit rectangle and highlight a body stands for: 0-9 themselves, the graha arudhas
// 83-91 their planet 1-9; -1 for every other body.
int LabelledPlanet(int body) {
    if (body >= 0 && body < kLabelledBodies) return body;
    if (body >= 83 && body <= 91) return body - 82;
    return -1;
}

bool UsesChartFontB(int body) {
    return body < kLabelledBodies || (body >= 83 && body < kNamedBodyCount);
}

// The font, made smaller when it is taller than its slot allows, yet legible.
LogicalFont FittedToSlot(const LogicalFont& font, const LabelSlot& slot) {
    return LegibleFont(FontNoTallerThan(font, static_cast<int>(slot.height * kLargestFontPerSlot)));
}

Rect SlotBox(const LabelSlot& slot) {
    return Rect{slot.x + kLabelInset, slot.y + kLabelInset, slot.x + slot.width, slot.y + slot.height};
}

// The small-label font and box of a single or two-chart view.
void AdjustSmallLabel(bool twoChart, LogicalFont& font, Rect& box) {
    if (twoChart) {
        ScaleFontFields(font, kTwoChartSmallHeight, 1.0, 1.0);
        box.top -= kLabelInset;
    } else if (!g_bPrinting && g_dChartScale < kBlurScale) {
        box.top -= kLabelInset;
    } else {
        ScaleFontFields(font, kSmallFontFactor, kSmallFontFactor, 1.0);
    }
}

// The box a relationship mark fills behind a planet's label.
Rect RelationBox(const Rect& label) {
    const int left = label.left - label.Width() / 6;
    return Rect{left, label.top, label.right - (label.right - left) / 6, label.bottom + label.Height() / 4};
}

struct PendingLabel {
    std::string text;
    TextStyle style;
    int body;            // -1 for a user's extra point
    int planet;          // the planet whose hit rectangle the label gives; -1 for none
    bool small = false;  // a label of the small slots
    bool clear = false;  // placed clear of the lines and of every text placed before it
    bool haloed = false; // its letters stand on a line or on another text
};

// The lagna and the nine grahas themselves; their arudhas and every other point are lesser labels.
bool IsGraha(const PendingLabel& label) {
    return label.planet >= 0 && label.planet == label.body;
}

// The least height a crowded label is lowered to from `height`: a graha keeps the legible height, where
// its capitals are 5 pixels high; a lesser label goes lower rather than stand on a graha.
int CrowdedHeightOf(const PendingLabel& label, int height) {
    return CrowdedTextHeight(height, IsGraha(label) ? kLegibleTextHeight : kLesserCrowdedTextHeight);
}

// The order in which labels claim the clear places of a cell: the lagna and the nine grahas, their
// arudhas, the other points, the small labels.
int ClaimOrder(const PendingLabel& label) {
    if (label.planet >= 0) return IsGraha(label) ? 0 : 1; // a graha arudha stands for its planet
    return label.small ? 3 : 2;
}

void DrawLabel(const SignLabelTarget& target, int sign, const PendingLabel& label) {
    ChartDrawState& state = target.state;
    TextStyle style = label.style;
    const int planet = label.planet;
    if (planet >= 0) state.bodyLabelRect[target.pane][planet] = style.Box();
    if (planet >= 1 && state.paneRelations[target.pane]) {
        const int relation = state.bodyRelation[planet];
        target.surface.FillRect(RelationBox(style.Box()), state.relationBackColor[relation]);
        style.color = state.relationTextColor[relation];
    }
    // A label over a line or a text keeps its letters whole: what is under it stops short of them.
    if (label.haloed) target.surface.SetTextHalo(CellColor(state, target.pane, sign), kHaloWidth);
    DrawStyledText(target.surface, label.text, style);
    if (label.haloed) target.surface.SetTextHalo(0, 0);
}

// Each label measured in its font, then moved or shrunk where the cell is crowded (FitLabels); the
// style's box becomes the text's extent, which the hit test uses.
void FitToCell(const SignLabelTarget& target, std::vector<PendingLabel>& labels, const CPolygonRegion& cell,
               const std::vector<Rect>& fixed) {
    std::vector<Rect> boxes;
    boxes.reserve(labels.size());
    // Labels of a cell mostly share a font: it is selected once for them (as MeasureStyledText would).
    const LogicalFont* selected = nullptr;
    for (PendingLabel& label : labels) {
        if (!selected || !(*selected == label.style.font)) target.surface.SelectFont(label.style.font);
        selected = &label.style.font;
        label.style.SetBox(target.surface.DrawText(label.text, label.style.Box(), kTextCalcRect));
        boxes.push_back(label.style.Box());
    }
    const std::vector<LabelFit> fits = FitLabels(boxes, &cell, fixed);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        TextStyle& style = labels[i].style;
        if (fits[i].shift == 0 && fits[i].scale == 1.0) continue;
        style.left -= fits[i].shift;
        style.right -= fits[i].shift;
        // Drawn smaller, but not below the legible size: a label of a row that still overflows is moved
        // or made smaller still by PlaceInRoom.
        const double least = g_bPrinting || style.font.height <= 0
                                 ? 0.0
                                 : static_cast<double>(kLegibleTextHeight) / style.font.height;
        const double scale = std::max(fits[i].scale, least);
        if (scale < 1.0) {
            style.font = LegibleFont(FontScaledInProportion(style.font, scale));
            MeasureStyledText(target.surface, labels[i].text, style);
        }
    }
}

Rect Moved(const Rect& box, Point by) {
    return Rect{box.left + by.x, box.top + by.y, box.right + by.x, box.bottom + by.y};
}

// The move that centres `box` on the middle of the convex `room` (the mean of its corners).
Point MoveToMiddle(const Rect& box, const std::vector<Point>& room) {
    if (room.empty()) return Point{};
    long long x = 0, y = 0;
    for (const Point& p : room) x += p.x, y += p.y;
    const int count = static_cast<int>(room.size());
    return Point{static_cast<int>(x / count) - (box.left + box.right) / 2,
                 static_cast<int>(y / count) - (box.top + box.bottom) / 2};
}

// The label `height` pixels high, measured where its slot puts it (`own` is its style there).
void SetHeight(DrawSurface& surface, PendingLabel& label, const TextStyle& own, int height) {
    label.style = own;
    if (height == own.font.height) return;
    label.style.font = FontOfHeight(own.font, height);
    MeasureStyledText(surface, label.text, label.style);
}

void MoveBy(PendingLabel& label, Point move) {
    label.style.SetBox(Moved(label.style.Box(), move));
}

// The labels lowered to the crowded height, each measured where its slot puts it: only a crowded label
// reaches over a cell's lines.
void LowerToCrowdedHeight(DrawSurface& surface, std::span<PendingLabel> labels) {
    for (PendingLabel& label : labels) {
        const TextStyle own = label.style;
        SetHeight(surface, label, own, CrowdedHeightOf(label, own.font.height));
    }
}

// Where the room is too crowded for a label to stand clear: where it covers least of `taken`, off the
// letters of `kept`; where it covers least of `taken` and `kept` when the room has no such place; centred
// on a room too small for it. Nothing is dropped.
Point CrowdedPlace(const PendingLabel& label, const std::vector<Point>& room, const std::vector<Rect>& taken,
                   const std::vector<Rect>& kept) {
    const Rect box = label.style.Box();
    if (auto move = FindLeastCoveredPlace(box, label.text, room, taken, kept)) return *move;
    if (!kept.empty()) {
        std::vector<Rect> all = taken;
        all.insert(all.end(), kept.begin(), kept.end());
        if (auto move = FindLeastCoveredPlace(box, label.text, room, all)) return *move;
    }
    return MoveToMiddle(box, room);
}

// Each label at the clear place nearest its slot, in its own font or else the highest lower one that finds
// one, down to the crowded height; its letters added to `taken`. False when one finds none, the labels
// and `taken` then as they were.
bool PlaceEachNearItsSlot(DrawSurface& surface, std::span<PendingLabel> labels,
                          const std::vector<Point>& room, std::vector<Rect>& taken) {
    const std::vector<PendingLabel> own(labels.begin(), labels.end());
    const std::size_t before = taken.size();
    for (PendingLabel& label : labels) {
        const TextStyle style = label.style;
        std::optional<Point> move;
        const auto fits = [&](int height) {
            SetHeight(surface, label, style, height);
            move = FindClearPlace(label.style.Box(), label.text, room, taken);
            return move.has_value();
        };
        if (!GreatestFittingHeight(style.font.height, CrowdedHeightOf(label, style.font.height), fits)) {
            std::copy(own.begin(), own.end(), labels.begin());
            taken.resize(before);
            return false;
        }
        MoveBy(label, *move);
        TakePlace(label.style.Box(), taken);
    }
    return true;
}

// The labels packed from the top left of the room, each at the first clear place in rows or, where rows
// leave one without, in columns, all in one height: the highest at which every one finds a place, down to
// the crowded height (CrowdedHeightOf). Labels that find none even at that height (in the order that leaves
// fewer so) take the first clear place in `overflow` (the room reaching over the cell's lines) where one is
// given, else stand where they cover least of the others and of `taken`. The letters of all are added to
// `taken`. False when one finds no clear place in the room.
bool PackInRowsOrColumns(DrawSurface& surface, std::span<PendingLabel> labels, const std::vector<Point>& room,
                         std::vector<Rect>& taken, const std::vector<Point>* overflow = nullptr) {
    const std::vector<PendingLabel> own(labels.begin(), labels.end());
    const std::size_t before = taken.size();
    int highest = 0;
    for (const PendingLabel& label : own) highest = std::max(highest, label.style.font.height);
    // The labels packed `height` high in `order`: how many find no clear place in the room, counted once,
    // and those of them that find none in the overflow either, counted as more than all the labels.
    const std::vector<Point>& outside = overflow ? *overflow : room;
    const auto packIn = [&](int height, PackOrder order) {
        taken.resize(before);
        std::vector<std::size_t> crowded;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            SetHeight(surface, labels[i], own[i].style, std::min(height, own[i].style.font.height));
            const std::optional<Point> move =
                FindFirstClearPlace(labels[i].style.Box(), labels[i].text, room, taken, order);
            if (!move) {
                crowded.push_back(i);
                continue;
            }
            MoveBy(labels[i], *move);
            TakePlace(labels[i].style.Box(), taken);
        }
        std::vector<std::size_t> covering;
        for (const std::size_t i : crowded) {
            const std::optional<Point> move =
                overflow ? FindFirstClearPlace(labels[i].style.Box(), labels[i].text, *overflow, taken, order)
                         : std::nullopt;
            if (!move) {
                covering.push_back(i);
                continue;
            }
            MoveBy(labels[i], *move);
            TakePlace(labels[i].style.Box(), taken);
        }
        // A graha with no clear place stands on another text rather than on a graha, where it can.
        std::vector<Rect> texts(taken.begin(), taken.begin() + static_cast<std::ptrdiff_t>(before));
        std::vector<Rect> grahas(taken.begin() + static_cast<std::ptrdiff_t>(before), taken.end());
        for (const std::size_t i : covering) {
            MoveBy(labels[i], CrowdedPlace(labels[i], outside, texts, grahas));
            TakePlace(labels[i].style.Box(), taken);
            grahas.push_back(taken.back());
        }
        return crowded.size() + covering.size() * (labels.size() + 1);
    };
    const auto packs = [&](int height) {
        const std::size_t inRows = packIn(height, PackOrder::kRows);
        if (inRows == 0) return true;
        const std::size_t inColumns = packIn(height, PackOrder::kColumns);
        if (inColumns > inRows) packIn(height, PackOrder::kRows);
        return inColumns == 0;
    };
    int least = highest;
    for (const PendingLabel& label : own) least = std::min(least, CrowdedHeightOf(label, highest));
    return GreatestFittingHeight(highest, least, packs).has_value();
}

// Every label moved to a place in the cell's room. The lagna and the grahas claim the clear places first,
// each near its slot, or, where that leaves one without, all packed in rows or columns, then so again with
// their letters let touch the cell's lines: they use the whole room before any reaches over a line. Those
// that still find no clear place take one in `wider` (the room reaching over the cell's lines) where it is
// given, else stand over one another. The lesser labels follow in order of importance: each at a clear
// place in its own font or the highest lower one that finds one, in the room, then in `wider`, else where
// it covers least of the other lesser texts, never on a graha's letters nor on one of `grahasBefore` (of
// the cells drawn before, which may reach in). A label that stands on a line or on another text comes back
// marked for a halo. Labels come back in the order they are drawn: the grahas last, over anything else.
std::vector<PendingLabel> PlaceInRoom(DrawSurface& surface, std::vector<PendingLabel> labels,
                                      const std::vector<Point>& room, const std::vector<Point>* wider,
                                      const std::vector<Rect>& fixed, const std::vector<Rect>& grahasBefore) {
    std::stable_sort(labels.begin(), labels.end(), [](const PendingLabel& a, const PendingLabel& b) {
        return ClaimOrder(a) < ClaimOrder(b);
    });
    std::vector<Rect> taken;
    for (const Rect& text : fixed) taken.push_back(LetterBox(text));
    const auto lesser =
        std::find_if(labels.begin(), labels.end(), [](const PendingLabel& l) { return !IsGraha(l); });
    const std::span<PendingLabel> grahas(labels.begin(), lesser);
    bool grahasClear = PlaceEachNearItsSlot(surface, grahas, room, taken);
    if (!grahasClear) {
        const std::vector<PendingLabel> own(grahas.begin(), grahas.end());
        grahasClear = PackInRowsOrColumns(surface, grahas, room, taken);
        if (!grahasClear) {
            taken.resize(fixed.size());
            std::copy(own.begin(), own.end(), grahas.begin());
            PackInRowsOrColumns(surface, grahas, WidenedRoom(room, kTouchingLines), taken, wider);
        }
    }
    for (PendingLabel& graha : grahas) graha.clear = grahasClear;

    // A lesser label never stands on a graha: the cell's own, or one of a cell before that reaches in.
    std::vector<Rect> grahaLetters;
    for (const Rect& graha : grahasBefore) grahaLetters.push_back(LetterBox(graha));
    for (const PendingLabel& graha : grahas) grahaLetters.push_back(LetterBox(graha.style.Box()));
    std::vector<Rect> lesserTaken(taken.begin(), taken.begin() + static_cast<std::ptrdiff_t>(fixed.size()));
    const std::vector<Point>& lesserRoom = wider ? *wider : room;
    for (auto label = lesser; label != labels.end(); ++label) {
        const std::span<PendingLabel> one(label, 1);
        if (PlaceEachNearItsSlot(surface, one, room, taken)) {
            TakePlace(label->style.Box(), lesserTaken);
            label->clear = true;
            continue;
        }
        LowerToCrowdedHeight(surface, one);
        if (!wider || !PlaceEachNearItsSlot(surface, one, lesserRoom, taken)) {
            MoveBy(*label, CrowdedPlace(*label, lesserRoom, lesserTaken, grahaLetters));
            TakePlace(label->style.Box(), taken);
        }
        TakePlace(label->style.Box(), lesserTaken);
    }
    // A label on a line or on another text is drawn with a halo, its letters whole.
    for (PendingLabel& label : labels) {
        if (label.clear) continue;
        const Rect letters = LetterBox(label.style.Box());
        const auto meets = [&](const Rect& other) {
            return other.left < letters.right && letters.left < other.right && other.top < letters.bottom &&
                   letters.top < other.bottom;
        };
        label.haloed =
            !InkInside(label.style.Box(), label.text, room) ||
            std::any_of(fixed.begin(), fixed.end(), [&](const Rect& t) { return meets(LetterBox(t)); }) ||
            std::any_of(labels.begin(), labels.end(), [&](const PendingLabel& other) {
                return &other != &label && meets(LetterBox(other.style.Box()));
            });
    }
    std::reverse(labels.begin(), labels.end());
    return labels;
}

// The texts of `texts` that reach into the bounds of `cell` or `room`, a pixel round them: no other
// text stands in a label's way.
std::vector<Rect> TextsNear(const std::vector<Rect>& texts, const CPolygonRegion& cell,
                            const std::vector<Point>& room) {
    Rect bounds{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    const auto take = [&](Point p) {
        bounds = Rect{std::min(bounds.left, p.x - 1), std::min(bounds.top, p.y - 1),
                      std::max(bounds.right, p.x + 1), std::max(bounds.bottom, p.y + 1)};
    };
    for (int i = 0; i < cell.Count(); ++i) take(cell[i]);
    for (const Point& p : room) take(p);
    std::vector<Rect> near;
    for (const Rect& t : texts)
        if (t.left < bounds.right && bounds.left < t.right && t.top < bounds.bottom && bounds.top < t.bottom)
            near.push_back(t);
    return near;
}

} // namespace

bool TakesSmallSlot(int body) {
    return (body >= 48 && body <= 58) || (body >= 60 && body <= 82);
}

std::vector<Rect> DrawSignLabels(const SignLabelTarget& target, int sign, const CellSlots& slots) {
    const CChart& chart = target.chart;
    const int pane = target.pane;
    int mainCount = 0;
    int smallCount = 0;
    std::vector<PendingLabel> labels;
    for (int k = 0; k < kExtraPointCount; ++k) {
        if (chart.m_extraName[k] == kNoExtraPoint || chart.m_extraVargaSign[k][target.varga] != sign)
            continue;
        TextStyle style;
        style.SetBox(SlotBox(slots.main(mainCount++)));
        style.color = ColorOf(kColorChartViewSpecialPoint);
        style.format = kTextNoClip;
        style.font = FittedToSlot(g_chartFontA, slots.main(mainCount - 1));
        labels.push_back({chart.m_extraShortName[k], style, -1, -1});
    }
    // The label tables end at body 101; the extra points 102-104 were taken above.
    for (int body = 0; body < kNamedBodyCount; ++body) {
        if (!g_bPaneShowBody[pane][body]) continue;
        const int source = ArudhaPositionSource(chart, body, target.varga, pane);
        if (chart.m_vargaSign.Sign(source, target.varga) != sign) continue;

        TextStyle style;
        style.format = kTextNoClip;
        style.color = target.state.bodyColor[body];
        style.font = UsesChartFontB(body) ? g_chartFontB : g_chartFontA;
        const bool small = TakesSmallSlot(body);
        const LabelSlot slot = small ? slots.small(smallCount++) : slots.main(mainCount++);
        Rect box = SlotBox(slot);
        if (small) {
            style.font = g_chartFontA;
            AdjustSmallLabel(slots.twoChart, style.font, box);
        }
        style.font = FittedToSlot(style.font, slot);
        style.SetBox(box);

        std::string text = BodyLabelText(chart, body, pane);
        if (g_bPaneKarakaLabels[pane] && body >= 1 && body <= 8) {
            text = FormatChartCaption(chart, body, false);
            style.font = FittedToSlot(g_chartFontA, slot);
            style.color = ColorOf(kColorChartViewCharaKaraka);
        }
        const int planet = LabelledPlanet(body);
        if (planet >= 1 && target.state.bodyHighlight[pane][planet]) {
            style.color = ColorOf(kColorChartViewSelectedPlanet);
            ScaleFontFields(style.font, kSelectedFactor, kSelectedFactor, kSelectedFactor);
        }
        labels.push_back({std::move(text), style, body, planet, small});
    }
    const CPolygonRegion& cell = target.state.Region(pane, sign);
    const std::vector<Point> room = LabelRoom(cell, slots.area);
    const bool splitTab = !g_bPrinting && !slots.twoChart && g_dChartScale < kSplitTabChartScale;
    const std::vector<Point> wider = splitTab ? WidenedRoom(room, kReachOverLines) : room;
    const std::vector<Rect> near = TextsNear(slots.fixed, cell, wider);
    std::vector<Rect> grahasBefore;
    for (const Rect& graha : target.state.bodyLabelRect[pane])
        if (graha.Width() > 0) grahasBefore.push_back(graha);
    FitToCell(target, labels, cell, near);
    std::vector<Rect> drawn;
    for (const PendingLabel& label : PlaceInRoom(target.surface, std::move(labels), room,
                                                 splitTab ? &wider : nullptr, near, grahasBefore)) {
        DrawLabel(target, sign, label);
        drawn.push_back(label.style.Box());
    }
    return drawn;
}
