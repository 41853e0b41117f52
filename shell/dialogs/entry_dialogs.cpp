#include "shell/dialogs/entry_dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <iterator>

#include "core/zodiac_names.h"

namespace {

const char* const kBodyGroups[CSelectBodiesDlg::kGroupCount] = {"Planets",
                                                                "Outer planets",
                                                                "Bhava, Hora Ghati Lagnas",
                                                                "Vighati Lagna",
                                                                "Varnada Lagna",
                                                                "Sree Lagna",
                                                                "Pranapada Lagna",
                                                                "Indu Lagna",
                                                                "Mandi",
                                                                "Gulika",
                                                                "Other Upagrahas",
                                                                "Arudha Lagna",
                                                                "Bhava Arudhas",
                                                                "Graha Arudhas",
                                                                "Varnadas",
                                                                "Kunda",
                                                                "Sphutas of Prasna Marga",
                                                                "Bhrigu Bindu",
                                                                "Yoga and Avayoga Sphuta"};

const char* const kPages[CPrintPagesDlg::kPageCount] = {
    "Basics (birthdata, longitudes, rasi, navamsa, Vimsottari dasa)",
    "Strengths (ashtakavarga, sodhya pindas, shadbalas, bhava balas)",
    "Other key dasas (Moola dasa, Ashtottari dasa, Kalachakra dasa)",
    "Key rasi dasas (Narayana dasa, Sudasa)",
    "Other rasi dasas (Lagna kendradi rasi dasa, Drigdasa)",
    "Ayur dasas (Shoola dasa, Niryana shoola dasa)",
    "Yogini dasa",
    "Charts of standing (D-10, D-2, D-4, D-16, D-5, D-40)",
    "Charts of family and background (D-12, D-3, D-7, D-20, D-24, D-27)",
    "Charts of misfortune and karma (D-6, D-8, D-11, D-30, D-45, D-60)",
    "Tribhagi Vimsottari dasa"};

std::vector<OptionRow> BodyRows(std::array<int, CSelectBodiesDlg::kGroupCount>& flags) {
    std::vector<OptionRow> rows;
    for (int i = 0; i < CSelectBodiesDlg::kGroupCount; ++i)
        rows.push_back(IntCheckOption(kBodyGroups[i], flags[i]));
    return rows;
}

std::vector<OptionRow> PageRows(int& mask, int& blackAndWhite) {
    std::vector<OptionRow> rows;
    for (int i = 0; i < CPrintPagesDlg::kPageCount; ++i) {
        rows.push_back({kPages[i],
                        {},
                        [&mask, i] { return mask >> i & 1; },
                        [&mask, i](int on) { mask = on ? mask | 1 << i : mask & ~(1 << i); }});
    }
    rows.push_back(
        IntCheckOption("I don't have a color printer. Print in black and white only.", blackAndWhite));
    return rows;
}

} // namespace

CSelectBodiesDlg::CSelectBodiesDlg(QWidget* parent)
    : COptionFormDlg(parent, "Select the bodies to show", BodyRows(m_bShow)) {}

CPrintPagesDlg::CPrintPagesDlg(QWidget* parent)
    : COptionFormDlg(parent, "Printing Page Selection", PageRows(m_nPageMask, m_bBlackAndWhite)) {}

CTextEntryDlg::CTextEntryDlg(QWidget* parent, const char* title, int maxLength, bool multiLine)
    : CMemberDialog(parent, title), m_nMaxLength(maxLength) {
    auto* layout = new QVBoxLayout(this);
    if (multiLine) {
        m_lines = new QPlainTextEdit(this);
        layout->addWidget(m_lines);
    } else {
        m_line = new QLineEdit(this);
        m_line->setMaxLength(maxLength);
        m_line->setMinimumWidth(m_line->fontMetrics().horizontalAdvance('M') * maxLength / 2);
        layout->addWidget(m_line);
    }
    AddOkCancel(layout);
}

QWidget* CTextEntryDlg::Editor() const {
    return m_line ? static_cast<QWidget*>(m_line) : m_lines;
}

void CTextEntryDlg::LoadControls() {
    const QString text = QString::fromStdString(m_strText);
    if (m_line)
        m_line->setText(text);
    else
        m_lines->setPlainText(text);
}

bool CTextEntryDlg::StoreControls() {
    const QString text = m_line ? m_line->text() : m_lines->toPlainText();
    if (text.size() > m_nMaxLength) {
        RefuseField(Editor(), "Enter at most " + std::to_string(m_nMaxLength) + " characters.");
        return false;
    }
    m_strText = text.toStdString();
    return true;
}

CUserYearDlg::CUserYearDlg(QWidget* parent) : CMemberDialog(parent, "User defined year") {
    m_days = MakeNumberEdit(this, 10);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(
        "Enter the length of the year in days. You can include fractions too (e.g. 305.6778).", this));
    form->addRow("Length of the year in days", m_days);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CUserYearDlg::LoadControls() {
    m_days->setText(NumberText(m_dDays));
}

bool CUserYearDlg::StoreControls() {
    const auto days = ReadNumberField(m_days, "Days", 0, 1000000);
    if (!days) return false;
    // A year of no length would put every period of a dasa at one moment.
    if (*days <= 0) {
        RefuseField(m_days, "Days: enter a number above 0, up to 1000000.");
        return false;
    }
    m_dDays = *days;
    return true;
}

CLifecycleDlg::CLifecycleDlg(QWidget* parent)
    : CMemberDialog(parent, "Lifecycle length for casting a new chart") {
    m_kind = MakeCombo(this, {"Normal solar year (365.2425 days)", "Savana year (360 days)",
                              "User defined year (n days - enter below)",
                              "Solar longitude based year (360 deg year)", "Year with 360 tithis"});
    m_years = MakeNumberEdit(this, 8);
    m_days = MakeNumberEdit(this, 8);
    auto* form = new QFormLayout;
    form->addRow("Kind of year", m_kind);
    form->addRow("Number of years", m_years);
    form->addRow("Days in the user defined year", m_days);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &CLifecycleDlg::OnKindChanged);
}

void CLifecycleDlg::OnKindChanged() {
    m_days->setEnabled(m_kind->currentIndex() == kUserDefinedYear);
}

void CLifecycleDlg::LoadControls() {
    SelectIndex(m_kind, m_nYearKind);
    m_years->setText(NumberText(m_dYears));
    m_days->setText(NumberText(m_dUserYearDays));
    OnKindChanged();
}

bool CLifecycleDlg::StoreControls() {
    const auto years = ReadNumberField(m_years, "Years", 0, 1000);
    if (!years) return false;
    const auto days = ReadNumberField(m_days, "Days", 0, 1000);
    if (!days) return false;
    m_nYearKind = m_kind->currentIndex();
    m_dYears = *years;
    m_dUserYearDays = *days;
    return true;
}

CBaseNakshatraDlg::CBaseNakshatraDlg(QWidget* parent, const std::vector<std::string>& texts)
    : COptionFormDlg(
          parent, "Choose the base nakshatra",
          {IntOption("Base star",
                     {"Stick to the default base star mentioned above",
                      "No, use the following star as the base instead"},
                     m_nChoice),
           IntOption("Star", {std::begin(g_nakshatraNames28), std::end(g_nakshatraNames28)}, m_nStar)}) {
    // The caller's texts above the choices.
    auto* lines = new QVBoxLayout;
    for (const std::string& text : texts) lines->addWidget(new QLabel(QString::fromStdString(text), this));
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, lines);
}

void CBaseNakshatraDlg::OnRowChanged() {
    Control(1)->setEnabled(static_cast<QComboBox*>(Control(0))->currentIndex() == 1);
}
