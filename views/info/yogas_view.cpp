#include "views/info/yogas_view.h"

#include <QMenu>
#include <vector>

#include "analysis/yoga_catalogue.h"
#include "chart/chart.h"
#include "core/body_names.h"
#include "core/option_snapshot.h"
#include "core/zodiac_names.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "views/info/cell_format.h"
#include "views/info/list_menu.h"

int g_nYogaCategory = kYogaAll;
bool g_bJustListYogas = false;

namespace {
constexpr int kSelectVarga = 100;
constexpr int kToggleCatalogue = 101;
constexpr int kCopy = 102;

// The categories in menu order: "Other popular yogas" comes last.
constexpr int kMenuCategories[] = {kYogaAll,      kYogaMahapurusha, kYogaSolar,         kYogaLunar,
                                   kYogaNaabhasa, kYogaRaja,        kYogaRajaSambandha, kYogaDhana,
                                   kYogaDaridra,  kYogaParivraja,   kYogaOtherPopular};

std::vector<ListMenuItem> MenuItems() {
    std::vector<ListMenuItem> items{{"Select a varga (divisional chart)", kSelectVarga},
                                    {"", kListMenuSeparator}};
    for (int category : kMenuCategories) items.push_back({g_yogaCategoryMenuNames[category], category});
    items.insert(items.end(), {{"", kListMenuSeparator},
                               {"Just show a list of supported of yogas (toggle)", kToggleCatalogue},
                               {"", kListMenuSeparator},
                               {"Copy to clipboard", kCopy}});
    return items;
}

std::string GiversText(const CYogaRecord& record) {
    if (record.m_nCategory == kYogaNaabhasa) return "Naabhasa yoga - throughout life";
    std::vector<std::string> names;
    for (int i = 0; i < record.m_nGiverCount; ++i) names.push_back(g_pszPlanetNamesAlt[record.m_nGivers[i]]);
    return JoinCells(names);
}
} // namespace

CYogasView::CYogasView(QWidget* parent) : CCustomListView(parent) {}

void CYogasView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    FillYogaTable();
}

void CYogasView::FindYogas() {
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) {
        m_yogas.m_records.clear();
        return;
    }
    // The finder lists the catalogue while the option is set; it is set for this pane's search only, so
    // the chart's own list, searched by every calculation, is never a catalogue.
    const CScopedOption catalogue(g_bYogaListOnly, g_bJustListYogas);
    m_yogas.FindAllYogas(document->m_pCurrentChart->AnalysisChart(), g_nYogaCategory);
}

void CYogasView::FillYogaTable() {
    if (g_bJustListYogas) {
        FillYogaCatalogue();
        return;
    }
    FindYogas();
    DeleteAllColumnsAndRows();
    InsertColumn("Yoga", 140, false);
    InsertColumn("Varga", 50, false);
    InsertColumn("Yoga givers", 120, false);
    InsertColumn("Results ascribed to yoga", 340, false);
    InsertColumn("Brief definition of yoga", 560, false);
    const std::string varga = g_strVargaLabels[m_yogas.m_nVarga];
    for (const CYogaRecord& record : m_yogas.m_records)
        AddRow({record.m_strName, varga, GiversText(record), record.m_strResults, record.m_strDefinition});
}

void CYogasView::FillYogaCatalogue() {
    FindYogas();
    DeleteAllColumnsAndRows();
    InsertColumn("Index & Type", 120, false);
    InsertColumn("Yoga", 120, false);
    InsertColumn("Brief definition of yoga", 500, false);
    InsertColumn("Results ascribed to yoga", 560, false);
    int number = 0;
    for (const CYogaRecord& record : m_yogas.m_records)
        AddRow({FormatCell("%d %s", ++number, g_yogaCategoryNames[record.m_nCategory]), record.m_strName,
                record.m_strDefinition, record.m_strResults});
}

void CYogasView::SetCategory(int category) {
    g_nYogaCategory = category;
    FillYogaTable();
}

void CYogasView::ToggleCatalogue() {
    g_bJustListYogas = !g_bJustListYogas;
    FillYogaTable();
}

void CYogasView::SetVarga(int column) {
    m_yogas.m_nVarga = column;
    FillYogaTable();
}

void CYogasView::OnSelectVarga() {
    CChooseVargaDlg dialog(this);
    dialog.m_nVarga = m_yogas.m_nVarga;
    if (!dialog.DoModal() || dialog.m_nVarga < 0) return;
    SetVarga(dialog.m_nVarga);
}

void CYogasView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CYogasView::FillContextMenu(QMenu& menu) {
    AddListMenuItems(
        menu, MenuItems(),
        [](int command) -> std::optional<bool> {
            if (command == kToggleCatalogue) return g_bJustListYogas;
            if (command <= kYogaCategoryCount) return command == g_nYogaCategory;
            return std::nullopt;
        },
        [this](int command) {
            switch (command) {
            case kSelectVarga:
                OnSelectVarga();
                return;
            case kToggleCatalogue:
                ToggleCatalogue();
                return;
            case kCopy:
                CopyToClipboard();
                return;
            default:
                SetCategory(command);
            }
        });
}
