#include "views/periods/transit_tables.h"

#include <algorithm>
#include <array>

#include "analysis/transit_judgement.h"
#include "analysis/transit_nakshatras.h"
#include "chart/chart.h"
#include "core/body_names.h"
#include "core/computed_bodies.h"
#include "core/sign_arithmetic.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "views/info/cell_format.h"

namespace {

constexpr int kFirstFooterRow = 9; // after the nine planets
constexpr const char* kBlankRow = "  ";

int VargaCode(int varga) {
    return varga >= 0 && varga <= kLastFixedColumn ? varga : kD1Column;
}

const char* BodyName(int body) {
    return ChosenPlanetNames()[body];
}

std::string NameOrDash(const std::vector<std::string>& names) {
    return names.empty() ? std::string("-") : JoinCells(names);
}

std::string SpecialStarText(int special) {
    if (special < 0) return "-";
    return FormatCell("%s (%s)", g_specialTaraNames[special], g_specialTaraMeanings[special]);
}

// House 1-12 of each planet's D-1 sign in the transit chart, counted from `reference`.
std::array<int, 10> HousesFrom(const CChart& transit, int reference) {
    std::array<int, 10> houses{};
    for (int b = kSun; b <= kKetu; ++b)
        houses[b] = HouseFrom(transit.m_vargaSign.Sign(b, kD1Column), reference);
    return houses;
}

TransitTable StandardTable(const CChart& transit, const CChart& natal, const TransitTableChoice& choice) {
    TransitTable table{{{"Planet", 100},
                        {"Tara", 200},
                        {"Murthi", 130},
                        {"House", 100},
                        {"Under vedha from", 150},
                        {"Causing vedha to", 150}},
                       {},
                       kFirstFooterRow};
    const int referenceBody =
        choice.referenceBody == kLagna || choice.referenceBody == kArudhaLagna ? choice.referenceBody : kMoon;
    const int referenceVarga = VargaCode(choice.referenceVarga);
    const int referenceSign = natal.m_vargaSign.Sign(referenceBody, referenceVarga);
    const std::array<int, 10> houses = HousesFrom(transit, referenceSign);
    const VedhaMarks vedhas(houses);
    for (int b = kSun; b <= kKetu; ++b) {
        // The tara counts from the natal Moon whatever the reference.
        const int tara = TaraIndex(transit.m_nakshatra[b], natal.m_nakshatra[kMoon]);
        const int murthi = std::clamp(transit.m_nMurti[b], 0, 3);
        std::vector<std::string> obstructedBy, obstructs;
        for (int q = kSun; q <= kKetu; ++q) {
            if (vedhas.Obstructs(q, b)) obstructedBy.push_back(BodyName(q));
            if (vedhas.Obstructs(b, q)) obstructs.push_back(BodyName(q));
        }
        table.rows.push_back({BodyName(b), FormatCell("%s (%s)", g_taraNames[tara], g_taraMeanings[tara]),
                              b == kMoon ? std::string("-") : std::string(g_murthiNames[murthi]),
                              FormatCell("%s%s", g_houseOrdinals[houses[b] - 1],
                                         IsGoodTransitHouse(b, houses[b]) ? " (Good)" : ""),
                              NameOrDash(obstructedBy), NameOrDash(obstructs)});
    }
    table.rows.push_back({kBlankRow});
    table.rows.push_back({"Reference:", FormatCell("%s of natal %s", BodyName(referenceBody),
                                                   g_strVargaLabels[referenceVarga].c_str())});
    return table;
}

TransitTable HousesTable(const CChart& transit, const CChart& natal) {
    TransitTable table{{{"Planet", 100},
                        {"From Moon", 100},
                        {"From Lagna", 100},
                        {"From Navamsa Moon", 150},
                        {"From Navamsa Lagna", 150}},
                       {},
                       kFirstFooterRow};
    const int references[] = {
        natal.m_vargaSign.Sign(kMoon, kD1Column), natal.m_vargaSign.Sign(kLagna, kD1Column),
        natal.m_vargaSign.Sign(kMoon, kD9Column), natal.m_vargaSign.Sign(kLagna, kD9Column)};
    for (int b = kSun; b <= kKetu; ++b) {
        std::vector<std::string> row{BodyName(b)};
        for (const int reference : references)
            row.push_back(g_houseOrdinals[HouseFrom(transit.m_vargaSign.Sign(b, kD1Column), reference) - 1]);
        table.rows.push_back(std::move(row));
    }
    return table;
}

TransitTable AshtakavargaTable(const CChart& transit, const CChart& natal, const TransitTableChoice& choice) {
    constexpr int kAshtakavargaFooterRow = 8; // after Lagna .. Saturn
    TransitTable table{{{"Planet", 90},
                        {"AV Score", 70},
                        {"SAV Score", 70},
                        {"Kakshya", 90},
                        {"Good?", 70},
                        {"Good house from references", 500}},
                       {},
                       kAshtakavargaFooterRow};
    const int natalVarga = VargaCode(choice.natalAvVarga);
    const int transitVarga = VargaCode(choice.transitAvVarga);
    const CAshtakavarga& ashtakavarga = natal.m_ashtakavarga;
    for (int b = kLagna; b <= kSaturn; ++b) {
        const int sign = transit.m_vargaSign.Sign(b, transitVarga);
        // The kakshya is that of the D-1 longitude, whatever varga the sign is read in.
        const int lord = KakshyaLord(KakshyaIndex(transit.m_bodies[b].m_dLongitude));
        std::vector<std::string> givers;
        for (int c = kLagna; c <= kSaturn; ++c)
            if (IsGoodKakshya(ashtakavarga, natalVarga, b, sign, c).value_or(false))
                givers.push_back(ChosenPlanetAbbrevs()[c]);
        table.rows.push_back(
            {BodyName(b), FormatCell("%d", TransitBindus(ashtakavarga, natalVarga, b, sign).value_or(0)),
             FormatCell("%d", ashtakavarga.m_sarva[natalVarga][sign]), BodyName(lord),
             FormatCell("%d", IsGoodKakshya(ashtakavarga, natalVarga, b, sign, lord).value_or(false) ? 1 : 0),
             JoinCells(givers)});
    }
    table.rows.push_back({kBlankRow});
    table.rows.push_back({"Natal varga:", FormatCell("%s", g_strVargaLabels[natalVarga].c_str())});
    table.rows.push_back({"Transit varga:", FormatCell("%s", g_strVargaLabels[transitVarga].c_str())});
    return table;
}

TransitTable SpecialStarsTable(const CChart& transit, const CChart& natal, bool fromLagna, bool aspects) {
    const int reference = natal.m_nakshatra28[fromLagna ? kLagna : kMoon];
    TransitTable table;
    table.firstSpecialRow = kFirstFooterRow;
    if (aspects)
        table.columns = {{"Planet", 80},
                         {"Occupied special nakshatra", 170},
                         {fromLagna ? "Special nakshatras aspected in transit (Lagna)"
                                    : "Special nakshatras aspected in transit (Moon)",
                          700}};
    else
        table.columns = {{"Planet", 80},
                         {fromLagna ? "Special nakshatra occupied in transit (Lagna)"
                                    : "Special nakshatra occupied in transit (Moon)",
                          400}};
    for (int b = kSun; b <= kKetu; ++b) {
        const int star = transit.m_nakshatra28[b];
        std::vector<std::string> row{BodyName(b), SpecialStarText(SpecialNakshatraAt(star, reference))};
        if (aspects) {
            std::vector<std::string> aspected;
            for (const int count : NakshatraAspectCounts(b)) {
                const int special = SpecialNakshatraAt(StarCountedFrom(star, count), reference);
                if (special >= 0) aspected.push_back(SpecialStarText(special));
            }
            row.push_back(JoinCells(aspected));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

TransitTable LattaTable(const CChart& transit, const CChart& natal) {
    TransitTable table{
        {{"Planet", 80}, {"Latta on", 100}, {"Anything special about it", 300}}, {}, kFirstFooterRow};
    const int moonStar = natal.m_nakshatra28[kMoon];
    const int lagnaStar = natal.m_nakshatra28[kLagna];
    for (int b = kSun; b <= kKetu; ++b) {
        const int latta = LattaStar(b, transit.m_nakshatra28[b]);
        std::string special = "-";
        if (latta == moonStar) {
            special = "Janma nakshatra (nakshatra of natal Moon)";
        } else if (latta == lagnaStar) {
            special = "Lagna nakshatra (nakshatra of natal lagna)";
        } else if (const int k = SpecialNakshatraAt(latta, moonStar); k >= 0) {
            special = FormatCell("%s nakshatra (%s)", g_specialTaraNames[k], g_specialTaraMeanings[k]);
        }
        table.rows.push_back({BodyName(b), FormatCell("%s", g_nakshatraNames28[latta]), special});
    }
    return table;
}

TransitTable AngaGrahaTable(const CChart& transit, const CChart& natal) {
    TransitTable table{{{"Planet", 70},
                        {"Limb (Moon)", 70},
                        {"Result (from Moon)", 110},
                        {"Limb (lagna)", 70},
                        {"Result (from lagna)", 110},
                        {"Limb (Sun)", 70},
                        {"Result (from Sun)", 110}},
                       {},
                       kFirstFooterRow};
    for (int b = kSun; b <= kKetu; ++b) {
        std::vector<std::string> row{BodyName(b)};
        for (const int reference : {kMoon, kLagna, kSun}) {
            const int distance =
                PositiveMod(transit.m_nakshatra[b] - natal.m_nakshatra[reference], kNakshatraCount);
            const AngaLimb limb = AngaGrahaLimb(b, distance);
            row.push_back(limb.limb);
            row.push_back(limb.result);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace

TransitTable BuildTransitTable(const CChart& transit, const CChart& natal, const TransitTableChoice& choice) {
    switch (choice.table) {
    case kTransitHouses:
        return HousesTable(transit, natal);
    case kTransitAshtakavarga:
        return AshtakavargaTable(transit, natal, choice);
    case kTransitSpecialStarsMoon:
        return SpecialStarsTable(transit, natal, false, false);
    case kTransitStarAspectsMoon:
        return SpecialStarsTable(transit, natal, false, true);
    case kTransitLatta:
        return LattaTable(transit, natal);
    case kTransitSpecialStarsLagna:
        return SpecialStarsTable(transit, natal, true, false);
    case kTransitStarAspectsLagna:
        return SpecialStarsTable(transit, natal, true, true);
    case kTransitAngaGraha:
        return AngaGrahaTable(transit, natal);
    default:
        return StandardTable(transit, natal, choice);
    }
}
