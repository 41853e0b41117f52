// The chart view's "Copy chart" commands: the chart of the pane under the last right click as text on
// the clipboard, and as a picture (the pane as on the screen, or a book picture of two charts with a
// legend) saved to a file or put on the clipboard. Pictures are drawn through the drawing surface,
// the same path as the screen and the printer.
#include <QMenu>
#include <cstdio>

#include "chart/chart.h"
#include "core/chart_labels.h"
#include "core/computed_bodies.h"
#include "core/printed_angle.h"
#include "display/chart_commands.h"
#include "display/chart_label_text.h"
#include "display/chart_menu_entries.h"
#include "display/chart_renderers.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "display/drawing_factors.h"
#include "display/menu_commands.h"
#include "display/styled_text.h"
#include "display/text_charts.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/painter_surface.h"
#include "shell/display_fonts.h"

namespace {

// Everything a picture changes to draw it, put back when it goes out of scope, however the drawing
// ends: the drawing factors and capture flags, the chart scale and fonts, the chart language with the
// display fonts and labels, and the pane's karaka labels and shown bodies.
class PictureDrawingState {
public:
    PictureDrawingState(ChartDrawState& state, int pane)
        : m_state(state), m_pane(pane), m_scaleX(g_dDrawScaleX), m_scaleY(g_dDrawScaleY),
          m_scaledCapture(g_bScaledCapture), m_printInBlack(g_bPrintInBlack),
          m_centreBirthData(state.centreBirthData), m_chartScale(g_dChartScale), m_fontA(g_chartFontA),
          m_fontB(g_chartFontB), m_language(g_nChartLanguage), m_displayFonts(g_displayFonts),
          m_displayFontDefaults(g_displayFontDefaults), m_karakaLabels(g_bPaneKarakaLabels[pane]),
          m_showBody(g_bPaneShowBody[pane]) {}
    ~PictureDrawingState() {
        g_dDrawScaleX = m_scaleX;
        g_dDrawScaleY = m_scaleY;
        g_bScaledCapture = m_scaledCapture;
        g_bPrintInBlack = m_printInBlack;
        m_state.centreBirthData = m_centreBirthData;
        if (g_nChartLanguage != m_language) {
            g_nChartLanguage = m_language;
            SelectChartLanguage(m_language);
        }
        g_displayFonts = m_displayFonts;
        g_displayFontDefaults = m_displayFontDefaults;
        g_dChartScale = m_chartScale;
        g_chartFontA = m_fontA;
        g_chartFontB = m_fontB;
        g_bPaneKarakaLabels[m_pane] = m_karakaLabels;
        g_bPaneShowBody[m_pane] = m_showBody;
    }
    PictureDrawingState(const PictureDrawingState&) = delete;
    PictureDrawingState& operator=(const PictureDrawingState&) = delete;

    const std::array<std::uint8_t, kBodyCount>& ShownBefore() const { return m_showBody; }

private:
    ChartDrawState& m_state;
    int m_pane;
    double m_scaleX;
    double m_scaleY;
    bool m_scaledCapture;
    bool m_printInBlack;
    bool m_centreBirthData;
    double m_chartScale;
    LogicalFont m_fontA;
    LogicalFont m_fontB;
    int m_language;
    std::array<LogicalFont, kDisplayFontCount> m_displayFonts;
    std::array<LogicalFont, kDisplayFontCount> m_displayFontDefaults;
    std::uint8_t m_karakaLabels;
    std::array<std::uint8_t, kBodyCount> m_showBody;
};

// The points a book picture adds to the lagna and the nine grahas.
constexpr int kBookPoints[] = {kHoraLagna, kGhatiLagna, kSreeLagna, kMaandi, kGulika, kArudhaLagna};

// The chart font of a book picture at resolution k: Arial 18 x 7 pixels at the screen's resolution.
LogicalFont BookChartFont(int k) {
    LogicalFont font;
    font.faceName = "Arial";
    font.height = 18 * k;
    font.width = 7 * k;
    font.weight = 400;
    return font;
}

// The legend below a book picture's charts: the lagna, the nine grahas, Hora Lagna and Ghati Lagna in
// four columns, each with its place in `positions` (degrees, sign, minutes) and, for Sun to Rahu, its
// chara karaka; "(R)" marks a body retrograde in `chart`. The columns share the width of both charts:
// a place with its karaka is wider than a quarter of one chart and would run into the next entry.
void DrawPictureLegend(DrawSurface& surface, const CChart& chart, const CChart& positions, int k) {
    constexpr int kLegendBodies[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, kHoraLagna, kGhatiLagna};
    constexpr const char* kLegendLabels[] = {"As", "Su", "Mo", "Ma", "Me", "Ju",
                                             "Ve", "Sa", "Ra", "Ke", "HL", "GL"};
    constexpr ColorRef kLegendColor = 0x0A0A0A;
    const int columnWidth = 650 * k / 4;
    const int rowHeight = 20 * k;
    for (int i = 0; i < 12; ++i) {
        const int body = kLegendBodies[i];
        const int left = 6 * k + columnWidth * (i % 4);
        const int top = 332 * k + rowHeight * (i / 4);
        TextStyle label;
        label.SetBox(Rect{left, top, left + columnWidth, top + rowHeight});
        label.color = kLegendColor;
        label.format = kTextNoClip;
        label.font = ScaledFont(g_chartFontA, 1.0, 1.0, 1.5);
        const std::string name = kLegendLabels[i];
        DrawStyledText(surface, chart.m_bodies[body].m_bRetrograde ? name + " (R): " : name + ": ", label);

        // Rounded to the minute as a whole: 29 59' 45" is the next sign's 0 00', never 29 60.
        const PrintedDms place =
            SplitPrintedLongitude(positions.m_bodies[body].m_dLongitude, DmsField::kMinutes);
        const std::string karaka = body >= 1 && body <= 8 ? FormatChartCaption(chart, body, true) : "";
        char value[96];
        std::snprintf(value, sizeof value, "%2d %s %02d%s", place.degrees, g_pszSignNames[place.sign],
                      place.minutes, karaka.c_str());
        TextStyle text = label;
        const int valueLeft = left + 2 * columnWidth / 5;
        text.SetBox(Rect{valueLeft, top, valueLeft + columnWidth, top + rowHeight});
        text.font = ScaledFont(g_chartFontA, 1.0, 0.9, 1.0);
        DrawStyledText(surface, value, text);
    }
}

} // namespace

std::string g_strChartTextRasi;
std::string g_strChartTextAll;

std::string CChartView::FormatChartText(int varga) const {
    const CChart* chart = PaneChart(m_nCurPane);
    return chart ? ::FormatChartText(*chart, varga, g_nChartStyle) : std::string();
}

void CChartView::GetChartText(bool allVargas) {
    g_strChartTextRasi.clear();
    g_strChartTextAll.clear();
    m_bAllVargasText = allVargas;
    const CChart* chart = PaneChart(m_nCurPane);
    if (!chart) return;
    ChartTexts texts = FormatChartTexts(*chart, allVargas, g_nChartStyle);
    g_strChartTextRasi = std::move(texts.rasi);
    g_strChartTextAll = std::move(texts.all);
}

bool CChartView::CopyChartAsText(bool allStyles) {
    const CChart* chart = PaneChart(m_nCurPane);
    if (!chart) return false;
    const int varga = g_nPaneVarga[m_nCurPane];
    const std::string text = allStyles ? FormatChartTextAllStyles(*chart, varga) : FormatChartText(varga);
    if (PutTextOnClipboard(text)) return true;
    MessageBox(this, "Unable to set Clipboard data", "Error", MessageIcon::kError);
    return false;
}

QImage CChartView::RenderChartPicture(ChartPicture picture, int k) {
    ImageSurface image(LayOutChartPicture(picture, k).size);
    DrawChartPicture(image.Surface(), picture, k);
    return image.Image();
}

void CChartView::DrawChartPicture(DrawSurface& surface, ChartPicture picture, int k) {
    const int pane = m_nCurPane;
    const ChartPictureLayout layout = LayOutChartPicture(picture, k);
    // Every pixel of the picture is white before anything is drawn.
    surface.FillRect(Rect{0, 0, layout.size.cx, layout.size.cy}, Rgb(255, 255, 255));
    CChart* chart = PaneChart(pane);
    if (!chart) return;
    const PictureDrawingState saved(m_state, pane);
    // The picture is laid out at its own scale, so fonts and rectangles need no further scaling.
    g_bScaledCapture = true;
    g_dDrawScaleX = 1.0;
    g_dDrawScaleY = 1.0;
    const int varga = g_nPaneVarga[pane];
    if (picture == ChartPicture::kAsOnScreen) {
        SetChartScale(k);
        DrawChart(surface, layout.first, varga, *chart, pane, true);
        return;
    }

    m_state.centreBirthData = true;
    g_bPaneKarakaLabels[pane] = 0;
    auto& shown = g_bPaneShowBody[pane];
    shown.fill(0);
    for (int body = 0; body <= kKetu; ++body) shown[body] = 1;
    for (const int body : kBookPoints)
        shown[body] = picture == ChartPicture::kSouthNorth ? 1 : saved.ShownBefore()[body];
    if (picture == ChartPicture::kSouthNorth && g_nChartLanguage != kChartLanguageEnglish) {
        g_nChartLanguage = kChartLanguageEnglish;
        CreateDisplayFonts();
    }
    // The chart fonts of a screen pane as large as the picture's charts; font A then the book's own.
    SetChartScale(layout.first.Width() / 360.0);
    g_chartFontA = BookChartFont(k);
    if (picture == ChartPicture::kSouthNorth) g_chartFontB = BookChartFont(k);
    g_bPrintInBlack = true;
    if (picture == ChartPicture::kSouthNorth) {
        DrawSouthIndianChart(surface, m_state, layout.first, varga, *chart, pane, true, false);
        DrawNorthIndianChart(surface, m_state, layout.second, varga, *chart, pane, false, false);
        DrawPictureLegend(surface, *chart, *chart->GetVargaChart(varga), k);
    } else {
        DrawChartInStyle(surface, layout.first, 0, *chart, pane);
        DrawChartInStyle(surface, layout.second, 1, *chart, pane);
        DrawPictureLegend(surface, *chart, *chart, k);
    }
}

void CChartView::DrawChartInStyle(DrawSurface& surface, const Rect& rect, int varga, const CChart& chart,
                                  int pane) {
    switch (g_nChartStyle) {
    case 0:
    case 1:
        DrawSouthIndianChart(surface, m_state, rect, varga, chart, pane, g_nChartStyle == 0, false);
        break;
    case 2:
        DrawNorthIndianChart(surface, m_state, rect, varga, chart, pane, true, false);
        break;
    case 3:
    case 4:
        DrawEastChart(surface, m_state, rect, varga, chart, pane, g_nChartStyle == 4, false);
        break;
    default:
        break;
    }
}

bool CChartView::SaveChartPicture(ChartPicture picture, int k) {
    if (!PaneChart(m_nCurPane)) return false;
    const PictureDialogs& dialogs = ChartPictureDialogs();
    if (picture != ChartPicture::kAsOnScreen) {
        // The chart file's name (without its folder) is offered as the title in the chart's centre.
        const std::string base = ChartBaseName();
        g_strChartCentreCaption = base.substr(base.find_last_of("/\\") + 1);
        if (const std::optional<std::string> title = dialogs.askTitle(this, g_strChartCentreCaption))
            g_strChartCentreCaption = *title;
    }
    const QImage image = RenderChartPicture(picture, k);
    Invalidate();
    const std::optional<PictureTarget> target = dialogs.chooseFile(this);
    if (!target) return true;
    const std::string path = PictureFileName(target->path, target->format);
    const FileWriteResult saved =
        SaveChartPictureFile(image, path, target->format, PicturePixelsPerMetre(picture, k));
    if (saved.ok) return true;
    MessageBox(this, "Failed to save bitmap\n\n" + saved.message, "Error", MessageIcon::kError);
    return false;
}

bool CChartView::CopyChartPicture() {
    if (!PaneChart(m_nCurPane)) return false;
    const QImage image = RenderChartPicture(ChartPicture::kAsOnScreen, kScreenPicture);
    Invalidate();
    if (PutImageOnClipboard(image)) return true;
    MessageBox(this, "Unable to set Clipboard data", "Error", MessageIcon::kError);
    return false;
}

bool CChartView::RunCopyCommand(int command) {
    switch (command) {
    case kCmdCopyChartText:
        CopyChartAsText(false);
        return true;
    case kCmdCopyChartTextAllStyles:
        CopyChartAsText(true);
        return true;
    default:
        break;
    }
    for (const PictureCommand& entry : PictureCommands()) {
        if (entry.command != command) continue;
        SaveChartPicture(entry.picture, entry.k);
        return true;
    }
    return false;
}
