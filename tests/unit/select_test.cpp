// The ten preferred-server criteria over one list in time order.
#include "program_fixture.h"

namespace {

struct Criterion {
  int code;
  bool markSlowOnly;  // marks the 300 and 500 ms servers and the unreachable one instead
  std::vector<std::string> expected;
};

class Preferred : public ProgramTest, public ::testing::WithParamInterface<Criterion> {};

// Times 50 (green), 300 (yellow), 500 (red) and one unreachable, in time order.
TEST_P(Preferred, SelectsByCriterion) {
  Start();
  const bool slow = GetParam().markSlowOnly;
  Entry("fast", slow ? 0 : 4, 50);
  Entry("medium", slow ? 5 : 1, 300);
  Entry("slow", slow ? 6 : 2, 500);
  Entry("down", slow ? 7 : 3);
  List().Item(3)->SetFocused(true);
  List().Item(0)->SetSelected(true);
  Main().SelectPreferred(GetParam().code);
  EXPECT_EQ(SelectedNames(), GetParam().expected);
  const auto& expected = GetParam().expected;
  EXPECT_EQ(FocusedName(), expected.empty() ? "down" : expected.front())
      << "the first selected gets the focus; with none the focus stays";
}

INSTANTIATE_TEST_SUITE_P(
    Table, Preferred,
    ::testing::Values(Criterion{0, false, {}}, Criterion{1, false, {"fast"}}, Criterion{2, false, {"fast"}},
                      Criterion{3, false, {"fast", "medium"}}, Criterion{4, false, {"fast", "medium", "slow"}},
                      Criterion{5, false, {"fast"}}, Criterion{5, true, {"medium", "slow", "down"}},
                      Criterion{6, false, {"fast"}}, Criterion{6, true, {}}, Criterion{7, false, {"fast"}},
                      Criterion{7, true, {}}, Criterion{8, true, {"medium"}}, Criterion{9, true, {"medium", "slow"}},
                      Criterion{10, false, {}}, Criterion{-1, false, {}}));

TEST_F(ProgramTest, MarkedGreenPassesOverUnmarkedEntries) {
  Start();
  Entry("green", 0, 20);
  Entry("marked green", 4, 30);
  Entry("marked yellow", 5, 250);
  Entry("marked green later", 4, 190);
  Main().SelectPreferred(7);
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"marked green"}) << "the scan stops at the marked yellow";
}

TEST_F(ProgramTest, AllUnreachableSelectsOnlyMarked) {
  Start();
  Entry("a", 3);
  Entry("b", 7);
  for (int code = 0; code <= 9; ++code) {
    Main().SelectPreferred(code);
    EXPECT_EQ(SelectedNames(), code == 5 ? std::vector<std::string>{"b"} : std::vector<std::string>{}) << code;
  }
}

}  // namespace
