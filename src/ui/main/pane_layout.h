// Where the grid, the splitter bar and the tree go inside the main window, in twips.
#pragma once

namespace kt740 {

inline constexpr int kSplitterGap = 40;           // between the grid's right edge and the tree
inline constexpr int kSplitterEdge = 30;          // how close the splitter may come to an edge
inline constexpr int kGridBottomGap = 30;         // the grid ends this much above the tree
inline constexpr int kFixedColumnsTwips = 12148;  // grid columns 0 to 9 together

struct PaneLayout {
  int splitPos = 0;  // grid width, and the splitter's left edge
  int treeLeft = 0;
  int treeWidth = 0;
  int gridWidth = 0;
  int gridHeight = 0;
  int treeHeight = 0;
  int splitterHeight = 0;
  int lastColumnWidth = 0;  // the signalling column takes what the grid has beyond 12148
};

// windowChanged: the window was resized, so the tree keeps its width and the grid takes the
// change. paneHeight is the height between the tool bar and the status bar.
PaneLayout SizeControls(int splitPos, bool windowChanged, int windowWidth, int paneHeight, int treeWidth);

// Where the drag bar goes for the mouse at x: never left of the window's middle, so the grid
// pane keeps half the window, and never closer than 30 to the right edge.
int DragBarPosition(int x, int windowWidth);

}  // namespace kt740
