#pragma once
// The yogas found in a chart, in one varga column. Held by value by CChart; its pipeline runs the
// finder with category 0 (all categories) on every full computation.
class CChart;

class CYogaList {
public:
    virtual ~CYogaList() = default;

    // Replaces the list with the yogas of `category` (0 all, 1-10 one category) that hold in the chart's
    // varga column m_nVarga.
    void FindAllYogas(const CChart& chart, int category);

    int m_nVarga = 0; // varga column 0-28 the yogas are looked for in
    int m_nCount = 0; // records in use
};
