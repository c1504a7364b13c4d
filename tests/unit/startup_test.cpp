// The main window's creation from the stored settings, its activation and its close.
#include "program_fixture.h"

namespace {

TEST_F(ProgramTest, FirstStartOnAnEmptyRegistry) {
  Start();
  EXPECT_EQ(Main().Bounds(), (ui::Rect{192, 108, 203, 273}));
  EXPECT_EQ(List().Columns()[0].Width, 125);
  EXPECT_EQ(List().Columns()[1].Width, 50);
  EXPECT_EQ(Main().SortMethod, 2);
  EXPECT_TRUE(Main().pmiTimesLowToHigh->Checked());
  EXPECT_FALSE(Main().pmiServersAToZ->Checked());
  EXPECT_EQ(Main().LastFileName(), "bnet.vnt");
  EXPECT_EQ(Main().pod->FileName, "bnet.vnt");
  EXPECT_EQ(Main().Caption(), "VNTR");
  EXPECT_TRUE(Main().FirstActivation());
  EXPECT_FALSE(Main().Modified());
  EXPECT_EQ(app->Title, "Vantorel");
  EXPECT_EQ(app->MainForm(), &Main());
}

struct StoredCase {
  const char* name;
  const char* text;
  int expected;
};

class StoredValue : public ProgramTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValue, IsAppliedUnchecked) {
  Store(GetParam().name, GetParam().text);
  Start();
  const std::string name = GetParam().name;
  int actual = name == "SortMethod"     ? Main().SortMethod
               : name == "WindowWidth"  ? Main().Width()
               : name == "WindowTop"    ? Main().Top()
               : name == "WindowColumnWidthPing" ? List().Columns()[1].Width
                                                 : -999;
  EXPECT_EQ(actual, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, StoredValue,
                         ::testing::Values(StoredCase{"SortMethod", "258", 2}, StoredCase{"SortMethod", "1", 1},
                                           StoredCase{"SortMethod", "200", -56},
                                           StoredCase{"WindowWidth", "abc", 203},
                                           StoredCase{"WindowWidth", " 300", 300},
                                           StoredCase{"WindowWidth", "0", 0},
                                           StoredCase{"WindowTop", "-5000", -5000},
                                           StoredCase{"WindowColumnWidthPing", "", 50}));

TEST_F(ProgramTest, StoredStringsAndStampAreKept) {
  Store("LastFile", "");
  Store("LastServerListUpdateTimeLow", "-1");
  Store("LastServerListUpdateTimeHigh", "30000000");
  Start();
  EXPECT_EQ(Main().LastFileName(), "") << "an empty LastFile is not replaced by bnet.vnt";
  EXPECT_EQ(Main().StoredStamp(), (platform::FileTime{0xFFFFFFFFu, 30000000u}));
}

TEST_F(ProgramTest, SortCodeOutsideTheFourChecksNothing) {
  Store("SortMethod", "7");
  Start();
  for (ui::MenuItem* item : Main().pmiSortBy->Items()) EXPECT_FALSE(item->Checked()) << item->Name();
}

TEST_F(ProgramTest, NonStringSortMethodIsReportedAndTheRestSkipped) {
  registry.Set(platform::RegRoot::LocalMachine, platform::SettingsStore::KeyPath, "SortMethod",
               platform::RegValue::DWord(1));
  Store("WindowWidth", "333");
  Store("LastFile", "other.vnt");
  Ui().AnswerMessageBox(ui::mrOk);
  Start();
  ASSERT_EQ(Ui().MessageBoxes.size(), 1u);
  EXPECT_EQ(Ui().MessageBoxes[0].Text, "Invalid data type for 'SortMethod'.");
  EXPECT_EQ(Ui().MessageBoxes[0].Caption, "Vantorel");
  EXPECT_EQ(Main().Width(), 333) << "values before the bad one are applied";
  EXPECT_EQ(Main().LastFileName(), "") << "values after it are not read";
  EXPECT_EQ(Main().pod->FileName, "");
  EXPECT_FALSE(Main().FirstActivation()) << "the start-up sequence does not run";
  app->DoActivate();
  EXPECT_TRUE(Ui().ModalForms.empty());
  EXPECT_EQ(Main().Caption(), "VNTR");
}

TEST_F(ProgramTest, CloseWritesTheEightValuesInOrder) {
  Start();
  Main().SetBounds({10, -20, 640, 480});
  List().SetColumnWidth(0, 200);
  Main().SortMethod = -56;
  Main().pod->FileName = "C:\\lists\\\xC3\xA9t\xC3\xA9.vnt";
  registry.Writes.clear();
  Main().Close();
  EXPECT_EQ(registry.Writes, (std::vector<std::string>{
                                 "WindowTop=-20", "WindowLeft=10", "WindowWidth=640", "WindowHeight=480",
                                 "WindowColumnWidthServer=200", "WindowColumnWidthPing=50", "SortMethod=-56",
                                 "LastFile=C:\\lists\\\xC3\xA9t\xC3\xA9.vnt"}));
  EXPECT_TRUE(app->Terminated());
}

TEST_F(ProgramTest, RefusedCloseWritesNothing) {
  Start();
  Entry("alpha", 0);
  Main().pmiMarkClick();  // nothing selected: no change
  List().Item(0)->SetSelected(true);
  Main().pmiMarkClick();
  ASSERT_TRUE(Main().Modified());
  registry.Writes.clear();
  Ui().AnswerMessageBox(ui::mrCancel);
  Main().pmiExitClick();
  EXPECT_TRUE(registry.Writes.empty());
  EXPECT_FALSE(app->Terminated());
  EXPECT_EQ(Ui().MessageBoxes.back().Text, "Save the changes to the server list?");
}

TEST_F(ProgramTest, FailedSettingsWriteKeepsTheWindowOpen) {
  Start();
  registry.Denied.insert(platform::MemoryRegistry::Id(platform::RegRoot::LocalMachine, "SOFTWARE\\Vantorel"));
  EXPECT_THROW(Main().Close(), platform::RegistryError);
  EXPECT_FALSE(app->Terminated());
}

TEST_F(ProgramTest, FirstActivationRunsTheStartUpSequenceOnceAlsoWhenReentered) {
  Store("LastFile", "/nonexistent/first.vnt");
  Start();
  int activations = 0;
  // Coming back to the program while the start-up sequence still runs.
  echo.OnSend = [&] {
    if (activations++ == 0) app->DoActivate();
  };
  app->DoActivate();
  EXPECT_FALSE(Main().FirstActivation());
  EXPECT_EQ(Main().Caption(), "VNTR") << "the last file was tried and could not be opened";
  EXPECT_TRUE(Main().pmiPingAll->Enabled() == false) << "EnableCommands ran for the empty list";
  const int repaints = Ui().Repaints;
  app->DoActivate();
  Main().DoActivate();
  EXPECT_EQ(Ui().Repaints, repaints) << "later activations do not run the sequence again";
}

TEST_F(ProgramTest, ReentryDuringTheStartUpPingDoesNotStartItAgain) {
  const std::string path = ::testing::TempDir() + "startup.vnt";
  FILE* f = fopen(path.c_str(), "wb");
  fputs("127.0.0.2,0\r\n", f);
  fclose(f);
  Store("LastFile", path);
  echo.Script("127.0.0.2", {20, 20, 20});
  Start();
  int nested = 0;
  echo.OnSend = [&] {
    if (nested++ == 0) app->DoActivate();
  };
  app->DoActivate();
  EXPECT_EQ(echo.Log.size(), 3u) << "one ping run of three echoes";
  EXPECT_EQ(Time("127.0.0.2"), "20");
}

}  // namespace
