// Sign, nakshatra and varga-column names.
#include "core/zodiac_names.h"

const char* const* g_pszSignNames = nullptr;

const char* const g_signNames[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                   "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
const char* const g_signAbbrevs[] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi", "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};
const char* const g_signNamesSanskrit[] = {"Mesh", "Vrish",  "Mith",  "Kark",  "Simh",  "Kanya",
                                           "Tula", "Vrisch", "Dhanu", "Makar", "Kumbh", "Meen"};

const char* const g_nakshatraNames[] = {
    "Aswini",       "Bharani",      "Krittika",     "Rohini",   "Mrigasira",       "Aardra",
    "Punarvasu",    "Pushyami",     "Aasresha",     "Magha",    "Poorva Phalguni", "Uttara Phalguni",
    "Hastha",       "Chitra",       "Swaati",       "Visakha",  "Anuraadha",       "Jyeshtha",
    "Moola",        "Poorvashadha", "Uttarashadha", "Sravanam", "Dhanishtha",      "Satabhishak",
    "Poorvabhadra", "Uttarabhadra", "Revati"};

const char* const g_nakshatraNames28[] = {
    "Aswini",      "Bharani",      "Krittika",     "Rohini",  "Mrigasira",       "Aardra",
    "Punarvasu",   "Pushyami",     "Aasresha",     "Magha",   "Poorva Phalguni", "Uttara Phalguni",
    "Hastha",      "Chitra",       "Swaati",       "Visakha", "Anuraadha",       "Jyeshtha",
    "Moola",       "Poorvashadha", "Uttarashadha", "Abhijit", "Sravanam",        "Dhanishtha",
    "Satabhishak", "Poorvabhadra", "Uttarabhadra", "Revati"};

const char* const g_nakshatraShortNames[] = {"Aswi", "Bhar", "Krit", "Rohi", "Mrig", "Ardr", "Puna",
                                             "Push", "Asre", "Magh", "PPha", "UPha", "Hast", "Chit",
                                             "Swat", "Visa", "Anu",  "Jye",  "Mool", "PSha", "USha",
                                             "Srav", "Dhan", "Sata", "PBha", "UBha", "Reva"};

const char* const g_nakshatraShortNames28[] = {"Aswi", "Bhar", "Krit", "Rohi", "Mrig", "Ardr", "Puna",
                                               "Push", "Asre", "Magh", "PPha", "UPha", "Hast", "Chit",
                                               "Swat", "Visa", "Anu",  "Jye",  "Mool", "PSha", "USha",
                                               "Abhi", "Srav", "Dhan", "Sata", "PBha", "UBha", "Reva"};

std::string g_vargaNames[] = {"Rasi",
                              "Navamsa",
                              "Hora",
                              "Drekkana",
                              "Chaturthamsa",
                              "Panchamsa",
                              "Shashthamsa",
                              "Saptamsa",
                              "Ashtamsa",
                              "Dasamsa",
                              "Rudramsa",
                              "Dwadasamsa",
                              "Shodasamsa",
                              "Vimsamsa",
                              "Siddhamsa",
                              "Nakshatramsa",
                              "Trimsamsa",
                              "Khavedamsa",
                              "Akshavedamsa",
                              "Shashtyamsa",
                              "Navanavamsa",
                              "Ashtottaramsa",
                              "Dwadasa-Dwadasamsa",
                              "",
                              "",
                              "Nadyamsa",
                              "Hora",
                              "Hadda",
                              "Bhava/Chalit",
                              "Bhava/Chalit"};

std::string g_strVargaLabels[] = {"D-1",  "D-9",   "D-2",  "D-3",   "D-4",    "D-5",   "D-6",   "D-7",
                                  "D-8",  "D-10",  "D-11", "D-12",  "D-16",   "D-20",  "D-24",  "D-27",
                                  "D-30", "D-40",  "D-45", "D-60",  "D-81",   "D-108", "D-144", "",
                                  "",     "D-150", "Hora", "Hadda", "D-1 (B)"};

std::string g_vargaTitles[] = {"Rasi", "Navamsa", "D-2",  "D-3",   "D-4",    "D-5",   "D-6",   "D-7",
                               "D-8",  "D-10",    "D-11", "D-12",  "D-16",   "D-20",  "D-24",  "D-27",
                               "D-30", "D-40",    "D-45", "D-60",  "D-81",   "D-108", "D-144", "",
                               "",     "D-150",   "Hora", "Hadda", "D-1 (B)"};
