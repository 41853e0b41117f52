#pragma once
// The eleven shadbala tables: which columns each shows and the filler that lists a chart's CShadbala in
// them. Values are virupas (60 to a rupa) unless a column says rupas or per cent; every value "%.2f".
class CChart;
class CCustomListView;

enum ShadbalaTable : int {
    kShadbalaSummary = 0,
    kShadbalaBreakUp = 1,
    kSthanaBalaTable = 2,
    kKaalaBalaTable = 3,
    kDigBalaTable = 4,
    kCheshtaBalaTable = 5,
    kDrigBalaTable = 6,
    kNaisargikaBalaTable = 7,
    kBhavaBalaTable = 8,
    kIshtaKashtaTable = 9,
    kRashmiTable = 10,
    kShadbalaTableCount = 11,
};

// `table` when it is one of the eleven, else the summary: an index from anywhere never reads past them.
int ValidShadbalaTable(int table);

// Fills `list` with the table (out of range: the summary) of `chart`'s shadbala: seven rows Sun to
// Saturn, or twelve houses "1st" to "12th" for the bhava balas.
void FillShadbalaTable(CCustomListView& list, int table, const CChart& chart);
