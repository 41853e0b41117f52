#include "core/varga_sign_table.h"

#include "core/varga_math.h"
#include "core/varga_options.h"
#include "core/varga_rules.h"

namespace {

// The rule of a column that depends on nothing but the body and its variant preference.
struct ColumnRule {
    int (*sign)(const CRasiLongitude& body, int variant);
    const int* variant; // the preference global, read at every computation; null: no variants
};

const std::array<ColumnRule, kD60Column + 1> kColumnRules = {{
    {[](const CRasiLongitude& body, int) { return D1Sign(body); }, nullptr},
    {NavamsaSign, &g_nD9Preference},
    {HoraSign, &g_nHoraPreference},
    {DrekkanaSign, &g_nD3Preference},
    {D4Sign, &g_nD4Preference},
    {D5Sign, &g_nD5Preference},
    {[](const CRasiLongitude& body, int) { return D6Sign(body); }, nullptr},
    {D7Sign, &g_nD7Preference},
    {D8Sign, &g_nD8Preference},
    {D10Sign, &g_nD10Preference},
    {D11Sign, &g_nD11Preference},
    {D12Sign, &g_nD12Preference},
    {D16Sign, &g_nD16Preference},
    {D20Sign, &g_nD20Preference},
    {D24Sign, &g_nD24Preference},
    {D27Sign, &g_nD27Preference},
    {D30Sign, &g_nD30Preference},
    {[](const CRasiLongitude& body, int) { return D40Sign(body); }, nullptr},
    {[](const CRasiLongitude& body, int) { return D45Sign(body); }, nullptr},
    {D60Sign, &g_nD60Preference},
}};

void ComputeRuleColumn(int column, int targetColumn, VargaBodies bodies, CVargaSignTable& table) {
    const ColumnRule& rule = kColumnRules[column];
    const int variant = rule.variant ? *rule.variant : 0;
    for (int b = 0; b < kBodyCount; ++b) table.SetSign(b, targetColumn, rule.sign(bodies[b], variant));
}

template <typename Rule>
void ComputeColumn(int column, VargaBodies bodies, CVargaSignTable& table, Rule rule) {
    for (int b = 0; b < kBodyCount; ++b) table.SetSign(b, column, rule(b, bodies[b]));
}

void ComputeFixedColumns(VargaBodies bodies, CVargaSignTable& table) {
    for (int column = kD1Column; column <= kD60Column; ++column) ComputeVargaColumn(column, bodies, table);
    ComputeVargaColumn(kCustomColumn, bodies, table);
    ComputeVargaColumn(kD81Column, bodies, table);
    ComputeVargaColumn(kD108Column, bodies, table);
    ComputeVargaColumn(kD144Column, bodies, table);
}

void ComputeD150(VargaBodies bodies, CVargaSignTable& table) {
    const int variant = g_nD150Preference;
    const int rulerVariant = g_nArdhaNadiRulerDefinition;
    for (int b = 0; b < kBodyCount; ++b) {
        const D150Place place = D150PlaceOf(DegreesInto(bodies[b]), variant);
        table.SetD150(b, place, D150CycleIndex(bodies[b].m_nSign, place.half, rulerVariant));
    }
}

void ComputeHadda(VargaBodies bodies, CVargaSignTable& table) {
    for (int b = 0; b < kBodyCount; ++b)
        table.SetHaddaLord(b, HaddaLord(bodies[b].m_nSign, DegreesInto(bodies[b])));
}

// The bodies of the chart's child of a column: the chart itself for column 0.
VargaBodies ChildOrSelf(int column, VargaBodies bodies, const VargaChildBodies& childBodies) {
    return column == kD1Column ? bodies : childBodies(column);
}

} // namespace

void CVargaSignTable::SetD150(int body, const D150Place& place, int ruler) {
    m_d150Part[body] = static_cast<std::uint8_t>(place.part);
    m_nadiHalf[body] = static_cast<std::int16_t>(place.half);
    m_nadiRuler[body] = static_cast<std::uint8_t>(ruler);
}

void CVargaSignTable::SetHaddaLord(int body, int lord) {
    m_haddaLord[body] = static_cast<std::uint8_t>(lord);
}

bool ComputeVargaColumn(int column, VargaBodies bodies, CVargaSignTable& table) {
    if (column == kHoraColumn) column = kD2Column;
    if (column >= kD1Column && column <= kD60Column) {
        ComputeRuleColumn(column, column, bodies, table);
        if (column == kD2Column) {
            ComputeColumn(kHoraColumn, bodies, table,
                          [](int, const CRasiLongitude& body) { return ParasaraHoraSign(body); });
        }
        return true;
    }
    switch (column) {
    case kD81Column:
        ComputeColumn(column, bodies, table, [variant = g_nD81Variant](int, const CRasiLongitude& body) {
            return D81Sign(body, variant);
        });
        return true;
    case kD108Column:
        ComputeColumn(column, bodies, table,
                      [&, variant = g_nD108Preference](int b, const CRasiLongitude& body) {
                          return D108Sign(body, variant, table.Sign(b, kD9Column));
                      });
        return true;
    case kD144Column:
        ComputeColumn(column, bodies, table, [&](int b, const CRasiLongitude& body) {
            return D144Sign(body, table.Sign(b, kD12Column));
        });
        return true;
    case kCustomColumn:
        ComputeColumn(column, bodies, table,
                      [settings = g_nCustDivSettings](int, const CRasiLongitude& body) {
                          return CustomVargaSign(body, settings).value_or(D1Sign(body));
                      });
        return true;
    case kD150Column:
        ComputeD150(bodies, table);
        return true;
    case kHaddaColumn:
        ComputeHadda(bodies, table);
        return true;
    default:
        return false;
    }
}

void ComputeChildVargaSigns(VargaBodies bodies, CVargaSignTable& table) {
    ComputeFixedColumns(bodies, table);
}

void ComputeVargaSigns(VargaBodies bodies, std::span<const CBhava, 12> houses,
                       const VargaChildBodies& childBodies, CVargaSignTable& table) {
    ComputeFixedColumns(bodies, table);
    ComputeD150(bodies, table);
    ComputeHadda(bodies, table);
    ComputeBhavaChalitSigns(bodies, houses, childBodies, table);
    // Last: its outer chart may be any other column.
    ComputeCompositeVarga(bodies, childBodies, table);
}

bool ComputeCompositeVarga(VargaBodies bodies, const VargaChildBodies& childBodies, CVargaSignTable& table) {
    const int outer = g_nDmDnChartDm;
    const int inner = g_nDmDnChartDn;
    if (!IsValidCompositeVarga(outer, inner)) {
        ComputeColumn(kCompositeColumn, bodies, table,
                      [](int, const CRasiLongitude& body) { return D1Sign(body); });
        return false;
    }
    ComputeRuleColumn(inner, kCompositeColumn, ChildOrSelf(outer, bodies, childBodies), table);
    return true;
}

void ComputeBhavaChalitSigns(VargaBodies bodies, std::span<const CBhava, 12> houses,
                             const VargaChildBodies& childBodies, CVargaSignTable& table) {
    const int base =
        g_nBhavaChartVarga >= 0 && g_nBhavaChartVarga <= kLastFixedColumn ? g_nBhavaChartVarga : 0;
    const int reference = g_nBhavaChartRef >= 0 && g_nBhavaChartRef < kBodyCount ? g_nBhavaChartRef : 0;
    if (base == kD1Column && reference == 0) {
        const int lagnaSign = bodies[0].m_nSign;
        ComputeColumn(kBhavaColumn, bodies, table, [&](int b, const CRasiLongitude& body) {
            return lagnaSign + (b == 0 ? 0 : HouseIndexOf(houses, body));
        });
        return;
    }
    const VargaBodies baseBodies = ChildOrSelf(base, bodies, childBodies);
    const double r = baseBodies[reference].DegreesInSign();
    const bool cuspsInMiddle = g_bHouseCuspsInMiddle;
    const bool nodesReversed = g_bHousesFromNodesReversed;
    ComputeColumn(kBhavaColumn, bodies, table, [&](int b, const CRasiLongitude&) {
        return table.Sign(b, base) +
               ChalitSignShift(baseBodies[b].DegreesInSign(), r, cuspsInMiddle, nodesReversed, reference);
    });
}
