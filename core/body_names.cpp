// Body and point names in English and Sanskrit, each as full name, chart-cell abbreviation and
// table-column short name. Bodies 10-82 read the same in both languages except body 45.
#include "core/body_names.h"

const char* const* g_pszPlanetNames = nullptr;
const char* const* g_pszPlanetNamesAlt = nullptr;
const char* const* g_pszPlanetNamesAlt2 = nullptr;

const char* const* ChosenPlanetNames() {
    return g_pszPlanetNames ? g_pszPlanetNames : g_planetNames;
}

const char* const* ChosenPlanetAbbrevs() {
    return g_pszPlanetNamesAlt ? g_pszPlanetNamesAlt : g_planetAbbrevs;
}

const char* const g_extraPointSlotNames[] = {"Mode's own point", "User's special point",
                                             "User's special lagna"};

const char* FullBodyName(int body) {
    return body < kNamedBodyCount ? g_planetNames[body] : g_extraPointSlotNames[body - kNamedBodyCount];
}

const char* const g_planetNames[] = {
    "Lagna", "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu", "Uranus",
    "Neptune", "Pluto",
    // 13-21 special lagnas and points
    "Bhava Lagna", "Hora Lagna", "Ghati Lagna", "Vighati Lagna", "Pranapada Lagna", "Sree Lagna",
    "Indu Lagna", "Bhrigu Bindu", "Kunda",
    // 22-32 upagrahas
    "Dhooma", "Vyatipata", "Parivesha", "Indra Chapa", "Upaketu", "Kaala", "Mrityu", "Artha Prahara",
    "Yama Ghantaka", "Maandi", "Gulika",
    // 33-46 sphutas
    "Prana Sphuta", "Deha Sphuta", "Mrityu Sphuta", "Sookshma TriSphuta", "Tithi Sphuta",
    "Yoga Sphuta (Sun-Moon)", "Rahu Tithi Sphuta", "Kshetra Sphuta", "Beeja Sphuta", "TriSphuta",
    "ChatusSphuta", "PanchaSphuta", "Yoga Sphuta", "Avayoga Sphuta",
    // 47-58 varnadas
    "Varnada Lagna", "V2", "V3", "V4", "V5", "V6", "V7", "V8", "V9", "V10", "V11", "V12",
    // 59-70 bhava arudhas (the twelfth is the upapada UL), then L1-L12
    "AL", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "UL", "L1", "L2", "L3", "L4", "L5",
    "L6", "L7", "L8", "L9", "L10", "L11", "L12",
    // 83-91 graha arudhas, 92-101 arudhas of the planets' second signs
    "Sun's Arudha", "Moon's Arudha", "Mars's Arudha", "Mercury's Arudha", "Jupiter's Arudha",
    "Venus's Arudha", "Saturn's Arudha", "Rahu's Arudha", "Ketu's Arudha", "Mars's Ar Arudha",
    "Mercury's Ge Arudha", "Jupiter's Sg Arudha", "Venus's Ta Arudha", "Saturn's Cp Arudha",
    "Mars's Sc Arudha", "Mercury's Vi Arudha", "Jupiter's Pi Arudha", "Venus's Li Arudha",
    "Saturn's Aq Arudha"};

const char* const g_planetNamesSanskrit[] = {"Lagna",
                                             "Surya",
                                             "Chandra",
                                             "Mangala",
                                             "Budha",
                                             "Guru",
                                             "Sukra",
                                             "Sani",
                                             "Rahu",
                                             "Ketu",
                                             "Uranus",
                                             "Neptune",
                                             "Pluto",
                                             "Bhava Lagna",
                                             "Hora Lagna",
                                             "Ghati Lagna",
                                             "Vighati Lagna",
                                             "Pranapada Lagna",
                                             "Sree Lagna",
                                             "Indu Lagna",
                                             "Bhrigu Bindu",
                                             "Kunda",
                                             "Dhooma",
                                             "Vyatipata",
                                             "Parivesha",
                                             "Indra Chapa",
                                             "Upaketu",
                                             "Kaala",
                                             "Mrityu",
                                             "Artha Prahara",
                                             "Yama Ghantaka",
                                             "Maandi",
                                             "Gulika",
                                             "Prana Sphuta",
                                             "Deha Sphuta",
                                             "Mrityu Sphuta",
                                             "Sookshma TriSphuta",
                                             "Tithi Sphuta",
                                             "Yoga Sphuta (Sun-Moon)",
                                             "Rahu Tithi Sphuta",
                                             "Kshetra Sphuta",
                                             "Beeja Sphuta",
                                             "TriSphuta",
                                             "ChatusSphuta",
                                             "PanchaSphuta",
                                             "Yogi Sphuta",
                                             "Avayoga Sphuta",
                                             "Varnada Lagna",
                                             "V2",
                                             "V3",
                                             "V4",
                                             "V5",
                                             "V6",
                                             "V7",
                                             "V8",
                                             "V9",
                                             "V10",
                                             "V11",
                                             "V12",
                                             "AL",
                                             "A2",
                                             "A3",
                                             "A4",
                                             "A5",
                                             "A6",
                                             "A7",
                                             "A8",
                                             "A9",
                                             "A10",
                                             "A11",
                                             "UL",
                                             "L1",
                                             "L2",
                                             "L3",
                                             "L4",
                                             "L5",
                                             "L6",
                                             "L7",
                                             "L8",
                                             "L9",
                                             "L10",
                                             "L11",
                                             "L12",
                                             "Surya's Arudha",
                                             "Chandra's Arudha",
                                             "Mangala's Arudha",
                                             "Budha's Arudha",
                                             "Guru's Arudha",
                                             "Sukra's Arudha",
                                             "Sani's Arudha",
                                             "Rahu's Arudha",
                                             "Ketu's Arudha",
                                             "Mangala's Ar Arudha",
                                             "Budha's Ge Arudha",
                                             "Guru's Sg Arudha",
                                             "Sukra's Ta Arudha",
                                             "Sani's Cp Arudha",
                                             "Mangala's Sc Arudha",
                                             "Budha's Vi Arudha",
                                             "Guru's Pi Arudha",
                                             "Sukra's Li Arudha",
                                             "Sani's Aq Arudha"};

const char* const g_planetAbbrevs[] = {
    "As",  "Su", "Mo",  "Ma",  "Me",  "Ju",  "Ve",   "Sa",  "Ra",  "Ke",   "Ur",  "Ne",  "Pl",  "BL",  "HL ",
    "GL ", "VG", "PP",  "SL ", "IL",  "BB",  "Ku",   "Dh",  "Vy",  "PV",   "IC",  "UK",  "Kl",  "Mri", "AP",
    "YG",  "Md", "Gk",  "PS",  "DS",  "MS",  "STS",  "TS",  "YS",  "RTS",  "KS",  "BS",  "TS",  "CS",  "PS",
    "YO",  "AY", "VL",  "V2",  "V3",  "V4",  "V5",   "V6",  "V7",  "V8",   "V9",  "V10", "V11", "V12", "AL ",
    "A2",  "A3", "A4",  "A5",  "A6",  "A7",  "A8",   "A9",  "A10", "A11",  "UL",  "L1",  "L2",  "L3",  "L4",
    "L5",  "L6", "L7",  "L8",  "L9",  "L10", "L11",  "L12", "Su",  "Mo",   "Ma",  "Me",  "Ju",  "Ve",  "Sa",
    "Ra",  "Ke", "Ma1", "Me3", "Ju9", "Ve2", "Sa10", "Ma8", "Me6", "Ju12", "Ve7", "Sa11"};

const char* const g_planetAbbrevsSanskrit[] = {
    "Lg",  "Sy", "Ch",  "Ma",  "Bu",  "Gu",  "Sk",   "Sa",  "Ra",  "Ke",   "Ur",  "Ne",  "Pl",  "BL",  "HL ",
    "GL ", "VG", "PP",  "SL ", "IL",  "BB",  "Ku",   "Dh",  "Vy",  "PV",   "IC",  "UK",  "Kl",  "Mri", "AP",
    "YG",  "Md", "Gk",  "PS",  "DS",  "MS",  "STS",  "TS",  "YS",  "RTS",  "KS",  "BS",  "TS",  "CS",  "PS",
    "YO",  "AY", "VL",  "V2",  "V3",  "V4",  "V5",   "V6",  "V7",  "V8",   "V9",  "V10", "V11", "V12", "AL ",
    "A2",  "A3", "A4",  "A5",  "A6",  "A7",  "A8",   "A9",  "A10", "A11",  "UL",  "L1",  "L2",  "L3",  "L4",
    "L5",  "L6", "L7",  "L8",  "L9",  "L10", "L11",  "L12", "Sy",  "Ch",   "Ma",  "Bu",  "Gu",  "Sk",  "Sa",
    "Ra",  "Ke", "Ma1", "Bu3", "Gu9", "Su2", "Sa10", "Ma8", "Bu6", "Gu12", "Su7", "Sa11"};

const char* const g_planetShortNames[] = {
    "Asc", "Sun", "Moon", "Mars", "Merc", "Jup",  "Ven", "Sat", "Rah",  "Ket", "Ura", "Nep", "Plu",
    "BL",  "HL",  "GL",   "VGL",  "PPL",  "SL",   "IL",  "BB",  "Ku",   "Dhu", "Vya", "PaV", "ICh",
    "UpK", "Kal", "Mri",  "APr",  "YGh",  "Mnd",  "Glk", "PS",  "DS",   "MS",  "STS", "TS",  "YS",
    "RTS", "KS",  "BS",   "TS",   "CS",   "PS",   "YO",  "AY",  "VL",   "V2",  "V3",  "V4",  "V5",
    "V6",  "V7",  "V8",   "V9",   "V10",  "V11",  "V12", "AL ", "A2",   "A3",  "A4",  "A5",  "A6",
    "A7",  "A8",  "A9",   "A10",  "A11",  "UL",   "L1",  "L2",  "L3",   "L4",  "L5",  "L6",  "L7",
    "L8",  "L9",  "L10",  "L11",  "L12",  "Su",   "Mo",  "Ma",  "Me",   "Ju",  "Ve",  "Sa",  "Ra",
    "Ke",  "Ma1", "Me3",  "Ju9",  "Ve2",  "Sa10", "Ma8", "Me6", "Ju12", "Ve7", "Sa11"};

const char* const g_planetShortNamesSanskrit[] = {
    "Lag", "Sury", "Chan", "Mang", "Budh", "Guru",  "Sukr", "Sani", "Rah",   "Ket",  "Ur",   "Ne",   "Pl",
    "BL",  "HL ",  "GL ",  "VG",   "PP",   "SL ",   "IL",   "BB",   "Ku",    "Dh",   "Vy",   "PV",   "IC",
    "UK",  "Kl",   "Mri",  "AP",   "YG",   "Md",    "Gk",   "PS",   "DS",    "MS",   "STS",  "TS",   "YS",
    "RTS", "KS",   "BS",   "TS",   "CS",   "PS",    "YO",   "AY",   "VL",    "V2",   "V3",   "V4",   "V5",
    "V6",  "V7",   "V8",   "V9",   "V10",  "V11",   "V12",  "AL ",  "A2",    "A3",   "A4",   "A5",   "A6",
    "A7",  "A8",   "A9",   "A10",  "A11",  "UL",    "L1",   "L2",   "L3",    "L4",   "L5",   "L6",   "L7",
    "L8",  "L9",   "L10",  "L11",  "L12",  "Sury",  "Chan", "Mang", "Budh",  "Guru", "Sukr", "Sani", "Rah",
    "Ket", "Man1", "Bud3", "Gur9", "Suk2", "San10", "Man8", "Bud6", "Gur12", "Suk7", "San11"};
