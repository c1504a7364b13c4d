// The Options dialog: load, store at every close, Cancel, Defaults.
#include "program_fixture.h"

namespace {

class Options : public ProgramTest {
 protected:
  vnt::TFormOptions& Dlg() { return *vnt::FormOptions; }
  std::vector<std::string> Shown() {
    return {Dlg().peCount->Text(),     Dlg().peSize->Text(),
            Dlg().peTimeout->Text(),   Dlg().pcbPreferred->Text(),
            Dlg().pcbAutoConnect->Checked() ? "auto" : "manual",
            Dlg().prbStarcraft->Checked() ? "starcraft" : (Dlg().prbDiablo->Checked() ? "diablo" : "none"),
            Dlg().prbStarcraft->Enabled() && Dlg().prbDiablo->Enabled() ? "enabled" : "disabled",
            Dlg().pcbDetectUpdates->Checked() ? "detect" : "ignore"};
  }
  void Show(std::function<void()> act, ui::Button* ending) {
    Ui().ExpectModal([=](ui::Form& f) {
      act();
      if (ending)
        ending->Click();
      else
        f.Close();
      return ui::mrNone;
    });
    Main().pmiOptionsClick();
  }
};

TEST_F(Options, FreshMachineShowsTheDefaults) {
  Start();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"3", "56", "1000", "Fastest", "manual", "starcraft", "disabled",
                                               "detect"}));
}

struct LoadCase {
  std::vector<std::pair<const char*, const char*>> stored;
  std::vector<std::string> shown;
};

class OptionsLoad : public Options, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(OptionsLoad, ShowsTheStoredValues) {
  for (auto& [name, text] : GetParam().stored) Store(name, text);
  Start();
  EXPECT_EQ(Shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OptionsLoad,
    ::testing::Values(
        LoadCase{{{"PacketCount", "7"}, {"PacketSize", "999"}, {"PacketTimeout", "10000"}, {"ServerPreferred", "9"},
                  {"ServerAutoConnect", "1"}, {"ServerStarcraft", "0"}, {"ServerDetectUpdates", "0"}},
                 {"7", "999", "10000", "Marked + Red", "auto", "diablo", "enabled", "ignore"}},
        LoadCase{{{"PacketCount", "500"}, {"PacketSize", "0"}, {"PacketTimeout", "x"}, {"ServerPreferred", "12"},
                  {"ServerAutoConnect", "-1"}},
                 {"99", "1", "1000", "", "auto", "starcraft", "enabled", "detect"}}));

TEST_F(Options, EveryCloseStoresAndCancelRestores) {
  Store("ServerPreferred", "12");
  Start();
  Show([&] { Dlg().pudCount->Step(+1); }, Dlg().pbOK);
  EXPECT_EQ(Stored("PacketCount"), "4");
  EXPECT_EQ(Stored("ServerPreferred"), "-1") << "no chosen item is stored as -1";
  Show(
      [&] {
        Dlg().pbDefaults->Click();
        EXPECT_EQ(Shown(), (std::vector<std::string>{"3", "56", "1000", "Fastest", "manual", "starcraft", "disabled",
                                                     "detect"}));
      },
      Dlg().pbCancel);
  EXPECT_EQ(Stored("PacketCount"), "4") << "Defaults then Cancel changes nothing";
  EXPECT_EQ(Dlg().pcbPreferred->ItemIndex(), -1);
  Show(
      [&] {
        Dlg().pcbAutoConnect->NotifyChecked(true);
        Dlg().prbDiablo->NotifyChecked(true);
        Dlg().pcbPreferred->NotifyItemIndex(5);
      },
      nullptr);
  EXPECT_EQ(Stored("ServerAutoConnect"), "1") << "a title-bar close stores the edits";
  EXPECT_EQ(Stored("ServerStarcraft"), "0");
  EXPECT_EQ(Dlg().pcbPreferred->ItemIndex(), 5) << "and they are in force at once";
  Show([&] { Dlg().pcbAutoConnect->NotifyChecked(false); }, Dlg().pbOK);
  EXPECT_FALSE(Dlg().prbDiablo->Enabled());
  EXPECT_EQ(Stored("ServerStarcraft"), "0") << "the game is stored while its buttons are disabled";
  EXPECT_EQ(registry.Writes.size(), 4u * 7u);
}

TEST_F(Options, DefaultsThenOkStoresDefaultsAndHandsThemOver) {
  Store("PacketCount", "9");
  Store("PacketTimeout", "300");
  Start();
  Show([&] { Dlg().pbDefaults->Click(); }, Dlg().pbOK);
  EXPECT_EQ(Stored("PacketCount"), "3");
  EXPECT_EQ(Stored("PacketTimeout"), "1000");
  EXPECT_EQ(Main().Ping.Tag, 3);
  EXPECT_EQ(Main().Ping.Size, 56);
  EXPECT_EQ(Main().Ping.Timeout, 1000);
}

TEST_F(Options, ShowingReloadsFromTheRegistry) {
  Start();
  Store("ServerDetectUpdates", "0");
  Show([&] { EXPECT_FALSE(Dlg().pcbDetectUpdates->Checked()); }, Dlg().pbCancel);
  EXPECT_TRUE(Dlg().pbOK->Focused());
}

TEST_F(Options, FailedStoreIsAnError) {
  Start();
  registry.ReadOnly.insert(platform::MemoryRegistry::Id(platform::RegRoot::LocalMachine, "SOFTWARE\\Vantorel"));
  Ui().ExpectModal([](ui::Form&) { return ui::mrOk; });
  EXPECT_THROW(Main().pmiOptionsClick(), platform::RegistryError);
}

}  // namespace
