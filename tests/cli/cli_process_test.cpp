// kt740-cli as a separate process: exit statuses and no display needed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct Result {
  int status = -1;
  QString out;
  QString err;
};

class CliProcess : public ::testing::Test {
 protected:
  Result Cli(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KT740_HOME"}) env.remove(name);
    env.insert("KT740_CONFIG_DIR", dir.filePath("config"));
    p.setProcessEnvironment(env);
    p.start(KT740_CLI, QStringList{"--home", KT740_SOURCE_DATA_DIR} + args);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
  }
  QString Path(const char* name) const { return dir.filePath(name); }

  QTemporaryDir dir;
};

TEST_F(CliProcess, RunsWithoutADisplayAndReportsByExitStatus) {
  EXPECT_EQ(Cli({"new", "-o", Path("a.dat")}).status, 0);
  EXPECT_EQ(Cli({"encode", Path("a.dat"), "-o", Path("a.bin")}).status, 0);
  EXPECT_EQ(QFileInfo(Path("a.bin")).size(), 16384);
  EXPECT_EQ(Cli({"decode", Path("a.bin"), "-o", Path("b.dat")}).status, 0);
  EXPECT_EQ(QFileInfo(Path("b.dat")).size(), 8667);
  const Result shown = Cli({"show", Path("b.dat"), "--format", "csv"});
  EXPECT_EQ(shown.status, 0);
  EXPECT_TRUE(shown.out.contains("\nVFO,155.00000,155.00000,")) << shown.out.toStdString();

  const Result failed = Cli({"decode", Path("a.dat"), "-o", Path("c.dat")});
  EXPECT_EQ(failed.status, 1);
  EXPECT_TRUE(failed.err.contains("16384 bytes")) << failed.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(Path("c.dat")));
  EXPECT_EQ(Cli({"encode", Path("missing.dat"), "-o", Path("x.bin")}).status, 1);

  EXPECT_EQ(Cli({"encode", "--help"}).status, 0);
  EXPECT_EQ(Cli({"encode", Path("a.dat")}).status, 2);
  EXPECT_EQ(Cli({"no-such-verb"}).status, 2);
}

}  // namespace
