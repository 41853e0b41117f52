#pragma once
// Shadbala: the six-fold strengths of the planets Sun to Saturn of a chart, and the bhava bala of the
// twelve houses. Held by value by CChart and computed by its pipeline.
class CChart;

class CShadbala {
public:
    virtual ~CShadbala() = default;

    // Recomputes every strength from m_pChart; m_pChart must be set.
    void Compute();

    CChart* m_pChart = nullptr; // the chart analysed; not owned (set by the chart before Compute)
};
