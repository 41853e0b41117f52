#include "views/info/ashtakavarga_page.h"

#include <algorithm>
#include <cstdio>

#include "core/body_names.h"
#include "chart/chart.h"
#include "core/chart_labels.h"
#include "display/chart_captions.h"
#include "display/chart_vocabulary.h"
#include "display/styled_text.h"
#include "shell/display_options.h"
#include "views/info/ashtakavarga_charts.h"
#include "views/info/ashtakavarga_colors.h"
#include "views/info/pane_support.h"

namespace {

constexpr std::uint32_t kFree = kTextLeft | kTextNoClip | kTextNoPrefix; // headers: no clipping, lines kept
constexpr int kHeaderLeft = 10, kHeaderTop = 10;

// The pinda table (unzoomed units): its header row's top on screen and on paper, its rows and columns.
constexpr int kPindaScreenTop = 80, kPindaPrintTop = 20;
constexpr int kPindaRowHeight = 24, kPindaHeaderGap = 10;
constexpr int kPindaColumnLeft = 130, kPindaColumnStep = 100, kPindaColumnWidth = 60;
// The nakshatra table: the first sign's top and the step between signs, each sign two lines.
constexpr int kSignRowsTop = 140, kSignRowStep = 50, kSignLineHeight = 22;
constexpr int kBodyColumnLeft = 65, kBodyColumnStep = 100, kBodyColumnWidth = 60;

std::string Format(const char* format, const std::string& a, const std::string& b = {},
                   const std::string& c = {}) {
    char text[512];
    std::snprintf(text, sizeof text, format, a.c_str(), b.c_str(), c.c_str());
    return text;
}

const char* BodyName(int body) {
    return g_pszChartPlanetNames ? g_pszChartPlanetNames[body] : g_planetNames[body];
}

const char* ShortName(int body) {
    return ChosenPlanetAbbrevs()[body];
}

AvChartFrame FrameOf(const AvPage& page) {
    AvChartFrame frame;
    frame.chart = &page.chart;
    frame.varga = page.choice.varga;
    frame.highlightVarga = page.choice.highlightVarga;
    frame.highlightPlanetRasi = page.choice.highlightPlanetRasi;
    frame.style = std::clamp(g_nChartStyle, 0, 4);
    return frame;
}

const CAshtakavarga& Record(const AvPage& page) {
    return page.chart.m_ashtakavarga;
}

int Varga(const AvPage& page) {
    return std::clamp(page.choice.varga, 0, kVargaColumnCount - 1);
}

// The page's header from (10, 10) of the window; the text keeps its own line breaks.
void DrawHeader(DrawSurface& surface, const std::string& text, const LogicalFont& font, int top = kHeaderTop) {
    DrawAvText(surface, text, ScaledByFontSize(Rect{kHeaderLeft, top, 900, top + 60}), kAvColorHeader, font,
               kFree);
}

// A table cell of the pinda and nakshatra tables (unzoomed units).
void DrawCell(DrawSurface& surface, const std::string& text, const Rect& rect, int color, const LogicalFont& font,
              std::uint32_t format) {
    DrawAvText(surface, text, ScaledByFontSize(rect), color, font, format);
}

std::string Number(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return text;
}

} // namespace

int AvReferenceSign(const CChart& chart, int varga) {
    const int v = std::clamp(varga, 0, kVargaColumnCount - 1);
    return (chart.m_vargaSign.Sign(0, v) + chart.m_ashtakavarga.m_referenceShift[v]) % 12;
}

int AvProductNakshatra(int product) {
    const int n = product % 27;
    return n == 0 ? 27 : n;
}

int AvProductRasi(int product) {
    const int n = product % 12;
    return n == 0 ? 12 : n;
}

Rect AvTableBounds(int form, bool printing) {
    if (form == kNakshatraForm) {
        const int lastRight =
            kBodyColumnLeft + kBodyColumnStep * (kAshtakavargaPoints - 1) + kBodyColumnWidth;
        return Rect{0, 0, lastRight, kSignRowsTop + kSignRowStep * 11 + 2 * kSignLineHeight};
    }
    const int top = printing ? kPindaPrintTop : kPindaScreenTop;
    return Rect{0, 0, kPindaColumnLeft + kPindaColumnStep * 2 + kPindaColumnWidth,
                top + kPindaRowHeight + kPindaHeaderGap + kPindaRowHeight * kAshtakavargaPoints};
}

std::string AvChartsHeader(const CChart& chart, const AshtakavargaChoice& choice) {
    const int v = std::clamp(choice.varga, 0, kVargaColumnCount - 1);
    std::string text = Format("%s of the %s", VargaLabel(v), chart.m_strTitle) + "\n";
    const char* kind = choice.sodhita ? "Sodhita (reduced)" : "Bhinna";
    const char* abbrev = choice.sodhita ? "SoAV" : "BAV";
    const std::string reference = g_signNames[AvReferenceSign(chart, v)];
    text += Format("%s ashtakavarga (%s) - with reference to %s.", kind, abbrev, reference);
    if (choice.highlightPlanetRasi)
        text += Format("\nPositions in %s are highlighted.",
                       VargaLabel(std::clamp(choice.highlightVarga, 0, kVargaColumnCount - 1)));
    return text;
}

std::string AvPavHeader(const CChart& chart, const AshtakavargaChoice& choice) {
    const int v = std::clamp(choice.varga, 0, kVargaColumnCount - 1);
    std::string text =
        Format("Prastara (spread-out) ashtakavarga or PAV given below belongs to\n%s of the %s. The %s house is "
               "used instead of lagna.",
               VargaLabel(v), chart.m_strTitle, HouseOrdinal(chart.m_ashtakavarga.m_referenceShift[v] % 12 + 1));
    if (choice.highlightPlanetRasi)
        text += Format("\nHighlighting of the rasi occupied by the planet is based on the positions in %s.",
                       VargaLabel(std::clamp(choice.highlightVarga, 0, kVargaColumnCount - 1)));
    return text;
}

void DrawAvChartsPage(DrawSurface& surface, const AvPage& page) {
    if (page.printing) {
        DrawHeader(surface, "Ashtakavarga of Rasi Chart:", AvFont(1.1, 1.1, 2.5));
    } else {
        const std::string header = AvChartsHeader(page.chart, page.choice);
        const std::size_t firstBreak = header.find('\n');
        const LogicalFont first = AvFont(1.1, 1.1, 1.5);
        DrawHeader(surface, header.substr(0, firstBreak), first);
        surface.SelectFont(ScaledStyleFont(first));
        const int lineHeight = surface.TextExtent("Ag").cy;
        DrawHeader(surface, header.substr(firstBreak + 1), AvFont(1.2, 1.2, 1.2),
                   kHeaderTop + lineHeight * 3 / 2 * 100 / std::max(FontSizePercent(), 1));
    }
    const CAshtakavarga& av = Record(page);
    const int v = Varga(page);
    const AvChartFrame frame = FrameOf(page);
    for (int b = 0; b < kAshtakavargaPoints; ++b) {
        const SignBindus& bindus = page.choice.sodhita ? av.m_reducedBhinna[v][b] : av.m_bhinna[v][b];
        DrawAvNumberChart(surface, frame, page.cells[b + 1], bindus, ShortName(b), b);
    }
    DrawAvNumberChart(surface, frame, page.cells[0], page.choice.sodhita ? av.m_reducedSarva[v] : av.m_sarva[v],
                      "SAV", kAvNoBody);
}

void DrawAvPavPage(DrawSurface& surface, const AvPage& page) {
    DrawHeader(surface, AvPavHeader(page.chart, page.choice), AvFont(1.1, 1.1, 1.5));
    const int planet = std::clamp(page.choice.pavPlanet, 0, kAshtakavargaPoints - 1);
    DrawAvPavChart(surface, FrameOf(page), page.pavRect, Record(page).m_prastara[Varga(page)][planet],
                   BodyName(planet), planet);
}

void DrawAvPindaTable(DrawSurface& surface, const AvPage& page) {
    const int v = Varga(page);
    int top = kPindaPrintTop;
    if (!page.printing) {
        DrawCell(surface, Format("Based on %s of the %s:", VargaLabel(v), page.chart.m_strTitle),
                 Rect{30, 20, 90, 44}, kAvColorChartTitle, AvFont(1.5, 1.5, 1.5), kFree);
        top = kPindaScreenTop;
    }
    const LogicalFont headerFont = AvFont(1.0, 1.0, 3.0);
    constexpr std::uint32_t kLeftLine = kTextLeft | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
    constexpr std::uint32_t kCentreLine = kAvCentred | kTextNoClip;
    const auto column = [](int k, int top) {
        const int left = kPindaColumnLeft + kPindaColumnStep * k;
        return Rect{left, top, left + kPindaColumnWidth, top + kPindaRowHeight};
    };
    DrawCell(surface, "Planet", Rect{30, top, 90, top + kPindaRowHeight}, kAvColorChartTitle, headerFont,
             kLeftLine);
    const char* const headers[3] = {"Sodhya Pinda", "Rasi Pinda", "Graha Pinda"};
    for (int k = 0; k < 3; ++k)
        DrawCell(surface, headers[k], column(k, top), kAvColorChartTitle, headerFont, kCentreLine);
    const LogicalFont font = AvFont(1.0, 1.0, 1.0);
    const CAshtakavarga& av = Record(page);
    for (int b = 0; b < kAshtakavargaPoints; ++b) {
        const int rowTop = top + kPindaRowHeight + kPindaHeaderGap + kPindaRowHeight * b;
        DrawCell(surface, BodyName(b), Rect{30, rowTop, 90, rowTop + kPindaRowHeight}, kAvColorChartText,
                 font, kLeftLine);
        const int values[3] = {av.m_sodhyaPinda[v][b], av.m_rasiPinda[v][b], av.m_grahaPinda[v][b]};
        for (int k = 0; k < 3; ++k)
            DrawCell(surface, Number(values[k]), column(k, rowTop), kAvColorChartText, font, kCentreLine);
    }
}

void DrawAvNakshatraTable(DrawSurface& surface, const AvPage& page) {
    const int v = Varga(page);
    const LogicalFont font = AvFont(1.0, 1.0, 1.0);
    constexpr std::uint32_t kLeftLine = kTextLeft | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
    constexpr std::uint32_t kCentreLine = kAvCentred | kTextNoClip;
    DrawCell(surface, Format("Based on %s of the %s:", VargaLabel(v), page.chart.m_strTitle), Rect{5, 5, 65, 35},
             kAvColorChartTitle, font, kLeftLine);
    DrawCell(surface,
             "By multiplying the sodhya pinda of a planet and the score in its ashtakavarga in a rasi, we get a "
             "number. By dividing\r\nit with 27 and 12, we get a nakshatra or rasi. Transit of Jupiter/Saturn in "
             "it is good/bad for the matters signified by\r\nthe relevant house from the planet. For example, use "
             "Sun's sodhya pinda and the 9th from Sun for father.",
             Rect{5, 40, 65, 112}, kAvColorHelp, font, kFree);
    const auto column = [](int b, int top, int height) {
        const int left = kBodyColumnLeft + kBodyColumnStep * b;
        return Rect{left, top, left + kBodyColumnWidth, top + height};
    };
    DrawCell(surface, "Rasi", Rect{5, 110, 65, 134}, kAvColorChartTitle, font, kLeftLine);
    for (int b = 0; b < kAshtakavargaPoints; ++b)
        DrawCell(surface, BodyName(b), column(b, 110, 24), kAvColorChartTitle, font, kCentreLine);
    const CAshtakavarga& av = Record(page);
    const char* const* nakshatras = g_pszChartNakshatraNames ? g_pszChartNakshatraNames : g_nakshatraShortNames;
    const char* const* signs = g_pszSignNames ? g_pszSignNames : g_signAbbrevs;
    for (int s = 0; s < 12; ++s) {
        const int top = kSignRowsTop + kSignRowStep * s;
        DrawCell(surface, signs[s], Rect{5, top, 65, top + kSignLineHeight}, kAvColorChartText, font,
                 kLeftLine);
        for (int b = 0; b < kAshtakavargaPoints; ++b) {
            const int product = av.m_bhinna[v][b][s] * av.m_sodhyaPinda[v][b];
            const Rect cell = column(b, top, kSignLineHeight);
            DrawCell(surface, nakshatras[AvProductNakshatra(product) - 1], cell, kAvColorChartText, font, kCentreLine);
            DrawCell(surface, g_signNames[AvProductRasi(product) - 1],
                     Rect{cell.left, cell.bottom, cell.right, cell.bottom + kSignLineHeight},
                     kAvColorChartText, font, kCentreLine);
        }
    }
}
