#pragma once
// Option dialogs of single dasas that are a column of choices over their option globals: Moola,
// Naisargika, Sudarsana Chakra, Shoola, Kalachakra and Tara dasa. RunAndStore copies the options in and, on
// OK, back; the caller then recomputes the dasa and updates the views.
#include "shell/dialogs/option_form_dlg.h"

class QLabel;

class CMoolaDasaDlg : public COptionFormDlg {
public:
    explicit CMoolaDasaDlg(QWidget* parent);
};
class CNaisargikaDasaDlg : public COptionFormDlg {
public:
    explicit CNaisargikaDasaDlg(QWidget* parent);
};
class CSudarsanaDasaDlg : public COptionFormDlg {
public:
    explicit CSudarsanaDasaDlg(QWidget* parent);
    // The same dialog for a dasa that reads only a varga (Buddhi gati dasa): its varga row edits
    // `varga`, the antardasa row is disabled.
    CSudarsanaDasaDlg(QWidget* parent, int& varga);
};
class CShoolaDasaDlg : public COptionFormDlg {
public:
    explicit CShoolaDasaDlg(QWidget* parent);
};

// Kalachakra dasa: starting point, varga, calculation method with its explanation below the list, and
// where the 4th pada of Rohini falls.
class CKalachakraDasaDlg : public COptionFormDlg {
public:
    explicit CKalachakraDasaDlg(QWidget* parent);
    QLabel* Explanation() const { return m_explanation; }

protected:
    void OnRowChanged() override;

private:
    QLabel* m_explanation;
};

// Tara dasa: its definition, the dasa sesham and the direction rule; the last two belong to the
// first definition only.
class CTaraDasaDlg : public COptionFormDlg {
public:
    explicit CTaraDasaDlg(QWidget* parent);

protected:
    void OnRowChanged() override;
};
