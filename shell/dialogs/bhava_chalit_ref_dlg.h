#pragma once
// "Choose the Reference for Bhava/Chalit Chakra": the body the houses of the bhava or chalit chakra
// count from (BhavaChartRef, a body number), the varga it is drawn on (BhavaChartVarga, columns
// D-1 .. D-144), whether the reference stands in the middle of the first house and whether houses from
// Rahu and Ketu run backwards. The body list offers the first 71 bodies of the current name table with
// the extended-body option, else the first 47.
#include "shell/dialogs/option_form_dlg.h"

class CBhavaChalitRefDlg : public COptionFormDlg {
public:
    static constexpr int kBodiesListed = 47;
    static constexpr int kExtendedBodiesListed = 71;

    explicit CBhavaChalitRefDlg(QWidget* parent);

    QComboBox* ReferenceCombo() const;
};
