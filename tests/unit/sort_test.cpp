// The comparison under the four codes and the ways of choosing an order.
#include "program_fixture.h"

namespace {

struct Row {
  const char* name;
  int time;  // -1: no time
};

struct SortCase {
  int code;
  std::vector<Row> rows;
  std::vector<std::string> expected;
};

class SortOrder : public ProgramTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortOrder, OrdersTheList) {
  Start();
  for (const Row& r : GetParam().rows) Entry(r.name, r.time < 0 ? 3 : 0, r.time);
  Main().SetSortMethod(GetParam().code);
  EXPECT_EQ(Names(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortOrder,
    ::testing::Values(
        SortCase{0, {{"alpha", 1}, {"Beta", 1}, {"abcd", 1}, {"abc", 1}, {"Zeta", 1}},
                 {"Beta", "Zeta", "abc", "abcd", "alpha"}},
        SortCase{1, {{"alpha", 1}, {"beta", 1}, {"abc", 1}}, {"beta", "alpha", "abc"}},
        SortCase{0, {{"\xC3\xA9t\xC3\xA9", 1}, {"zulu", 1}}, {"zulu", "\xC3\xA9t\xC3\xA9"}},
        SortCase{2, {{"a", 100}, {"n1", -1}, {"b", 99}, {"n2", -1}, {"c", 1000}}, {"b", "a", "c", "n1", "n2"}},
        SortCase{3, {{"a", 100}, {"n1", -1}, {"b", 99}, {"c", 1000}}, {"n1", "c", "a", "b"}},
        SortCase{2, {{"z", 50}, {"a", 50}}, {"z", "a"}},
        SortCase{7, {{"b", 1}, {"a", 2}}, {"a", "b"}}));

TEST_F(ProgramTest, HeaderClicksChooseAndFlipTheOrder) {
  Start();
  Main().SetSortMethod(3);
  std::vector<int> codes;
  for (int column : {0, 0, 0, 1, 1, 1}) {
    List().NotifyColumnClick(column);
    codes.push_back(Main().SortMethod);
  }
  EXPECT_EQ(codes, (std::vector<int>{0, 1, 0, 2, 3, 2}));
  Main().SetSortMethod(1);
  List().NotifyColumnClick(1);
  EXPECT_EQ(Main().SortMethod, 2) << "Times after Z to A gives low to high";
  EXPECT_TRUE(Main().pmiTimesLowToHigh->Checked());
  EXPECT_FALSE(Main().pmiServersZToA->Checked());
}

TEST_F(ProgramTest, HeaderClickOnAnEmptyListSetsTheOrder) {
  Start();
  Main().EnableCommands();
  List().NotifyColumnClick(0);
  EXPECT_EQ(Main().SortMethod, 0);
  EXPECT_TRUE(Main().pmiServersAToZ->Checked());
  EXPECT_EQ(List().Count(), 0);
}

TEST_F(ProgramTest, SortKeepsSelectionAndFocus) {
  Start();
  Entry("b", 0, 10)->SetSelected(true);
  Entry("a", 0, 20)->SetFocused(true);
  Main().pmiServersAToZ->Click();
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"b"});
  EXPECT_EQ(FocusedName(), "a");
}

}  // namespace
