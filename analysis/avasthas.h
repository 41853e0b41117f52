#pragma once
// Avasthas: the planetary states and varga strengths of a chart. Held by value by CChart and computed
// by its pipeline.
class CChart;

class CAvasthas {
public:
    virtual ~CAvasthas() = default;

    // Recomputes every state group from m_pChart; m_pChart must be set.
    void Compute();

    CChart* m_pChart = nullptr; // the chart analysed; not owned (set by the chart before Compute)
};
