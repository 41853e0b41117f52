#include "shell/dialogs/birth_data_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data_folder.h"
#include "core/region_table.h"
#include "shell/dialogs/field_checks.h"

int g_nLastStateSelection = 0;
int g_nLastCountrySelection = 0;

namespace {

constexpr const char* kNoneOfThese = "None of these - will enter longitude etc manually";

// What each edit box holds: the int or double member it exchanges and what it is called when it
// does not scan.
struct EditBinding {
    BirthField field;
    int BirthDataMembers::*intMember;
    double BirthDataMembers::*doubleMember;
    const char* name;
};
constexpr EditBinding kEditBindings[] = {
    {BirthField::kDay, &BirthDataMembers::m_nDay, nullptr, "Day"},
    {BirthField::kYear, &BirthDataMembers::m_nYear, nullptr, "Year"},
    {BirthField::kHour, &BirthDataMembers::m_nHour, nullptr, "Hour"},
    {BirthField::kMinute, nullptr, &BirthDataMembers::m_dMinute, "Minutes"},
    {BirthField::kSecond, nullptr, &BirthDataMembers::m_dSecond, "Seconds"},
    {BirthField::kZoneHours, &BirthDataMembers::m_nZoneHours, nullptr, "Time zone hours"},
    {BirthField::kZoneMinutes, nullptr, &BirthDataMembers::m_dZoneMinutes, "Time zone minutes"},
    {BirthField::kLonDeg, &BirthDataMembers::m_nLonDeg, nullptr, "Longitude degrees"},
    {BirthField::kLonMin, &BirthDataMembers::m_nLonMin, nullptr, "Longitude minutes"},
    {BirthField::kLonSec, nullptr, &BirthDataMembers::m_dLonSec, "Longitude seconds"},
    {BirthField::kLatDeg, &BirthDataMembers::m_nLatDeg, nullptr, "Latitude degrees"},
    {BirthField::kLatMin, &BirthDataMembers::m_nLatMin, nullptr, "Latitude minutes"},
    {BirthField::kLatSec, nullptr, &BirthDataMembers::m_dLatSec, "Latitude seconds"},
    {BirthField::kAltitude, nullptr, &BirthDataMembers::m_dAltitude, "Altitude"},
    {BirthField::kPressure, nullptr, &BirthDataMembers::m_dPressure, "Air pressure"},
    {BirthField::kTemperature, nullptr, &BirthDataMembers::m_dTemperature, "Temperature"},
};

bool IsZoneOrCoordinate(BirthField field) {
    return field >= BirthField::kZoneHours && field <= BirthField::kLatSec;
}

QString HitLine(const AtlasMatch& hit) {
    const std::string region(g_regionTable[hit.nRegion].name);
    return QString::asprintf("%s, %s   (%d %c %d,  %d %c %d)", hit.szName, region.c_str(),
                             hit.nLongitudeDegrees, hit.bEast ? 'E' : 'W', hit.nLongitudeMinutes,
                             hit.nLatitudeDegrees, hit.bNorth ? 'N' : 'S', hit.nLatitudeMinutes);
}

} // namespace

CBirthDataDlg::CBirthDataDlg(QWidget* parent) : CMemberDialog(parent, "Enter Birthdata") {
    BuildControls();
}

void CBirthDataDlg::BuildControls() {
    for (const EditBinding& b : kEditBindings)
        m_edits[static_cast<int>(b.field)] = MakeNumberEdit(this, b.field == BirthField::kYear ? 6 : 4);
    auto edit = [this](BirthField f) { return Edit(f); };
    m_month = MakeMonthCombo(this);
    m_calendar = MakeCombo(this, {"Julian", "Gregorian"});
    m_timeFormat = MakeCombo(this, {"am", "pm", "0-24 hrs"});
    m_zoneSide = MakeCombo(this, {"East of GMT", "West of GMT"});
    m_lonSide = MakeCombo(this, {"E", "W"});
    m_latSide = MakeCombo(this, {"N", "S"});
    m_gender = MakeCombo(this, {"Unknown", "Male", "Female"});
    m_city = new QLineEdit(this);
    m_stateList = new QComboBox(this);
    m_stateList->addItem("All the states in USA");
    for (int row = kFirstUsStateRow; row < kRegionCount; ++row)
        m_stateList->addItem(
            QString::fromUtf8(g_regionTable[row].name.data(), g_regionTable[row].name.size()));
    m_countryList = new QComboBox(this);
    m_countryList->addItem("All the countries (except USA)");
    for (int row = 0; row < kCountryCount; ++row)
        m_countryList->addItem(
            QString::fromUtf8(g_regionTable[row].name.data(), g_regionTable[row].name.size()));
    m_resultList = new QComboBox(this);
    m_resultList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_resultList->setMinimumContentsLength(40);
    m_searchUsa = new QPushButton("Search in USA", this);
    m_searchWorld = new QPushButton("Rest of the World", this);
    m_status = new QLabel("Search result(s):", this);
    m_zoneKind = new QLabel(this);
    m_useLmt = new QCheckBox("Use LMT instead and ignore the above (useful for old dates)", this);

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* label, std::initializer_list<QWidget*> widgets) {
        grid->addWidget(new QLabel(label, this), row, 0);
        auto* line = new QHBoxLayout;
        for (QWidget* w : widgets) line->addWidget(w);
        line->addStretch();
        grid->addLayout(line, row++, 1);
    };
    addRow("Date", {m_month, edit(BirthField::kDay), edit(BirthField::kYear), m_calendar});
    addRow("Time",
           {edit(BirthField::kHour), edit(BirthField::kMinute), edit(BirthField::kSecond), m_timeFormat});
    addRow("City", {m_city});
    addRow("US state", {m_stateList, m_searchUsa});
    addRow("Country", {m_countryList, m_searchWorld});
    grid->addWidget(m_status, row++, 0, 1, 2);
    addRow("Place", {m_resultList});
    addRow("Time zone",
           {edit(BirthField::kZoneHours), edit(BirthField::kZoneMinutes), m_zoneSide, m_zoneKind});
    addRow("Longitude",
           {edit(BirthField::kLonDeg), edit(BirthField::kLonMin), edit(BirthField::kLonSec), m_lonSide});
    addRow("Latitude",
           {edit(BirthField::kLatDeg), edit(BirthField::kLatMin), edit(BirthField::kLatSec), m_latSide});
    grid->addWidget(m_useLmt, row++, 0, 1, 2);
    addRow("Altitude", {edit(BirthField::kAltitude), new QLabel("meters above sea-level", this)});
    addRow("Air pressure", {edit(BirthField::kPressure), new QLabel("mbar (hPa)", this)});
    addRow("Temperature", {edit(BirthField::kTemperature), new QLabel("degrees Celsius", this)});
    addRow("Gender", {m_gender, new QLabel("(Some Jaimini dasa variations need this)", this)});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    AddOkCancel(layout);

    connect(m_resultList, &QComboBox::activated, this, &CBirthDataDlg::OnSelectPlace);
    connect(m_city, &QLineEdit::textEdited, this, &CBirthDataDlg::OnCityChanged);
    for (QComboBox* combo : {m_month, m_calendar, m_timeFormat})
        connect(combo, &QComboBox::activated, this, &CBirthDataDlg::OnDateTimeChanged);
    for (BirthField f :
         {BirthField::kDay, BirthField::kYear, BirthField::kHour, BirthField::kMinute, BirthField::kSecond})
        connect(edit(f), &QLineEdit::textEdited, this, &CBirthDataDlg::OnDateTimeChanged);
    for (BirthField f : {BirthField::kZoneHours, BirthField::kZoneMinutes})
        connect(edit(f), &QLineEdit::textEdited, this, &CBirthDataDlg::OnZoneChanged);
    connect(m_zoneSide, &QComboBox::activated, this, &CBirthDataDlg::OnZoneChanged);
    connect(m_searchUsa, &QPushButton::clicked, this, &CBirthDataDlg::OnSearchUsa);
    connect(m_searchWorld, &QPushButton::clicked, this, &CBirthDataDlg::OnSearchWorld);
}

void CBirthDataDlg::LoadControls() {
    m_nHits = 0;
    m_resultList->clear();
    SelectIndex(m_stateList, g_nLastStateSelection);
    SelectIndex(m_countryList, g_nLastCountrySelection);
    WriteControls(false);
    ShowZoneKind();
}

std::optional<BirthField> CBirthDataDlg::ReadControls(BirthDataMembers& m) const {
    for (const EditBinding& b : kEditBindings) {
        const std::string text = Edit(b.field)->text().toStdString();
        if (b.intMember) {
            const auto value = ParseInteger(text);
            if (!value) return b.field;
            m.*b.intMember = *value;
        } else {
            const auto value = ParseNumber(text);
            if (!value) return b.field;
            m.*b.doubleMember = *value;
        }
    }
    m.m_nMonth = m_month->currentIndex();
    m.m_nCalendar = m_calendar->currentIndex();
    m.m_nTimeFormat = m_timeFormat->currentIndex();
    m.m_nZoneSide = m_zoneSide->currentIndex();
    m.m_nLonSide = m_lonSide->currentIndex();
    m.m_nLatSide = m_latSide->currentIndex();
    m.m_nGender = m_gender->currentIndex();
    m.m_bUseLmt = m_useLmt->isChecked() ? 1 : 0;
    m.m_strCity = m_city->text().trimmed().toStdString();
    if (m.m_strCity == "Unknown") m.m_strCity.clear();
    return std::nullopt;
}

bool CBirthDataDlg::ReadForHandler() {
    BirthDataMembers read = *this;
    if (ReadControls(read)) return false; // half-typed: nothing is used until it scans again
    static_cast<BirthDataMembers&>(*this) = read;
    return true;
}

bool CBirthDataDlg::StoreControls() {
    BirthDataMembers read = *this;
    if (const auto field = ReadControls(read)) {
        const auto& b = kEditBindings[static_cast<int>(*field)];
        RefuseField(Edit(*field),
                    std::string(b.name) + (b.intMember ? ": enter a whole number." : ": enter a number."));
        return false;
    }
    if (read.m_nMonth < 0) {
        RefuseField(m_month, "Month: choose a month.");
        return false;
    }
    if (const auto problem = CheckBirthData(read)) {
        RefuseField(Edit(problem->field), problem->message);
        return false;
    }
    static_cast<BirthDataMembers&>(*this) = read;
    return true;
}

void CBirthDataDlg::WriteControls(bool zoneFieldsOnly) {
    m_bWriting = true;
    for (const EditBinding& b : kEditBindings) {
        if (zoneFieldsOnly && !IsZoneOrCoordinate(b.field)) continue;
        Edit(b.field)->setText(b.intMember ? NumberText(this->*b.intMember)
                                           : NumberText(this->*b.doubleMember));
    }
    SelectIndex(m_zoneSide, m_nZoneSide);
    SelectIndex(m_lonSide, m_nLonSide);
    SelectIndex(m_latSide, m_nLatSide);
    if (!zoneFieldsOnly) {
        SelectIndex(m_month, m_nMonth);
        SelectIndex(m_calendar, m_nCalendar);
        SelectIndex(m_timeFormat, m_nTimeFormat);
        SelectIndex(m_gender, m_nGender);
        m_useLmt->setChecked(m_bUseLmt != 0);
        m_city->setText(m_strCity == "Unknown" ? QString() : QString::fromStdString(m_strCity));
    }
    m_bWriting = false;
}

void CBirthDataDlg::ShowZoneKind() {
    m_zoneKind->setText(m_bDaylight ? "Daylight Saving" : "Standard Time");
}

void CBirthDataDlg::OnSearchUsa() {
    SearchFromList(m_stateList, g_nLastStateSelection, {"US", "USA", 0, 0}, kFirstUsStateRow - 1);
}

void CBirthDataDlg::OnSearchWorld() {
    SearchFromList(m_countryList, g_nLastCountrySelection, {"WORLD", "Unknown country", 0, 0}, -1);
}

void CBirthDataDlg::SearchFromList(QComboBox* list, int& remembered, const RegionRow& all,
                                   int firstRowBefore) {
    if (!ReadForHandler()) return;
    m_resultList->clear();
    const int selection = list->currentIndex();
    if (selection < 0) return;
    remembered = selection;
    if (selection == 0) return Search(all.code, all.name, 0);
    const int row = firstRowBefore + selection;
    Search(g_regionTable[row].code, g_regionTable[row].name, row);
}

void CBirthDataDlg::Search(std::string_view regionCode, std::string_view regionName, int regionIndex) {
    m_strRegionName = regionName;
    m_nRegion = regionIndex;
    m_status->setText("Search result(s): Wait, searching...");
    const AtlasResult result = FindPlaceInAtlas(m_strCity, regionCode, m_nHits, m_hits, AtlasFilePath());
    if (result == AtlasResult::Missing) {
        m_nHits = 0;
        m_status->setText("Search result(s): Sorry, atlas file missing!!!!");
    } else if (result == AtlasResult::Corrupted) {
        m_nHits = 0;
        m_status->setText("Search result(s): Sorry, atlas file is corrupted - re-install it!");
    } else if (m_nHits == 0) {
        m_status->setText("Search result(s): No matches (perfect or approximate)!!!");
    } else {
        m_resultList->clear();
        m_status->setText(result == AtlasResult::Shortened
                              ? "Search result(s): Approximate matches below (no perfect matches)"
                          : result == AtlasResult::MaximumReached
                              ? "Search result(s): Too many matches ... truncating ... enter more letters"
                              : "Search result(s): Select - these are the matches found");
        for (int i = 0; i < m_nHits; ++i) m_resultList->addItem(HitLine(m_hits[i]));
        m_resultList->addItem(kNoneOfThese);
        // A place not found by its own name must not take the coordinates of another one: the typed
        // coordinates stay until the user picks an approximate match.
        m_resultList->setCurrentIndex(result == AtlasResult::Shortened ? m_nHits : 0);
        OnSelectPlace();
    }
    WriteControls(false);
}

void CBirthDataDlg::OnSelectPlace() {
    if (!ReadForHandler()) return;
    const int s = m_resultList->currentIndex();
    if (s < 0 || s > m_nHits) return;
    if (s == m_nHits) {
        m_strChartCity = m_strCity;
        m_strChartRegion = m_strRegionName;
        m_nChartRegion = m_nRegion;
        m_dStdZone = m_dDstZone = TypedZoneEast(*this);
    } else {
        const AtlasMatch& hit = m_hits[s];
        m_strChartCity = hit.szName;
        m_nChartRegion = hit.nRegion;
        m_strChartRegion = g_regionTable[hit.nRegion].name;
        m_dStdZone = hit.dStandardZone;
        m_dDstZone = hit.dDaylightZone;
        m_nLonDeg = hit.nLongitudeDegrees;
        m_nLonMin = hit.nLongitudeMinutes;
        m_dLonSec = hit.nLongitudeSeconds;
        m_nLonSide = hit.bEast ? 0 : 1;
        m_nLatDeg = hit.nLatitudeDegrees;
        m_nLatMin = hit.nLatitudeMinutes;
        m_dLatSec = hit.nLatitudeSeconds;
        m_nLatSide = hit.bNorth ? 0 : 1;
        m_dAltitude = AtlasAltitude(hit);
        Edit(BirthField::kAltitude)->setText(NumberText(m_dAltitude));
    }
    DecideDaylightSaving(*this);
    ShowZoneKind();
    WriteControls(true);
}

void CBirthDataDlg::OnDateTimeChanged() {
    if (m_bWriting || !ReadForHandler()) return;
    DecideDaylightSavingAgain(*this);
    ShowZoneKind();
    WriteControls(true);
}

void CBirthDataDlg::OnZoneChanged() {
    if (m_bWriting || !ReadForHandler()) return;
    m_dStdZone = m_dDstZone = TypedZoneEast(*this);
}

void CBirthDataDlg::OnCityChanged() {
    if (m_bWriting || !ReadForHandler()) return;
    m_strChartCity = m_strCity;
}
