#pragma once
// A report list on a print page: its header line and rows drawn with styled texts, so that they scale to
// the printer with the page's drawing factors. Coordinates are logical units of the page from the
// surface's origin.
class CCustomListView;
class DrawSurface;

// Draws the first `columns` columns of `list`: the header line in bold at the top, then the first `rows`
// rows (0: all), one text-font height apart. Each column is as wide as its widest text, plus a gap of 10
// (5 from 10 columns on).
void DrawListCtrl(const CCustomListView& list, DrawSurface& surface, int columns, int rows);
// Every row.
void DrawListCtrlDefault(const CCustomListView& list, DrawSurface& surface, int columns);
