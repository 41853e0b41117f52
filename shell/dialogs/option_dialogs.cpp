#include "shell/dialogs/option_dialogs.h"

#include <algorithm>

#include "core/calc_options.h"
#include "core/varga_options.h"
#include "shell/display_options.h"

namespace {

const std::vector<const char*> kChartStyles = {"South Indian Regular", "South Indian Irregular",
                                               "North Indian (diamond chart)", "East Indian (Sun chart)",
                                               "East Indian with frame"};

std::vector<OptionRow> UpagrahaRows() {
    const std::vector<const char*> partPoints = {"Beginning of the part", "Middle of the part",
                                                 "End of the part"};
    // Kaala, Mrityu, Artha Prahara and Yama Ghantaka share one choice.
    OptionRow fourUpagrahas{"Kaala, Mrityu, Artha Prahara, Yama Ghantaka rise at", partPoints,
                            [] { return g_nUpagrahaRiseMethod[0]; },
                            [](int v) { std::fill_n(g_nUpagrahaRiseMethod.begin(), 4, v); }};
    return {IntOption("Day and night start", {"Sunrise and sunset", "6 am and 6 pm local mean time"},
                      g_nUpagrahaDayDefinition),
            std::move(fourUpagrahas),
            IntOption("Maandi rises at", partPoints, g_nUpagrahaRiseMethod[4]),
            IntOption("Gulika rises at", partPoints, g_nUpagrahaRiseMethod[5]),
            FlagOption("Maandi is found in", {"The eighth part", "Saturn's part"}, g_bMandiInSaturnPortion),
            FlagOption("Gulika is found in", {"The eighth part", "Saturn's part"}, g_bGulikaInSaturnPortion),
            IntOption("Vyatipata", {"360 deg - Dhuma", "Dhuma + 53 deg 20 min"}, g_nVyatipataMethod)};
}

} // namespace

CChartStyleDlg::CChartStyleDlg(QWidget* parent)
    : COptionFormDlg(parent, "Language & Chart Style",
                     {IntOption("Language",
                                {"Assamese", "Bengali", "English", "Gujarati", "Hindi", "Kannada",
                                 "Malayalam", "Oriya", "Punjabi", "Tamil", "Telugu"},
                                g_nChartLanguage),
                      IntOption("Chart style", kChartStyles, g_nChartStyle),
                      FlagOption("Planet names", {"English names", "Sanskrit names"}, g_bSanskritPlanetNames),
                      FlagOption("Sign names", {"English names", "Sanskrit names"}, g_bSanskritRasiNames)}) {}

CTwoChartStylesDlg::CTwoChartStylesDlg(QWidget* parent)
    : COptionFormDlg(parent, "Multiple Chart Style Support",
                     {CheckOption("Use two chart styles", g_bUseTwoChartStyles),
                      IntOption("First chart style", kChartStyles, g_nChartStyle),
                      IntOption("Second chart style", kChartStyles, g_nChartStyle2)}) {}

CVargaOptionsDlg::CVargaOptionsDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Divisional Chart Calculation Options",
          {IntOption("Hora chart (D-2) to be used",
                     {"Parasara hora (Cn-Le  interpretation)", "Kalomithra Hora (day/night rasis - 1st/7th)",
                      "Parivritti-dwaya (bi-cyclical) Hora", "Samasaptaka Hora (based on 1st & 7th)",
                      "Mandooka Hora (based on 1st & 3rd)", "Kashinatha Hora (NVC)",
                      "Re-interpreted Parasara Hora (Uma-Shambhu)", "Labha Mandooka Hora (1st & 11th)",
                      "Raman Hora", "Raman Hora (NVC modified)", "Niranjan Hora",
                      "Niranjan Hora (NVC modified)"},
                     g_nHoraPreference),
           IntOption("Drekkana chart (D-3) to be used",
                     {"Standard Parasara Drekkana", "Parivritti-traya (tri-cyclical) Drekkana",
                      "Somanatha Drekkana (hybrid-cyclical)",
                      "Kalomithra Drekkana (trines from movable signs)",
                      "Re-interpreted Parasara Drekkana (Uma-Shambhu)"},
                     g_nD3Preference),
           IntOption("Chaturthamsa chart (D-4) to be used",
                     {"Standard Parasara D-4", "Parivritti (cyclical) D-4 (also known as H-4)"},
                     g_nD4Preference),
           IntOption("Panchamsa chart (D-5) to be used",
                     {"Standard Parasara D-5", "Parivritti (cyclical) D-5 (also known as H-5)"},
                     g_nD5Preference),
           IntOption("Ashtamsa chart (D-8) to be used",
                     {"Continuous and Regular Ashtamsa", "Tattva-based discontinuous Ashtamsa"},
                     g_nD8Preference),
           IntOption("Navamsa chart (D-9) to be used",
                     {"Regular Parasari Navamsa", "Kalachakra Navamsa", "Krishna Mishra Navamsa",
                      "Uniform Krishna Mishra Navamsa", ""},
                     g_nD9Preference),
           IntOption("Ekadasamsa chart (D-11) to be used", {"Zodiacal Rudramsa", "Anti-zodiacal Rudramsa"},
                     g_nD11Preference),
           IntOption("Trimsamsa chart (D-30) to be used",
                     {"Standard Trimsamsa (irregular D-30 with empty Cn and Le)",
                      "Parivritti Trimsa Trimsamsa (regular and cyclical D-30)",
                      "Shashtyamsa like Trimsamsa (30 signs from the sign)"},
                     g_nD30Preference),
           IntOption("Ashtottaramsa chart (D-108) to be used",
                     {"Rasi divided into 108 parts", "Navamsa divided into 12 parts"}, g_nD108Preference),
           IntOption("The 150-division used in Nadyamsa (D-150)",
                     {"Uniform 150 division", "Non-uniform 150 division based on Chandra Kala Nadi"},
                     g_nD150Preference),
           IntOption("Names of nadis used in Nadyamsa (D-150)",
                     {"Names in Deva Keralam (Chandra Kala Nadi)", "Names in the other tradition"},
                     g_nD150NamePreference),
           IntOption("Ardha nadi ruler calculation method",
                     {"Old continuous method", "Newer method", "Exact nadi like method"},
                     g_nArdhaNadiRulerDefinition),
           CheckOption("Map each 1 degree in rasi to 30 deg in D-30 (when finding divisional longitudes)",
                       g_bUse1DegInD30ForDivLong),
           CheckOption(
               "Reckon divisional longitudes from the end of sign when using reverse reckoning of signs",
               g_bDivLongFromEndToo)}) {}

CUpagrahaOptionsDlg::CUpagrahaOptionsDlg(QWidget* parent)
    : COptionFormDlg(parent, "Upagraha Calculation Options", UpagrahaRows()) {}

CPlanetOptionsDlg::CPlanetOptionsDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Planet Calculation Options",
          {FlagOption("Positions seen from", {"Geocentric", "Topocentric"}, g_bTopocentricPositions),
           FlagOption("Positions", {"Apparent positions", "True positions"}, g_bTruePositions),
           FlagOption("Rahu and Ketu", {"Mean nodes", "True nodes"}, g_bTrueNodes),
           FlagOption("Nutation", {"Included", "Left out"}, g_bNoNutation),
           FlagOption("Annual aberration", {"Included", "Left out"}, g_bNoAberration),
           FlagOption("Gravitational deflection", {"Included", "Left out"}, g_bNoGravDeflection),
           FlagOption("Refraction", {"Not applied", "Applied (apparent positions only)"},
                      g_bApparentRefraction)}) {}
