// Body labels and varga names of the regional chart languages and of the symbol labels. The body
// labels are the abbreviations an astrologer reading the script expects in a chart cell; the varga
// names are the Sanskrit column names in that script.
#include <cstddef>

#include "core/chart_labels.h"

namespace {

constexpr int kFirstGrahaArudha = 83;      // 83-91: arudhas of planets 1-9
constexpr int kFirstSecondSignArudha = 92; // 92-101: arudhas of the planets' second signs

// The regional texts of one language: lagna and the nine grahas, and the arudhas of the second signs
// (the planet's label followed by the sign number, as in the English "Ma1", "Me3" ...).
struct RegionalLabels {
    std::array<const char*, 10> lagnaAndGrahas;
    std::array<const char*, 10> secondSignArudhas;
};

BodyLabelTable MakeBodyLabels(const RegionalLabels& regional) {
    BodyLabelTable table{};
    for (int body = 0; body < kNamedBodyCount; ++body) table[body] = g_planetAbbrevs[body];
    for (int body = 0; body < 10; ++body) table[body] = regional.lagnaAndGrahas[body];
    for (int planet = 1; planet <= 9; ++planet)
        table[kFirstGrahaArudha + planet - 1] = regional.lagnaAndGrahas[planet];
    for (std::size_t i = 0; i < regional.secondSignArudhas.size(); ++i)
        table[kFirstSecondSignArudha + i] = regional.secondSignArudhas[i];
    return table;
}

} // namespace

// Assamese writes the arudha lagna without the trailing blank of the other tables.
const BodyLabelTable g_planetLabelsAssamese = [] {
    BodyLabelTable table = MakeBodyLabels({{"ল", "ৰ", "চ", "ম", "বু", "বৃ", "শু", "শ", "ৰা", "কে"},
                                           {"ম1", "বু3", "বৃ9", "শু2", "শ10", "ম8", "বু6", "বৃ12", "শু7", "শ11"}});
    table[59] = "AL";
    return table;
}();

const BodyLabelTable g_planetLabelsBengali =
    MakeBodyLabels({{"ল", "র", "চ", "ম", "বু", "বৃ", "শু", "শ", "রা", "কে"},
                    {"ম1", "বু3", "বৃ9", "শু2", "শ10", "ম8", "বু6", "বৃ12", "শু7", "শ11"}});

const BodyLabelTable g_planetLabelsGujarati =
    MakeBodyLabels({{"લ", "સૂ", "ચં", "મં", "બુ", "ગુ", "શુ", "શ", "રા", "કે"},
                    {"મં1", "બુ3", "ગુ9", "શુ2", "શ10", "મં8", "બુ6", "ગુ12", "શુ7", "શ11"}});

const BodyLabelTable g_planetLabelsHindi =
    MakeBodyLabels({{"ल", "सू", "चं", "मं", "बु", "गु", "शु", "श", "रा", "के"},
                    {"मं1", "बु3", "गु9", "शु2", "श10", "मं8", "बु6", "गु12", "शु7", "श11"}});

// Kannada, Malayalam and Telugu charts name Mars Kuja; Kerala charts name Saturn Manda.
const BodyLabelTable g_planetLabelsKannada =
    MakeBodyLabels({{"ಲ", "ರ", "ಚಂ", "ಕು", "ಬು", "ಗು", "ಶು", "ಶ", "ರಾ", "ಕೇ"},
                    {"ಕು1", "ಬು3", "ಗು9", "ಶು2", "ಶ10", "ಕು8", "ಬು6", "ಗು12", "ಶು7", "ಶ11"}});

const BodyLabelTable g_planetLabelsMalayalam =
    MakeBodyLabels({{"ല", "ര", "ച", "കു", "ബു", "ഗു", "ശു", "മ", "രാ", "കേ"},
                    {"കു1", "ബു3", "ഗു9", "ശു2", "മ10", "കു8", "ബു6", "ഗു12", "ശു7", "മ11"}});

const BodyLabelTable g_planetLabelsOriya =
    MakeBodyLabels({{"ଲ", "ର", "ଚ", "ମ", "ବୁ", "ବୃ", "ଶୁ", "ଶ", "ରା", "କେ"},
                    {"ମ1", "ବୁ3", "ବୃ9", "ଶୁ2", "ଶ10", "ମ8", "ବୁ6", "ବୃ12", "ଶୁ7", "ଶ11"}});

const BodyLabelTable g_planetLabelsPunjabi =
    MakeBodyLabels({{"ਲ", "ਸੂ", "ਚੰ", "ਮੰ", "ਬੁ", "ਗੁ", "ਸ਼ੁ", "ਸ਼", "ਰਾ", "ਕੇ"},
                    {"ਮੰ1", "ਬੁ3", "ਗੁ9", "ਸ਼ੁ2", "ਸ਼10", "ਮੰ8", "ਬੁ6", "ਗੁ12", "ਸ਼ੁ7", "ਸ਼11"}});

// Tamil charts write the first syllables of the names.
const BodyLabelTable g_planetLabelsTamil =
    MakeBodyLabels({{"லக்", "சூரி", "சந்", "செவ்", "புத", "குரு", "சுக்", "சனி", "ராகு", "கேது"},
                    {"செவ்1", "புத3", "குரு9", "சுக்2", "சனி10", "செவ்8", "புத6", "குரு12", "சுக்7", "சனி11"}});

const BodyLabelTable g_planetLabelsTelugu =
    MakeBodyLabels({{"ల", "ర", "చం", "కు", "బు", "గు", "శు", "శ", "రా", "కే"},
                    {"కు1", "బు3", "గు9", "శు2", "శ10", "కు8", "బు6", "గు12", "శు7", "శ11"}});

// Unicode has no ascendant symbol; the lagna keeps its abbreviation.
const BodyLabelTable g_planetLabelsAstro =
    MakeBodyLabels({{"As", "☉", "☽", "♂", "☿", "♃", "♀", "♄", "☊", "☋"},
                    {"♂1", "☿3", "♃9", "♀2", "♄10", "♂8", "☿6", "♃12", "♀7", "♄11"}});

std::string g_vargaNamesAssamese[] = {
    "ৰাশি",     "নৱাংশ",   "হোৰা",      "দ্ৰেষ্কাণ",  "চতুৰ্থাংশ", "পঞ্চমাংশ",    "ষষ্ঠাংশ",         "সপ্তাংশ",
    "অষ্টাংশ",   "দশাংশ",   "ৰুদ্ৰাংশ",    "দ্বাদশাংশ", "ষোড়শাংশ", "বিংশাংশ",    "সিদ্ধাংশ",        "নক্ষত্ৰাংশ",
    "ত্ৰিংশাংশ", "খবেদাংশ", "অক্ষবেদাংশ", "ষষ্ট্যংশ",   "নৱনৱাংশ", "অষ্টোত্তৰাংশ", "দ্বাদশ-দ্বাদশাংশ", "",
    "",         "নাড্যংশ",  "হোৰা",      "হদ্দ",      "ভাৱ/চলিত"};

std::string g_vargaNamesBengali[] = {
    "রাশি",     "নবাংশ",   "হোরা",      "দ্রেষ্কাণ",  "চতুর্থাংশ", "পঞ্চমাংশ",    "ষষ্ঠাংশ",         "সপ্তাংশ",
    "অষ্টাংশ",   "দশাংশ",   "রুদ্রাংশ",    "দ্বাদশাংশ", "ষোড়শাংশ", "বিংশাংশ",    "সিদ্ধাংশ",        "নক্ষত্রাংশ",
    "ত্রিংশাংশ", "খবেদাংশ", "অক্ষবেদাংশ", "ষষ্ট্যংশ",   "নবনবাংশ", "অষ্টোত্তরাংশ", "দ্বাদশ-দ্বাদশাংশ", "",
    "",         "নাড্যংশ",  "হোরা",      "হদ্দ",      "ভাব/চলিত"};

std::string g_vargaNamesGujarati[] = {"રાશિ",    "નવાંશ",  "હોરા",   "દ્રેષ્કાણ",    "ચતુર્થાંશ",        "પંચમાંશ",
                                      "ષષ્ઠાંશ",   "સપ્તાંશ", "અષ્ટાંશ",  "દશાંશ",      "રુદ્રાંશ",         "દ્વાદશાંશ",
                                      "ષોડશાંશ",  "વિંશાંશ", "સિદ્ધાંશ", "નક્ષત્રાંશ",   "ત્રિંશાંશ",        "ખવેદાંશ",
                                      "અક્ષવેદાંશ", "ષષ્ટ્યંશ", "નવનવાંશ", "અષ્ટોત્તરાંશ", "દ્વાદશ-દ્વાદશાંશ", "",
                                      "",        "નાડ્યંશ", "હોરા",   "હદ્દ",       "ભાવ/ચલિત"};

std::string g_vargaNamesHindi[] = {"राशि",    "नवांश",  "होरा",   "द्रेष्काण",    "चतुर्थांश",        "पंचमांश",
                                   "षष्ठांश",   "सप्तांश", "अष्टांश",  "दशांश",      "रुद्रांश",         "द्वादशांश",
                                   "षोडशांश",  "विंशांश", "सिद्धांश", "नक्षत्रांश",   "त्रिंशांश",        "खवेदांश",
                                   "अक्षवेदांश", "षष्ट्यंश", "नवनवांश", "अष्टोत्तरांश", "द्वादश-द्वादशांश", "",
                                   "",        "नाड्यंश", "होरा",   "हद्द",       "भाव/चलित"};

std::string g_vargaNamesKannada[] = {
    "ರಾಶಿ",     "ನವಾಂಶ",   "ಹೋರಾ",      "ದ್ರೇಷ್ಕಾಣ",  "ಚತುರ್ಥಾಂಶ", "ಪಂಚಮಾಂಶ",    "ಷಷ್ಠಾಂಶ",         "ಸಪ್ತಾಂಶ",
    "ಅಷ್ಟಾಂಶ",  "ದಶಾಂಶ",   "ರುದ್ರಾಂಶ",   "ದ್ವಾದಶಾಂಶ", "ಷೋಡಶಾಂಶ",  "ವಿಂಶಾಂಶ",     "ಸಿದ್ಧಾಂಶ",         "ನಕ್ಷತ್ರಾಂಶ",
    "ತ್ರಿಂಶಾಂಶ", "ಖವೇದಾಂಶ", "ಅಕ್ಷವೇದಾಂಶ", "ಷಷ್ಟ್ಯಂಶ",   "ನವನವಾಂಶ",  "ಅಷ್ಟೋತ್ತರಾಂಶ", "ದ್ವಾದಶ-ದ್ವಾದಶಾಂಶ", "",
    "",        "ನಾಡ್ಯಂಶ",  "ಹೋರಾ",      "ಹದ್ದ",      "ಭಾವ/ಚಲಿತ"};

// Malayalam gives the Sanskrit names their nominative ending.
std::string g_vargaNamesMalayalam[] = {
    "രാശി",       "നവാംശം",   "ഹോര",      "ദ്രേക്കാണം",    "ചതുർത്ഥാംശം",       "പഞ്ചമാംശം",
    "ഷഷ്ഠാംശം",    "സപ്താംശം",  "അഷ്ടാംശം",  "ദശാംശം",      "രുദ്രാംശം",         "ദ്വാദശാംശം",
    "ഷോഡശാംശം",   "വിംശാംശം", "സിദ്ധാംശം", "നക്ഷത്രാംശം",   "ത്രിംശാംശം",       "ഖവേദാംശം",
    "അക്ഷവേദാംശം", "ഷഷ്ട്യംശം",  "നവനവാംശം", "അഷ്ടോത്തരാംശം", "ദ്വാദശ-ദ്വാദശാംശം", "",
    "",           "നാഡ്യംശം",  "ഹോര",      "ഹദ്ദ",         "ഭാവം/ചലിതം"};

std::string g_vargaNamesOriya[] = {
    "ରାଶି",     "ନବାଂଶ",   "ହୋରା",      "ଦ୍ରେଷ୍କାଣ",  "ଚତୁର୍ଥାଂଶ", "ପଞ୍ଚମାଂଶ",    "ଷଷ୍ଠାଂଶ",         "ସପ୍ତାଂଶ",
    "ଅଷ୍ଟାଂଶ",  "ଦଶାଂଶ",   "ରୁଦ୍ରାଂଶ",    "ଦ୍ୱାଦଶାଂଶ", "ଷୋଡଶାଂଶ", "ବିଂଶାଂଶ",     "ସିଦ୍ଧାଂଶ",         "ନକ୍ଷତ୍ରାଂଶ",
    "ତ୍ରିଂଶାଂଶ", "ଖବେଦାଂଶ", "ଅକ୍ଷବେଦାଂଶ", "ଷଷ୍ଟ୍ୟଂଶ",   "ନବନବାଂଶ", "ଅଷ୍ଟୋତ୍ତରାଂଶ", "ଦ୍ୱାଦଶ-ଦ୍ୱାଦଶାଂଶ", "",
    "",        "ନାଡ୍ୟଂଶ",  "ହୋରା",      "ହଦ୍ଦ",      "ଭାବ/ଚଲିତ"};

std::string g_vargaNamesPunjabi[] = {"ਰਾਸ਼ੀ",    "ਨਵਾਂਸ਼",   "ਹੋਰਾ",    "ਦ੍ਰੇਸ਼ਕਾਣ",  "ਚਤੁਰਥਾਂਸ਼",        "ਪੰਚਮਾਂਸ਼",
                                     "ਸ਼ਸ਼ਠਾਂਸ਼",   "ਸਪਤਾਂਸ਼",  "ਅਸ਼ਟਾਂਸ਼",  "ਦਸ਼ਾਂਸ਼",    "ਰੁਦਰਾਂਸ਼",         "ਦ੍ਵਾਦਸ਼ਾਂਸ਼",
                                     "ਸ਼ੋਡਸ਼ਾਂਸ਼",   "ਵਿੰਸ਼ਾਂਸ਼",  "ਸਿੱਧਾਂਸ਼",  "ਨਕਸ਼ਤ੍ਰਾਂਸ਼", "ਤ੍ਰਿੰਸ਼ਾਂਸ਼",        "ਖਵੇਦਾਂਸ਼",
                                     "ਅਕਸ਼ਵੇਦਾਂਸ਼", "ਸ਼ਸ਼ਟਿਆਂਸ਼", "ਨਵਨਵਾਂਸ਼", "ਅਸ਼ਟੋਤਰਾਂਸ਼", "ਦ੍ਵਾਦਸ਼-ਦ੍ਵਾਦਸ਼ਾਂਸ਼", "",
                                     "",        "ਨਾਡਯਾਂਸ਼", "ਹੋਰਾ",    "ਹੱਦ",      "ਭਾਵ/ਚਲਿਤ"};

std::string g_vargaNamesTamil[] = {
    "ராசி",       "நவாம்சம்",    "ஹோரை",     "திரேக்காணம்",   "சதுர்த்தாம்சம்",        "பஞ்சமாம்சம்",
    "ஷஷ்டாம்சம்",    "சப்தாம்சம்",   "அஷ்டாம்சம்",  "தசாம்சம்",      "ருத்ராம்சம்",          "துவாதசாம்சம்",
    "ஷோடசாம்சம்",   "விம்சாம்சம்",  "சித்தாம்சம்", "நட்சத்திராம்சம்", "திரிம்சாம்சம்",        "கவேதாம்சம்",
    "அக்ஷவேதாம்சம்", "ஷஷ்டியாம்சம்", "நவநவாம்சம்", "அஷ்டோத்தராம்சம்", "துவாதச-துவாதசாம்சம்", "",
    "",           "நாடியாம்சம்", "ஹோரை",     "ஹத்தா",        "பாவம்/சலிதம்"};

std::string g_vargaNamesTelugu[] = {"రాశి",      "నవాంశ",   "హోరా",     "ద్రేష్కాణ",    "చతుర్థాంశ",     "పంచమాంశ",
                                    "షష్ఠాంశ",   "సప్తాంశ",  "అష్టాంశ",  "దశాంశ",     "రుద్రాంశ",      "ద్వాదశాంశ",
                                    "షోడశాంశ",   "వింశాంశ",  "సిద్ధాంశ",  "నక్షత్రాంశ",  "త్రింశాంశ",      "ఖవేదాంశ",
                                    "అక్షవేదాంశ", "షష్ట్యంశ", "నవనవాంశ", "అష్టోత్తరాంశ", "ద్వాదశ-ద్వాదశాంశ", "",
                                    "",        "నాడ్యంశ",  "హోరా",     "హద్ద",      "భావ/చలిత"};
