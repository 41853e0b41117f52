#pragma once
// The prasna (horary) form, which casts a chart from a number that fixes the Prasna Lagna, and the
// progression form, which casts the natal chart progressed to a date by one of four rules.
#include <array>

#include "views/forms/moment_fields.h"
#include "views/forms/return_forms.h"

class QCheckBox;
class QRadioButton;

class CPrasnaFormView : public CFormView {
public:
    enum Kind { kPrasna108, kPrasna249, kNadiPrasna };
    explicit CPrasnaFormView(QWidget* parent = nullptr);
    // The buttons: the chart of the number typed for that numbering (1-108, 1-249, 1-1800).
    void OnPrasna(Kind kind);

    std::array<QLineEdit*, 3> m_number{};
    QRadioButton *m_replaceLagna, *m_separateLagna;
    QCheckBox* m_compress;
    QLineEdit *m_years, *m_days;
};

class CProgFormView : public CDerivedChartForm {
public:
    enum Method { kSolar, kBhrigu, kSudarsana, kNakshatraDasa };
    explicit CProgFormView(QWidget* parent = nullptr);
    // A progression button: the typed date and time into g_transitMoment (its zone kept), the chart
    // cast, and for the Bhrigu and Sudarsana methods the notice of what in the chart is real.
    void OnProgress(Method method);

    CMomentFields& Moment() { return m_moment; }
    QComboBox *m_varga, *m_seed, *m_dasa;

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};

// The varga column of entry `index` of the progression form's 21 divisional charts ("Rasi" ... "D-60",
// "D-108").
int ProgressionVargaColumn(int index);
