#pragma once
// The check that a dasa's levels tile their parents: the first period starts with the parent, each
// ends where the next starts, the last ends with the parent (all exactly), none runs backwards.
#include <functional>

#include <gtest/gtest.h>

#include "dasa_test_support.h"
#include "document/dasa_dispatcher.h"

// Checks the listing under the chain the tree holds against its parent (running[level - 1]).
inline void ExpectChildrenTileTheParent(const CDasaTree& tree) {
    ASSERT_GT(tree.nCount, 0);
    ASSERT_LE(tree.nCount, kDasaMaxPeriods);
    if (tree.nListedLevel > 0) {
        const CDasaPeriod& parent = tree.running[tree.nListedLevel - 1];
        EXPECT_EQ(tree.period[0].dStartJd, parent.dStartJd);
        EXPECT_EQ(tree.period[tree.nCount - 1].dEndJd, parent.dEndJd);
    }
    for (int j = 1; j < tree.nCount; ++j) EXPECT_EQ(tree.period[j].dStartJd, tree.period[j - 1].dEndJd);
    for (int j = 0; j < tree.nCount; ++j) EXPECT_LE(tree.period[j].dStartJd, tree.period[j].dEndJd);
}

// Computes dasa `code` of a natal chart and lists `levels` levels down the chain of the periods that
// `pick(level, count)` chooses, checking each listing.
inline void ExpectDasaTiles(CChart& chart, int code, int levels, const std::function<int(int, int)>& pick) {
    SCOPED_TRACE(code);
    g_nSelectedDasa = code;
    CDasaTree tree;
    ASSERT_TRUE(CalculateDasa({chart, chart, kModeNatal, 0}, tree).ok());
    ASSERT_GT(tree.nPeriods, 0);
    ASSERT_LE(tree.nPeriods, kDasaMaxPeriods);
    for (int level = 0; level < levels; ++level) {
        tree.nLevel = level;
        ASSERT_TRUE(tree.ExpandPeriod().ok());
        if (tree.nListedLevel < level) break; // Rasi-Bhukta Vimsottari stops at its third level
        ExpectChildrenTileTheParent(tree);
        tree.nSelected[level] = pick(level, tree.nCount);
    }
}
