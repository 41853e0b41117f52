// The report list base: row colours, special rows, empty cells, widths under the zoom and the table as text.
#include "views/info/custom_list_view.h"

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "shell/color_settings.h"
#include "views/info/list_text.h"

namespace {
// Setting numbers of the list colours.
constexpr int kTitle = 0, kItem = 1, kOdd = 2, kEven = 3, kBackground = 4, kHighlight = 5,
              kTitleDescription = 6, kItemDescription = 7;

class SpecialRowsList : public CCustomListView {
public:
    int firstSpecialRow = kNoSpecialRows;
    void DrawItem(DrawSurface& surface, int row) override { DrawListItem(surface, row, firstSpecialRow); }
};

// A list of two columns and `rows` rows "r0".."rN" with "x" in column 1.
void Fill(CCustomListView& list, int rows) {
    list.DeleteAllColumnsAndRows();
    list.InsertColumn("Body", 100);
    list.InsertColumn("Value", 80);
    for (int r = 0; r < rows; ++r) list.AddRow({"r" + std::to_string(r), "x"});
}

// The colour of the first fill of the row's full bounds.
ColorRef RowBackground(CCustomListView& list, int row) {
    ProbeSurface surface;
    list.DrawItem(surface, row);
    return surface.fills.at(0).color;
}

class ListTest : public PaneTest {};

TEST_F(ListTest, OrdinaryRowsAlternateAndTheSelectionShowsOnlyWithTheFocus) {
    SpecialRowsList list;
    Fill(list, 6);
    for (int row : {0, 2, 4}) EXPECT_EQ(RowBackground(list, row), g_colors[kEven]) << row;
    for (int row : {1, 3, 5}) EXPECT_EQ(RowBackground(list, row), g_colors[kOdd]) << row;
    list.SelectRow(3);
    EXPECT_EQ(RowBackground(list, 3), g_colors[kOdd]); // no focus: not shown
    list.SetShowsSelection(true);
    EXPECT_EQ(RowBackground(list, 3), g_colors[kHighlight]);
}

TEST_F(ListTest, SpecialRowsUseTheOverallBackgroundAndDescriptionColoursEvenWhenSelected) {
    SpecialRowsList list;
    Fill(list, 5);
    list.firstSpecialRow = 3;
    list.SetShowsSelection(true);
    list.SelectRow(4);
    for (int row : {3, 4}) {
        ProbeSurface surface;
        list.DrawItem(surface, row);
        EXPECT_EQ(surface.fills.at(0).color, g_colors[kBackground]) << row;
        EXPECT_EQ(surface.FindText("r" + std::to_string(row))->color, g_colors[kTitleDescription]);
        EXPECT_EQ(surface.FindText("x")->color, g_colors[kItemDescription]);
    }
    ProbeSurface ordinary;
    list.DrawItem(ordinary, 2);
    EXPECT_EQ(ordinary.FindText("r2")->color, g_colors[kTitle]);
    EXPECT_EQ(ordinary.FindText("x")->color, g_colors[kItem]);
}

TEST_F(ListTest, AnEmptyCellLeavesOnlyTheBackgroundAndCellsFillTheirColumnExactly) {
    CCustomListView list;
    list.InsertColumn("Body", 100);
    list.InsertColumn("A", 80);
    list.InsertColumn("B", 60);
    list.AddRow({"Sun", "", "b"});
    ProbeSurface surface;
    list.DrawItem(surface, 0);
    ASSERT_EQ(surface.texts.size(), 2u);
    const Rect bounds = list.RowBounds(0);
    EXPECT_EQ(surface.texts[1].rect, (Rect{180, bounds.top, 240, bounds.bottom}));
}

TEST_F(ListTest, ColumnWidthsFollowTheZoomAndRowsTheListFont) {
    struct Case {
        int selection;
        int width; // of a 100-pixel column
    };
    for (const Case c : {Case{0, 70}, Case{3, 100}, Case{4, 114}, Case{7, 150}}) {
        SetZoom(c.selection);
        CCustomListView list;
        Fill(list, 1);
        list.RefreshLayout();
        EXPECT_EQ(list.ColumnWidth(0), c.width) << c.selection;
        EXPECT_EQ(list.RowHeight(), g_displayFonts[2].height) << c.selection;
    }
}

TEST_F(ListTest, TheTableAsTextPadsEachColumnToItsWidestText) {
    CCustomListView list;
    Fill(list, 0);
    EXPECT_EQ(list.ToText(), "Body Value\n\n\n"); // an empty table still gives its header, and ends
    list.AddRow({"Jupiter", "12"});
    EXPECT_EQ(list.ToText(), "Body    Value\n\nJupiter 12\n\n");
    // Two tables joined stay apart: a blank line ends each.
    std::string joined;
    ListCtrlToText(list, joined, 2);
    ListCtrlToText(list, joined, 2);
    EXPECT_EQ(joined, "Body    Value\n\nJupiter 12\n\nBody    Value\n\nJupiter 12\n\n");
}

TEST_F(ListTest, ACopyTheClipboardRefusesIsToldAndNotTakenForDone) {
    CCustomListView list;
    Fill(list, 2);
    std::vector<std::string> messages;
    const MessageBoxHandler keptBoxes = SetMessageBoxHandler([&messages](const MessageBoxRequest& request) {
        messages.push_back(request.caption + ": " + request.text);
        return MessageResult::kOk;
    });
    std::string copied;
    const ClipboardWriter kept = SetClipboardWriter([&copied](const std::string& text) {
        copied = text;
        return true;
    });
    list.CopyToClipboard();
    EXPECT_EQ(copied, list.ToText());
    EXPECT_TRUE(messages.empty());

    SetClipboardWriter([](const std::string&) { return false; });
    list.CopyToClipboard();
    EXPECT_EQ(messages, std::vector<std::string>{"Error: Unable to set Clipboard data"});
    SetClipboardWriter(kept);
    SetMessageBoxHandler(keptBoxes);
}

TEST_F(ListTest, LongLinesContinueIndentedOnTheNextLine) {
    CCustomListView list;
    for (int c = 0; c < 5; ++c) list.InsertColumn("H", 50);
    list.AddRow(
        {std::string(100, 'a'), std::string(100, 'b'), std::string(100, 'c'), std::string(100, 'd'), "e"});
    std::string text;
    ListCtrlToText(list, text, 5);
    const std::string row = text.substr(text.find("\n\n") + 2);
    EXPECT_EQ(row.substr(0, 101), std::string(100, 'a') + " ");
    EXPECT_EQ(row.find("\n"), 403u); // 403 characters run past 385: "e" moves below, indented
    EXPECT_NE(row.find("\n    e"), std::string::npos);
}
} // namespace
