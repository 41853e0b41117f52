#pragma once
// "Select Ayanamsa": the ayanamsa by its place in the list, a correction added to or subtracted from
// it, and, for the tropical zodiac (the last item), whether nakshatras still use the sidereal zodiac.
// Choosing another ayanamsa clears the correction.
#include "shell/dialogs/member_dialog.h"

class QCheckBox;

class CAyanamsaDlg : public CMemberDialog {
public:
    static constexpr int kTropicalItem = 21;

    explicit CAyanamsaDlg(QWidget* parent);

    int m_nAyanamsa = -1;    // list position 0-21
    int m_bCorrection = 0;   // "Apply the correction specified below ..."
    int m_nDegrees = 0;      // 0-359
    int m_nMinutes = 0;      // 0-59
    double m_dSeconds = 0;   // below 60
    int m_nAddSubtract = -1; // 0 "Add", 1 "Subtract"
    int m_bSiderealNakshatras = 0;

    QComboBox* AyanamsaCombo() const { return m_ayanamsa; }
    QCheckBox* CorrectionCheck() const { return m_correction; }
    QCheckBox* SiderealNakshatraCheck() const { return m_siderealNakshatras; }
    QLineEdit* DegreesEdit() const { return m_correctionEdits.degrees; }
    QLineEdit* MinutesEdit() const { return m_correctionEdits.minutes; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void OnAyanamsaChanged();
    void EnableSiderealNakshatras();

    QComboBox *m_ayanamsa, *m_addSubtract;
    QCheckBox *m_correction, *m_siderealNakshatras;
    DmsEdits m_correctionEdits;
};
