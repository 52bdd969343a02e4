// The channel grid: rendering of the list, headers and labels, opening the editor.
#include "ui/main/channel_grid.h"

#include <QHeaderView>
#include <QTest>

#include "ui_fixture.h"

namespace kt740 {
namespace {

ChannelRecord Channel(int number, const char* rx = "014560000") {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(number);
  r.InUse = 1;
  r.RxFreq = FixedText<9>::From(rx);
  r.Offset = FixedText<9>::From("000000000");
  r.Name = NulTerminatedText<7>("CH" + std::to_string(number));
  r.Step = 5;
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

class Grid : public test::UiFixture {
 protected:
  void SetUp() override {
    UiFixture::SetUp();
    Start();
    grid = std::make_unique<ChannelGrid>(state);
  }
  void SetChannels(std::initializer_list<ChannelRecord> records) {
    ChannelList& list = state.current.channels;
    list.ChannelCount = 0;
    for (const ChannelRecord& r : records) list.records[static_cast<std::size_t>(list.ChannelCount++)] = r;
    grid->ShowListByData();
  }

  std::unique_ptr<ChannelGrid> grid;
};

TEST_F(Grid, HasHeadersLabelsAndOneRowPerChannelPosition) {
  SetChannels({});
  EXPECT_EQ(grid->model()->rowCount(), 203);
  EXPECT_EQ(grid->model()->columnCount(), 10);
  EXPECT_EQ(grid->CellText(0, 0), "CH");
  EXPECT_EQ(grid->CellText(0, 1).simplified(), "Receive frequency");  // may wrap
  EXPECT_EQ(grid->CellText(0, 8), "CTCSS/DCS\nDecode");
  EXPECT_EQ(grid->CellText(1, 0), "1");
  EXPECT_EQ(grid->CellText(200, 0), "200");
  EXPECT_EQ(grid->CellText(201, 0), "PA");
  EXPECT_EQ(grid->CellText(202, 0), "PB");
  EXPECT_EQ(grid->CellText(203, 0), "VFO");
  EXPECT_EQ(grid->model()->headerData(202, Qt::Vertical, Qt::DisplayRole).toString(), "VFO");
  EXPECT_TRUE(grid->isColumnHidden(5));  // grid column 6
  EXPECT_EQ(grid->columnWidth(0), 101);  // 1512 twips
  EXPECT_EQ(grid->model()->data(grid->model()->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(),
            QColor(255, 250, 250));
  EXPECT_EQ(grid->model()->data(grid->model()->index(1, 0), Qt::BackgroundRole).value<QBrush>().color(),
            QColor(250, 250, 255));
  EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
            QColor(0, 0, 155));
  EXPECT_EQ(grid->model()->headerData(0, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color(),
            QColor(0, 0, 255));
}

TEST_F(Grid, ShowsFilledRowsOnlyForTheChannelsInTheList) {
  SetChannels({Channel(1), Channel(5, "043512500"), Channel(kChannelVFO)});
  EXPECT_EQ(grid->CellText(1, 1), "145.60000");
  EXPECT_EQ(grid->CellText(1, 3), "CH1");
  EXPECT_EQ(grid->CellText(5, 1), "435.12500");
  EXPECT_EQ(grid->CellText(203, 1), "145.60000");
  for (int row : {2, 3, 4, 6, 200, 201, 202}) {
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(grid->CellText(row, col), "") << row << "," << col;
  }
}

struct RenderCase {
  const char* what;
  void (*edit)(ChannelRecord&);
  int column;
  const char* text;
};

const RenderCase kRenderCases[] = {
    {"no offset", [](ChannelRecord&) {}, 2, "145.60000"},
    {"minus offset",
     [](ChannelRecord& r) {
       r.OffsetDir = 1;
       r.Offset = FixedText<9>::From("000060000");
     },
     2, "145.00000"},
    {"plus offset",
     [](ChannelRecord& r) {
       r.OffsetDir = 2;
       r.Offset = FixedText<9>::From("000060000");
     },
     2, "146.20000"},
    {"DCS normal",
     [](ChannelRecord& r) {
       r.Tone1Type = 2;
       r.Tone1Dcs = 19;
     },
     8, "D023N"},
    {"DCS inverted",
     [](ChannelRecord& r) {
       r.Tone1Type = 2;
       r.Tone1Dcs = 19;
       r.Tone1Invert = 1;
     },
     8, "D023I"},
    {"DCS out of range", [](ChannelRecord& r) { r.Tone2Type = 2, r.Tone2Dcs = 600; }, 9, "D000N"},
    {"CTCSS", [](ChannelRecord& r) { r.Tone2Type = 1, r.Tone2Ctcss = 13; }, 9, "100.0"},
    {"CTCSS out of range", [](ChannelRecord& r) { r.Tone1Type = 1, r.Tone1Ctcss = 51; }, 8, "62.5"},
    {"no tone", [](ChannelRecord&) {}, 8, "None"},
    {"DTMF", [](ChannelRecord& r) { r.Signalling = 1; }, 10, "DTMF M1"},
    {"DTMF group 3", [](ChannelRecord& r) { r.Signalling = 1, r.DtmfGroup = 2; }, 10, "DTMF M3"},
    {"2-Tone", [](ChannelRecord& r) { r.Signalling = 2, r.TwoToneNo = 12; }, 10, "2tone 12"},
    {"5-Tone", [](ChannelRecord& r) { r.Signalling = 3, r.FiveToneNo = 99; }, 10, "5tone 99"},
    {"no signalling", [](ChannelRecord&) {}, 10, "None"},
    {"step", [](ChannelRecord&) {}, 4, "12.5K"},
    {"bandwidth 12.5", [](ChannelRecord& r) { r.Bandwidth = 2; }, 5, "12.5K"},
    {"bandwidth above 2", [](ChannelRecord& r) { r.Bandwidth = 7; }, 5, "20K"},
    {"power medium", [](ChannelRecord& r) { r.TxPower = 1; }, 7, "Medium"},
    {"power above 2", [](ChannelRecord& r) { r.TxPower = 3; }, 7, "High"},
    {"no frequency", [](ChannelRecord& r) { r.RxFreq = FixedText<9>::From("FFFFFFFFF"); }, 1, ""},
};

TEST_F(Grid, RendersEachColumnByItsRules) {
  for (const RenderCase& c : kRenderCases) {
    ChannelRecord r = Channel(3);
    c.edit(r);
    SetChannels({r});
    EXPECT_EQ(grid->CellText(3, c.column).toStdString(), c.text) << c.what;
  }
}

TEST_F(Grid, ReShowGridRefreshesOrEmptiesOneRow) {
  SetChannels({Channel(7)});
  state.current.channels.records[0].Name = NulTerminatedText<7>("NEW");
  grid->ReShowGrid(1, 7);  // only grid 0 exists
  EXPECT_EQ(grid->CellText(7, 3), "CH7");
  grid->ReShowGrid(0, 7);
  EXPECT_EQ(grid->CellText(7, 3), "NEW");
  state.current.channels.ChannelCount = 0;
  grid->ReShowGrid(0, 7);
  EXPECT_EQ(grid->CellText(7, 1), "");
}

TEST_F(Grid, OnlyCellsOpenTheEditor) {
  SetChannels({Channel(1)});
  int opened = 0;
  grid->openChannelEditor = [&] { ++opened; };
  grid->resize(900, 500);
  grid->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));

  // Header row and label column: nothing.
  QHeaderView* top = grid->horizontalHeader();
  QTest::mouseDClick(top->viewport(), Qt::LeftButton, {}, QPoint(top->sectionViewportPosition(0) + 5, 5));
  QHeaderView* left = grid->verticalHeader();
  QTest::mouseDClick(left->viewport(), Qt::LeftButton, {}, QPoint(5, left->sectionViewportPosition(0) + 5));
  grid->DoubleClickCell(0, 3);
  grid->DoubleClickCell(4, 0);
  EXPECT_EQ(opened, 0);

  const QRect cell = grid->visualRect(grid->model()->index(1, 2));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(state.app.EditPosition.row, 2);
  EXPECT_EQ(state.app.EditPosition.column, 3);

  grid->SetCurrentCell(5, 1);
  QTest::keyClick(grid.get(), Qt::Key_Return);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(state.app.EditPosition.row, 5);
}

}  // namespace
}  // namespace kt740

namespace kt740 {
namespace {

class GridKeys : public Grid {
 protected:
  void Key(int row, Qt::Key key) {
    grid->SetCurrentCell(row, 1);
    QTest::keyClick(grid.get(), key, Qt::ControlModifier);
  }
  int Count() const { return state.current.channels.ChannelCount; }
};

TEST_F(GridKeys, PasteBeforeAnyCopyChangesNothing) {
  SetChannels({Channel(1), Channel(2)});
  Key(2, Qt::Key_V);
  Key(5, Qt::Key_V);
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(grid->CellText(5, 1), "");
}

TEST_F(GridKeys, PastingAnEmptyRowDeletesTheTarget) {
  SetChannels({Channel(1), Channel(2)});
  Key(4, Qt::Key_C);  // an empty position
  Key(1, Qt::Key_V);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(grid->CellText(1, 1), "");
  EXPECT_EQ(grid->CellText(2, 3), "CH2");
}

TEST_F(GridKeys, CutAndPasteMovesAChannel) {
  SetChannels({Channel(1), Channel(7, "043500000")});
  int changes = 0;
  grid->channelsChanged = [&] { ++changes; };
  Key(7, Qt::Key_X);
  EXPECT_EQ(grid->CellText(7, 1), "");
  EXPECT_EQ(Count(), 1);
  Key(9, Qt::Key_V);
  EXPECT_EQ(grid->CellText(9, 1), "435.00000");
  EXPECT_EQ(grid->CellText(9, 3), "CH7");
  ASSERT_NE(state.current.channels.Find(9), nullptr);
  EXPECT_EQ(state.current.channels.Find(7), nullptr);
  EXPECT_EQ(changes, 2);

  // Copy leaves the source; lower-case letters work the same.
  Key(9, Qt::Key_C);
  Key(3, Qt::Key_V);
  EXPECT_EQ(grid->CellText(3, 1), "435.00000");
  EXPECT_EQ(grid->CellText(9, 1), "435.00000");
}

TEST_F(GridKeys, EveryCtrlCombinationRepairsChannelReferences) {
  SetChannels({Channel(1), Channel(5)});
  state.current.settings.Signalling.Scan.PriorityChannel1 = 5;
  Key(5, Qt::Key_X);
  EXPECT_EQ(state.current.settings.Signalling.Scan.PriorityChannel1, 1);

  // Even Ctrl alone repairs, and reveals the feature switches.
  state.current.settings.Signalling.Alert.EmergencyChannel = 150;
  int revealed = 0;
  grid->ctrlAlone = [&] { ++revealed; };
  QTest::keyPress(grid.get(), Qt::Key_Control);
  EXPECT_EQ(state.current.settings.Signalling.Alert.EmergencyChannel, 1);
  EXPECT_EQ(revealed, 1);
}

}  // namespace
}  // namespace kt740
