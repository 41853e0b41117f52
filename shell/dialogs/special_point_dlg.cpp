#include "shell/dialogs/special_point_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"

namespace {

// The reference whose radio button a list belongs to (both mid-point lists to the mid-point).
CSpecialPointDlg::Reference ReferenceOfList(int list) {
    return list >= 3 ? CSpecialPointDlg::kMidPoint : static_cast<CSpecialPointDlg::Reference>(list);
}

} // namespace

CSpecialPointDlg::CSpecialPointDlg(QWidget* parent) : CMemberDialog(parent, "User defined special point") {
    m_name = new QLineEdit(this);
    m_name->setMaxLength(kMaxNameLength);
    m_symbol = MakeNumberEdit(this, kMaxSymbolLength);
    m_symbol->setMaxLength(kMaxSymbolLength);
    m_degrees = MakeNumberEdit(this);
    m_minutes = MakeNumberEdit(this);
    m_seconds = MakeNumberEdit(this);
    m_behindAfter = MakeCombo(this, {"behind", "ahead of"});
    const char* const* bodies = ChosenPlanetNames();
    for (int list : {0, 3, 4}) {
        m_lists[list] = new QComboBox(this);
        for (int body = 0; body < kListedBodies; ++body) m_lists[list]->addItem(bodies[body]);
    }
    m_lists[1] = new QComboBox(this);
    for (int saham = 0; saham < kSahamaCount; ++saham)
        m_lists[1]->addItem(QString("%1 (%2)").arg(g_sahamaNames[saham], g_sahamaMeanings[saham]));
    m_lists[2] = new QComboBox(this);
    const char* const* signs = g_pszSignNames ? g_pszSignNames : g_signNames;
    for (int sign = 0; sign < kSignCount; ++sign) m_lists[2]->addItem(signs[sign]);
    const char* buttonTexts[] = {"Planet", "Sahama", "The beginning of", "Mid-point of"};
    for (int r = 0; r < 4; ++r) m_buttons[r] = new QRadioButton(buttonTexts[r], this);
    for (QComboBox* list : m_lists) list->installEventFilter(this);
    m_remove = new QCheckBox("Remove this special point", this);

    auto* layout = new QVBoxLayout(this);
    auto* naming = new QHBoxLayout;
    naming->addWidget(new QLabel("In charts, show a special pointed named", this));
    naming->addWidget(m_name);
    layout->addLayout(naming);
    auto* symbol = new QHBoxLayout;
    symbol->addWidget(new QLabel("and denoted by the symbol", this));
    symbol->addWidget(m_symbol);
    symbol->addWidget(new QLabel("as defined below:", this));
    symbol->addStretch();
    layout->addLayout(symbol);
    auto* offset = new QHBoxLayout;
    AddDmsEdits(offset, {m_degrees, m_minutes, m_seconds});
    offset->addWidget(m_behindAfter);
    offset->addStretch();
    layout->addLayout(offset);
    auto* references = new QGridLayout;
    for (int r = 0; r < 4; ++r) {
        references->addWidget(m_buttons[r], r, 0);
        references->addWidget(m_lists[r], r, 1);
    }
    references->addWidget(new QLabel("and", this), 3, 2);
    references->addWidget(m_lists[4], 3, 3);
    layout->addLayout(references);
    layout->addWidget(m_remove);
    AddOkCancel(layout);
}

bool CSpecialPointDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int list = 0; list < 5; ++list)
            if (watched == m_lists[list]) m_buttons[ReferenceOfList(list)]->setChecked(true);
    }
    return CMemberDialog::eventFilter(watched, event);
}

void CSpecialPointDlg::LoadControls() {
    m_name->setText(QString::fromStdString(m_strName));
    m_symbol->setText(QString::fromStdString(m_strSymbol));
    m_degrees->setText(NumberText(m_dDeg));
    m_minutes->setText(SixtiethsText(m_dMin));
    m_seconds->setText(SixtiethsText(m_dSec));
    SelectIndex(m_behindAfter, m_nBehindAfter);
    const int flags[] = {m_bUsePlanet, m_bUseSaham, m_bUseRasi, m_bUseMidPoint};
    for (int r = 0; r < 4; ++r) m_buttons[r]->setChecked(flags[r] != 0);
    const int selections[] = {m_nPlanet, m_nSaham, m_nSign, m_nPlanet1, m_nPlanet2};
    for (int list = 0; list < 5; ++list) SelectIndex(m_lists[list], selections[list]);
    m_remove->setChecked(m_bRemove != 0);
}

bool CSpecialPointDlg::StoreControls() {
    const auto degrees = ReadNumberField(m_degrees, "Degrees", 0, 360);
    if (!degrees) return false;
    const auto minutes = ReadSixtiethsField(m_minutes, m_dMin, "Minutes");
    if (!minutes) return false;
    const auto seconds = ReadSixtiethsField(m_seconds, m_dSec, "Seconds");
    if (!seconds) return false;
    m_strName = m_name->text().toStdString();
    m_strSymbol = m_symbol->text().toStdString();
    m_dDeg = *degrees, m_dMin = *minutes, m_dSec = *seconds;
    m_nBehindAfter = m_behindAfter->currentIndex();
    int* flags[] = {&m_bUsePlanet, &m_bUseSaham, &m_bUseRasi, &m_bUseMidPoint};
    for (int r = 0; r < 4; ++r) *flags[r] = m_buttons[r]->isChecked() ? 1 : 0;
    int* selections[] = {&m_nPlanet, &m_nSaham, &m_nSign, &m_nPlanet1, &m_nPlanet2};
    for (int list = 0; list < 5; ++list) *selections[list] = m_lists[list]->currentIndex();
    m_bRemove = m_remove->isChecked() ? 1 : 0;
    return true;
}
