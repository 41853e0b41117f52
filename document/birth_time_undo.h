#pragma once
// The birth moments the natal chart had before each change of its birth time, for undo. Holds 500: the
// moment the chart was opened or made with, and the newest changes. A change beyond that forgets the
// oldest change but never the first moment, so undo always steps back to the moment before the latest
// change and undo all still returns to the moment as entered.
#include <deque>

class CBirthTimeUndo {
public:
    static constexpr int kCapacity = 500;

    // Julian day (UT) of a natal birth moment.
    void Push(double jdUt);
    void Clear() { m_moments.clear(); }
    int Count() const { return static_cast<int>(m_moments.size()); }
    // Both need Count() >= 1.
    double First() const { return m_moments.front(); }
    double Latest() const { return m_moments.back(); }
    // Drops the latest moment; needs Count() >= 1.
    void DropLatest() { m_moments.pop_back(); }
    // Keeps only the first moment; needs Count() >= 1.
    void KeepFirst() { m_moments.resize(1); }

private:
    std::deque<double> m_moments; // oldest first
};

// The undo stack of the natal birth moments, one for the program.
extern CBirthTimeUndo g_birthTimeUndo;
