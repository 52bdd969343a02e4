// The main window's inner area: the channel grid on the left, the tree on the right and the
// draggable splitter bar between them, placed by the rules of SizeControls.
#pragma once

#include <QWidget>

class QFrame;
class QTreeWidget;

namespace kt740 {

class ChannelGrid;

class MainPanes : public QWidget {
  Q_OBJECT

 public:
  // The tree's width before the user moves the splitter.
  static constexpr int kInitialTreeTwips = 3000;

  MainPanes(ChannelGrid& grid, QTreeWidget& tree, QWidget* parent = nullptr);

  // splitPos in twips; windowChanged: the window itself was resized.
  void SizeControls(int splitPos, bool windowChanged);
  int SplitterLeft() const { return splitPos_; }  // twips
  int WidthTwips() const;
  int TreeWidthTwips() const { return treeWidth_; }

  // The drag of the splitter bar; x is the mouse position on the bar, in twips.
  void BeginDrag();
  void DragTo(int xOnBar);
  void EndDrag();
  bool Dragging() const { return dragging_; }
  int DragBarLeft() const { return dragBarLeft_; }  // twips

  QWidget& imgSplitter() { return *bar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ChannelGrid& grid_;
  QTreeWidget& tree_;
  QWidget* bar_;      // imgSplitter: the invisible, draggable boundary
  QFrame* dragBar_;   // picSplitter: shown while dragging
  int splitPos_ = 0;  // twips
  int treeWidth_ = kInitialTreeTwips;
  bool dragging_ = false;
  int dragBarLeft_ = 0;
};

}  // namespace kt740
