#pragma once
// The tables of a dasa tree: up to `Rows` rows of one kind (a row of lords or shares, a label), every
// row value-initialised (zeros, an empty text) until written. A fresh table holds nothing, and the
// first write takes room for every row but fills only the rows asked for, so a fresh tree costs little
// to make: Vimsottari writes ten lord rows of the 217 Kalachakra may need and no label, and a tree is
// made anew for every dasa.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <vector>

template <class Row, std::size_t Rows> class CDasaTable {
public:
    // The row to write; a row past the table's end is refused (std::out_of_range).
    Row& operator[](std::size_t row) {
        if (row >= Rows) throw std::out_of_range("dasa table row out of range");
        // Room for every row before the first is handed out: a row taken earlier stays where it is
        // when a later one is added (callers hold two rows at once).
        if (m_rows.capacity() < Rows) m_rows.reserve(Rows);
        if (row >= m_rows.size()) m_rows.resize(row + 1); // new rows are value-initialised
        return m_rows[row];
    }
    // The row to read: a value-initialised row when it was never written.
    const Row& operator[](std::size_t row) const {
        static const Row kUnwritten{};
        return row < m_rows.size() ? m_rows[row] : kUnwritten;
    }

private:
    std::vector<Row> m_rows;
};

// Rows of `Columns` values.
template <class T, std::size_t Rows, std::size_t Columns>
using CDasaRows = CDasaTable<std::array<T, Columns>, Rows>;
