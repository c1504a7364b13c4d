// The enabling rules, the placing of dialogs, help, and the commands of the main window.
#include "app/vntabout.h"
#include "program_fixture.h"

namespace {

std::vector<bool> SelectionControls(vnt::TFormMain& m) {
  return {m.pmiRemove->Enabled(),        m.ppmiConnectWithStarcraft->Enabled(), m.pmiConnectWithStarcraft->Enabled(),
          m.ptbConnectWithStarcraft->Enabled(), m.ppmiConnectWithDiablo->Enabled(), m.pmiConnectWithDiablo->Enabled(),
          m.ptbConnectWithDiablo->Enabled(),    m.ppmiPingSelected->Enabled(),      m.pmiPingSelected->Enabled(),
          m.ptbPingSelected->Enabled(),         m.pmiMark->Enabled(),               m.pmiUnmark->Enabled()};
}

std::vector<bool> ContentControls(vnt::TFormMain& m) {
  return {m.pmiPingAll->Enabled(), m.ptbPingAll->Enabled(), m.pmiSortBy->Enabled()};
}

TEST_F(ProgramTest, EnablingFollowsSelectionAndContents) {
  Start();
  const std::vector<bool> none(12, false), all(12, true);
  EXPECT_EQ(SelectionControls(Main()), all) << "every command is enabled as designed until the rules first run";
  Main().EnableCommands();
  EXPECT_EQ(SelectionControls(Main()), none);
  EXPECT_EQ(ContentControls(Main()), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(Main().ppmiPingAll->Enabled()) << "the popup's Ping All is never touched";
  ui::ListItem* entry = Entry("alpha", 3);
  EXPECT_EQ(SelectionControls(Main()), none);
  EXPECT_EQ(ContentControls(Main()), (std::vector<bool>{true, true, true}));
  entry->SetSelected(true);
  EXPECT_EQ(SelectionControls(Main()), all);
  List().NotifySelected(0, false);
  EXPECT_EQ(SelectionControls(Main()), none);
  for (ui::MenuItem* always : {Main().pmiNew, Main().pmiOpen, Main().pmiSave, Main().pmiSaveAs, Main().pmiImport,
                               Main().pmiExit, Main().pmiAdd, Main().pmiOptions, Main().pmiContents, Main().pmiAbout})
    EXPECT_TRUE(always->Enabled()) << always->Name();
}

TEST_F(ProgramTest, PopupPingAllOnAnEmptyListOnlyClearsTheStatus) {
  Start();
  Main().EnableCommands();
  Main().psb->SetSimpleText("x");
  Main().ppmiPingAll->Click();
  EXPECT_EQ(Main().psb->SimpleText(), "");
  EXPECT_TRUE(echo.Log.empty());
}

TEST_F(ProgramTest, DialogsOpenBelowAndRightOfTheMovedMainWindow) {
  Start();
  Main().SetBounds({400, 300, 203, 273});
  std::vector<ui::Rect> seen;
  auto note = [&](ui::Form& f) {
    seen.push_back(f.Bounds());
    return ui::mrCancel;
  };
  Ui().ExpectModal(note);
  Main().pmiAboutClick();
  Ui().ExpectModal(note);
  Main().pmiOptionsClick();
  Ui().ExpectModal(note);
  Main().pmiAddClick();
  ASSERT_EQ(seen.size(), 3u);
  for (const ui::Rect& r : seen) {
    EXPECT_EQ(r.Left, 425);
    EXPECT_EQ(r.Top, 390);
  }
  EXPECT_EQ(Ui().ModalForms, (std::vector<std::string>{"FormAbout", "FormOptions", "FormAdd"}));
}

TEST_F(ProgramTest, OptionsHandsThePingValuesOverOnlyOnOk) {
  Store("PacketCount", "4");
  Store("PacketSize", "64");
  Store("PacketTimeout", "700");
  Start();
  EXPECT_EQ(Main().Ping.Tag, 4) << "start-up takes what the dialog shows";
  EXPECT_EQ(Main().Ping.Size, 64);
  EXPECT_EQ(Main().Ping.Timeout, 700);
  EXPECT_EQ(Main().Ping.TTL, 64);
  auto edit = [](int result) {
    return [result](ui::Form&) {
      vnt::FormOptions->pudCount->Step(+1);
      vnt::FormOptions->pudTimeout->Step(-1);
      (result == ui::mrOk ? vnt::FormOptions->pbOK : vnt::FormOptions->pbCancel)->Click();
      return ui::mrNone;
    };
  };
  Ui().ExpectModal(edit(ui::mrCancel));
  Main().pmiOptionsClick();
  Ui().ExpectModal([](ui::Form& f) {
    f.Close();
    return ui::mrNone;
  });
  Main().pmiOptionsClick();
  EXPECT_EQ(Main().Ping.Tag, 4);
  EXPECT_EQ(Main().Ping.Timeout, 700);
  Ui().ExpectModal(edit(ui::mrOk));
  Main().pmiOptionsClick();
  EXPECT_EQ(Main().Ping.Tag, 5);
  EXPECT_EQ(Main().Ping.Size, 64);
  EXPECT_EQ(Main().Ping.Timeout, 600);
}

TEST_F(ProgramTest, ExitRaisesTheCloseRequest) {
  Start();
  Main().pmiExitClick();
  EXPECT_TRUE(app->Terminated());
}

TEST_F(ProgramTest, HelpByContentsContextAndTopic) {
  Start();
  Main().pmiContentsClick();
  app->HelpOn(Main().pmiPingAll);
  app->HelpOn(Main().pmiTimesHighToLow);
  app->HelpOn(Main().ppmiPingSelected);
  app->HelpOn(Main().ptb);
  app->HelpOn(Main().plv);
  app->HelpOn(vnt::FormAdd->peServer);
  app->HelpOn(vnt::FormOptions->pcbPreferred);
  app->HelpOn(vnt::FormAbout->pbOK);
  vnt::FormOptions->pbButton->Click();
  EXPECT_EQ(help.Calls, (std::vector<std::string>{"contents vntr.chm", "context vntr.chm 120", "context vntr.chm 120",
                                                  "context vntr.chm 400", "context vntr.chm 200", "context vntr.chm 1",
                                                  "context vntr.chm 20", "context vntr.chm 300", "context vntr.chm 10",
                                                  "topic vntr.chm vntrOptionsDialogBoxReference"}));
}

TEST_F(ProgramTest, TheEightWindowsWithTheirFrames) {
  Start();
  struct Expect {
    ui::Form* form;
    const char* caption;
    int width, height, help;
  };
  for (const Expect& e : {Expect{vnt::FormAbout, "About Vantorel", 442, 185, 10},
                          Expect{vnt::FormOptions, "Options", 330, 189, 300},
                          Expect{vnt::FormAdd, "Add Server", 282, 73, 20}}) {
    EXPECT_EQ(e.form->Caption(), e.caption);
    EXPECT_EQ(e.form->ClientWidth(), e.width);
    EXPECT_EQ(e.form->ClientHeight(), e.height);
    EXPECT_EQ(e.form->HelpContext, e.help);
    EXPECT_EQ(e.form->Border, ui::BorderStyle::Dialog);
  }
  EXPECT_EQ(Main().pod->Filter, "VNTR server list (*.vnt)|*.vnt|All files (*.*)|*.*");
  EXPECT_EQ(Main().psd->Title, "Save Server List");
  EXPECT_EQ(Main().pod->Title, "Open Server List");
}

}  // namespace
