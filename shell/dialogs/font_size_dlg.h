#pragma once
// "Size of the fonts used": the size of every display font (FontSizeSelection, 0 "Much smaller" ..
// 3 "Standard" .. 7 "Biggest") and the chart font's size relative to the others
// (ChartFontSizeSelection, 0 "very much smaller" .. 3 "Same level" .. 6 "very much bigger").
#include "shell/dialogs/option_form_dlg.h"

class CFontSizeDlg : public COptionFormDlg {
public:
    explicit CFontSizeDlg(QWidget* parent);
};
