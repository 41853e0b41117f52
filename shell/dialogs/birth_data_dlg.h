#pragma once
// "Enter Birthdata": date, time, place with its coordinates and time zone, local mean time, altitude,
// air and gender. A city can be looked up in the atlas within one US state, all US states, one
// country or all countries; a chosen place fills the coordinates and the zone, and daylight saving
// is decided from the region's rules at the entered moment. The members are those of BirthDataMembers.
#include <array>
#include <optional>

#include "core/atlas.h"
#include "core/region_table.h"
#include "shell/dialogs/birth_data.h"
#include "shell/dialogs/member_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

class CBirthDataDlg : public CMemberDialog, public BirthDataMembers {
public:
    static constexpr int kMaxHits = 100;

    explicit CBirthDataDlg(QWidget* parent);

    // The search buttons, the result list and the status line, for the caller's tests.
    QPushButton* SearchUsaButton() const { return m_searchUsa; }
    QPushButton* SearchWorldButton() const { return m_searchWorld; }
    QComboBox* StateList() const { return m_stateList; }
    QComboBox* CountryList() const { return m_countryList; }
    QComboBox* ResultList() const { return m_resultList; }
    QLabel* StatusLine() const { return m_status; }
    QLabel* ZoneKindLabel() const { return m_zoneKind; }
    // The edit box of a field, and the other controls by their member.
    QLineEdit* Edit(BirthField field) const { return m_edits[static_cast<int>(field)]; }
    QLineEdit* CityEdit() const { return m_city; }
    QComboBox* MonthCombo() const { return m_month; }
    QComboBox* TimeFormatCombo() const { return m_timeFormat; }
    QComboBox* ZoneSideCombo() const { return m_zoneSide; }
    QComboBox* LonSideCombo() const { return m_lonSide; }
    QComboBox* LatSideCombo() const { return m_latSide; }

    void OnSelectPlace();
    void OnCityChanged();
    void OnDateTimeChanged();
    void OnZoneChanged();
    void OnSearchUsa();
    void OnSearchWorld();

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void BuildControls();
    // Controls -> `m`: the first field that does not scan, or nothing when all did.
    std::optional<BirthField> ReadControls(BirthDataMembers& m) const;
    // The checking exchange of the handlers: the members from the controls when every field scans.
    bool ReadForHandler();
    // Members -> controls; with `zoneFieldsOnly` only the zone and coordinate fields.
    void WriteControls(bool zoneFieldsOnly);
    void ShowZoneKind();
    // Entry 0 of `list` searches `all` (region index 0), entry n the region row firstRowBefore + n;
    // the selection is remembered for the next dialog.
    void SearchFromList(QComboBox* list, int& remembered, const RegionRow& all, int firstRowBefore);
    void Search(std::string_view regionCode, std::string_view regionName, int regionIndex);

    std::array<AtlasMatch, kMaxHits> m_hits{};
    int m_nHits = 0;
    bool m_bWriting = false; // controls are being written: their change signals are not the user's

    QComboBox *m_month, *m_calendar, *m_timeFormat, *m_zoneSide, *m_lonSide, *m_latSide, *m_gender;
    QComboBox *m_stateList, *m_countryList, *m_resultList;
    std::array<QLineEdit*, static_cast<int>(BirthField::kTemperature) + 1> m_edits{};
    QLineEdit* m_city;
    QCheckBox* m_useLmt;
    QPushButton *m_searchUsa, *m_searchWorld;
    QLabel *m_status, *m_zoneKind;
};

// The list selections of the last search, kept for the next dialog (both 0 at start).
extern int g_nLastStateSelection;
extern int g_nLastCountrySelection;
