#include "ui/main/channel_grid_model.h"

#include <QBrush>
#include <QColor>

#include "program/grid_ops.h"

namespace kt740 {
namespace {

const QColor kHeaderText(0, 0, 155);
const QColor kLabelText(0, 0, 255);
const QColor kOddRow(255, 250, 250);
const QColor kEvenRow(250, 250, 255);

}  // namespace

ChannelGridModel::ChannelGridModel(QObject* parent)
    : QAbstractTableModel(parent), rows_(kChannelRows), headers_(kDataColumns + 1) {}

void ChannelGridModel::SetHeaders(const QStringList& headers) {
  headers_ = headers;
  while (headers_.size() < kDataColumns + 1) headers_.append(QString());
  emit headerDataChanged(Qt::Horizontal, 0, kDataColumns - 1);
}

void ChannelGridModel::SetRowTextsQuietly(int row, const std::array<QString, kDataColumns>& texts) {
  if (row < 1 || row > kChannelRows) return;
  rows_[static_cast<std::size_t>(row - 1)] = texts;
}

void ChannelGridModel::SetRowTexts(int row, const std::array<QString, kDataColumns>& texts) {
  if (row < 1 || row > kChannelRows) return;
  SetRowTextsQuietly(row, texts);
  emit dataChanged(index(row - 1, 0), index(row - 1, kDataColumns - 1), {Qt::DisplayRole});
}

void ChannelGridModel::ClearRow(int row) {
  SetRowTexts(row, {});
}

void ChannelGridModel::ClearAllQuietly() {
  for (auto& r : rows_) r = {};
}

void ChannelGridModel::NotifyAllChanged() {
  emit dataChanged(index(0, 0), index(kChannelRows - 1, kDataColumns - 1), {Qt::DisplayRole});
}

QString ChannelGridModel::RowLabel(int row) {
  static const std::vector<QString> labels = [] {
    std::vector<QString> l(kChannelRows + 1);
    for (int r = 1; r <= kChannelRows; ++r)
      l[static_cast<std::size_t>(r)] = QString::fromStdString(ChannelRowLabel(r));
    return l;
  }();
  return (row >= 1 && row <= kChannelRows) ? labels[static_cast<std::size_t>(row)] : QString();
}

QString ChannelGridModel::Text(int row, int column) const {
  if (column < 0 || column > kDataColumns || row < 0 || row > kChannelRows) return {};
  if (row == 0) return headers_.value(column);
  if (column == 0) return RowLabel(row);
  return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kChannelRows;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDataColumns;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return Text(index.row() + 1, index.column() + 1);
    case Qt::TextAlignmentRole:
      return static_cast<int>(Qt::AlignCenter);
    case Qt::BackgroundRole:
      return QBrush((index.row() + 1) % 2 == 1 ? kOddRow : kEvenRow);
    default:
      return {};
  }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const bool horizontal = orientation == Qt::Horizontal;
  switch (role) {
    case Qt::DisplayRole:
      return horizontal ? headers_.value(section + 1) : RowLabel(section + 1);
    case Qt::ForegroundRole:
      return QBrush(horizontal ? kHeaderText : kLabelText);
    case Qt::TextAlignmentRole:
      return static_cast<int>(Qt::AlignCenter);
    default:
      return {};
  }
}

}  // namespace kt740
