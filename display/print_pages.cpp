#include "display/print_pages.h"

#include <cstdio>
#include <filesystem>

#include "display/chart_source.h"
#include "display/drawing_factors.h"
#include "display/report_flow.h"
#include "display/styled_text.h"
#include "document/dasa_codes.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/report_dispatch.h"
#include "platform/document_base.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/display_fonts.h"

int g_nPrintPageMask = 0;
bool g_bPrintViewContent = false;
int g_nPrintMarginX = 0;
int g_nPrintMarginY = 0;
int g_nPrintAreaWidth = 0;
int g_nPrintAreaHeight = 0;

namespace {

bool AskWithChartTitleDialog(std::string& name) {
    CChartTitleDlg dialog(nullptr);
    dialog.m_strText = name;
    if (!dialog.DoModal()) return false;
    name = dialog.m_strText;
    return true;
}

// Dasa codes of the report pages.
constexpr int kNarayanaCode = 25;
constexpr int kSudasaCode = 28;
constexpr int kDrigdasaCode = 29;
constexpr int kLagnaKendradiCode = 30;
constexpr int kShoolaCode = 38;
constexpr int kNiryanaShoolaCode = 39;
constexpr int kMoolaCode = 60;
constexpr int kPatyayiniCode = 65;
constexpr int kTithiAshtottariCode = 69;

// The text font of the print heading and footer: display font 3.
constexpr int kPrintTextFont = 3;
// Room kept between a piece and one it was moved clear of, logical page units (about half a text line).
constexpr int kPieceGap = 8;

// The pages of the running report job, laid out when it begins.
std::vector<ReportPage> g_reportPages;

bool IsReturnChartMode(int mode) {
    return mode == kModeTajaka || mode == kModeTithiPravesha;
}

PrintPiece Dasa(int code, int xNum, int xDen, int yNum, int yDen, double sx, double sy, int tribhagi = -1) {
    return PrintPiece{kDasaReport, code, 0, xNum, xDen, yNum, yDen, sx, sy, true, tribhagi};
}

PrintPiece Piece(int kind, int a, int xNum, int xDen, int yNum, int yDen, double sx, double sy) {
    return PrintPiece{kind, a, 0, xNum, xDen, yNum, yDen, sx, sy, true, -1};
}

// A chart pane of `varga` in print slot `slot` (0-5), placed by the chart view inside the piece.
PrintPiece ChartPane(int varga, int slot, int yNum = 0, int yDen = 1) {
    return PrintPiece{kChartReport, varga, slot, 0, 1, yNum, yDen, 1.0, 1.0, false, -1};
}

std::vector<PrintPiece> BasicsPage(int mode) {
    std::vector<PrintPiece> pieces{
        Piece(kCoreInfoReport, 0, 0, 1, 0, 1, 0.9, 0.7),
        Piece(kBasicInfoReport, 0, 1, 2, 0, 1, 0.8, 0.8),
        ChartPane(kD1Column, 0, 2, 7),
        ChartPane(kD9Column, 1, 2, 7),
    };
    if (mode == kModeTajaka)
        pieces.push_back(Dasa(kPatyayiniCode, 0, 1, 13, 21, 1.0, 1.0));
    else if (mode == kModeTithiPravesha)
        pieces.push_back(Dasa(kTithiAshtottariCode, 0, 1, 13, 21, 1.0, 1.0));
    else
        pieces.push_back(Dasa(kVimsottariCode, 0, 1, 13, 21, 1.0, 1.0, 0));
    return pieces;
}

std::vector<PrintPiece> StrengthsPage(int mode) {
    std::vector<PrintPiece> pieces{
        Piece(kAshtakavargaReport, 0, 0, 1, 0, 1, 1.0, 1.0),
        Piece(kAshtakavargaReport, 1, 51, 100, 1, 100, 0.9, 0.9),
        Piece(kShadbalaReport, 2, 55, 100, 22, 100, 0.9, 0.9),
        Piece(kShadbalaReport, 0, 0, 1, 41, 100, 1.0, 1.0),
        Piece(kStrengthsReport, 1, 0, 1, 75, 100, 0.9, 0.9),
        Piece(kStrengthsReport, 2, 60, 100, 61, 100, 0.9, 0.9),
    };
    if (IsReturnChartMode(mode)) {
        pieces.push_back(Piece(kStrengthsReport, 4, 0, 1, 56, 100, 1.0, 1.0));
        pieces.push_back(Piece(kStrengthsReport, 3, 60, 100, 43, 100, 1.0, 1.0));
        pieces.push_back(Piece(kStrengthsReport, 5, 36, 100, 56, 100, 1.0, 1.0));
    } else {
        pieces.push_back(Piece(kStrengthsReport, 0, 60, 100, 43, 100, 0.9, 0.9));
        pieces.push_back(Piece(kStrengthsReport, 6, 0, 1, 56, 100, 0.9, 0.9));
    }
    return pieces;
}

std::vector<PrintPiece> SixCharts(const std::array<int, 6>& vargas) {
    std::vector<PrintPiece> pieces;
    for (int slot = 0; slot < 6; ++slot) pieces.push_back(ChartPane(vargas[slot], slot));
    return pieces;
}

std::vector<PrintPiece> TwoDasas(int first, int second) {
    return {Dasa(first, 0, 1, 0, 1, 1.0, 1.0), Dasa(second, 0, 1, 1, 2, 1.0, 1.0)};
}

// The Tribhagi variation as a piece wants it, the user's setting back afterwards.
class TribhagiForPiece {
public:
    explicit TribhagiForPiece(int tribhagi) : m_saved(g_bTribhagiVariation) {
        if (tribhagi >= 0) g_bTribhagiVariation = tribhagi == 1;
    }
    ~TribhagiForPiece() { g_bTribhagiVariation = m_saved; }
    TribhagiForPiece(const TribhagiForPiece&) = delete;
    TribhagiForPiece& operator=(const TribhagiForPiece&) = delete;

private:
    bool m_saved;
};

TextStyle PrintTextStyle(double height, double width, double weight) {
    TextStyle style;
    style.font = g_displayFonts[kPrintTextFont];
    ScaleFontFields(style.font, height, width, weight);
    style.color = 0;
    style.format = kTextNoClip;
    return style;
}

// Logical units of the page for printer dots, truncated.
int LogicalX(int dots) {
    return static_cast<int>(dots / g_dDrawScaleX);
}
int LogicalY(int dots) {
    return static_cast<int>(dots / g_dDrawScaleY);
}

void PrintHeading(DrawSurface& surface) {
    surface.SetViewportOrigin(Point{0, 0});
    TextStyle style = PrintTextStyle(1.4, 1.4, 2.0);
    style.SetBox(Rect{LogicalX(g_nPrintMarginX), LogicalY(g_nPrintMarginY), LogicalX(g_nPrintAreaWidth),
                      LogicalY(g_nPrintAreaHeight)});
    DrawStyledText(surface, g_strChartBaseName, style);
    surface.SetViewportOrigin(
        Point{g_nPrintMarginX, g_nPrintMarginY + static_cast<int>(1.5 * style.font.height * g_dDrawScaleY)});
}

// Draws `piece` at the surface's origin, as the report prints it.
void DrawPiece(DrawSurface& surface, const PrintPiece& piece) {
    TribhagiForPiece tribhagi(piece.tribhagi);
    if (piece.scaled)
        DrawViewKindScaled(surface, piece.kind, piece.a, piece.b, piece.scaleY, piece.scaleX);
    else
        DrawViewKind(surface, piece.kind, piece.a, piece.b);
}

// Where the page table puts a piece: dots from the print area's top-left.
Point TablePlace(const PrintPiece& piece) {
    return Point{g_nPrintAreaWidth * piece.xNum / piece.xDen, g_nPrintAreaHeight * piece.yNum / piece.yDen};
}

// Every page of the report on a printer whose printable area is `area` dots: each piece drawn once onto
// an extent surface measuring on `surface`, then the pieces of each page kind flowed onto their pages.
std::vector<ReportPage> LayOutReport(DrawSurface& surface, Size area) {
    const CSavedPrintState restored;
    SetPrintGeometry(area);
    const CPrintingScope printing(g_bBlackPrintingWanted);
    const int gap = static_cast<int>(kPieceGap * g_dDrawScaleY);
    std::vector<ReportPage> pages;
    for (int n = 1, kind; (kind = PageKindOf(static_cast<unsigned>(g_nPrintPageMask), n)) != 0; ++n) {
        std::vector<MeasuredPiece> measured;
        for (const PrintPiece& piece : PiecesOfPage(kind, CurrentMode())) {
            ExtentSurface extent(surface);
            DrawPiece(extent, piece);
            measured.push_back(MeasuredPiece{piece, TablePlace(piece), extent.Boxes()});
        }
        for (ReportPage& page : FlowReportPages(kind, measured, g_nPrintAreaHeight, gap))
            pages.push_back(std::move(page));
    }
    return pages;
}

void PrintPieces(DrawSurface& surface, const ReportPage& page) {
    for (const PlacedPiece& placed : page.pieces) {
        surface.SetViewportOrigin(
            Point{g_nPrintMarginX + placed.origin.x, g_nPrintMarginY + placed.origin.y});
        if (placed.band == Band{}) {
            DrawPiece(surface, placed.piece);
            continue;
        }
        BandSurface band(surface, placed.band);
        DrawPiece(band, placed.piece);
    }
}

void PrintFooter(DrawSurface& surface, int page) {
    surface.SetViewportOrigin(Point{0, 0});
    TextStyle style = PrintTextStyle(0.8, 1.1, 1.0);
    style.SetBox(Rect{LogicalX(g_nPrintMarginX), LogicalY(g_nPrintMarginY + g_nPrintAreaHeight),
                      LogicalX(g_nPrintAreaWidth), LogicalY(g_nPrintAreaHeight + 2 * g_nPrintMarginY)});
    DrawStyledText(surface, g_strChartBaseName, style);
    char number[16];
    std::snprintf(number, sizeof number, "%d", page);
    style.format = kTextRight | kTextNoClip;
    DrawStyledText(surface, number, style);
}

} // namespace

CPrintingScope::CPrintingScope(bool black) {
    g_bPrinting = true;
    g_bPrintInBlack = black;
}

CPrintingScope::~CPrintingScope() {
    g_bPrinting = false;
    g_bPrintInBlack = false;
}

CSavedPrintState::CSavedPrintState()
    : m_printing(g_bPrinting), m_printInBlack(g_bPrintInBlack), m_scaleX(g_dDrawScaleX),
      m_scaleY(g_dDrawScaleY) {}

CSavedPrintState::~CSavedPrintState() {
    g_bPrinting = m_printing;
    g_bPrintInBlack = m_printInBlack;
    g_dDrawScaleX = m_scaleX;
    g_dDrawScaleY = m_scaleY;
}

std::function<bool(std::string& name)> g_askPrintedChartName = AskWithChartTitleDialog;

std::vector<PrintPiece> PiecesOfPage(int pageKind, int mode) {
    const bool returnChart = IsReturnChartMode(mode);
    switch (pageKind) {
    case 1:
        return BasicsPage(mode);
    case 2:
        return StrengthsPage(mode);
    case 3:
        return {Dasa(kAshtottariCode, 0, 1, 0, 1, 1.0, 0.9),
                Dasa(returnChart ? kVimsottariCode : kKalachakraCode, 0, 1, 31, 100, 1.0, 0.9),
                Dasa(returnChart ? kYoginiCode : kMoolaCode, 0, 1, 66, 100, 1.0, 0.9)};
    case 4:
        if (returnChart) return {Dasa(kNarayanaCode, 0, 1, 0, 1, 1.0, 1.0)};
        return TwoDasas(kNarayanaCode, kSudasaCode);
    case 5:
        return TwoDasas(kLagnaKendradiCode, kDrigdasaCode);
    case 6:
        return TwoDasas(kShoolaCode, kNiryanaShoolaCode);
    case 7:
        return {Dasa(kVimsottariCode, 0, 1, 0, 1, 1.0, 0.9, 1)};
    case 8:
        return {Dasa(kYoginiCode, 0, 1, 0, 1, 1.0, 1.0)};
    case 9:
        return SixCharts({kD10Column, kD4Column, kD16Column, kD2Column, kD5Column, kD40Column});
    case 10:
        return SixCharts({kD12Column, kD3Column, kD7Column, kD27Column, kD24Column, kD20Column});
    case 11:
        return SixCharts({kD6Column, kD8Column, kD11Column, kD30Column, kD45Column, kD60Column});
    default:
        return {};
    }
}

int PageKindOf(unsigned mask, int page) {
    int counted = 0;
    for (int bit = 0; bit < 32; ++bit) {
        if (!(mask & (1u << bit))) continue;
        if (++counted == page) return bit + 1;
    }
    return 0;
}

void SetPrintGeometry(Size area) {
    g_nPrintMarginX = area.cx / 32;
    g_nPrintMarginY = area.cy / 40;
    g_nPrintAreaWidth = area.cx - 2 * g_nPrintMarginX;
    g_nPrintAreaHeight = area.cy - 2 * g_nPrintMarginY;
    g_dDrawScaleX = static_cast<double>(g_nPrintAreaWidth) / kLogicalPageWidth;
    g_dDrawScaleY = static_cast<double>(g_nPrintAreaHeight) / kLogicalPageHeight;
}

void InitPrintJob(DrawSurface& surface, CPrintInfo& info) {
    // The name is asked once a job; a preview that draws its pages again keeps it.
    if (!info.repeated) {
        // The file's name without its folders: the heading and footer name the chart, not where it lies.
        if (g_chartSource.baseName)
            g_strChartBaseName = std::filesystem::path(ChartBaseName()).filename().string();
        std::string name = g_strChartBaseName;
        if (g_askPrintedChartName && g_askPrintedChartName(name)) g_strChartBaseName = name;
    }
    g_nPrintPageMask = g_nMaskedPrintPageMap;
    if (IsReturnChartMode(CurrentMode())) g_nPrintPageMask &= kReturnChartPageMask;
    info.currentPage = 1;
    CopyDisplayFontRecords();
    g_reportPages.clear();
    if (g_bPrintViewContent) {
        info.maxPage = 1;
        return;
    }
    g_reportPages = LayOutReport(surface, info.pageArea);
    info.maxPage = static_cast<int>(g_reportPages.size());
}

void PrintChartPage(DrawSurface& surface, CPrintInfo& info) {
    if (g_bPrintViewContent) {
        SetPrintGeometry(info.pageArea);
        const CPrintingScope printing(g_bBlackPrintingWanted);
        PrintHeading(surface);
        return;
    }
    const CSavedPrintState restored;
    SetPrintGeometry(info.pageArea);
    const CPrintingScope printing(g_bBlackPrintingWanted);
    const std::size_t page = static_cast<std::size_t>(info.currentPage - 1);
    if (page < g_reportPages.size()) PrintPieces(surface, g_reportPages[page]);
    surface.SetViewportOrigin(Point{0, 0});
    if (info.currentPage > 1) PrintFooter(surface, info.currentPage);
}

void EndPrintJob(CDocument* document) {
    g_bPrintViewContent = false;
    AdjustDisplayFontSizes();
    if (document) document->UpdateAllViews(nullptr);
}
