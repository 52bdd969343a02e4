// The channel grid MSFlexGrid1: a read-only view of the channel list with its keyboard commands.
#pragma once

#include <QTableView>
#include <functional>

#include "ui/main/channel_grid_model.h"

namespace kt740 {

struct ProgramState;

class ChannelGrid : public QTableView {
  Q_OBJECT

 public:
  // Widths in twips of grid columns 0 to 9; column 6 is hidden, column 10 takes the rest.
  static constexpr int kColumnTwips[10] = {600, 1512, 1512, 1512, 1512, 1500, 0, 1200, 1400, 1400};
  static constexpr int kHeaderRowTwips = 500;

  ChannelGrid(ProgramState& state, QWidget* parent = nullptr);

  // Rebuilds the grid (headers, labels, colours) and fills one row for every record.
  void ShowListByData();
  // Refreshes one row from the list; grid is always 0, the channel grid.
  void ReShowGrid(int grid, int row);
  void InitShowListContent();
  void LoadShowList();
  void SetSignallingColumnWidth(int twips);

  ChannelGridModel& gridModel() { return *model_; }
  // Any grid cell in grid coordinates (row 0 headers, column 0 labels).
  QString CellText(int row, int column) const { return model_->Text(row, column); }

  // The current cell in grid coordinates; 0, 0 when there is none.
  int CurrentRow() const;
  int CurrentColumn() const;
  void SetCurrentCell(int row, int column);

  // Opens the channel editor for the current cell when its row and column are above 0
  // (double click, Enter and the Edit menu all come here). Returns whether it opened.
  bool EditCurrentCell();
  // Double click on a grid cell.
  void DoubleClickCell(int row, int column);

  // Filled by the owner: the channel editor (EditPosition is set before), Ctrl pressed alone,
  // and a change of the list made with the keyboard.
  std::function<void()> openChannelEditor;
  std::function<void()> ctrlAlone;
  std::function<void()> channelsChanged;
  // Makes a change of the list one undoable step (see EditorHost::Change); without it the grid
  // changes the list directly.
  std::function<bool(const QString& name, const std::function<void(ProgramState&)>& change)> change;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void HandleCtrlKey(int key);
  bool Change(const QString& name, const std::function<void(ProgramState&)>& change);
  void FitSignallingColumn();

  ProgramState& state_;
  ChannelGridModel* model_;  // owned by the view
  int signallingTwips_ = 0;
};

}  // namespace kt740
