#include <gtest/gtest.h>

#include "faulty_file_ops.h"
#include "files/file_format.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "support/recording_notifier.h"
#include "support/temp_dir.h"

namespace kt740 {
namespace {

class BookFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  ProgramState state;
  test::RecordingNotifier notifier;
};

TEST_F(BookFile, ADefaultBookIs1792BytesOfNumberedEntries) {
  ASSERT_TRUE(FreSaveBookFile(state, notifier, CommuBook{}, dir.file("a.cb")));
  const std::string bytes = dir.Read("a.cb");
  ASSERT_EQ(bytes.size(), kBookFileSize);
  for (int a = 0; a < kCommuBookEntries; ++a) {
    SCOPED_TRACE(a);
    const std::size_t at = 14 * static_cast<std::size_t>(a);
    EXPECT_EQ(bytes.substr(at, 2), std::string({static_cast<char>(a), '\0'}));
    EXPECT_EQ(bytes.substr(at + 2, 12), std::string("\0    \0      ", 12));
  }
  EXPECT_EQ(state.app.CurrentBookFileName, dir.file("a.cb"));
}

TEST_F(BookFile, EntriesAreWrittenWithTheirFillAndReadBackAsTheyAre) {
  CommuBook book;
  book.entries[1].CallCode = NulTerminatedText<5>("123");
  book.entries[1].CallName = NulTerminatedText<7>("BOB");
  book.entries[2].CallCode = FixedText<5>::From("12345");
  book.entries[2].CallName = FixedText<7>::From("ABCDEFG");
  book.entries[3].SlotNumber = -300;
  ASSERT_TRUE(FreSaveBookFile(state, notifier, book, dir.file("a.cb")));
  const std::string bytes = dir.Read("a.cb");
  EXPECT_EQ(bytes.substr(14 + 2, 12), std::string("123\0 BOB\0   ", 12));
  EXPECT_EQ(bytes.substr(28 + 2, 12), "12345ABCDEFG");

  CommuBook loaded;
  ASSERT_TRUE(FreLoadBookFile(state, notifier, loaded, dir.file("a.cb")));
  EXPECT_TRUE(loaded == book);
  ASSERT_TRUE(FreSaveBookFile(state, notifier, loaded, dir.file("b.cb")));
  EXPECT_EQ(dir.Read("b.cb"), bytes);
  EXPECT_TRUE(notifier.entries.empty());
}

TEST_F(BookFile, ExportingOverALongerFileKeepsItsTail) {
  dir.Write("a.cb", std::string(2000, 'q'));
  ASSERT_TRUE(FreSaveBookFile(state, notifier, CommuBook{}, dir.file("a.cb")));
  const std::string bytes = dir.Read("a.cb");
  ASSERT_EQ(bytes.size(), 2000u);
  EXPECT_EQ(bytes.substr(0, kBookFileSize), EncodeBookFile(CommuBook{}));
  EXPECT_EQ(bytes.substr(kBookFileSize), std::string(2000 - kBookFileSize, 'q'));

  // A longer file imports its first 1792 bytes.
  CommuBook loaded;
  loaded.entries[0].SlotNumber = 50;
  EXPECT_TRUE(FreLoadBookFile(state, notifier, loaded, dir.file("a.cb")));
  EXPECT_TRUE(loaded == CommuBook{});
}

TEST_F(BookFile, AFileThatCannotBeReadKeepsTheWorkingCopy) {
  dir.Write("short.cb", std::string(kBookFileSize - 1, '\0'));
  dir.Write("empty.cb", "");
  CommuBook working;
  working.entries[5].CallName = NulTerminatedText<7>("KEEP");
  const CommuBook before = working;
  state.app.CurrentBookFileName = "mine.cb";
  for (const char* name : {"short.cb", "empty.cb", "missing.cb"}) {
    SCOPED_TRACE(name);
    test::RecordingNotifier n;
    EXPECT_FALSE(FreLoadBookFile(state, n, working, dir.file(name)));
    EXPECT_EQ(n.FirstLines(), std::vector<std::string>{"file error."});
    EXPECT_TRUE(working == before);
    EXPECT_EQ(state.app.CurrentBookFileName, "mine.cb");
  }
}

TEST_F(BookFile, AFailedExportKeepsTheOldFile) {
  CommuBook book;
  ASSERT_TRUE(FreSaveBookFile(state, notifier, book, dir.file("a.cb")));
  const std::string old = dir.Read("a.cb");
  book.entries[0].CallName = NulTerminatedText<7>("NEW");
  for (int step = 0; step < 2; ++step) {
    test::FaultyFileOps ops;
    ops.failAt = step;
    test::RecordingNotifier n;
    EXPECT_FALSE(FreSaveBookFile(state, n, book, dir.file("a.cb"), ops));
    EXPECT_EQ(n.FirstLines(), std::vector<std::string>{"file error."});
    EXPECT_EQ(dir.Read("a.cb"), old);
  }
}

}  // namespace
}  // namespace kt740
