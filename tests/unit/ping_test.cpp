// The ping run over scripted echoes.
#include "program_fixture.h"

namespace {

class PingRun : public ProgramTest {
 protected:
  void SetUp() override {
    Start();
    Main().Ping.Tag = 3;
    Main().Ping.Timeout = 1000;
    Main().Ping.Size = 56;
  }
};

struct EchoCase {
  std::vector<int> times;  // -1: lost
  int timeout;
  const char* expectedTime;
  int expectedState;
};

class Average : public PingRun, public ::testing::WithParamInterface<EchoCase> {};

TEST_P(Average, GivesTimeAndColour) {
  Main().Ping.Tag = static_cast<int>(GetParam().times.size());
  Main().Ping.Timeout = GetParam().timeout;
  echo.Script("10.0.0.1", GetParam().times);
  Entry("10.0.0.1", -1)->SetSelected(true);
  Main().pmiPingSelected->Click();
  EXPECT_EQ(Time("10.0.0.1"), GetParam().expectedTime);
  EXPECT_EQ(List().Item(0)->StateIndex(), GetParam().expectedState);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Average,
    ::testing::Values(EchoCase{{120, -1, 140}, 1000, "420", 2}, EchoCase{{-1, -1, -1}, 1000, "", 3},
                      EchoCase{{99, 100, 100}, 1000, "99", 0}, EchoCase{{200}, 1000, "200", 0},
                      EchoCase{{201}, 1000, "201", 1}, EchoCase{{400}, 1000, "400", 1},
                      EchoCase{{401}, 1000, "401", 2}, EchoCase{{149}, 150, "149", 0}, EchoCase{{150}, 150, "", 3},
                      EchoCase{{151}, 150, "", 3}, EchoCase{{-1}, 1000, "", 3},
                      // A reply under a millisecond is a reply, not a lost echo.
                      EchoCase{{0, 0, 0}, 1000, "1", 0}, EchoCase{{0, 3}, 1000, "2", 0}));

TEST_F(PingRun, ReplyOfTheWrongSizeCountsAsLost) {
  Main().Ping.Tag = 2;
  echo.Script("10.0.0.1", {100}, 55);
  echo.Script("10.0.0.1", {100}, 56);
  Entry("10.0.0.1", 0)->SetSelected(true);
  Main().pmiPingSelectedClick();
  EXPECT_EQ(Time("10.0.0.1"), "550");
}

TEST_F(PingRun, UnresolvableNameEndsUnreachable) {
  Entry("nowhere.invalid", 0, 20)->SetSelected(true);
  Main().pmiPingSelectedClick();
  EXPECT_EQ(Time("nowhere.invalid"), "");
  EXPECT_EQ(List().Item(0)->StateIndex(), 3);
  EXPECT_TRUE(echo.Log.empty()) << "nothing is sent to a name that does not resolve";
}

TEST_F(PingRun, NamesAreResolvedAndEchoesCarryTheSettings) {
  echo.Names["bnet.example"] = 0x0A000001;
  echo.Script("10.0.0.1", {30, 30, 30});
  Main().Ping.Size = 32;
  echo.Script("10.0.0.1", {}, 32);
  Entry("bnet.example", -1)->SetSelected(true);
  Main().pmiPingSelectedClick();
  ASSERT_EQ(echo.Log.size(), 3u);
  EXPECT_EQ(echo.Log[0].Address, 0x0A000001u);
  EXPECT_EQ(echo.Log[0].Size, 32);
  EXPECT_EQ(echo.Log[0].Timeout, 1000u);
  EXPECT_EQ(echo.Log[0].Ttl, 64);
}

TEST_F(PingRun, MarkSurvivesAndAMarkedServerThatStopsAnsweringIsSeven) {
  echo.Script("10.0.0.1", {-1, -1, -1});
  echo.Script("10.0.0.2", {250, 250, 250});
  Entry("10.0.0.1", 4, 20)->SetSelected(true);
  Entry("10.0.0.2", 9)->SetSelected(true);
  Main().pmiPingSelectedClick();
  EXPECT_EQ(Find("10.0.0.1")->StateIndex(), 7);
  EXPECT_EQ(Time("10.0.0.1"), "");
  EXPECT_EQ(Find("10.0.0.2")->StateIndex(), 5) << "a code from a file is replaced, its mark kept";
}

TEST_F(PingRun, PingSelectedLeavesTheSelectionAndDoesNotModify) {
  echo.Script("10.0.0.2", {10, 10, 10});
  Entry("10.0.0.1", 0, 300);
  Entry("10.0.0.2", 1, 350)->SetSelected(true);
  Entry("10.0.0.3", 2, 500)->SetSelected(true);
  Main().pmiPingSelectedClick();
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"10.0.0.2", "10.0.0.3"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"10.0.0.2", "10.0.0.1", "10.0.0.3"}));
  EXPECT_EQ(Time("10.0.0.1"), "300") << "not selected, not pinged";
  EXPECT_FALSE(Main().Modified());
  EXPECT_EQ(echo.Log.size(), 6u);
}

TEST_F(PingRun, EveryServerIsPingedOnceWhileTheSortsMoveIt) {
  // Each reply makes the server jump to the other end of the list.
  const std::vector<std::pair<std::string, int>> servers = {
      {"10.0.0.1", 900}, {"10.0.0.2", 10}, {"10.0.0.3", 500}, {"10.0.0.4", 5}, {"10.0.0.5", 700}};
  Main().Ping.Tag = 1;
  for (auto& [name, time] : servers) {
    echo.Script(name, {time});
    Entry(name, 3);
  }
  Main().SetSortMethod(3);
  Main().pmiPingAllClick();
  std::map<uint32_t, int> perAddress;
  for (auto& sent : echo.Log) ++perAddress[sent.Address];
  EXPECT_EQ(perAddress.size(), 5u);
  for (auto& [address, count] : perAddress) EXPECT_EQ(count, 1) << address;
  EXPECT_EQ(Names(), (std::vector<std::string>{"10.0.0.1", "10.0.0.5", "10.0.0.3", "10.0.0.2", "10.0.0.4"}));
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"10.0.0.4"}) << "Fastest, from the Options dialog";
  EXPECT_EQ(FocusedName(), "10.0.0.4");
}

TEST_F(PingRun, PingAllSelectsByTheCriterionShownInTheDialog) {
  Main().Ping.Tag = 1;
  vnt::FormOptions->pcbPreferred->SetItemIndex(3);  // Yellow
  echo.Script("10.0.0.1", {50});
  echo.Script("10.0.0.2", {300});
  echo.Script("10.0.0.3", {500});
  for (const char* n : {"10.0.0.3", "10.0.0.4", "10.0.0.2", "10.0.0.1"}) Entry(n, -1);
  Main().SetSortMethod(0);
  List().Item(1)->SetSelected(true);
  Main().pmiPingAll->Click();
  EXPECT_EQ(Names(), (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4"}));
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
  vnt::FormOptions->pcbPreferred->SetItemIndex(0);
  Main().pmiPingAll->Click();
  EXPECT_TRUE(SelectedNames().empty()) << "None clears the selection";
}

TEST_F(PingRun, StatusTextWhileRunningAndClearedAfter) {
  std::vector<std::string> seen;
  echo.OnSend = [&] { seen.push_back(Main().psb->SimpleText()); };
  Main().Ping.Tag = 1;
  Entry("10.0.0.1", 0);
  Main().pmiPingAllClick();
  EXPECT_EQ(seen, std::vector<std::string>{"Pinging 10.0.0.1..."});
  EXPECT_EQ(Main().psb->SimpleText(), "");
  EXPECT_EQ(Ui().Repaints, 1) << "a repaint after every server";
}

TEST_F(PingRun, EmptyListAndEmptySelection) {
  Main().psb->SetSimpleText("x");
  Main().PingServers(false);
  EXPECT_EQ(Main().psb->SimpleText(), "");
  Entry("b", 0, 20);
  Entry("a", 1, 300);
  Main().PingServers(true);
  EXPECT_TRUE(echo.Log.empty());
  EXPECT_EQ(Names(), (std::vector<std::string>{"b", "a"})) << "still sorted by the current method";
}

}  // namespace
