#include "ui/main/channel_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include "core/profile.h"
#include "program/grid_ops.h"
#include "program/program_state.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"
#include "ui/common/twips.h"

namespace kt740 {
namespace {

constexpr int kHiddenColumn = 6;

// Grid column c (1..10) is the model's column c - 1.
int ModelColumn(int gridColumn) {
  return gridColumn - 1;
}

// A caption wider than its column breaks at the space that gives the narrowest two lines, so
// that the header row's second line holds it instead of cutting it.
QString WrapToWidth(const QString& text, int width, const QFontMetrics& fm) {
  if (text.contains(QLatin1Char('\n')) || fm.horizontalAdvance(text) <= width) return text;
  QString best = text;
  int bestWidth = fm.horizontalAdvance(text);
  for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
    const int w = std::max(fm.horizontalAdvance(text.left(i)), fm.horizontalAdvance(text.mid(i + 1)));
    if (w < bestWidth) {
      bestWidth = w;
      best = text.left(i) + QLatin1Char('\n') + text.mid(i + 1);
    }
  }
  return best;
}

// Grid columns 1..10 of a row; column 0 is the row label, which the view shows itself.
std::array<QString, ChannelGridModel::kDataColumns> DataColumns(const ChannelRowTexts& row) {
  std::array<QString, ChannelGridModel::kDataColumns> q;
  for (std::size_t i = 0; i < q.size(); ++i) q[i] = Q(row[i + 1]);
  return q;
}

// Grid cells hold one short line each: painted directly, without the text layout the standard
// delegate builds for every cell, which keeps a full redraw of the grid quick.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    if (selected) {
      painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    } else {
      painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QBrush>());
    }
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
      QPen focus(option.palette.color(group, QPalette::Text), 1, Qt::DotLine);
      painter->setPen(focus);
      painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
  }
};

// The table's corner is grid cell (0, 0): it shows the header of the label column.
class CornerPainter : public QObject {
 public:
  CornerPainter(QAbstractButton& corner, const ChannelGridModel& model)
      : QObject(&corner), corner_(corner), model_(model) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &corner_ || event->type() != QEvent::Paint) return false;
    QPainter painter(&corner_);
    QStyleOptionHeader opt;
    opt.initFrom(&corner_);
    opt.state |= QStyle::State_Enabled;
    opt.rect = corner_.rect();
    opt.position = QStyleOptionHeader::OnlyOneSection;
    opt.text = model_.Text(0, 0);
    opt.textAlignment = Qt::AlignCenter;
    opt.palette.setColor(QPalette::ButtonText, QColor(0, 0, 155));
    corner_.style()->drawControl(QStyle::CE_Header, &opt, &painter, &corner_);
    return true;
  }

 private:
  QAbstractButton& corner_;
  const ChannelGridModel& model_;
};

}  // namespace

ChannelGrid::ChannelGrid(ProgramState& state, QWidget* parent)
    : QTableView(parent), state_(state), model_(new ChannelGridModel(this)) {
  setObjectName(QStringLiteral("MSFlexGrid1"));
  setModel(model_);
  setItemDelegate(new CellDelegate(this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setCornerButtonEnabled(false);
  setWordWrap(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  verticalHeader()->setSectionsClickable(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  if (auto* corner = findChild<QAbstractButton*>())
    corner->installEventFilter(new CornerPainter(*corner, *model_));
  setColumnHidden(ModelColumn(kHiddenColumn), true);
  connect(this, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { DoubleClickCell(index.row() + 1, index.column() + 1); });
}

void ChannelGrid::LoadShowList() {
  QStringList headers;
  for (const std::string& h : ChannelGridHeaders(state_))
    headers << Q(h).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QFontMetrics fm = horizontalHeader()->fontMetrics();
  for (int c = 1; c < 10; ++c) headers[c] = WrapToWidth(headers[c], TwipsToPixels(kColumnTwips[c]) - 8, fm);
  model_->SetHeaders(headers);
}

void ChannelGrid::InitShowListContent() {
  model_->ClearAllQuietly();
  LoadShowList();
  // Row 0 is 500 twips high, but never lower than its two lines of text need.
  const int twoLines = 2 * fontMetrics().lineSpacing() + 6;
  horizontalHeader()->setFixedHeight(std::max(TwipsToPixels(kHeaderRowTwips), twoLines));
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setFixedWidth(TwipsToPixels(kColumnTwips[0]));
  for (int c = 1; c < 10; ++c) setColumnWidth(ModelColumn(c), TwipsToPixels(kColumnTwips[c]));
  FitSignallingColumn();
}

void ChannelGrid::SetSignallingColumnWidth(int twips) {
  signallingTwips_ = twips;
  FitSignallingColumn();
}

// The signalling column gets what the grid has beyond the fixed columns, measured on the
// visible area so that no horizontal scrolling appears.
void ChannelGrid::FitSignallingColumn() {
  int fixed = 0;
  for (int c = 1; c < 10; ++c) {
    if (!isColumnHidden(ModelColumn(c))) fixed += columnWidth(ModelColumn(c));
  }
  const int room = std::max(0, viewport()->width() - fixed);
  setColumnWidth(ModelColumn(10), std::min(room, TwipsToPixels(signallingTwips_)));
}

void ChannelGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitSignallingColumn();
}

void ChannelGrid::ShowListByData() {
  InitShowListContent();
  // A garbled stored frequency shows as the row renderer makes it, without a message per row.
  const ChannelRowLanguage texts = LookUpChannelRowLanguage(state_);
  const ChannelList& list = state_.current.channels;
  for (int i = 0; i < list.ChannelCount; ++i) {
    const ChannelRecord& r = list.records[static_cast<std::size_t>(i)];
    model_->SetRowTextsQuietly(r.Number, DataColumns(RenderChannelRow(state_, r, texts, nullptr)));
  }
  model_->NotifyAllChanged();
}

void ChannelGrid::ReShowGrid(int grid, int row) {
  if (grid != 0) return;
  const ChannelRecord* r = state_.current.channels.Find(row);
  if (!r) {
    model_->ClearRow(row);
    return;
  }
  model_->SetRowTexts(row,
                      DataColumns(RenderChannelRow(state_, *r, LookUpChannelRowLanguage(state_), nullptr)));
}

int ChannelGrid::CurrentRow() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.row() + 1 : 0;
}

int ChannelGrid::CurrentColumn() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.column() + 1 : 0;
}

void ChannelGrid::SetCurrentCell(int row, int column) {
  if (row < 1 || column < 1) {
    setCurrentIndex({});
    return;
  }
  setCurrentIndex(model_->index(row - 1, column - 1));
}

bool ChannelGrid::EditCurrentCell() {
  const int row = CurrentRow();
  const int column = CurrentColumn();
  if (row <= 0 || column <= 0) return false;
  state_.app.EditPosition = {row, column};
  if (openChannelEditor) openChannelEditor();
  return true;
}

void ChannelGrid::DoubleClickCell(int row, int column) {
  if (row <= 0 || column <= 0) return;
  SetCurrentCell(row, column);
  EditCurrentCell();
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Control && (mods & ~Qt::ControlModifier) == Qt::NoModifier) {
    HandleCtrlKey(Qt::Key_Control);
    event->accept();
    return;
  }
  if (mods == Qt::ControlModifier) {
    const int key = event->key();
    HandleCtrlKey(key);
    if (key == Qt::Key_C || key == Qt::Key_X || key == Qt::Key_V) {
      event->accept();
      return;
    }
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
    EditCurrentCell();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void ChannelGrid::HandleCtrlKey(int key) {
  const int n = CurrentRow();  // the channel number of the current row
  const Texts texts = TextsFor(state_);
  const QString label = model_->Text(n, 0);
  // Any Ctrl combination may have taken away a channel that other settings point at.
  const auto repair = [](ProgramState& s) { RepairChannelReferences(s); };
  bool changed = false;
  if (n > 0 && key == Qt::Key_C) {
    state_.CopyMarker = true;
    CopyChannel(state_, false, n);
  } else if (n > 0 && key == Qt::Key_X) {
    state_.CopyMarker = true;
    changed = Change(texts.Pick(QStringLiteral("Cut channel %1"), QStringLiteral("剪切信道 %1")).arg(label),
                     [&](ProgramState& s) {
                       CutChannel(s, false, n);
                       repair(s);
                     });
  } else if (n > 0 && key == Qt::Key_V && state_.CopyMarker) {
    changed = Change(texts.Pick(QStringLiteral("Paste channel %1"), QStringLiteral("粘贴信道 %1")).arg(label),
                     [&](ProgramState& s) {
                       PasteChannel(s, false, n);
                       repair(s);
                     });
  } else if (key == Qt::Key_Control && ctrlAlone) {
    ctrlAlone();
  }
  if (!changed) {
    Change(texts.Pick(QStringLiteral("Repair channel references"), QStringLiteral("修复信道引用")), repair);
  }
  if (n > 0) ReShowGrid(0, n);
  if (changed && channelsChanged) channelsChanged();
}

bool ChannelGrid::Change(const QString& name, const std::function<void(ProgramState&)>& fn) {
  if (change) return change(name, fn);
  fn(state_);
  return true;
}

}  // namespace kt740
