#pragma once
// "Horoscope Matching for Marriage": the other person's birth star (nakshatra and pada) and whether
// that person is the bride or the bridegroom; and the command that scores the match.
#include "shell/dialogs/option_form_dlg.h"

class CTavroDoc;

class CMatchingDlg : public COptionFormDlg {
public:
    explicit CMatchingDlg(QWidget* parent);

    int m_nNakshatra = -1; // 0 Aswini .. 26 Revati
    int m_nPada = -1;      // 0 "First" .. 3 "Fourth"
    int m_nRole = -1;      // 0 "Bride", 1 "Bridegroom"
};

// The partner's birth star chosen last, offered again (0 at start).
extern int g_nMatchingPartnerNakshatra;
extern int g_nMatchingPartnerPada;

// View > Horoscope Matching Score: the natal Moon's birth star matched with the partner's chosen in
// the dialog (the partner preset to the bridegroom for a female native, else the bride); the score
// and its level shown in a message box. Cancel keeps the previous partner.
void OnMatchingScore(CTavroDoc& document, QWidget* parent);
