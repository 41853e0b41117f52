#include "shell/dialogs/font_size_dlg.h"

#include "shell/display_options.h"

CFontSizeDlg::CFontSizeDlg(QWidget* parent)
    : COptionFormDlg(parent, "Size of the fonts used",
                     {IntOption("Size of all the fonts",
                                {"Much smaller", "Even Smaller", "Smaller", "Standard", "Bigger",
                                 "Even bigger", "Much bigger", "Biggest"},
                                g_nFontSizeSelection),
                      IntOption("Fonts in the charts, compared with the others",
                                {"Make them very much smaller", "Make them much smaller", "Make them smaller",
                                 "Same level", "Make them bigger", "Make them much bigger",
                                 "Make them very much bigger"},
                                g_nChartFontSizeSelection)}) {}
