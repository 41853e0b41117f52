#pragma once
// "Nakshatra dasa options" and "RBV dasa options": where a nakshatra dasa takes its seed from, in which
// divisional chart, which star its first lord owns, the order of the sub-period lords and the
// antizodiacal reckoning; Rasi-Bhukta Vimsottari takes the seed and the chart of its signs, and shows the
// chart's rasi-dasa strengths. Members are combo indices and check states, -1 = unset; the caller copies
// its options in and, on OK, back.
#include <string>

#include "shell/dialogs/member_dialog.h"
#include "shell/dialogs/rasi_dasa_strengths.h"

class CRasiStrengthGroup;
class QCheckBox;
class QLabel;

class CNakshatraDasaDlg : public CMemberDialog {
public:
    explicit CNakshatraDasaDlg(QWidget* parent);

    // Set by the caller before the run.
    bool m_b28Stars = false;              // the star list keeps Abhijit (index 21); otherwise 27 stars
    bool m_bSubPeriodOrderEnabled = true; // the dasa reads the sub-period order
    bool m_bSeedStarEnabled = true;       // the dasa reads the star of its first lord
    std::string m_strSeedStarHeading = "Krittika (owned by Sun):";

    int m_nStartPoint = -1;     // dasa seed 0-20 (the Moon's janma tara first)
    int m_nVarga = -1;          // varga column 0-22
    int m_nSeedStar = -1;       // the star the first lord owns: 0-26, or 0-27 with Abhijit at 21
    int m_nSubPeriodOrder = -1; // 0-5, the orders listed
    int m_bAntiZodiacal = -1;   // 1: everything reckoned antizodiacally (Vimsottari)

    QComboBox* SeedStarCombo() const { return m_seedStar; }
    QComboBox* SubPeriodOrderCombo() const { return m_order; }
    QLabel* SeedStarHeading() const { return m_seedHeading; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox *m_startPoint, *m_varga, *m_seedStar, *m_order;
    QLabel* m_seedHeading;
    QCheckBox* m_antiZodiacal;
};

// RBV also shows the chart's rasi-dasa strength settings of the chosen varga column, as Narayana dasa
// does; a change of varga shows that column's settings without saving those of the old one.
class CRbvDasaDlg : public CMemberDialog, public RasiDasaStrengthMembers {
public:
    explicit CRbvDasaDlg(QWidget* parent);

    int m_nStartPoint = -1;               // dasa seed 0-20
    int m_nVarga = -1;                    // varga column 0-22 whose signs give the sub-periods
    CSignLordTables* m_pTables = nullptr; // the chart's strength settings; null: the group is disabled

    // Settings of column m_nVarga -> strength members; before the run.
    void LoadOptions();
    // Strength members -> settings of column m_nVarga; after OK.
    void SaveOptions();

    QComboBox* SeedCombo() const { return m_startPoint; }
    QComboBox* VargaCombo() const { return m_varga; }
    CRasiStrengthGroup* Strengths() const { return m_strengths; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void OnVargaChanged();

    QComboBox *m_startPoint, *m_varga;
    CRasiStrengthGroup* m_strengths;
};

// Combo lists the dasa dialogs share: the dasa seeds and the divisional charts D-1 to D-144.
QComboBox* MakeDasaSeedCombo(QWidget* parent);
QComboBox* MakeVargaCombo(QWidget* parent);
