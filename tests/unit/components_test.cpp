// The component semantics that both widget sets rely on.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/checkbox.h"
#include "ui/combobox.h"
#include "ui/edit.h"
#include "ui/listview.h"
#include "ui/menu.h"
#include "ui/toolbar.h"
#include "ui/updown.h"

namespace {

TEST(MenuItem, ClickRunsOnlyWhileEnabled) {
  ui::MainMenu menu("m");
  ui::MenuItem* item = menu.Items.Add("pmiX", "&X");
  int clicks = 0;
  item->OnClick = [&] { ++clicks; };
  item->Click();
  item->SetEnabled(false);
  item->Click();
  EXPECT_EQ(clicks, 1);
}

TEST(MenuItem, CheckingARadioItemUnchecksItsGroup) {
  ui::MainMenu menu("m");
  ui::MenuItem* a = menu.Items.Add("a", "A");
  ui::MenuItem* b = menu.Items.Add("b", "B");
  ui::MenuItem* plain = menu.Items.Add("c", "C");
  a->RadioItem = b->RadioItem = true;
  plain->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(plain->Checked()) << "an item outside the radio group keeps its check";
}

TEST(ToolButton, ClickRunsOnlyWhileEnabled) {
  ui::ToolBar bar(nullptr, "ptb");
  ui::ToolButton* b = bar.AddButton("b", 23, "hint", 0);
  int clicks = 0;
  b->OnClick = [&] { ++clicks; };
  b->SetEnabled(false);
  b->Click();
  EXPECT_EQ(clicks, 0);
}

struct ListFixture : ::testing::Test {
  ui::ListView list{nullptr, "plv"};
  std::vector<std::string> changes;
  void SetUp() override {
    list.OnChange = [&](ui::ListItem* item) { changes.push_back(item->Caption()); };
  }
};

TEST_F(ListFixture, ChangeEventOnTextStateAndSelectionOnly) {
  ui::ListItem* item = list.Add();
  EXPECT_TRUE(changes.empty()) << "insertion alone raises no change";
  item->SetCaption("alpha");
  item->SetSubItems({"120"});
  item->SetStateIndex(4);
  item->SetSelected(true);
  EXPECT_EQ(changes.size(), 4u);
  item->SetStateIndex(4);
  item->SetSelected(true);
  EXPECT_EQ(changes.size(), 4u) << "setting the same value is no change";
  list.NotifySelected(0, false);
  EXPECT_EQ(changes.size(), 5u) << "the user's selection goes through the same event";
}

TEST_F(ListFixture, CustomSortKeepsSelectionFocusAndEqualOrder) {
  for (const char* name : {"c", "a2", "b", "a1"}) list.Add()->SetCaption(name);
  list.Item(0)->SetSelected(true);
  list.Item(3)->SetFocused(true);
  list.OnCompare = [](ui::ListItem* x, ui::ListItem* y, int, int& r) { r = x->Caption()[0] - y->Caption()[0]; };
  list.CustomSort(0);
  std::vector<std::string> order;
  for (int i = 0; i < list.Count(); ++i) order.push_back(list.Item(i)->Caption());
  EXPECT_EQ(order, (std::vector<std::string>{"a2", "a1", "b", "c"})) << "equal keys keep their order";
  EXPECT_TRUE(list.Item(3)->Selected());
  EXPECT_EQ(list.ItemFocused()->Caption(), "a1");
  EXPECT_EQ(list.SelCount(), 1);
}

TEST_F(ListFixture, OneFocusedItemAtATime) {
  ui::ListItem* a = list.Add();
  ui::ListItem* b = list.Add();
  a->SetFocused(true);
  b->SetFocused(true);
  EXPECT_FALSE(a->Focused());
  EXPECT_EQ(list.ItemFocused(), b);
}

struct StepCase {
  int min, max, step, from, direction, expected;
};

class UpDownStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(UpDownStep, StepsAndWraps) {
  const StepCase& c = GetParam();
  ui::Edit edit(nullptr, "pe");
  ui::UpDown ud(nullptr, "pud");
  ud.SetRange(c.min, c.max);
  ud.Increment = c.step;
  ud.Wrap = true;
  ud.SetAssociate(&edit);
  ud.SetPosition(c.from);
  ud.Step(c.direction);
  EXPECT_EQ(ud.Position(), c.expected);
  EXPECT_EQ(edit.Text(), std::to_string(c.expected)) << "the buddy shows the position as plain digits";
}

INSTANTIATE_TEST_SUITE_P(Table, UpDownStep,
                         ::testing::Values(StepCase{1, 99, 1, 50, +1, 51}, StepCase{1, 99, 1, 99, +1, 1},
                                           StepCase{1, 99, 1, 1, -1, 99}, StepCase{1, 10000, 100, 1000, +1, 1100},
                                           StepCase{1, 10000, 100, 1000, -1, 900},
                                           StepCase{1, 10000, 100, 10000, +1, 1},
                                           StepCase{1, 10000, 100, 1, -1, 10000},
                                           StepCase{1, 10000, 100, 9950, +1, 1}));

TEST(UpDown, OutOfRangePositionsGoToTheNearestEnd) {
  ui::UpDown ud(nullptr, "pud");
  ud.SetRange(1, 99);
  ud.SetPosition(500);
  EXPECT_EQ(ud.Position(), 99);
  ud.SetPosition(-3);
  EXPECT_EQ(ud.Position(), 1);
}

TEST(CheckBox, ClickEventOnlyWhenTheStateChanges) {
  ui::CheckBox box(nullptr, "pcb");
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(false);
  box.SetChecked(true);
  box.NotifyChecked(true);
  box.NotifyChecked(false);
  EXPECT_EQ(clicks, 2);
}

TEST(RadioButton, CheckingOneUnchecksItsSiblings) {
  ui::Control group(nullptr, "pgb");
  ui::RadioButton a(&group, "a"), b(&group, "b");
  a.SetChecked(true);
  b.NotifyChecked(true);
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
}

TEST(ComboBox, IndexOutsideTheItemsChoosesNothing) {
  ui::ComboBox combo(nullptr, "pcb");
  combo.SetItems({"None", "Fastest"});
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "Fastest");
  combo.SetItemIndex(12);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Text(), "");
}

struct ModalFixture : ::testing::Test {
  ui::Application app;
  ui::Form* form = app.CreateForm<ui::Form>("FormMain");
  ui::Form* dialog = app.CreateForm<ui::Form>("FormDialog");
  ui::Button* ok = dialog->Own<ui::Button>(dialog, "pbOK");
  int closes = 0;
  void SetUp() override {
    ok->ModalResult = ui::mrOk;
    dialog->OnClose = [this](ui::CloseAction&) { ++closes; };
  }
};

TEST_F(ModalFixture, ButtonWithModalResultEndsShowModal) {
  app.Headless()->ExpectModal([this](ui::Form&) {
    ok->Click();
    return ui::mrNone;
  });
  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(dialog->Visible());
}

TEST_F(ModalFixture, TitleBarCloseGivesCancel) {
  app.Headless()->ExpectModal([](ui::Form& f) {
    f.Close();
    return ui::mrNone;
  });
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
}

TEST_F(ModalFixture, RefusedCloseKeepsTheDialogOpen) {
  bool refuse = true;
  dialog->OnClose = [&](ui::CloseAction& a) {
    if (refuse) a = ui::CloseAction::None;
    refuse = false;
  };
  app.Headless()->ExpectModal([](ui::Form&) { return ui::mrOk; });
  app.Headless()->ExpectModal([](ui::Form&) { return ui::mrCancel; });
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
  EXPECT_EQ(app.Headless()->ModalForms.size(), 2u);
}

TEST_F(ModalFixture, ClosingTheMainFormTerminatesUnlessRefused) {
  form->OnClose = [](ui::CloseAction& a) { a = ui::CloseAction::None; };
  form->Close();
  EXPECT_FALSE(app.Terminated());
  form->OnClose = nullptr;
  form->Close();
  EXPECT_TRUE(app.Terminated());
}

TEST(Application, ExceptionReportAddsAFullStopAndUsesTheTitle) {
  ui::Application app;
  app.Title = "Vantorel";
  for (const char* text : {"Invalid data type for 'SortMethod'", "Already ends."}) {
    app.Headless()->AnswerMessageBox(ui::mrOk);
    app.ShowException(std::runtime_error(text));
  }
  auto& boxes = app.Headless()->MessageBoxes;
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Text, "Invalid data type for 'SortMethod'.");
  EXPECT_EQ(boxes[1].Text, "Already ends.");
  EXPECT_EQ(boxes[0].Caption, "Vantorel");
  EXPECT_EQ(boxes[0].Icon, ui::MsgIcon::Error);
  EXPECT_EQ(boxes[0].Buttons, ui::MsgButtons::Ok);
}

TEST(Application, FormsComeInCreationOrderAndTheFirstIsMain) {
  ui::Application app;
  ui::Form* first = app.CreateForm<ui::Form>("a");
  app.CreateForm<ui::Form>("b");
  EXPECT_EQ(app.MainForm(), first);
}

}  // namespace
