#pragma once
// The rows of a dasa tree's lord and sub-period tables: up to `Rows` rows of `Columns` values, every
// value zero until written. A fresh table holds nothing, and the first write takes room for every row
// but fills only the rows asked for, so a fresh tree costs little to make: Vimsottari writes ten rows
// of the 217 Kalachakra may need, and a tree is made anew for every dasa.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <vector>

template <class T, std::size_t Rows, std::size_t Columns> class CDasaRows {
public:
    using Row = std::array<T, Columns>;

    // The row to write; a row past the table's end is refused (std::out_of_range).
    Row& operator[](std::size_t row) {
        if (row >= Rows) throw std::out_of_range("dasa table row out of range");
        // Room for every row before the first is handed out: a row taken earlier stays where it is
        // when a later one is added (callers hold two rows at once).
        if (m_rows.capacity() < Rows) m_rows.reserve(Rows);
        if (row >= m_rows.size()) m_rows.resize(row + 1); // new rows are zeros
        return m_rows[row];
    }
    // The row to read: zeros when it was never written.
    const Row& operator[](std::size_t row) const {
        static const Row kZeros{};
        return row < m_rows.size() ? m_rows[row] : kZeros;
    }

private:
    std::vector<Row> m_rows;
};
