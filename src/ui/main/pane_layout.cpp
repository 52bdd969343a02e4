#include "ui/main/pane_layout.h"

#include <algorithm>

namespace kt740 {

PaneLayout SizeControls(int splitPos, bool windowChanged, int windowWidth, int paneHeight, int treeWidth) {
  PaneLayout l;
  if (windowChanged) splitPos = windowWidth - treeWidth - kSplitterGap;
  splitPos = std::max(splitPos, kSplitterEdge);
  splitPos = std::min(splitPos, windowWidth - kSplitterEdge);
  l.splitPos = splitPos;
  l.treeLeft = splitPos + kSplitterGap;
  l.treeWidth = std::max(0, windowWidth - splitPos - kSplitterGap);
  l.gridWidth = std::max(0, splitPos);
  l.lastColumnWidth = l.gridWidth > kFixedColumnsTwips ? l.gridWidth - kFixedColumnsTwips : 0;
  l.treeHeight = std::max(0, paneHeight);
  l.gridHeight = std::max(0, l.treeHeight - kGridBottomGap);
  l.splitterHeight = l.treeHeight;
  return l;
}

int DragBarPosition(int x, int windowWidth) {
  if (x > windowWidth - kSplitterEdge) return windowWidth - kSplitterEdge;
  if (x < windowWidth / 2) return windowWidth / 2;
  return x;
}

}  // namespace kt740
