#include "views/chakras/chakra_base.h"

#include "chart/chart.h"
#include "core/sign_rules.h"
#include "document/dasa_codes.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/dialogs/select_varga_dlg.h"

namespace {
constexpr double kNakshatrasPerDegree = 0.075; // 27 nakshatras in 360 degrees
constexpr double kPadasPerDegree = 0.3;        // 108 padas in 360 degrees

bool ModeTakesCurrentChart(int mode) {
    return mode == kModeTajaka || mode == kModeTithiPravesha || mode == kModeMundane;
}

int BodyStar(const CChart* chart, int body) {
    return chart ? chart->m_nakshatra28[body] : -1;
}
} // namespace

const CChart& ChakraReferenceChart(const CTavroDoc& document) {
    return ModeTakesCurrentChart(document.m_nMode) ? *document.m_pCurrentChart : document.m_natalChart;
}

int DefaultBaseBody(int mode) {
    return ModeTakesCurrentChart(mode) ? kLagna : kSun;
}

const CChart* ChakraVargaChart(const CChart& chart, int varga) {
    // Child charts are built on first request and kept by the chart: asking changes no result.
    return const_cast<CChart&>(chart).GetVargaChart(varga);
}

int ChakraBaseStar(const ChakraBaseSettings& settings, const CTavroDoc& document) {
    if (settings.customBaseOn) return settings.customBase % kChakraStars;
    if (settings.basePlanetOn)
        return BodyStar(ChakraVargaChart(*document.m_pCurrentChart, settings.baseDivision), settings.basePlanet);
    return BodyStar(ChakraVargaChart(ChakraReferenceChart(document), settings.vargaForBodies),
                    DefaultBaseBody(document.m_nMode));
}

int Star28OfLongitude(double longitude) {
    return ToNakshatra28(static_cast<int>(longitude * kNakshatrasPerDegree),
                         static_cast<int>(longitude * kPadasPerDegree) % 4);
}

void ResetBaseChoices(ChakraBaseSettings& settings) {
    settings.customBaseOn = false;
    settings.basePlanetOn = false;
}

bool ChooseBasePlanet(QWidget* parent, ChakraBaseSettings& settings, std::vector<int> bodies) {
    CBasePlanetDlg dialog(parent, std::move(bodies));
    dialog.m_nVarga = settings.baseDivision;
    dialog.PresetBody(settings.basePlanet);
    if (!dialog.DoModal()) return false;
    settings.baseDivision = dialog.m_nVarga;
    settings.basePlanet = dialog.ChosenBody();
    settings.basePlanetOn = true;
    return true;
}

bool ChooseBodyVarga(QWidget* parent, ChakraBaseSettings& settings) {
    return ChooseVarga(parent, settings.vargaForBodies);
}

bool ChooseVarga(QWidget* parent, int& varga) {
    CSelectVargaDlg dialog(parent);
    dialog.m_nVarga = varga;
    if (!dialog.DoModal()) return false;
    varga = dialog.m_nVarga;
    return true;
}

bool ChooseCustomBase(QWidget* parent, ChakraBaseSettings& settings, const std::vector<std::string>& texts) {
    CBaseNakshatraDlg dialog(parent, texts);
    dialog.m_nChoice = settings.customBaseOn ? 1 : 0;
    dialog.m_nStar = settings.customBase;
    if (!dialog.RunAndStore()) return false;
    settings.customBaseOn = dialog.m_nChoice == 1;
    if (dialog.m_nStar >= 0) settings.customBase = dialog.m_nStar;
    return true;
}

const std::vector<std::string>& SunOrLagnaBaseTexts() {
    static const std::vector<std::string> texts = {"Star of Sun is taken as the base in natal charts",
                                                   "and the star of lagna in Tajaka/TP charts.",
                                                   "It is placed in the eastern corner."};
    return texts;
}
