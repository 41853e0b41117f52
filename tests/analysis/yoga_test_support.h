#pragma once
// Charts set by hand for the yoga tests, and ways to look for one catalogue entry in a found list.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/yoga_catalogue.h"
#include "analysis/yoga_column.h"
#include "analysis/yoga_list.h"
#include "analysis_test_support.h"
#include "core/planet_tables.h"

// A chart with the lagna in `lagna` and every planet placed by `places` ({body, sign} pairs); bodies
// not named (the other points included) stay where EveryBodyIn(lagna) put them or at Aries.
struct BodySign {
    int body;
    int sign;
};
inline CChart ChartWith(int lagna, std::initializer_list<BodySign> places) {
    CChart chart = EveryBodyIn(lagna);
    for (const BodySign& p : places) PlaceInSign(chart, p.body, p.sign);
    return chart;
}

// The lagna in `lagna`, the nine grahas in `rest` but those that `places` puts elsewhere.
inline CChart ChartWithRest(int lagna, int rest, const std::vector<BodySign>& places) {
    CChart chart = ChartWith(lagna, {});
    for (int p = kSun; p <= kKetu; ++p) PlaceInSign(chart, p, rest);
    for (const BodySign& p : places) PlaceInSign(chart, p.body, p.sign);
    return chart;
}

// The yogas of `category` found in the chart's column `column`, the relationship tables made current.
inline CYogaList FindYogas(CChart& chart, int category = kYogaAll, int column = 0) {
    chart.ComputeRelationships();
    CYogaList list;
    list.m_nVarga = column;
    list.FindAllYogas(chart, category);
    return list;
}

// The record of catalogue entry (category, index) in the list, or null: entries are told apart by
// their name and definition, as the list shows them.
inline const CYogaRecord* FindEntry(const CYogaList& list, int category, int index) {
    CYogaRecord wanted;
    if (!CYogaCatalogue(category, index, wanted)) return nullptr;
    for (const CYogaRecord& r : list.m_records) {
        if (r.m_nCategory == category && r.m_strName == wanted.m_strName &&
            r.m_strDefinition == wanted.m_strDefinition)
            return &r;
    }
    return nullptr;
}

inline std::vector<int> Givers(const CYogaRecord& record) {
    return {record.m_nGivers.begin(), record.m_nGivers.begin() + record.m_nGiverCount};
}

// The givers of entry (category, index), or nothing when the entry is not in the list.
inline std::optional<std::vector<int>> GiversOf(const CYogaList& list, int category, int index) {
    const CYogaRecord* record = FindEntry(list, category, index);
    if (!record) return std::nullopt;
    return Givers(*record);
}

// The givers of every record of entry (category, index), in list order.
inline std::vector<std::vector<int>> AllGiversOf(const CYogaList& list, int category, int index) {
    CYogaRecord wanted;
    CYogaCatalogue(category, index, wanted);
    std::vector<std::vector<int>> all;
    for (const CYogaRecord& r : list.m_records) {
        if (r.m_nCategory == category && r.m_strName == wanted.m_strName &&
            r.m_strDefinition == wanted.m_strDefinition)
            all.push_back(Givers(r));
    }
    return all;
}

// The names of the list's records, in order.
inline std::vector<std::string> Names(const CYogaList& list) {
    std::vector<std::string> names;
    for (const CYogaRecord& r : list.m_records) names.push_back(r.m_strName);
    return names;
}
