#include "ui/main/main_panes.h"

#include <QFrame>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeWidget>

#include "ui/common/twips.h"
#include "ui/main/channel_grid.h"
#include "ui/main/pane_layout.h"

namespace kt740 {
namespace {

int Px(int twips) {
  return TwipsToPixels(twips);
}

}  // namespace

MainPanes::MainPanes(ChannelGrid& grid, QTreeWidget& tree, QWidget* parent)
    : QWidget(parent), grid_(grid), tree_(tree), bar_(new QWidget(this)), dragBar_(new QFrame(this)) {
  grid_.setParent(this);
  tree_.setParent(this);
  bar_->setObjectName(QStringLiteral("imgSplitter"));
  bar_->setCursor(Qt::SplitHCursor);
  bar_->installEventFilter(this);
  dragBar_->setObjectName(QStringLiteral("picSplitter"));
  dragBar_->setFrameShape(QFrame::Box);
  dragBar_->setAutoFillBackground(true);
  QPalette p = dragBar_->palette();
  p.setColor(QPalette::Window, QColor(128, 128, 128));
  dragBar_->setPalette(p);
  dragBar_->hide();
}

int MainPanes::WidthTwips() const {
  return PixelsToTwips(width());
}

void MainPanes::SizeControls(int splitPos, bool windowChanged) {
  // Until the window shows, its size is not the one it will have.
  if (!isVisible()) return;
  const PaneLayout l =
      kt740::SizeControls(splitPos, windowChanged, WidthTwips(), PixelsToTwips(height()), treeWidth_);
  splitPos_ = l.splitPos;
  treeWidth_ = l.treeWidth;
  tree_.setGeometry(Px(l.treeLeft), 0, width() - Px(l.treeLeft), Px(l.treeHeight));
  grid_.setGeometry(0, 0, Px(l.gridWidth), Px(l.gridHeight));
  bar_->setGeometry(Px(l.splitPos), 0, Px(l.treeLeft) - Px(l.splitPos), Px(l.splitterHeight));
  grid_.SetSignallingColumnWidth(l.lastColumnWidth);
}

void MainPanes::BeginDrag() {
  dragging_ = true;
  dragBarLeft_ = splitPos_;
  const QRect bar = bar_->geometry();
  dragBar_->setGeometry(bar.left(), bar.top(), std::max(1, bar.width() / 2),
                        std::max(0, bar.height() - Px(20)));
  dragBar_->raise();
  dragBar_->show();
}

void MainPanes::DragTo(int xOnBar) {
  if (!dragging_) return;
  dragBarLeft_ = DragBarPosition(splitPos_ + xOnBar, WidthTwips());
  dragBar_->move(Px(dragBarLeft_), dragBar_->y());
}

void MainPanes::EndDrag() {
  if (!dragging_) return;
  SizeControls(dragBarLeft_, false);
  dragBar_->hide();
  dragging_ = false;
}

void MainPanes::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  SizeControls(splitPos_, true);
}

void MainPanes::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  SizeControls(splitPos_, true);
}

bool MainPanes::eventFilter(QObject* watched, QEvent* event) {
  if (watched != bar_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) BeginDrag();
      return true;
    case QEvent::MouseMove:
      DragTo(PixelsToTwips(static_cast<QMouseEvent*>(event)->position().toPoint().x()));
      return true;
    case QEvent::MouseButtonRelease:
      EndDrag();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace kt740
