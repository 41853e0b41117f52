#pragma once
// "User defined special point": a point named and marked by a symbol, at an offset of degrees,
// minutes and seconds behind or ahead of one of four references: a body, a sahama, the beginning of
// a sign, or the mid-point of two bodies. Giving the focus to a reference's list chooses that
// reference.
#include <array>
#include <string>

#include "shell/dialogs/member_dialog.h"

class QCheckBox;
class QRadioButton;

class CSpecialPointDlg : public CMemberDialog {
public:
    static constexpr int kMaxNameLength = 50;
    static constexpr int kMaxSymbolLength = 4;
    static constexpr int kListedBodies = 47; // lagna, planets, special lagnas and upagrahas

    explicit CSpecialPointDlg(QWidget* parent);

    std::string m_strName, m_strSymbol;
    double m_dDeg = 0, m_dMin = 0, m_dSec = 0; // offset: degrees 0-360, minutes and seconds below 60
    int m_nBehindAfter = -1;                   // 0 "behind", 1 "ahead of"
    // The reference, one of the four set: a body, a sahama, the beginning of a sign, a mid-point.
    int m_bUsePlanet = 0, m_bUseSaham = 0, m_bUseRasi = 0, m_bUseMidPoint = 0;
    int m_nPlanet = -1, m_nSaham = -1, m_nSign = -1, m_nPlanet1 = -1, m_nPlanet2 = -1;
    int m_bRemove = 0; // "Remove this special point"

    enum Reference { kPlanet, kSaham, kSign, kMidPoint };
    QComboBox* ReferenceList(int list) const {
        return m_lists[list];
    } // 0 body .. 3 first and 4 second mid-point body
    QRadioButton* ReferenceButton(Reference r) const { return m_buttons[r]; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* DegreesEdit() const { return m_degrees; }
    QLineEdit* MinutesEdit() const { return m_minutes; }

protected:
    void LoadControls() override;
    bool StoreControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit *m_name, *m_symbol, *m_degrees, *m_minutes, *m_seconds;
    QComboBox* m_behindAfter;
    std::array<QRadioButton*, 4> m_buttons{};
    std::array<QComboBox*, 5> m_lists{}; // body, sahama, sign, mid-point bodies 1 and 2
    QCheckBox* m_remove;
};
