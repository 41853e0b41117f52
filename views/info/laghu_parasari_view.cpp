#include "views/info/laghu_parasari_view.h"

#include <QMenu>

#include "core/zodiac_names.h"
#include "document/document_options.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/chooser_dlg.h"
#include "views/info/cell_format.h"
#include "views/info/laghu_parasari_table.h"
#include "views/info/list_menu.h"

namespace {
constexpr int kLagnaNone = 100;
constexpr int kLagnaBody = 200; // + the lagna's body number
constexpr int kMethod = 300;    // + LaghuParasariMethod
constexpr int kChooseVarga = 400;
constexpr int kOneCycle = 401;
constexpr int kExplain = 402;
constexpr int kCopy = 403;

constexpr ListMenuItem kModeItems[] = {
    {"Consider &1 planet (including upagrahas)", kOneBody},
    {"Consider 2 planets (no &upagrahas)", kTwoPlanets},
    {"Consider &2 planets (including upagrahas)", kTwoBodies},
    {"Consider &3 planets (no upagrahas)", kThreePlanets},
    {"Consider &4 planets (no upagrahas)", kFourPlanets},
    {"Consider &5 planets (no upagrahas)", kFivePlanets},
};
constexpr ListMenuItem kLagnaItems[] = {
    {"&None", kLagnaNone},
    {"Normal &lagna", kLagnaBody + 0},
    {"&Hora lagna", kLagnaBody + 14},
    {"&Ghati lagna", kLagnaBody + 15},
    {"&Bhava lagna", kLagnaBody + 13},
    {"&Sree lagna", kLagnaBody + 18},
    {"&Indu lagna", kLagnaBody + 19},
    {"&Pranapada lagna", kLagnaBody + 17},
    {"&Vighati lagna", kLagnaBody + 16},
};
constexpr ListMenuItem kVargaItems[] = {{"&Varga to be used", kChooseVarga}};
constexpr ListMenuItem kMethodItems[] = {
    {"&Find longitudes in divisions", kMethod + kFindLongitudes},
    {"&Count signs in divisions", kMethod + kCountSigns},
};
constexpr ListMenuItem kLastItems[] = {
    {"Use only one &cycle in compressed/annual charts", kOneCycle},
    {"What is all this?", kExplain},
    {"C&opy to clipboard", kCopy},
};

// "Choose a divisional chart" over the columns the table can count in.
class CLaghuParasariVargaDlg : public CChooserDlg {
public:
    explicit CLaghuParasariVargaDlg(QWidget* parent)
        : CChooserDlg(parent, "Choose a divisional chart",
                      {IntOption("Divisional chart", TextItems(Names()), m_nIndex)}) {}

    // The offered columns in list order.
    static std::vector<int> Columns() {
        std::vector<int> columns;
        for (int column = 0; column < kVargaColumnCount; ++column)
            if (LaghuParasariDivisions(column)) columns.push_back(column);
        return columns;
    }
    int m_nIndex = -1;

private:
    // The list's texts outlive the dialog, as the list keeps pointers to them.
    static const std::vector<std::string>& Names() {
        static std::vector<std::string> names;
        names.clear();
        for (int column : Columns()) names.push_back(g_vargaNames[column]);
        return names;
    }
};
} // namespace

CLaghuParasariView::CLaghuParasariView(QWidget* parent) : CCustomListView(parent) {}

void CLaghuParasariView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    FillTable();
}

void CLaghuParasariView::FillTable() {
    DeleteAllColumnsAndRows();
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    double cycle = 0;
    const std::vector<LaghuParasariRow> rows =
        LaghuParasariRows(*document->m_pCurrentChart, g_bDasaCompression, cycle);
    InsertColumn(LaghuParasariTitle(LaghuParasariColumn()), 160);
    const int ages = rows.empty() ? 0 : static_cast<int>(rows.front().ages.size());
    for (int k = 1; k <= ages; ++k) InsertColumn(FormatCell("Date %d (age)", k), 140);
    for (const LaghuParasariRow& row : rows) {
        std::vector<std::string> cells{row.label};
        cells.insert(cells.end(), row.ages.begin(), row.ages.end());
        AddRow(std::move(cells));
    }
}

void CLaghuParasariView::SetMode(int mode) {
    g_laghuParasari.mode = mode;
    FillTable();
}

void CLaghuParasariView::SetAddedLagna(int body) {
    g_laghuParasari.addLagna = body >= 0;
    if (body >= 0) g_laghuParasari.lagnaBody = body;
    FillTable();
}

void CLaghuParasariView::SetMethod(int method) {
    g_laghuParasari.method = method;
    FillTable();
}

void CLaghuParasariView::ToggleOneCycle() {
    g_laghuParasari.oneCycle = !g_laghuParasari.oneCycle;
    FillTable();
}

void CLaghuParasariView::OnChooseVarga() {
    const std::vector<int> columns = CLaghuParasariVargaDlg::Columns();
    CLaghuParasariVargaDlg dialog(this);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == LaghuParasariColumn()) dialog.m_nIndex = static_cast<int>(i);
    if (!dialog.DoModal() || dialog.m_nIndex < 0) return;
    g_laghuParasari.varga = columns[static_cast<std::size_t>(dialog.m_nIndex)];
    FillTable();
}

void CLaghuParasariView::OnExplain() {
    MessageBox(
        this,
        "By adding the longitudes of various bodies and lagnas, years of some important events can be "
        "obtained.\nCounting of various amsas is also possible. These methods are basically like simple "
        "progression techniques.\nThese calculations are given to facilitate research.",
        "What's all this?");
}

void CLaghuParasariView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CLaghuParasariView::FillContextMenu(QMenu& menu) {
    const LaghuParasariSettings& s = g_laghuParasari;
    const ListMenuCheck checked = [&s](int command) -> std::optional<bool> {
        if (command < kLaghuParasariModeCount) return command == s.mode;
        if (command == kLagnaNone) return !s.addLagna;
        if (command >= kLagnaBody && command < kMethod)
            return s.addLagna && command - kLagnaBody == s.lagnaBody;
        if (command >= kMethod && command < kChooseVarga) return command - kMethod == s.method;
        if (command == kOneCycle) return s.oneCycle;
        return std::nullopt;
    };
    const auto run = [this](int command) { RunCommand(command); };
    AddListMenuItems(menu, kModeItems, checked, run);
    AddListMenuItems(*menu.addMenu("Add this &lagna to planet(s)"), kLagnaItems, checked, run);
    AddListMenuItems(menu, kVargaItems, checked, run);
    AddListMenuItems(*menu.addMenu("&Method used in vargas"), kMethodItems, checked, run);
    AddListMenuItems(menu, kLastItems, checked, run);
}

void CLaghuParasariView::RunCommand(int command) {
    if (command < kLaghuParasariModeCount) return SetMode(command);
    if (command == kLagnaNone) return SetAddedLagna(-1);
    if (command >= kLagnaBody && command < kMethod) return SetAddedLagna(command - kLagnaBody);
    if (command >= kMethod && command < kChooseVarga) return SetMethod(command - kMethod);
    switch (command) {
    case kChooseVarga:
        OnChooseVarga();
        return;
    case kOneCycle:
        ToggleOneCycle();
        return;
    case kExplain:
        OnExplain();
        return;
    default:
        CopyToClipboard();
    }
}
