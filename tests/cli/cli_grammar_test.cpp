// One argument grammar for every verb: options with a value in each of their spellings, flags,
// usage errors with a short message and status 2, --help everywhere.
#include <gtest/gtest.h>

#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "cli_run.h"

namespace kt740 {
namespace {

constexpr OptionSpec kSpecs[] = {{"--output", "-o"}, {"--format"}, {"--verify", nullptr, false}};

TEST(ParseArgs, EverySpellingOfAnOptionAndItsErrors) {
  const struct {
    QStringList args;
    QString output;  // value of --output
    bool verify;
    QStringList positional;
    std::string error;  // start of the message
  } cases[] = {
      {{"-o", "a.dat"}, "a.dat", false, {}, ""},
      {{"--output", "a.dat"}, "a.dat", false, {}, ""},
      {{"--output=a.dat"}, "a.dat", false, {}, ""},
      {{"--output="}, "", false, {}, ""},
      {{"in.dat", "-o", "-"}, "-", false, {"in.dat"}, ""},  // a value may start with "-"
      {{"-o", "a", "-o", "b"}, "b", false, {}, ""},         // the last one counts
      {{"--verify", "x"}, "", true, {"x"}, ""},
      {{"--", "-o", "x"}, "", false, {"-o", "x"}, ""},
      {{"-", "x"}, "", false, {"-", "x"}, ""},
      {{"-oa.dat"}, "", false, {}, "unknown option -oa.dat"},
      {{"-o=a.dat"}, "", false, {}, "unknown option -o=a.dat"},
      {{"--bogus"}, "", false, {}, "unknown option --bogus"},
      {{"--bogus=1"}, "", false, {}, "unknown option --bogus=1"},
      {{"-o"}, "", false, {}, "option -o needs a value"},
      {{"x", "--output"}, "", false, {"x"}, "option --output needs a value"},
      {{"--verify=yes"}, "", true, {}, "--verify takes no value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ParsedArgs p = ParseArgs(c.args, kSpecs);
    EXPECT_EQ(p.error.substr(0, c.error.size()), c.error);
    EXPECT_EQ(p.error.empty(), c.error.empty()) << p.error;
    if (!c.error.empty()) continue;
    EXPECT_EQ(p.value("--output"), c.output);
    EXPECT_EQ(p.has("--verify"), c.verify);
    EXPECT_EQ(p.positional, c.positional);
  }
}

TEST(ParseArgs, HelpWinsWhereverItStands) {
  for (const QStringList& args :
       {QStringList{"--help"}, QStringList{"-o", "a", "-h"}, QStringList{"--bogus", "--help"}})
    EXPECT_TRUE(ParseArgs(args, kSpecs).help) << args.join(' ').toStdString();
  EXPECT_FALSE(ParseArgs({"--", "--help"}, kSpecs).help);
  EXPECT_FALSE(ParseArgs({"-o", "--help"}, kSpecs).help);  // the value of -o
}

TEST(ParseArgs, GlobalOptionsStopAtTheVerb) {
  constexpr OptionSpec kGlobal[] = {{"--home"}};
  const ParsedArgs p = ParseArgs({"--home=/x", "show", "--home", "a.dat"}, kGlobal, true);
  EXPECT_TRUE(p.error.empty());
  EXPECT_EQ(p.value("--home"), "/x");
  EXPECT_EQ(p.positional, (QStringList{"show", "--home", "a.dat"}));
}

class CliGrammar : public ::testing::Test, public test::CliFixture {};

TEST_F(CliGrammar, EveryVerbHasHelpAndTheSameUsageErrors) {
  const struct {
    const char* verb;
    QStringList valueOptions;
  } verbs[] = {
      {"info", {}},
      {"new", {"-o", "--output"}},
      {"encode", {"-o", "--output"}},
      {"decode", {"-o", "--output"}},
      {"show", {"-f", "--format"}},
      {"ports", {}},
      {"read", {"--port", "--password", "--retries", "-o", "--output", "--image"}},
      {"write", {"--port", "--password", "--retries"}},
      {"read-info", {"--port", "--password"}},
  };
  ASSERT_EQ(std::size(verbs), CliVerbs().size());
  for (const auto& v : verbs) {
    SCOPED_TRACE(v.verb);
    for (const char* help : {"--help", "-h"}) {
      const test::CliRun r = Cli({v.verb, help});
      EXPECT_EQ(r.status, kExitOk);
      EXPECT_EQ(r.out.rfind(std::string("Usage: kt740-cli ") + v.verb, 0), 0u) << r.out;
    }
    const test::CliRun bogus = Cli({v.verb, "--bogus"});
    EXPECT_EQ(bogus.status, kExitUsage);
    EXPECT_EQ(bogus.err, std::string("kt740-cli ") + v.verb + ": unknown option --bogus\nTry 'kt740-cli " +
                             v.verb + " --help'.\n");
    for (const QString& option : v.valueOptions) {
      SCOPED_TRACE(option.toStdString());
      const test::CliRun missing = Cli({v.verb, option});
      EXPECT_EQ(missing.status, kExitUsage);
      EXPECT_NE(missing.err.find("needs a value"), std::string::npos) << missing.err;
    }
  }
}

TEST_F(CliGrammar, ValueSpellingsGiveTheSameResult) {
  const QStringList spellings[] = {
      {"new", "-o", Path("a.dat")},
      {"new", "--output", Path("b.dat")},
      {"new", "--output=" + Path("c.dat")},
  };
  for (const QStringList& args : spellings) {
    SCOPED_TRACE(args.join(' ').toStdString());
    EXPECT_EQ(Cli(args).status, kExitOk);
  }
  EXPECT_EQ(dir.Read("a.dat"), dir.Read("b.dat"));
  EXPECT_EQ(dir.Read("a.dat"), dir.Read("c.dat"));
  const std::string table = Cli({"show", Path("a.dat"), "-f", "csv"}).out;
  EXPECT_EQ(Cli({"show", Path("a.dat"), "--format", "csv"}).out, table);
  EXPECT_EQ(Cli({"show", "--format=csv", Path("a.dat")}).out, table);

  EXPECT_EQ(Cli({"new", "-o" + Path("d.dat")}).status, kExitUsage);
  EXPECT_EQ(Cli({"show", Path("a.dat"), "--format=xml"}).status, kExitUsage);
}

TEST_F(CliGrammar, GlobalOptions) {
  std::ostringstream out, err;
  CliContext ctx{QString(), out, err};
  EXPECT_EQ(RunCli({"--home"}, ctx), kExitUsage);
  EXPECT_NE(err.str().find("--home needs a value"), std::string::npos) << err.str();
  EXPECT_EQ(RunCli({"--bogus", "info"}, ctx), kExitUsage);
  EXPECT_EQ(RunCli({"--home=" + QString(KT740_SOURCE_DATA_DIR), "info"}, ctx), kExitOk);
  EXPECT_NE(out.str().find(std::string("Program folder: ") + KT740_SOURCE_DATA_DIR), std::string::npos);
  EXPECT_EQ(RunCli({"--help"}, ctx), kExitOk);
  std::ostringstream verbOut;
  CliContext verbCtx{QString(), verbOut, err};
  EXPECT_EQ(RunCli({"--help", "show"}, verbCtx), kExitOk);
  EXPECT_EQ(verbOut.str().rfind("Usage: kt740-cli show", 0), 0u) << verbOut.str();
}

}  // namespace
}  // namespace kt740
