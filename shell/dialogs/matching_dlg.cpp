#include "shell/dialogs/matching_dlg.h"

#include <QString>
#include <iterator>

#include "analysis/koota_matching.h"
#include "chart/chart.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"

int g_nMatchingPartnerNakshatra = 0;
int g_nMatchingPartnerPada = 0;

namespace {

constexpr int kFemale = 2; // gender code of the chart

} // namespace

CMatchingDlg::CMatchingDlg(QWidget* parent)
    : COptionFormDlg(parent, "Horoscope Matching for Marriage",
                     {IntOption("Nakshatra of the other person",
                                {std::begin(g_nakshatraNames), std::end(g_nakshatraNames)}, m_nNakshatra),
                      IntOption("Pada", {"First", "Second", "Third", "Fourth"}, m_nPada),
                      IntOption("The other person is the", {"Bride", "Bridegroom"}, m_nRole)}) {}

void OnMatchingScore(CTavroDoc& document, QWidget* parent) {
    const CChart& natal = document.m_natalChart;
    const int nativeNakshatra = natal.m_nakshatra[kMoon];
    const int nativePada = natal.m_pada[kMoon];
    CMatchingDlg dialog(parent);
    dialog.m_nNakshatra = g_nMatchingPartnerNakshatra;
    dialog.m_nPada = g_nMatchingPartnerPada;
    dialog.m_nRole = natal.m_nGender == kFemale ? 1 : 0;
    if (!dialog.RunAndStore() || dialog.m_nNakshatra < 0 || dialog.m_nPada < 0) return;
    g_nMatchingPartnerNakshatra = dialog.m_nNakshatra;
    g_nMatchingPartnerPada = dialog.m_nPada;
    const bool partnerIsBridegroom = dialog.m_nRole == 1;
    const int score = ComputeKootaScore(partnerIsBridegroom, dialog.m_nNakshatra, dialog.m_nPada,
                                        nativeNakshatra, nativePada);
    const QString text = QString::asprintf(
        "Native: %s (%s pada)\n%s: %s (%s pada)\n\nGunanka score after matching ashta koota (group of eight "
        "factors) = %d (out of 36).\n\nThe level of match (below average/average/fair/good/excellent) = "
        "%s.\n\n"
        "Please note that this thumbrule is a coarse indicator. You may want to\nconsult a good astrologer "
        "to "
        "verify subjective factors manually.",
        g_nakshatraNames[nativeNakshatra], g_houseOrdinals[nativePada],
        partnerIsBridegroom ? "Bridegroom" : "Bride", g_nakshatraNames[dialog.m_nNakshatra],
        g_houseOrdinals[dialog.m_nPada], score, g_kootaMatchLevelNames[KootaMatchLevel(score)]);
    MessageBox(parent, text.toStdString(), "Result of Horoscope Matching for Marriage");
}
