#include "core/profile.h"

#include <gtest/gtest.h>

#include "program/program_state.h"
#include "support/temp_dir.h"

namespace kt740 {
namespace {

TEST(ReadProfileText, TrimsAndCutsLikeTheBuffer) {
  const IniDocument doc = IniDocument::Parse(
      "[OTHER]\r\n1=  Open  \r\n2=Read from radio\r\nlong=" + std::string(300, 'x') + "\r\n");
  EXPECT_EQ(ReadProfileText(doc, "OTHER", "1"), "Open");
  EXPECT_EQ(ReadProfileText(doc, "other", "2"), "Read from radio");
  EXPECT_EQ(ReadProfileText(doc, "OTHER", "3"), "");
  EXPECT_EQ(ReadProfileText(doc, "OTHER", "long", 255).size(), 254u);
  EXPECT_EQ(ReadProfileText(doc, "OTHER", "long", 512).size(), 300u);
  EXPECT_EQ(ReadProfileText(doc, "NONE", "1"), "");
}

TEST(LangText, PresentMissingAndInnerSpaces) {
  test::TempDir dir;
  dir.Write("language/english.ini", "[OTHER]\n1002=Open\n2012=File  name\n[MSG]\n9001=Save first?\n");
  ProgramState state;
  state.app.folders.programDir = dir.path().string();
  EXPECT_EQ(LangText(state, 1002), "Open");
  EXPECT_EQ(LangText(state, 2012), "File  name");
  EXPECT_EQ(LangText(state, 9999), "");
  EXPECT_EQ(LangSectionText(state, "MSG", "9001"), "Save first?");
  state.app.LanguagePath = "language/missing.ini";
  EXPECT_EQ(LangText(state, 1002), "");
}

TEST(IniDocument, WritingKeepsOtherLinesAndAddsSections) {
  IniDocument doc = IniDocument::Parse("; note\n[language]\nIsFirstRun=1\nSkin=0\n");
  doc.SetValue("language", "IsFirstRun", "0");
  doc.SetValue("language", "comPort", "3");
  doc.SetValue("other", "x", "y");
  EXPECT_EQ(doc.Serialize(),
            "; note\r\n[language]\r\nIsFirstRun=0\r\nSkin=0\r\ncomPort=3\r\n[other]\r\nx=y\r\n");
}

}  // namespace
}  // namespace kt740
