// The table of dasa systems by code: titles and short texts as the program shows them, one paragraph
// on each system, and its calculator.
#include "document/dasa_codes.h"

#include <array>

#include "document/dasa_kalachakra.h"
#include "document/dasa_nakshatra.h"
#include "document/dasa_other.h"
#include "document/dasa_rasi.h"

namespace {

constexpr DasaSystem kSystems[] = {
    {0, "Vimsottari Dasa", "",
     "The most widely used nakshatra dasa: nine planets rule 120 years in a fixed order, entered at the lord "
     "of the Moon's nakshatra with the part already elapsed at birth cut off.",
     RunNakshatraDasa, DasaOptionSet::kNakshatra},
    {1, "Ashtottari Dasa", "conditional nakshatra dasa",
     "A nakshatra dasa of 108 years over eight planets (without Ketu), whose lords own groups of three or "
     "four "
     "nakshatras counted from Ardra, Abhijit included.",
     RunNakshatraDasa, DasaOptionSet::kNakshatra},
    {2, "Kalachakra Dasa", "",
     "The wheel of time: signs rule periods taken from a fixed chain of 216 navamsas, savya and apasavya, "
     "entered at the navamsa of the Moon; the jumps of the chain (gatis) mark turns in life.",
     RunKalachakraDasa, DasaOptionSet::kKalachakra},
    {3, "Yogini Dasa", "with planets replacing Yoginis",
     "Eight Yoginis, named here by their planets, rule cycles of 36 years; quick to show the timing of "
     "events.",
     RunNakshatraDasa, DasaOptionSet::kNakshatra},
    {4, "Dwi-saptati sama dasa", "applicable if lagna lord is in 7th or 7th lord is in lagna",
     "Eight planets rule nine years each, a cycle of 72 years, counted from Moola.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {5, "Shat-trimsa sama dasa",
     "applicable for daytime births in Sun's hora and night-time births in Moon's hora",
     "Eight planets rule one to eight years, a cycle of 36 years, counted from Sravana.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {6, "Dwadasottari dasa", "applicable if lagna is in Venusian amsa",
     "Eight planets (without Venus) rule 112 years, counted backwards from Revati.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {7, "Chaturaseeti sama dasa", "applicable if 10th lord is in 10th",
     "Seven planets rule twelve years each, a cycle of 84 years, counted from Swati.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {8, "Sataabdika dasa", "applicable if lagna is in vargottama",
     "Seven planets rule a cycle of 100 years, counted from Revati.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {9, "Shodasottari dasa",
     "applicable if lagna in Moon's hora in Krishna paksha or in Sun's hora in Sukla paksha",
     "Eight planets (without Rahu) rule 116 years, counted from Pushya.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {10, "Panchottari dasa", "applicable if lagna is in Cancer in rasi and dwadasamsa",
     "Seven planets rule 105 years, counted from Anuradha.", RunNakshatraDasa, DasaOptionSet::kNakshatra},
    {11, "Shashti-hayani Dasa", "applicable if Sun is in lagna",
     "Eight planets rule 60 years; their lords own groups of three or four nakshatras from Aswini.",
     RunNakshatraDasa, DasaOptionSet::kNakshatra},
    {12, "Saptarshi nakshatra dasa", "",
     "The nakshatras themselves rule ten years each, counted backwards from the seed's nakshatra, after the "
     "seven sages who move through them.",
     RunNakshatraDasa, DasaOptionSet::kNakshatra},
    {25, "Narayana Dasa of ", "a versatile phalita rasi dasa",
     "The signs rule periods from the stronger of the lagna and the 7th, in the order their nature gives; a "
     "sign's years run to its lord. It shows the events of life in the areas of the signs.",
     RunRasiDasa, DasaOptionSet::kNarayana},
    {26, "Lagnamsaka Dasa from ", "a versatile phalita rasi dasa",
     "Narayana dasa started from the lagna's sign in a divisional chart, for the matters of that chart.",
     RunRasiDasa, DasaOptionSet::kLagnamsaka},
    {27, "Padanaathaamsa Dasa of ", "a versatile phalita rasi dasa",
     "Narayana dasa started from the sign that the lord of the arudha lagna occupies in a divisional chart.",
     RunRasiDasa, DasaOptionSet::kPadanaathaamsa},
    {28, "Sudasa", "phalita dasa showing Lakshmi's blessings",
     "A rasi dasa from Sree lagna by kendras, panaparas and apoklimas; it shows prosperity and status.",
     RunRasiDasa, DasaOptionSet::kSudasa},
    {29, "Drigdasa", "religious and spiritual activities",
     "Signs follow the signs they aspect, from the 9th sign onwards; it shows the spiritual path.",
     RunRasiDasa, DasaOptionSet::kDrigdasa},
    {30, "Lagna Kendradi Rasi Dasa", "fructification of yogas",
     "Signs by kendras, panaparas and apoklimas from the stronger of the lagna and the 7th.", RunRasiDasa,
     DasaOptionSet::kRasi},
    {31, "Atma Karaka Kendradi Rasi Dasa", "experiences of soul",
     "Signs by kendras, panaparas and apoklimas from the atma karaka's sign, the strongest first in each "
     "group.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {32, "Trikona Dasa", "dasa showing purusharthas - four purposes in life",
     "A rasi dasa from the strongest of the lagna and its trines.", RunRasiDasa, DasaOptionSet::kRasi},
    {33, "Chara dasa", "a popular phalita rasi dasa",
     "The best known rasi dasa of Jaimini: signs from the lagna forward or backward by the lagna's group, a "
     "sign's years counted to its lord.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {34, "Chara dasa of K.N.Rao", "modified version of a phalita rasi dasa",
     "Chara dasa in one cycle of twelve signs with years counted from each sign in its own direction.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {35, "Iranganti Rangacharya Chara dasa", "Modified version of a phalita rasi dasa",
     "Chara dasa with the order of signs by the lagna's nature and a start that differs for women.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {36, "Yogardha dasa", "a rasi dasa based on chara and sthira dasas",
     "Each sign rules the mean of its Chara dasa years and its Sthira dasa years.", RunRasiDasa,
     DasaOptionSet::kRasi},
    {37, "Sthira Paryaya dasa of ", "illnesses, litigations && worries",
     "This dasa applies to natives with lagna in a fixed sign. It shows illnesses, litigations && worries.",
     RunRasiDasa, DasaOptionSet::kParyaya},
    {38, "Shoola dasa", "troubles and death",
     "Nine years to every sign from the stronger of the lagna and the 7th; an ayur dasa of troubles.",
     RunRasiDasa, DasaOptionSet::kShoola},
    {39, "Niryana Shoola Dasa", "death",
     "An ayur dasa from the stronger of the 2nd and 8th signs, with years by the signs' nature.", RunRasiDasa,
     DasaOptionSet::kRasi},
    {40, "Brahma dasa", "cycle of life, death and life",
     "A rasi dasa from the sign of the Brahma of the chart.", RunRasiDasa, DasaOptionSet::kRasi},
    {41, "Sthira dasa", "an ayur dasa that shows death",
     "Seven, eight and nine years to movable, fixed and dual signs, from the Brahma's sign.", RunRasiDasa,
     DasaOptionSet::kRasi},
    {42, "Mandooka dasa of D-11", "an ayur dasa showing wars and destruction",
     "The frog's dasa: every other sign from the 11th sign of the D-11 lagna, then the ones leapt over.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {43, "Mandooka dasa of K.N. Rao", "a conditional phalita rasi dasa",
     "Signs by kendras, panaparas and apoklimas from the lagna or its 7th.", RunRasiDasa,
     DasaOptionSet::kRasi},
    {44, "Navamsa dasa", "death", "Nine years to every sign, from the sign that begins the lagna's navamsas.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {45, "Varnada dasa", "troubles and death", "A rasi dasa whose years are counted from the varnada lagna.",
     RunRasiDasa, DasaOptionSet::kRasi},
    {60, "Moola Dasa", "dasa showing the root of events - past karma",
     "Planets rule in the order of their signs from the strongest of the lagna, the Moon and the Sun, by "
     "kendras, panaparas and apoklimas; it shows the karma behind events.",
     RunOtherDasa, DasaOptionSet::kMoola},
    {61, "Naisargika Dasa", "dasa of the nature",
     "The natural periods of life: the Moon rules infancy and Saturn old age, whoever the native.",
     RunOtherDasa, DasaOptionSet::kNaisargika},
    {62, "Tara Dasa", "applicable if all the four quadrants are occupied",
     "Vimsottari years to the planets in the order of their strength in the kendras from the lagna.",
     RunOtherDasa, DasaOptionSet::kTara},
    {63, "Kaala Dasa", "a versatile phalita rasi dasa",
     "Periods of the planets scaled by the part of the day or night in which birth fell.", RunOtherDasa,
     DasaOptionSet::kNone},
    {64, "AK Kendradi Graha Dasa", "experiences of the soul",
     "Planets in the order of their signs from the atma karaka's, by kendras, panaparas and apoklimas.",
     RunOtherDasa, DasaOptionSet::kNone},
    {65, "Patyayini Dasa", "useful in Tajaka charts",
     "Periods of the lagna and the seven planets by the degrees they have traversed in their signs.",
     RunOtherDasa, DasaOptionSet::kNone},
    {66, "Sudarsana Chakra Dasa of ", "Lagna:Moon:Sun",
     "Each year a sign from the lagna, the Moon and the Sun together, as on the Sudarsana chakra.",
     RunOtherDasa, DasaOptionSet::kSudarsana},
    {67, "Buddhi Gati Dasa of ", "from Agni Purana",
     "Planets in the order of their houses from the 10th, showing the course of the intellect.", RunOtherDasa,
     DasaOptionSet::kNone},
    {68, "Rasi-Bhukta Vimsottari Dasa", "",
     "Vimsottari periods whose sub-periods are the twelve signs from the sign of the period's lord, each "
     "divided by the eight bodies of the kakshya order.",
     RunNakshatraDasa, DasaOptionSet::kRasiBhukta},
    {69, "Tithi Ashtottari Dasa of ", "useful especially in Tithi Pravesha charts",
     "Ashtottari periods entered at the lord of the tithi instead of the nakshatra.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {70, "Yoga Vimsottari Dasa", "useful especially in Yoga Pravesha charts",
     "Vimsottari periods entered at the lord of the yoga of the Sun and the Moon.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {71, "Karana Chaturaseeti sama dasa", "useful especially in Tithi/Karana Pravesha charts",
     "Chaturaseeti sama periods entered at the lord of the karana.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {72, "Tithi Yogini Dasa of ", "based on tithis instead of nakshatras",
     "Yogini periods entered at the lord of the tithi instead of the nakshatra.", RunNakshatraDasa,
     DasaOptionSet::kNakshatra},
    {73, "Karaka Dasa", "chara karaka effects",
     "The chara karakas rule by their distance from the lagna, then the rest of twelve years each.",
     RunOtherDasa, DasaOptionSet::kNone},
    {74, "Chakra Dasa", "a versatile phalita rasi dasa",
     "Ten years to each sign from the lagna, the sign after it or its lord's sign, by the time of birth.",
     RunOtherDasa, DasaOptionSet::kNone},
};

// Index of each code's entry in kSystems; codes without one point at Vimsottari (entry 0).
const std::array<int, kDasaCodeCount> kIndexByCode = [] {
    std::array<int, kDasaCodeCount> index{};
    for (int i = 0; i < static_cast<int>(std::size(kSystems)); ++i) index[kSystems[i].code] = i;
    return index;
}();

} // namespace

const DasaSystem& DasaSystemFor(int code) {
    if (code < 0 || code >= kDasaCodeCount) return kSystems[0];
    return kSystems[kIndexByCode[code]];
}

const CChart* BuiltVargaChart(const CChart& chart, int column) {
    if (column == 0) return &chart;
    if (column < 0 || column >= kVargaColumnCount) return nullptr;
    return chart.m_pVargaChart[column].get();
}
