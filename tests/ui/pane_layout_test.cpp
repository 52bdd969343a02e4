// The pane rules of the main window, in twips.
#include "ui/main/pane_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kt740 {
namespace {

TEST(PaneLayoutTest, SplitterIsClampedAndTheTreeTakesTheRest) {
  struct Case {
    int splitPos;
    bool windowChanged;
    int treeWidth;
    int expectedSplit;
  };
  const Case cases[] = {
      {9000, false, 0, 9000},    // where the user left it
      {5, false, 0, 30},         // never closer than 30 to the left edge
      {19990, false, 0, 19970},  // nor to the right edge
      {0, true, 3000, 16960},    // a resized window keeps the tree's width
      {0, true, 19990, 30},
  };
  for (const Case& c : cases) {
    const PaneLayout l = SizeControls(c.splitPos, c.windowChanged, 20000, 9000, c.treeWidth);
    EXPECT_EQ(l.splitPos, c.expectedSplit) << c.splitPos;
    EXPECT_EQ(l.treeLeft, c.expectedSplit + 40);
    EXPECT_EQ(l.treeWidth, std::max(0, 20000 - c.expectedSplit - 40));  // never negative
    EXPECT_EQ(l.gridWidth, c.expectedSplit);
    EXPECT_EQ(l.treeHeight, 9000);
    EXPECT_EQ(l.gridHeight, 8970);
    EXPECT_EQ(l.splitterHeight, 9000);
  }
}

TEST(PaneLayoutTest, SignallingColumnGetsWhatIsLeftBeyond12148) {
  EXPECT_EQ(SizeControls(15000, false, 20000, 9000, 0).lastColumnWidth, 15000 - 12148);
  EXPECT_EQ(SizeControls(12148, false, 20000, 9000, 0).lastColumnWidth, 0);
  EXPECT_EQ(SizeControls(8000, false, 20000, 9000, 0).lastColumnWidth, 0);
}

TEST(PaneLayoutTest, DragStopsAtHalfTheWindowAndBeforeTheRightEdge) {
  EXPECT_EQ(DragBarPosition(-500, 20000), 10000);
  EXPECT_EQ(DragBarPosition(9999, 20000), 10000);
  EXPECT_EQ(DragBarPosition(12345, 20000), 12345);
  EXPECT_EQ(DragBarPosition(19971, 20000), 19970);
  EXPECT_EQ(DragBarPosition(50000, 20000), 19970);
}

}  // namespace
}  // namespace kt740
