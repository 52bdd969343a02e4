// The texts of the channel grid: 203 channel rows of 10 columns, the headers and row labels.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace kt740 {

// Grid coordinates keep row 0 for the headers and column 0 for the row labels; the model's
// index (r, c) is grid cell (r + 1, c + 1).
class ChannelGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kChannelRows = 203;
  static constexpr int kDataColumns = 10;

  explicit ChannelGridModel(QObject* parent = nullptr);

  // headers[0] is the corner (column 0), headers[1..10] the column headers.
  void SetHeaders(const QStringList& headers);
  // row 1..203; texts for grid columns 1..10.
  void SetRowTexts(int row, const std::array<QString, kDataColumns>& texts);
  void ClearRow(int row);
  // Signals the views once after a batch of SetRowTexts made with notify false.
  void SetRowTextsQuietly(int row, const std::array<QString, kDataColumns>& texts);
  void ClearAllQuietly();
  void NotifyAllChanged();

  // Any grid cell: row 0 gives the headers, column 0 the row labels.
  QString Text(int row, int column) const;
  static QString RowLabel(int row);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<std::array<QString, kDataColumns>> rows_;
  QStringList headers_;
};

}  // namespace kt740
