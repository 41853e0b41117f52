// The main window's layout: the root tab window, its nine top-level tabs and every tab window,
// splitter and pane under them.
#include "shell/layout_table.h"

namespace {

using P = LayoutPlace;
constexpr unsigned kTop = 1;    // strip at the top
constexpr unsigned kBottom = 2; // strip at the bottom

// Row helpers keep the table one line per node.
constexpr LayoutNodeRow Tab(unsigned id, unsigned parent, const char* title, const char* cls,
                            unsigned flags = 0) {
    return {id, parent, P::kTab, title, cls, 0, 0, 0, 0, "", flags};
}
constexpr LayoutNodeRow SplitterTab(unsigned id, unsigned parent, const char* title, int rows, int cols) {
    return {id, parent, P::kSplitterTab, title, "", 0, 0, rows, cols, "", 0};
}
constexpr LayoutNodeRow Pane(unsigned id, unsigned parent, int row, int col, const char* cls,
                             const char* size, unsigned flags = 0) {
    return {id, parent, P::kViewInPane, "", cls, row, col, 0, 0, size, flags};
}
constexpr LayoutNodeRow SplitterPane(unsigned id, unsigned parent, int row, int col, int rows, int cols) {
    return {id, parent, P::kSplitterInPane, "", "", row, col, rows, cols, "", 0};
}

constexpr LayoutNodeRow kLayout[] = {
    {1, 0, P::kRootTabWindow, "", "CTabWnd", 0, 0, 0, 0, "", kTop},
    Tab(2, 1, "Chakras", "CTabWnd", kTop),
    SplitterTab(20, 1, "Basics", 1, 2),
    SplitterTab(40, 1, "Strengths", 1, 2),
    SplitterTab(60, 1, "Dasas", 1, 2),
    SplitterTab(80, 1, "Transits", 1, 2),
    SplitterTab(100, 1, "Tajaka", 1, 2),
    SplitterTab(120, 1, "Tithi Pravesha", 1, 2),
    SplitterTab(140, 1, "Mundane", 1, 2),
    SplitterTab(160, 1, "Miscellany", 1, 2),
    // Chakras
    Tab(3, 2, "Many Vargas", "CChartView"),
    SplitterTab(4, 2, "Mixed 2-Vargas", 1, 2),
    Tab(8, 2, "Kalachakra", "CKalaChakraView"),
    Tab(9, 2, "Sarvatobhadra", "CSarvatobhadraChakraView"),
    Tab(10, 2, "Kota Chakra", "CKotaChakraView"),
    Tab(11, 2, "Surya Kalanala", "CSKChakraView"),
    Tab(12, 2, "Chandra Kalanala", "CCKChakraView"),
    Tab(13, 2, "Sudarsana", "CSudarsanaChakraView"),
    Tab(14, 2, "Shoola", "CShoolaChakraView"),
    Tab(15, 2, "Tripataki", "CTripatakiChakraView"),
    Pane(6, 4, 0, 0, "CMixedChartView", "WndSzMixedCht"),
    Pane(7, 4, 0, 1, "CAshtakaVargaView", "WndSzMixedAV"),
    // Basics
    Pane(21, 20, 0, 0, "CChartView", "WndSzBasicCht"),
    Pane(22, 20, 0, 1, "CTabWnd", "WndSzBasicFull", kBottom),
    SplitterTab(23, 22, "Key Info", 2, 1),
    Tab(28, 22, "Houses", "CHouseView"),
    Tab(29, 22, "Amsa rulers", "CVargaDeityView"),
    Tab(30, 22, "KP", "CKPView"),
    SplitterPane(25, 23, 1, 0, 1, 2),
    Pane(24, 23, 0, 0, "CBasicInfoView", "WndSzBasicCalc"),
    Pane(26, 25, 0, 0, "CCoreInfoView", "WndSzBasicKey"),
    Pane(27, 25, 0, 1, "CAVSmalView", "WndSzBasicAV"),
    // Strengths
    Pane(41, 40, 0, 0, "CChartView", "WndSzStrenCht"),
    Pane(42, 40, 0, 1, "CTabWnd", "WndSzStrenFull", kBottom),
    Tab(43, 42, "Ashtakavarga", "CAshtakaVargaView"),
    SplitterTab(44, 42, "Other strengths", 3, 1),
    Tab(45, 42, "Bar graphs", "CStrengthGraphView"),
    Pane(46, 44, 0, 0, "CShadbalasView", "WndSzStrenShad"),
    Pane(47, 44, 1, 0, "CStrengthsView", "WndSzStrenOther"),
    Pane(48, 44, 2, 0, "CYogasView", "WndSzStrenYogas"),
    // Dasas
    Pane(61, 60, 0, 0, "CChartView", "WndSzDasaCht"),
    Pane(62, 60, 0, 1, "CTabWnd", "WndSzDasaFull", kBottom),
    Tab(63, 62, "Nakshatra dasas", "CDasaView"),
    Tab(64, 62, "Rasi dasas", "CDasaView"),
    Tab(65, 62, "Other dasas", "CDasaView"),
    // Transits
    Pane(81, 80, 0, 0, "CChartView", "WndSzTransCht"),
    Pane(82, 80, 0, 1, "CTabWnd", "WndSzTransFull", kBottom),
    SplitterTab(83, 82, "Basic Transit Results", 3, 1),
    Tab(194, 82, "Transit Calendar", "CTranCalenFormView"),
    SplitterTab(89, 82, "Special Search", 2, 2),
    SplitterTab(195, 82, "Longitude Correlation", 2, 1),
    Pane(84, 83, 0, 0, "CTransitFormView", "WndSzTransData"),
    Pane(85, 83, 1, 0, "CTransitView", "WndSzTransMisc"),
    SplitterPane(86, 83, 2, 0, 1, 2),
    Pane(87, 86, 0, 0, "CCoreInfoView", "WndSzTransCore"),
    Pane(88, 86, 0, 1, "CBasicInfoView", "WndSzTransLong"),
    Pane(90, 89, 0, 0, "CTransitConjFormView", "WndSzTransSpl1"),
    Pane(91, 89, 0, 1, "CBasicInfoView", "WndSzTransSpl2"),
    Pane(92, 89, 1, 0, "CCoreInfoView", "WndSzTransSpl3"),
    Pane(93, 89, 1, 1, "CTransitView", "WndSzTransSpl4"),
    Pane(197, 195, 1, 0, "CTranResearchView", "WndSzTranResView"),
    Pane(196, 195, 0, 0, "CTranResearchFormView", "WndSzTranResForm"),
    // Tajaka
    Pane(101, 100, 0, 0, "CChartView", "WndSzTajakaCht"),
    SplitterPane(102, 100, 0, 1, 2, 2),
    Pane(104, 102, 0, 0, "CTajakaFormView", "WndSzTajakaForm"),
    Pane(105, 102, 0, 1, "CAVSmalView", "WndSzTajakaAV"),
    Pane(107, 102, 1, 0, "CCoreInfoView", "WndSzTajakaCore"),
    Pane(108, 102, 1, 1, "CBasicInfoView", "WndSzTajakaLong"),
    // Tithi Pravesha
    Pane(121, 120, 0, 0, "CChartView", "WndSzTPCht"),
    SplitterPane(122, 120, 0, 1, 2, 2),
    Pane(124, 122, 0, 0, "CTPFormView", "WndSzTPForm"),
    Pane(125, 122, 0, 1, "CAVSmalView", "WndSzTPAV"),
    Pane(127, 122, 1, 0, "CCoreInfoView", "WndSzTPCore"),
    Pane(128, 122, 1, 1, "CBasicInfoView", "WndSzTPLong"),
    // Mundane
    Pane(141, 140, 0, 0, "CChartView", "WndSzMundCht"),
    SplitterPane(142, 140, 0, 1, 2, 1),
    Pane(143, 142, 0, 0, "CMundaneFormView", "WndSzMundForm"),
    SplitterPane(144, 142, 1, 0, 1, 2),
    Pane(145, 144, 0, 0, "CCoreInfoView", "WndSzMundCore"),
    Pane(146, 144, 0, 1, "CBasicInfoView", "WndSzMundLong"),
    // Miscellany
    Pane(161, 160, 0, 0, "CChartView", "WndSzMiscCht"),
    Pane(162, 160, 0, 1, "CTabWnd", "WndSzMiscFull", kBottom),
    SplitterTab(164, 162, "Angular Return", 2, 2),
    SplitterTab(163, 162, "Progressions", 2, 2),
    Tab(165, 162, "Prasna (Horary)", "CPrasnaFormView"),
    Tab(166, 162, "Panchanga", "CPanchangaView"),
    Tab(167, 162, "Laghu Parasari", "CLaghuParasariView"),
    Pane(170, 163, 0, 0, "CProgFormView", "WndSzProgForm"),
    Pane(171, 163, 1, 0, "CCoreInfoView", "WndSzProgCore"),
    Pane(172, 163, 0, 1, "CBasicInfoView", "WndSzProgLong"),
    Pane(173, 163, 1, 1, "CMixedChartView", "WndSzProgMixed"),
    Pane(174, 164, 0, 0, "CAngRetFormView", "WndSzAngretForm"),
    Pane(175, 164, 0, 1, "CAVSmalView", "WndSzAngretCore"),
    Pane(176, 164, 1, 0, "CCoreInfoView", "WndSzAngretAV"),
    Pane(177, 164, 1, 1, "CBasicInfoView", "WndSzAngretLong"),
};

} // namespace

std::span<const LayoutNodeRow> LayoutNodes() {
    return kLayout;
}
