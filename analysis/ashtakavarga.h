#pragma once
// Ashtakavarga of a chart: the bindus of eight reference points in the twelve signs of every varga
// column, and their sum. Held by value by CChart and computed by its pipeline.
class CChart;

class CAshtakavarga {
public:
    virtual ~CAshtakavarga() = default;

    // Recomputes every table from m_pChart's varga sign table; m_pChart must be set.
    void Compute();

    CChart* m_pChart = nullptr; // the chart analysed; not owned (set by the chart before Compute)
};
