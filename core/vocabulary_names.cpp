// Karaka, avastha, vaiseshikamsa, sahama, tara, murthi, dasa-seed and number texts.
#include "core/vocabulary_names.h"

std::string g_strDasaSeedName;
bool g_bDasaSeedNameValid = false;

const char* const g_charaKarakaAbbrevs[] = {"AK", "AmK", "BK", "MK", "PiK", "PK", "GK", "DK"};
const char* const g_charaKarakaMeanings[] = {
    "Self",           "Minister (advisor)", "Brother (associate)", "Mother (nourisher)", "Father (authority)",
    "Son (follower)", "Cousin (rival)",     "Spouse (partner)"};

const char* const g_activityAvasthaNames[] = {"Sayana (lying down)",
                                              "Upavesana (sitting)",
                                              "Netrapani (eyes and hands)",
                                              "Prakasana (glowing)",
                                              "Gamana (on the move)",
                                              "Aagamana (coming)",
                                              "Sabha (at an assembly)",
                                              "Aagama (returning)",
                                              "Bhojana (eating)",
                                              "NrityaLipsa (desirous of dancing)",
                                              "Kautuka (eager)",
                                              "Nidra (sleeping)"};
const char* const g_activityIntensityNames[] = {"Drishti (medium)", "Cheshta (full)", "Vicheshta (little)"};
const char* const g_ageAvasthaNames[] = {"Baala (infant)", "Kumara (adolescent)", "Yuva (young)",
                                         "Vriddha (old)", "Mrita (dead)"};
const char* const g_alertnessAvasthaNames[] = {"Jaagrita (awake)", "Swapna (dreaming)", "Sushupta (asleep)"};
const char* const g_moodAvasthaNames[] = {
    "Deepta (glowing)",   "Swastha (comfortable)", "Mudita (delighted)",  "Saanta (peaceful)",
    "Deena (sad)",        "Duhkhita (distressed)", "Vikala (crippled)",   "Khala (mischievous)",
    "Kopita (angry)",     "Lajjita (ashamed)",     "Garvita (proud)",     "Kshudhita (hungry)",
    "Trishita (thirsty)", "Mudita (delighted)",    "Kshobhita (agitated)"};

const char* const g_vaiseshikamsaNames6[] = {"              ", "              ", "2-Kimshuka    ",
                                             "3-Vyanjana    ", "4-Chaamara    ", "5-Chatra      ",
                                             "6-Kundala     "};
const char* const g_vaiseshikamsaNames7[] = {"              ", "              ", "2-Kimshuka    ",
                                             "3-Vyanjana    ", "4-Chaamara    ", "5-Chatra      ",
                                             "6-Kundala     ", "7-Mukuta      "};
const char* const g_vaiseshikamsaNames10[] = {"              ", "              ", "2-Paarijaata  ",
                                              "3-Uttama      ", "4-Gopura      ", "5-Simhasana   ",
                                              "6-Paaraavata  ", "7-Devaloka    ", "8-Brahmaloka  ",
                                              "9-Airaavata   ", "10-Sreedhaama "};
const char* const g_vaiseshikamsaNames16[] = {
    "               ", "               ", "2-Bhedaka      ", "3-Kusuma       ", "4-Nagapurusha  ",
    "5-Kanduka      ", "6-Kerala       ", "7-Kalpavriksha ", "8-ChandanaVana ", "9-PurnaChandra ",
    "10-Uchchaisrava", "11-Dhanvantari ", "12-Suryakanta  ", "13-Vidruma     ", "14-Indraasana  ",
    "15-Goloka      ", "16-Srivallabha "};

const char* const g_sahamaNames[] = {
    "Punya Sahama",    "Vidya Sahama",    "Yasas Sahama",      "Mitra Sahama",    "Mahatmya Sahama",
    "Asha Sahama",     "Samartha Sahama", "Bhratru Sahama",    "Gaurava Sahama",  "Pitru Sahama",
    "Rajya Sahama",    "Matru Sahama",    "Putra Sahama",      "Jeeva Sahama",    "Karma Sahama",
    "Roga Sahama",     "Kali Sahama",     "Sastra Sahama",     "Bandhu Sahama",   "Mrityu Sahama",
    "Paradesa Sahama", "Artha Sahama",    "Paradara Sahama",   "Vanik Sahama",    "Karyasiddhi Sahama",
    "Vivaha Sahama",   "Santapa Sahama",  "Sraddha Sahama",    "Preeti Sahama",   "Jadya Sahama",
    "Vyapara Sahama",  "Satru Sahama",    "Jalapatana Sahama", "Bandhana Sahama", "Apamrityu Sahama",
    "Labha Sahama"};
const char* const g_sahamaShortNames[] = {
    "Puny",  "Vidy",  "Yasa", "Mitr",  "Maha",  "Asha",   "Smrth",  "Bhra",  "Gaurv",
    "Pitr",  "Rajy",  "Matr", "Putr",  "Jeev",  "Karm",   "Roga",   "Kali",  "Sstr",
    "Bndhu", "Mri",   "PDes", "Arth",  "PDar",  "Vanik",  "KSidh",  "Vivah", "Santap",
    "Sradh", "Priti", "Jady", "Vyapr", "Satru", "JPatan", "Bndhan", "ApMri", "Labh"};
const char* const g_sahamaMeanings[] = {"Fortune, good deeds",
                                        "Learning",
                                        "Fame",
                                        "Friend",
                                        "Greatness",
                                        "Hopes, desires",
                                        "Enterprise",
                                        "Brother",
                                        "Respect",
                                        "Father",
                                        "Kingdom",
                                        "Mother",
                                        "Children",
                                        "Life",
                                        "Activities (profession)",
                                        "Diseases",
                                        "Misfortune",
                                        "Sciences",
                                        "Relatives",
                                        "Death",
                                        "Foreign countries",
                                        "Wealth",
                                        "Adultery",
                                        "Trade",
                                        "Fructification of projects",
                                        "Marriage",
                                        "Sadness",
                                        "Dedication",
                                        "Love, affection",
                                        "Sluggishness",
                                        "Business",
                                        "Enemies",
                                        "Crossing ocean",
                                        "Imprisonment",
                                        "Untimely death (bad death)",
                                        "Gains"};

const char* const g_taraNames[] = {"Janma",    "Sampat",   "Vipat", "Kshema",      "Pratyak",
                                   "Saadhana", "Naidhana", "Mitra", "Parama Mitra"};
const char* const g_taraMeanings[] = {"Birth",       "Wealth", "Danger", "Well-being", "Obstacles",
                                      "Achievement", "Death",  "Friend", "Good friend"};
const char* const g_specialTaraNames[] = {"Janma",    "Karma",     "Samudayika", "Sanghatika",
                                          "Jaati",    "Naidhana",  "Desa",       "Abhisheka",
                                          "Aadhaana", "Vainasika", "Maanasa"};
const char* const g_specialTaraMeanings[] = {"Existence", "Work",        "Collective", "Social",
                                             "Family",    "Death",       "Nation",     "Coronation",
                                             "Kindling",  "Destructive", "Mental"};

const int g_specialTaraCounts[] = {1, 10, 18, 16, 4, 7, 12, 28, 19, 22, 25};

const char* const g_murthiNames[] = {"Swarna - golden", "Rajata - silver", "Taamra - copper", "Loha - iron"};

const char* const g_dasaSeedNames[] = {"Moon",
                                       "Utpanna taara",
                                       "Kshema taara",
                                       "Aadhaana taara",
                                       "Lagna",
                                       "Mandi",
                                       "Gulika",
                                       "Trisphuta",
                                       "Sun",
                                       "Mars",
                                       "Mercury",
                                       "Jupiter",
                                       "Venus",
                                       "Saturn",
                                       "Rahu",
                                       "Ketu",
                                       "Bhrigubindu",
                                       "Indu lagna",
                                       "Pranapada lagna",
                                       "user's special point",
                                       "user's special lagna"};

const char* const g_numberWords[] = {"Zero",  "One",   "Two",  "Three", "Four",   "Five",  "Six",
                                     "Seven", "Eight", "Nine", "Ten",   "Eleven", "Twelve"};
const char* const g_numberTexts[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
                                     "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21",
                                     "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32"};
const char* const g_houseOrdinals[] = {"1st", "2nd", "3rd", "4th",  "5th",  "6th",
                                       "7th", "8th", "9th", "10th", "11th", "12th"};
