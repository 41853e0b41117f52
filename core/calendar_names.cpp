// Weekday and panchanga names.
#include "core/calendar_names.h"

const char* const g_weekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
const char* const g_weekdayShortNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const g_weekdayAbbrevs[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

const char* const g_monthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};

const char* const g_tithiNames[] = {
    "Sukla Pratipat",   "Sukla Dwitiya",    "Sukla Tritiya",     "Sukla Chaturthi",    "Sukla Panchami",
    "Sukla Shashthi",   "Sukla Sapthami",   "Sukla Ashtami",     "Sukla Navami",       "Sukla Dasami",
    "Sukla Ekadasi",    "Sukla Dwadasi",    "Sukla Trayodasi",   "Sukla Chaturdasi",   "Pournimasya",
    "Krishna Pratipat", "Krishna Dwitiya",  "Krishna Tritiya",   "Krishna Chaturthi",  "Krishna Panchami",
    "Krishna Shashthi", "Krishna Sapthami", "Krishna Ashtami",   "Krishna Navami",     "Krishna Dasami",
    "Krishna Ekadasi",  "Krishna Dwadasi",  "Krishna Trayodasi", "Krishna Chaturdasi", "Amavasya"};

const char* const g_tithiDayNames[] = {
    "Pratipat", "Dwitiya", "Tritiya",   "Chaturthi", "Panchami",   "Shashthi",   "Sapthami",    "Ashtami",
    "Navami",   "Dasami",  "Ekadasi",   "Dwadasi",   "Trayodasi",  "Chaturdasi", "Pournimasya", "Pratipat",
    "Dwitiya",  "Tritiya", "Chaturthi", "Panchami",  "Shashthi",   "Sapthami",   "Ashtami",     "Navami",
    "Dasami",   "Ekadasi", "Dwadasi",   "Trayodasi", "Chaturdasi", "Amavasya"};

const char* const g_tithiDeityNames[] = {
    "Kaameswari",    "Bhaga Maalini",   "Nitya Klinna", "Bherunda",      "Vahni Vaasini",   "Vajreswari",
    "Siva Dooti",    "Tvarita",         "Kula Sundari", "Nitya",         "Neela Pataaka",   "Vijaya",
    "Sarva Mangala", "Jwaalaa Maalini", "Chitra",       "Kaameswari",    "Bhaga Maalini",   "Nitya Klinna",
    "Bherunda",      "Vahni Vaasini",   "Vajreswari",   "Siva Dooti",    "Tvarita",         "Kula Sundari",
    "Nitya",         "Neela Pataaka",   "Vijaya",       "Sarva Mangala", "Jwaalaa Maalini", "Chitra"};

const char* const g_pakshaNames[] = {"Sukla", "Krishna"};

const char* const g_specialTithiNames[] = {"Janma tithi",
                                           "Dhana tithi",
                                           "Bhratri tithi",
                                           "Matri tithi",
                                           "Putra tithi",
                                           "Satru tithi",
                                           "Kalatra tithi",
                                           "Mrityu tithi",
                                           "Bhagya tithi",
                                           "Karma tithi",
                                           "Laabha tithi",
                                           "Vyaya tithi",
                                           "Janma tithi (cycle 2)",
                                           "Dhana tithi (cycle 2)",
                                           "Bhratri tithi (cycle 2)",
                                           "Matri tithi (cycle 2)",
                                           "Putra tithi (cycle 2)",
                                           "Satru tithi (cycle 2)",
                                           "Kalatra tithi (cycle 2)",
                                           "Mrityu tithi (cycle 2)",
                                           "Bhagya tithi (cycle 2)",
                                           "Karma tithi (cycle 2)",
                                           "Laabha tithi (cycle 2)",
                                           "Vyaya tithi (cycle 2)",
                                           "Janma tithi (cycle 3)",
                                           "Dhana tithi (cycle 3)",
                                           "Bhratri tithi (cycle 3)",
                                           "Matri tithi (cycle 3)",
                                           "Putra tithi (cycle 3)",
                                           "Satru tithi (cycle 3)",
                                           "Kalatra tithi (cycle 3)",
                                           "Mrityu tithi (cycle 3)",
                                           "Bhagya tithi (cycle 3)",
                                           "Karma tithi (cycle 3)",
                                           "Laabha tithi (cycle 3)",
                                           "Vyaya tithi (cycle 3)"};

const char* const g_yogaNames[] = {"Vishkambha", "Priti",    "Ayushman", "Soubhagya", "Sobhana",   "Atiganda",
                                   "Sukarman",   "Dhriti",   "Soola",    "Ganda",     "Vriddhi",   "Dhruva",
                                   "Vyaghata",   "Harshana", "Vajra",    "Siddhi",    "Vyatipata", "Variyan",
                                   "Parigha",    "Siva",     "Siddha",   "Sadhya",    "Subha",     "Sukla",
                                   "Brahma",     "Indra",    "Vaidhriti"};

const char* const g_karanaNames[] = {"Bava",   "Balava", "Kaulava",     "Taitula", "Garija",    "Vanija",
                                     "Vishti", "Sakuna", "Chatushpada", "Naga",    "Kimstughna"};

const char* const g_choghadiyaNames[] = {"Udyoga", "Amrita", "Roga", "Laabha", "Shubha", "Chala", "Kaala"};

const char* const g_lunarMonthNames[] = {"Vaisakha",   "Jyeshtha", "Ashadha",  "Sravana",
                                         "Bhadrapada", "Aswayuja", "Karthika", "Margasira",
                                         "Pushya",     "Magha",    "Phalguna", "Chaitra"};

const char* const g_rituNames[] = {"Vasanta", "Greeshma", "Varsha", "Sharad", "Hemanta", "Shishira"};

const char* const g_samvatsaraNames[] = {
    "Prabhava",      "Vibhava",     "Sukla",        "Pramoda",    "Prajapati",   "Angirasa", "Sreemukha",
    "Bhava",         "Yuva",        "Dhaata",       "Isvara",     "Bahu-dhanya", "Pramathi", "Vikrama",
    "Vrisha",        "Chitrabhanu", "Subhanu",      "Tarana",     "Parthiva",    "Vyaya",    "Sarva-jit",
    "Sarva-dhari",   "Virodhi",     "Vikriti",      "Khara",      "Nandana",     "Vijaya",   "Jaya",
    "Manmatha",      "Durmukha",    "Hemalamba",    "Vilamba",    "Vikari",      "Sharvari", "Plava",
    "Shubha-krit",   "Shobhana",    "Krodhi",       "Viswa-vasu", "Parabhava",   "Plavanga", "Keelaka",
    "Saumya",        "Sadharana",   "Virodha-krit", "Paridhavi",  "Pramadi",     "Ananda",   "Rakshasa",
    "Nala",          "Pingala",     "Kaala-yukta",  "Siddarthi",  "Raudra",      "Durmati",  "Dundubhi",
    "Rudhirodgaari", "Raktaaksha",  "Krodhana",     "Kshaya"};
