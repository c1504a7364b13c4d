// Add, Remove, Mark, Unmark and the double click.
#include "program_fixture.h"

namespace {

struct MarkCase {
  int code;
  unsigned mode;
  int expected;
};

class MarkRule : public ProgramTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkRule, AddsOrSubtractsFour) {
  Start();
  Entry("x", GetParam().code)->SetSelected(true);
  Main().MarkSelected(GetParam().mode);
  EXPECT_EQ(List().Item(0)->StateIndex(), GetParam().expected);
  EXPECT_EQ(Main().Modified(), GetParam().expected != GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, MarkRule,
                         ::testing::Values(MarkCase{-1, 0, 3}, MarkCase{0, 0, 4}, MarkCase{3, 0, 7}, MarkCase{5, 0, 5},
                                           MarkCase{9, 1, 5}, MarkCase{5, 1, 1}, MarkCase{1, 1, 1}, MarkCase{6, 2, 2},
                                           MarkCase{2, 2, 6}, MarkCase{9, 0, 9}));

TEST_F(ProgramTest, DoubleClickTogglesEverySelectedEntry) {
  Start();
  Entry("a", 4)->SetSelected(true);
  Entry("b", 1);
  Entry("c", 0)->SetSelected(true);
  List().NotifyDblClick();
  EXPECT_EQ(List().Item(0)->StateIndex(), 0);
  EXPECT_EQ(List().Item(1)->StateIndex(), 1);
  EXPECT_EQ(List().Item(2)->StateIndex(), 4);
  EXPECT_TRUE(Main().Modified());
}

TEST_F(ProgramTest, MarkOverAnAllMarkedSelectionChangesNothing) {
  Start();
  Entry("a", 4)->SetSelected(true);
  Entry("b", 7)->SetSelected(true);
  Main().pmiMark->Click();
  EXPECT_EQ(List().Item(0)->StateIndex(), 4);
  EXPECT_FALSE(Main().Modified());
}

TEST_F(ProgramTest, RemoveDeletesTheSelectedEntries) {
  Start();
  for (const char* n : {"a", "b", "c", "d", "e"}) Entry(n, 0);
  for (int i : {0, 2, 4}) List().Item(i)->SetSelected(true);
  Main().pmiRemove->Click();
  EXPECT_EQ(Names(), (std::vector<std::string>{"b", "d"}));
  EXPECT_TRUE(Main().Modified());
  EXPECT_FALSE(Main().pmiRemove->Enabled());
}

TEST_F(ProgramTest, RemoveWithoutSelectionStillCountsAsAChange) {
  Start();
  Entry("a", 0);
  Main().pmiRemoveClick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(Main().Modified());
}

// What the Add dialog returns: the text typed and how it was closed.
struct AddCase {
  const char* text;
  const char* how;  // "ok", "cancel", "titlebar"
  bool added;
};

class AddServer : public ProgramTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddServer, AddsOnlyConfirmedNonEmptyText) {
  Start();
  Entry("  spaced  ", 0)->SetSelected(true);
  const AddCase c = GetParam();
  echo.Names[c.text] = 0x7F000002;
  echo.Script("127.0.0.2", {30});
  Main().Ping.Tag = 1;
  Ui().ExpectModal([&](ui::Form& f) {
    EXPECT_TRUE(vnt::FormAdd->pbOK->Focused()) << "OK has the focus on show";
    vnt::FormAdd->peServer->NotifyText(c.text);
    if (std::string(c.how) == "ok") vnt::FormAdd->pbOK->Click();
    if (std::string(c.how) == "cancel") vnt::FormAdd->pbCancel->Click();
    if (std::string(c.how) == "titlebar") f.Close();
    return ui::mrNone;
  });
  Main().pmiAdd->Click();
  EXPECT_EQ(List().Count(), c.added ? 2 : 1);
  EXPECT_EQ(Main().Modified(), c.added);
  if (c.added) {
    ui::ListItem* added = List().Item(0)->Caption() == c.text ? List().Item(0) : List().Item(1);
    EXPECT_EQ(added->Caption(), c.text) << "the name is kept as typed";
    EXPECT_EQ(SelectedNames(), std::vector<std::string>{c.text});
    EXPECT_TRUE(added->Focused());
    EXPECT_GE(added->StateIndex(), 0) << "the new entry was pinged";
    EXPECT_LE(added->StateIndex(), 3);
  } else {
    EXPECT_EQ(SelectedNames(), std::vector<std::string>{"  spaced  "});
  }
  EXPECT_EQ(vnt::FormAdd->peServer->Text(), c.text) << "the text stays for the next use";
}

INSTANTIATE_TEST_SUITE_P(Table, AddServer,
                         ::testing::Values(AddCase{"  spaced  ", "ok", true}, AddCase{"bnet.example", "ok", true},
                                           AddCase{"   ", "ok", true}, AddCase{"", "ok", false},
                                           AddCase{"x", "cancel", false}, AddCase{"x", "titlebar", false}));

TEST_F(ProgramTest, AddedServerIsPingedAndSorted) {
  Start();
  Entry("slow", 1, 300);
  echo.Script("127.0.0.9", {40});
  Main().Ping.Tag = 1;
  Ui().ExpectModal([](ui::Form&) {
    vnt::FormAdd->peServer->NotifyText("127.0.0.9");
    return ui::mrOk;
  });
  Main().pmiAddClick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"127.0.0.9", "slow"}));
  EXPECT_EQ(Time("127.0.0.9"), "40");
  EXPECT_EQ(echo.Log.size(), 1u) << "only the new server was pinged";
}

}  // namespace
