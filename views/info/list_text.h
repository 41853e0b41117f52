#pragma once
// A report list as plain text, for the clipboard and the document's text reports.
#include <string>

class CCustomListView;

// Appends the first `columns` columns of `list` to `text`: a header line, a blank line, one line per row,
// then a blank line (an empty two-column list gives "Body Value\n\n\n").
// Each cell but the last is padded with blanks to the width of its column's widest text (header
// included) plus one blank, no extra blank when `columns` is 100 or more; a line running to 385
// characters continues on a new line indented by four blanks, and no padding goes past 370.
void ListCtrlToText(const CCustomListView& list, std::string& text, int columns);
