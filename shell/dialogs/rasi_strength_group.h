#pragma once
// The "Strengths" group of the rasi dasas' option dialogs: lords of Aquarius and Scorpio, the start sign
// with its exception (where the dasa has one), and the stronger sign of each pair of opposite signs with
// the Saturn or Ketu exception of the chosen sign. Changing a sign shows the exception stored for it in
// the varga column the owner names.
#include <array>
#include <functional>

#include <QGroupBox>

#include "shell/dialogs/rasi_dasa_strengths.h"

class QComboBox;

class CRasiStrengthGroup : public QGroupBox {
public:
    // `exceptionOfSign`: the stored exception (0-2) of a sign 0-11 in the column being edited.
    CRasiStrengthGroup(QWidget* parent, bool withStartSign, std::function<int(int sign)> exceptionOfSign);

    void Show(const RasiDasaStrengthMembers& m);
    // Only the members of controls the group has.
    void Read(RasiDasaStrengthMembers& m) const;
    // Pairs and their exceptions, start sign and its exception.
    void EnableChoices(bool pairs, bool startSign);

    QComboBox* PairCombo(int pair) const { return m_pairs[pair]; }
    QComboBox* PairExceptionCombo(int pair) const { return m_pairExceptions[pair]; }
    QComboBox* StartCombo() const { return m_start; }
    QComboBox* StartExceptionCombo() const { return m_startException; }
    QComboBox* AquariusCombo() const { return m_aquarius; }
    QComboBox* ScorpioCombo() const { return m_scorpio; }

private:
    void OnPairChanged(int pair);
    void OnStartChanged();

    std::function<int(int)> m_exceptionOfSign;
    QComboBox *m_aquarius, *m_scorpio, *m_start = nullptr, *m_startException = nullptr;
    std::array<QComboBox*, 6> m_pairs{}, m_pairExceptions{};
};
