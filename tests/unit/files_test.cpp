// The .vnt format and the File commands.
#include <filesystem>
#include <fstream>

#include "app/server_list_format.h"
#include "program_fixture.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

struct SplitCase {
  std::string bytes;
  std::vector<std::string> lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, AtEveryKindOfLineEnd) { EXPECT_EQ(vnt::SplitServerLines(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Table, SplitLines,
                         ::testing::Values(SplitCase{"a\r\nb\r\n", {"a", "b"}}, SplitCase{"a\nb\n", {"a", "b"}},
                                           SplitCase{"a\rb\r", {"a", "b"}}, SplitCase{"a\r\nb", {"a", "b"}},
                                           SplitCase{"a\r\r\nb", {"a", "", "b"}}, SplitCase{"", {}},
                                           SplitCase{"\r\n", {""}}, SplitCase{std::string("a\r\nb\0c\r\n", 8), {"a", "b"}}));

struct LineCase {
  const char* line;
  const char* name;
  std::optional<int> state;
};

class ParseLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseLine, NameAndState) {
  vnt::ServerLine parsed = vnt::ParseServerLine(GetParam().line);
  EXPECT_EQ(parsed.Name, GetParam().name);
  EXPECT_EQ(parsed.State, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseLine,
                         ::testing::Values(LineCase{"alpha", "alpha", 3}, LineCase{"bravo,5", "bravo", 5},
                                           LineCase{" charlie , 1", "charlie", 1}, LineCase{"", "", 3},
                                           LineCase{"x,-1", "x", -1}, LineCase{"x,$10", "x", 16},
                                           LineCase{"x,12", "x", 12}, LineCase{"x,", "x", std::nullopt},
                                           LineCase{"x,green", "x", std::nullopt},
                                           LineCase{"Ladder, East,4", "Ladder, East", 4}));

TEST(FileNameWithoutPath, Table) {
  using vnt::TFormMain;
  EXPECT_EQ(TFormMain::GetFileNameWithoutPath("D:\\Lists\\bnet.vnt"), "bnet.vnt");
  EXPECT_EQ(TFormMain::GetFileNameWithoutPath("bnet.vnt"), "bnet.vnt");
  EXPECT_EQ(TFormMain::GetFileNameWithoutPath("D:\\Lists\\servers"), "D:\\Lists\\servers");
  EXPECT_EQ(TFormMain::GetFileNameWithoutPath("D:\\My.Lists\\servers"), "servers");
}

class Files : public ProgramTest {
 protected:
  fs::path dir = fs::path(::testing::TempDir()) / ("vnt-" + std::to_string(::getpid()) + "-" +
                                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir);
    Start();
    Main().Ping.Tag = 1;
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string P(const char* name) { return (dir / name).string(); }
  void Modify() {
    Entry("changed", 0);
    List().Item(List().Count() - 1)->SetSelected(true);
    Main().pmiMarkClick();
    ASSERT_TRUE(Main().Modified());
  }
};

TEST_F(Files, SaveWritesTrimmedLinesWithCrLf) {
  Entry(" alpha\t", 4);
  Entry("10.0.0.2", 3);
  ASSERT_TRUE(Main().SaveServerList(P("two.vnt")));
  EXPECT_EQ(ReadBytes(dir / "two.vnt"), "alpha,4\r\n10.0.0.2,3\r\n");
  List().Clear();
  ASSERT_TRUE(Main().SaveServerList(P("empty.vnt")));
  EXPECT_EQ(fs::file_size(dir / "empty.vnt"), 0u);
  EXPECT_EQ(Main().Caption(), "VNTR - " + P("empty.vnt")) << "no backslash in a POSIX path";
}

TEST_F(Files, OpenLoadsPingsAndNamesTheWindow) {
  WriteBytes(dir / "mixed.vnt", "alpha\nbravo,5\r charlie , 1\r\n");
  Ui().PickFile(P("mixed.vnt"));
  Main().pmiOpen->Click();
  EXPECT_EQ(Names().size(), 3u);
  EXPECT_EQ(Find("alpha")->StateIndex(), 3) << "not resolvable here, so unreachable";
  EXPECT_EQ(Find("bravo")->StateIndex(), 7) << "marked, kept through the ping";
  EXPECT_EQ(Find("charlie")->StateIndex(), 3);
  EXPECT_EQ(Main().pod->FileName, P("mixed.vnt"));
  EXPECT_EQ(Main().psd->FileName, P("mixed.vnt"));
  EXPECT_FALSE(Main().Modified()) << "pinging does not modify";
  EXPECT_EQ(Main().psb->SimpleText(), "");
  EXPECT_TRUE(Main().pmiPingAll->Enabled());
}

TEST_F(Files, LoadedCodesAreKeptUntilTheNextPing) {
  std::vector<std::string> lines = {"alpha", "bravo,5", " charlie , 1"};
  Main().LinesToList(lines);
  EXPECT_EQ(Find("alpha")->StateIndex(), 3);
  EXPECT_EQ(Find("bravo")->StateIndex(), 5);
  EXPECT_EQ(Find("charlie")->StateIndex(), 1);
}

TEST_F(Files, BadStateStopsReadingAtThatLine) {
  WriteBytes(dir / "bad.vnt", "alpha,0\r\nbravo,x\r\ncharlie,1\r\n");
  Main().psd->FileName = P("previous.vnt");
  EXPECT_FALSE(Main().OpenServerList(P("bad.vnt")));
  EXPECT_EQ(Names(), (std::vector<std::string>{"alpha", ""}));
  EXPECT_EQ(List().Item(1)->StateIndex(), -1);
  EXPECT_EQ(List().Item(0)->StateIndex(), 0) << "earlier lines are not pinged";
  EXPECT_TRUE(echo.Log.empty());
  EXPECT_EQ(Main().Caption(), "VNTR");
  EXPECT_EQ(Main().psd->FileName, "Untitled.vnt") << "the save target no longer names the file used before";
}

TEST_F(Files, NameWithACommaSurvivesItsOwnFile) {
  Entry("Ladder, East", 4);
  ASSERT_TRUE(Main().SaveServerList(P("comma.vnt")));
  List().Clear();
  ASSERT_TRUE(Main().OpenServerList(P("comma.vnt")));
  EXPECT_EQ(Names(), std::vector<std::string>{"Ladder, East"});
}

TEST_F(Files, NonAsciiNamesUseTheAnsiCodePage) {
  Entry("S\xC3\xBC" "d", 0);
  ASSERT_TRUE(Main().SaveServerList(P("ansi.vnt")));
  EXPECT_EQ(ReadBytes(dir / "ansi.vnt"), "S\xFC" "d,0\r\n");
}

TEST_F(Files, MissingFileLeavesAnEmptyUntitledList) {
  Ui().PickFile(P("missing.vnt"));
  Main().pmiOpenClick();
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(Main().Caption(), "VNTR");
  EXPECT_FALSE(Main().pmiPingAll->Enabled());
  Main().Close();
  EXPECT_EQ(Stored("LastFile"), P("missing.vnt")) << "the chosen name is stored all the same";
}

TEST_F(Files, NewAsksAndStartsAnUntitledList) {
  Modify();
  Ui().AnswerMessageBox(ui::mrCancel);
  Main().pmiNewClick();
  EXPECT_EQ(List().Count(), 1);
  const ui::MessageBoxRequest& box = Ui().MessageBoxes.back();
  EXPECT_EQ(box.Caption, "Save changes?");
  EXPECT_EQ(box.Buttons, ui::MsgButtons::YesNoCancel);
  EXPECT_EQ(box.Icon, ui::MsgIcon::None);
  EXPECT_EQ(box.DefaultButton, 0);
  Ui().AnswerMessageBox(ui::mrNo);
  Main().pmiNew->Click();
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(Main().Caption(), "VNTR - Untitled.vnt");
  EXPECT_EQ(Main().psd->FileName, "Untitled.vnt");
  EXPECT_FALSE(Main().Modified());
}

TEST_F(Files, OpenAsksFirstAndCancelKeepsEverything) {
  WriteBytes(dir / "other.vnt", "x,0\r\n");
  Modify();
  Ui().AnswerMessageBox(ui::mrCancel);
  Main().pmiOpenClick();
  EXPECT_TRUE(Ui().FileDialogTitles.empty()) << "no Open dialog after Cancel";
  EXPECT_EQ(Names(), std::vector<std::string>{"changed"});
  EXPECT_TRUE(Main().Modified());
}

TEST_F(Files, YesOnAnUntitledListAsksForAName) {
  Main().pmiNewClick();
  Modify();
  Ui().AnswerMessageBox(ui::mrYes);
  Ui().PickFile(P("named.vnt"));
  Main().pmiExitClick();
  EXPECT_EQ(Ui().FileDialogTitles, std::vector<std::string>{"Save Server List"});
  EXPECT_EQ(ReadBytes(dir / "named.vnt"), "changed,4\r\n");
  EXPECT_TRUE(app->Terminated());
}

TEST_F(Files, YesWithANamedTargetSavesThereAndCancelledDialogKeepsTheWindow) {
  Main().psd->FileName = P("named.vnt");
  Modify();
  Ui().AnswerMessageBox(ui::mrYes);
  EXPECT_TRUE(Main().CanClose());
  EXPECT_EQ(ReadBytes(dir / "named.vnt"), "changed,4\r\n");
  EXPECT_FALSE(Main().Modified());
  Main().psd->FileName = "UNTITLED.VNT";
  Modify();
  Ui().AnswerMessageBox(ui::mrYes);
  Ui().PickFile(std::nullopt);
  EXPECT_FALSE(Main().CanClose());
}

TEST_F(Files, SaveAsChangesTheTargetAndCancelChangesNothing) {
  Modify();
  Ui().PickFile(std::nullopt);
  Main().pmiSaveAsClick();
  EXPECT_TRUE(Main().Modified());
  Ui().PickFile(P("as.vnt"));
  Main().pmiSaveAs->Click();
  EXPECT_EQ(Main().psd->FileName, P("as.vnt"));
  EXPECT_FALSE(Main().Modified());
  Modify();
  Main().pmiSave->Click();
  EXPECT_EQ(ReadBytes(dir / "as.vnt"), "changed,4\r\nchanged,4\r\n");
}

TEST_F(Files, FailedSaveIsReportedAndKeepsTheOldFileAndTheFlag) {
  WriteBytes(dir / "keep.vnt", "old,0\r\n");
  Modify();
  Main().SetCaption("VNTR - keep.vnt");
  const std::string target = P("no-such-folder/keep.vnt");
  Ui().AnswerMessageBox(ui::mrOk);
  EXPECT_FALSE(Main().SaveServerList(target));
  const ui::MessageBoxRequest& box = Ui().MessageBoxes.back();
  EXPECT_EQ(box.Caption, "Save Error");
  EXPECT_EQ(box.Icon, ui::MsgIcon::Error);
  EXPECT_NE(box.Text.find(target), std::string::npos);
  EXPECT_TRUE(Main().Modified());
  EXPECT_EQ(Main().Caption(), "VNTR - keep.vnt");
  EXPECT_EQ(ReadBytes(dir / "keep.vnt"), "old,0\r\n");
  Ui().AnswerMessageBox(ui::mrYes);
  Ui().AnswerMessageBox(ui::mrOk);
  Main().psd->FileName = target;
  Main().pmiExitClick();
  EXPECT_FALSE(app->Terminated()) << "a failed save at the question keeps the window open";
}

TEST_F(Files, SaveReplacesTheFileWhole) {
  WriteBytes(dir / "list.vnt", "a much longer old content,0\r\nsecond,1\r\n");
  Entry("new", 2);
  ASSERT_TRUE(Main().SaveServerList(P("list.vnt")));
  EXPECT_EQ(ReadBytes(dir / "list.vnt"), "new,2\r\n");
  for (auto& e : fs::directory_iterator(dir)) EXPECT_EQ(e.path().filename(), "list.vnt") << "no temporary file left";
}

TEST_F(Files, SaveWithAnEmptyTargetIsReported) {
  Entry("x", 0);
  Ui().AnswerMessageBox(ui::mrOk);
  Main().pmiSaveClick();
  EXPECT_EQ(Ui().MessageBoxes.size(), 1u);
}

}  // namespace
