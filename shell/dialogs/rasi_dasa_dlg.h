#pragma once
// The rasi dasas' option dialogs: the strength settings of one varga column that a rasi dasa reads
// (lords of Aquarius and Scorpio, start sign, the stronger sign of each pair of opposite signs and
// the Saturn or Ketu exceptions), with what each family member adds: its own varga choice (Narayana,
// Lagnamsaka, Padanaathaamsa, Paryaya) or one choice of its own (Sudasa, Drigdasa). The caller names
// the chart's tables (and, without an own varga choice, the varga column and the start-sign slot);
// LoadOptions before the run, SaveOptions after OK.
#include <functional>
#include <vector>

#include "shell/dialogs/member_dialog.h"
#include "shell/dialogs/rasi_dasa_strengths.h"
#include "shell/dialogs/rasi_strength_group.h"

// What distinguishes one member of the family.
struct RasiDasaDlgKind {
    const char* title;
    bool hasStartSign = true;
    // The member's own varga choice (an option global) and its start-sign slot in a column; null: the
    // caller gives both.
    int* vargaChoice = nullptr;
    const char* vargaLabel = nullptr;
    bool vargaListWithoutD81 = false;
    std::function<int*(CSignLordTables&, int v)> startSlot{};
    // One choice of its own: label, items, and the option it edits; no label: none.
    const char* ownLabel = nullptr;
    std::vector<const char*> ownItems{};
    std::function<int()> getOwn{};
    std::function<void(int)> setOwn{};
};

class CRasiDasaDlg : public CMemberDialog, public RasiDasaStrengthMembers {
public:
    explicit CRasiDasaDlg(QWidget* parent); // "Rasi dasa options"
    CRasiDasaDlg(QWidget* parent, RasiDasaDlgKind kind);

    CSignLordTables* m_pTables = nullptr;
    int m_nVarga = 0;            // varga column 0-28 (from the own choice when there is one)
    int m_nDasaCode = 25;        // the rasi dasa shown
    int* m_pStartSign = nullptr; // the start-sign slot of the dasa
    int m_nOwnChoice = -1;       // the member's own choice

    void LoadOptions();
    // Also stores the own varga choice and the own choice.
    void SaveOptions();

    QComboBox* PairCombo(int pair) const { return m_strengths->PairCombo(pair); }
    QComboBox* PairExceptionCombo(int pair) const { return m_strengths->PairExceptionCombo(pair); }
    QComboBox* StartCombo() const { return m_strengths->StartCombo(); }
    QComboBox* StartExceptionCombo() const { return m_strengths->StartExceptionCombo(); }
    QComboBox* VargaCombo() const { return m_varga; }
    QComboBox* AquariusCombo() const { return m_strengths->AquariusCombo(); }
    QComboBox* OwnCombo() const { return m_own; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void OnVargaChanged();
    int VargaOfListIndex(int index) const;
    int ListIndexOfVarga(int varga) const;

    RasiDasaDlgKind m_kind;
    QComboBox *m_varga = nullptr, *m_own = nullptr;
    CRasiStrengthGroup* m_strengths;
};

class CNarayanaDasaDlg : public CRasiDasaDlg {
public:
    explicit CNarayanaDasaDlg(QWidget* parent);
};
class CLagnamsakaDasaDlg : public CRasiDasaDlg {
public:
    explicit CLagnamsakaDasaDlg(QWidget* parent);
};
class CPadanaathaamsaDasaDlg : public CRasiDasaDlg {
public:
    explicit CPadanaathaamsaDasaDlg(QWidget* parent);
};
class CParyayaDasaDlg : public CRasiDasaDlg {
public:
    explicit CParyayaDasaDlg(QWidget* parent);
};
class CSudasaDlg : public CRasiDasaDlg {
public:
    explicit CSudasaDlg(QWidget* parent);
};
class CDrigDasaDlg : public CRasiDasaDlg {
public:
    explicit CDrigDasaDlg(QWidget* parent);
};
