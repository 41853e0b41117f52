#pragma once
// The dasa page's small preference dialogs: the seed of Chara dasa, the Tajaka seed settings, the tithi
// seed of the tithi dasas, and the dasa year preference. Members are combo indices and check states,
// -1 = unset; the caller copies its options in and, on OK, back.
#include <string>

#include "shell/dialogs/member_dialog.h"

class QCheckBox;

// "Choose the dasa seed": the body the dasa starts from, 0 lagna, 1 Sun .. 9 Ketu.
class CDasaSeedDlg : public CMemberDialog {
public:
    explicit CDasaSeedDlg(QWidget* parent);
    int m_nSeed = -1;

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox* m_seed;
};

// Two check boxes and the scope they apply to: item 0 "The current dasa", item 1 the wider scope whose
// text the caller gives ("All dasas", "All nakshatra dasas", "All rasi dasas" or "All dasas under this
// tab").
class CDasaScopeDlg : public CMemberDialog {
public:
    static constexpr int kCurrentDasa = 0, kWiderScope = 1;

    std::string m_strWiderScope = "All dasas";
    int m_bFirst = -1;
    int m_bSecond = -1;
    int m_nScope = -1;

    QCheckBox* FirstCheck() const { return m_first; }
    QCheckBox* SecondCheck() const { return m_second; }
    QComboBox* ScopeCombo() const { return m_scope; }

protected:
    CDasaScopeDlg(QWidget* parent, const char* title, const char* first, const char* second,
                  const char* scopeLabel);
    void LoadControls() override;
    bool StoreControls() override;

private:
    QCheckBox *m_first, *m_second;
    QComboBox* m_scope;
};

// "Dasa Seed Settings for Tajaka": first, the seed from the natal chart; second, that seed progressed
// by one nakshatra or sign a year.
class CTajakaDasaSeedDlg : public CDasaScopeDlg {
public:
    explicit CTajakaDasaSeedDlg(QWidget* parent);
};

// "Dasa year preference": first, the tithi-based year in compressed dasas of Tithi Pravesha and lunar
// mundane charts; second, the solar-longitude-based year in those of Tajaka and solar mundane charts.
class CDasaYearDlg : public CDasaScopeDlg {
public:
    explicit CDasaYearDlg(QWidget* parent);
};

// The tithi seed of Tithi Ashtottari and Tithi Yogini dasa: the special tithi (0-35, of the angle
// taken 1-36 times), the two bodies whose angle gives it (1 Sun .. 9 Ketu; only where the dasa reads
// them) and the divisional chart.
class CTithiDasaSeedDlg : public CMemberDialog {
public:
    explicit CTithiDasaSeedDlg(QWidget* parent);

    bool m_bBodiesEnabled = true; // set by the caller
    int m_nTithi = -1;
    int m_nBodyA = -1; // list index: body - 1
    int m_nBodyB = -1;
    int m_nVarga = -1; // varga column 0-22

    QComboBox* BodyACombo() const { return m_bodyA; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox *m_tithi, *m_bodyA, *m_bodyB, *m_varga;
};
