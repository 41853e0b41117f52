#pragma once
// "Fixed Star Based Custom Ayanamsa": a star of the fixed-star list held at a chosen sidereal
// longitude (degrees, minutes and seconds in a sign), optionally on a fixed mean solar rotation plane.
// The star's own catalogue position is shown under the list.
#include "shell/dialogs/member_dialog.h"

class QCheckBox;
class QLabel;

class CFixedStarAyanamsaDlg : public CMemberDialog {
public:
    explicit CFixedStarAyanamsaDlg(QWidget* parent);

    int m_nStar = -1;      // index into the fixed-star list; one outside it shows the first star
    int m_nDegrees = 0;    // in the sign, 0-29
    int m_nMinutes = 0;    // 0-59
    double m_dSeconds = 0; // below 60
    int m_nSign = -1;      // 0 Aries .. 11 Pisces
    int m_bFixedPlane = 0;

    QComboBox* StarCombo() const { return m_star; }
    QLabel* StarPosition() const { return m_position; }
    QLineEdit* DegreesEdit() const { return m_heldAt.degrees; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void OnStarChanged();

    QComboBox *m_star, *m_sign;
    DmsEdits m_heldAt;
    QCheckBox* m_fixedPlane;
    QLabel* m_position;
};
