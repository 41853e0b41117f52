#include "views/info/varga_deity_view.h"

#include <QMenu>

#include "core/bodies_to_show.h"
#include "core/body_names.h"
#include "core/varga_columns.h"
#include "document/tavro_doc.h"
#include "shell/display_options.h"
#include "views/info/cell_format.h"
#include "views/info/list_menu.h"
#include "views/info/select_bodies.h"
#include "views/info/varga_deity_tables.h"

namespace {
constexpr int kSelectBodies = 100;
constexpr int kCopy = 101;
constexpr int kLastBodyListed = 58; // the arudhas from 59 on are never listed

constexpr ListMenuItem kMenu[] = {
    {"Select bodies to be shown", kSelectBodies},
    {"", kListMenuSeparator},
    {"Navamsa", kD9Column},
    {"", kListMenuSeparator},
    {"Hora (D-2)", kD2Column},
    {"Drekkana (D-3)", kD3Column},
    {"Chaturthamsa (D-4)", kD4Column},
    {"Saptamsa (D-7)", kD7Column},
    {"Dasamsa (D-10)", kD10Column},
    {"Dwadasamsa (D-12)", kD12Column},
    {"Shodasamsa (D-16)", kD16Column},
    {"Vimsamsa (D-20)", kD20Column},
    {"Siddhamsa (D-24)", kD24Column},
    {"Nakshatramsa (D-27)", kD27Column},
    {"Trimsamsa (D-30)", kD30Column},
    {"", kListMenuSeparator},
    {"Khavedamsa (D-40)", kD40Column},
    {"Akshavedamsa (D-45)", kD45Column},
    {"Shashtyamsa (D-60)", kD60Column},
    {"Nadyamsa (D-150)", kD150Column},
    {"", kListMenuSeparator},
    {"Copy to clipboard", kCopy},
};

// The shown group whose range starts at `body`, or -1: a hidden group is skipped as a whole.
int HiddenGroupStartingAt(int body) {
    for (int group = 0; group < kBodyTypeCount; ++group)
        if (g_bodyTypeRanges[group].first == body && !g_bodyTypeShown[group]) return group;
    return -1;
}
} // namespace

CVargaDeityView::CVargaDeityView(QWidget* parent) : CCustomListView(parent) {
    ChooseD150DeityTable();
}

void CVargaDeityView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    ChooseD150DeityTable();
    FillList();
}

void CVargaDeityView::FillList() {
    DeleteAllColumnsAndRows();
    const int varga = g_nAmsaRulerVarga >= 0 && g_nAmsaRulerVarga < kVargaColumnCount ? g_nAmsaRulerVarga : 0;
    InsertColumn("Body", 120);
    InsertColumn("Division", 70);
    InsertColumn("Index", 70);
    InsertColumn(FormatCell("In whose amsa in %s", g_strVargaLabels[varga].c_str()), 160);
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    const CChart& chart = *document->m_pCurrentChart;
    for (int body = 0; body <= kLastBodyListed; ++body) {
        if (const int hidden = HiddenGroupStartingAt(body); hidden >= 0) {
            body = g_bodyTypeRanges[hidden].last;
            continue;
        }
        const CRasiLongitude& position = chart.m_bodies[body];
        const AmsaDeity deity = FindAmsaDeity(chart, body, position.m_nSign, position.m_dLongitude, varga);
        AddRow({FormatCell(position.m_bRetrograde ? "%s (R)" : "%s", g_pszPlanetNames[body]),
                FormatCell("%d", deity.division + 1), FormatCell("%d", deity.index + 1), deity.name});
    }
}

void CVargaDeityView::SetVarga(int column) {
    g_nAmsaRulerVarga = column;
    FillList();
}

void CVargaDeityView::OnSelectBodies() {
    if (RunSelectBodiesDialog(this)) FillList();
}

void CVargaDeityView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CVargaDeityView::FillContextMenu(QMenu& menu) {
    AddListMenuItems(
        menu, kMenu,
        [](int command) -> std::optional<bool> {
            if (command == kSelectBodies || command == kCopy) return std::nullopt;
            return command == g_nAmsaRulerVarga;
        },
        [this](int command) {
            if (command == kSelectBodies)
                OnSelectBodies();
            else if (command == kCopy)
                CopyToClipboard();
            else
                SetVarga(command);
        });
}
