#pragma once
// "Rasi dasa options": the strength settings of one varga column that a rasi dasa reads (lords of
// Aquarius and Scorpio, start sign, the stronger sign of each pair of opposite signs and the Saturn
// or Ketu exceptions). The caller names the chart's tables, the varga column, the dasa code and the
// start-sign slot; LoadOptions before the run, SaveOptions after OK.
#include <array>

#include "shell/dialogs/member_dialog.h"
#include "shell/dialogs/rasi_dasa_strengths.h"

class CRasiDasaDlg : public CMemberDialog, public RasiDasaStrengthMembers {
public:
    explicit CRasiDasaDlg(QWidget* parent);

    CSignLordTables* m_pTables = nullptr;
    int m_nVarga = 0;            // varga column 0-28
    int m_nDasaCode = 25;        // the rasi dasa shown
    int* m_pStartSign = nullptr; // the start-sign slot of the dasa

    void LoadOptions();
    void SaveOptions();

    QComboBox* PairCombo(int pair) const { return m_pairs[pair]; }
    QComboBox* PairExceptionCombo(int pair) const { return m_pairExceptions[pair]; }
    QComboBox* StartCombo() const { return m_start; }
    QComboBox* StartExceptionCombo() const { return m_startException; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void OnPairChanged(int pair);
    void OnStartChanged();

    QComboBox *m_aquarius, *m_scorpio, *m_start, *m_startException;
    std::array<QComboBox*, 6> m_pairs{}, m_pairExceptions{};
};
