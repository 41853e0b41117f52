// The chara karakas: the planets ordered by the degrees they have gone through in their signs (Rahu
// counted backwards), dealt out to the slots atma, amatya, bhratri, matri, pitri, putra, gnati, dara.
#include <algorithm>
#include <vector>

#include "chart/chart.h"

namespace {

// Ranks in the order that fill the eight slots when only seven planets take part: without a pitri
// karaka (-1), or with the matri karaka as putra karaka too.
constexpr int kSevenWithoutPitri[kCharaKarakaSlots] = {0, 1, 2, 3, -1, 4, 5, 6};
constexpr int kSevenMatriAsPutra[kCharaKarakaSlots] = {0, 1, 2, 3, 4, 3, 5, 6};

struct Candidate {
    int body;
    double degrees; // degrees gone through in the sign: Rahu's counted from the end of the sign
};

// Candidates by degrees, most first; of two equal ones the earlier body stays first.
std::vector<Candidate> OrderByDegrees(const CChart& chart, bool withRahu) {
    std::vector<Candidate> order;
    for (int body = kSun; body <= kSaturn; ++body)
        order.push_back({body, chart.m_bodies[body].DegreesInSign()});
    if (withRahu) order.push_back({kRahu, 30.0 - chart.m_bodies[kRahu].DegreesInSign()});
    std::stable_sort(order.begin(), order.end(),
                     [](const Candidate& a, const Candidate& b) { return a.degrees > b.degrees; });
    return order;
}

int WholeDegree(const Candidate& c) {
    return static_cast<int>(c.degrees);
}

} // namespace

void CChart::ComputeCharaKarakas() {
    m_charaKaraka.fill(kNoCharaKaraka);
    const int definition = g_nCharaKarakaDefinition;
    if (definition >= 0 && definition <= 2) {
        const std::vector<Candidate> order = OrderByDegrees(*this, definition == 0);
        m_nCharaKarakas = definition == 0 ? 8 : 7;
        for (int slot = 0; slot < kCharaKarakaSlots; ++slot) {
            const int rank =
                definition == 0 ? slot : (definition == 1 ? kSevenWithoutPitri : kSevenMatriAsPutra)[slot];
            m_charaKaraka[slot] = rank < 0 ? kNoCharaKaraka : order[rank].body;
        }
        return;
    }

    // Seven planets, unless two neighbours in the order share a whole degree: then Rahu joins and the
    // later of two tied slots takes the earlier slot's planet, the earlier slot its natural karaka.
    std::vector<Candidate> order = OrderByDegrees(*this, false);
    bool tie = false;
    for (size_t i = 0; i + 1 < order.size(); ++i)
        tie = tie || WholeDegree(order[i]) == WholeDegree(order[i + 1]);
    if (!tie) {
        m_nCharaKarakas = 7;
        for (int slot = 0; slot < kCharaKarakaSlots; ++slot)
            m_charaKaraka[slot] = order[kSevenMatriAsPutra[slot]].body;
        return;
    }
    m_nCharaKarakas = 8;
    const Candidate rahu{kRahu, 30.0 - m_bodies[kRahu].DegreesInSign()};
    const auto before = std::find_if(order.begin(), order.end(),
                                     [&](const Candidate& c) { return c.degrees < rahu.degrees; });
    order.insert(before, rahu);
    // Natural karakas of the slots amatya .. gnati.
    const int natural[kCharaKarakaSlots - 1] = {
        kNoCharaKaraka,
        kMercury,
        kMars,
        StrongerPlanet(kMoon, kMars, kD1Column),
        StrongerPlanet(kSun, kVenus, kD1Column),
        kSaturn,
        kMercury,
    };
    for (int slot = 1; slot + 1 < kCharaKarakaSlots; ++slot) {
        if (WholeDegree(order[slot]) != WholeDegree(order[slot + 1])) continue;
        order[slot + 1] = order[slot];
        order[slot] = {natural[slot], order[slot].degrees};
    }
    for (int slot = 0; slot < kCharaKarakaSlots; ++slot) m_charaKaraka[slot] = order[slot].body;
}
