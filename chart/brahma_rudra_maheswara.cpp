// The Jaimini Brahma, Rudra and Maheswara of the rasi chart. Lords are CChart::SignLord, so Scorpio and
// Aquarius take the co-lords chosen for the rasi chart.
#include <vector>

#include "chart/chart.h"
#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"

namespace {

// The n-th sign from a sign, counted inclusively (the sign itself is the 1st).
int NthSignFrom(int sign, int n) {
    return SignFrom(sign, n - 1);
}

// The lords of the 6th, 8th and 12th from a base sign that pass a placement test, in that order.
template <typename Accept> std::vector<int> DusthanaLords(const CChart& chart, int base, Accept accept) {
    std::vector<int> lords;
    for (int house : {6, 8, 12}) {
        const int lord = chart.SignLord(NthSignFrom(base, house), kD1Column);
        if (accept(lord)) lords.push_back(lord);
    }
    return lords;
}

} // namespace

void CChart::ComputeBrahmaRudraMaheswara() {
    constexpr int v = kD1Column;
    const int lagna = m_vargaSign.Sign(kLagna, v);
    auto signOf = [&](int body) { return m_vargaSign.Sign(body, v); };

    m_signLordTables.m_nRudra =
        StrongerPlanetByDignity(SignLord(NthSignFrom(lagna, 2), v), SignLord(NthSignFrom(lagna, 8), v), v);

    // Maheswara: the lord of the 8th from the atmakaraka (the 6th when a node stands in the
    // atmakaraka's sign or its 8th), or the lord of the 8th from where that lord stands when it is
    // strong there.
    const int atmakarakaSign = signOf(m_charaKaraka[0]);
    int target = NthSignFrom(atmakarakaSign, 8);
    for (int node : {kRahu, kKetu}) {
        if (signOf(node) == atmakarakaSign || signOf(node) == NthSignFrom(atmakarakaSign, 8))
            target = NthSignFrom(atmakarakaSign, 6);
    }
    const int targetLord = SignLord(target, v);
    const int placed = signOf(targetLord);
    const bool strong =
        placed == target || IsExaltedIn(targetLord, placed) || SignLord(placed, v) == targetLord;
    m_signLordTables.m_nMaheswara = strong ? SignLord(NthSignFrom(placed, 8), v) : targetLord;

    // Brahma: the strongest of the dusthana lords from the stronger of the lagna and its 7th (then from
    // the weaker), preferring those in odd signs in the 7th to 12th houses, then those in odd signs.
    const int seventh = NthSignFrom(lagna, 7);
    const int stronger = StrongerSign(lagna, seventh, v);
    const int weaker = stronger == lagna ? seventh : lagna;
    auto inOddSign = [&](int lord) { return IsOddSign(signOf(lord)); };
    auto inOddSignInHouses7To12From = [&](int base) {
        return [&, base](int lord) { return inOddSign(lord) && (signOf(lord) - base + 12) % 12 >= 6; };
    };
    std::vector<int> candidates = DusthanaLords(*this, stronger, inOddSignInHouses7To12From(stronger));
    if (candidates.empty()) candidates = DusthanaLords(*this, weaker, inOddSignInHouses7To12From(weaker));
    if (candidates.empty()) candidates = DusthanaLords(*this, stronger, inOddSign);
    if (candidates.empty()) candidates = DusthanaLords(*this, weaker, inOddSign);
    if (candidates.empty()) candidates = DusthanaLords(*this, stronger, [](int) { return true; });
    int brahma = candidates.front();
    for (std::size_t i = 1; i < candidates.size(); ++i)
        brahma = StrongerPlanetByDignity(brahma, candidates[i], v);
    // Saturn and the nodes cannot be Brahma: Saturn gives way to Mars, Rahu to Mercury, Ketu to Jupiter.
    if (brahma == kSaturn) brahma = kMars;
    if (brahma == kRahu) brahma = kMercury;
    if (brahma == kKetu) brahma = kJupiter;
    if (brahma < kSun || brahma > kVenus) brahma = kSun;
    m_signLordTables.m_nBrahma = brahma;
}
