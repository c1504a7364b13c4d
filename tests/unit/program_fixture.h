#pragma once
// A whole program on the headless widget set, with an in-memory registry and scripted echoes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/vntadd.h"
#include "app/vntmain.h"
#include "app/vntoption.h"
#include "platform/echo.h"
#include "platform/help.h"
#include "platform/memory_registry.h"
#include "platform/settings_store.h"
#include "ui/application.h"

class ProgramTest : public ::testing::Test {
 protected:
  platform::MemoryRegistry registry;
  platform::ScriptedEcho echo;
  platform::RecordingHelpViewer help;
  vnt::Ports ports{registry, echo};
  std::unique_ptr<ui::Application> app = std::make_unique<ui::Application>(nullptr, &help);

  ~ProgramTest() override {
    app.reset();
    vnt::ForgetForms();
  }

  void Start() { vnt::CreateForms(*app, ports); }
  ui::HeadlessWidgetSet& Ui() { return *app->Headless(); }
  vnt::TFormMain& Main() { return *vnt::FormMain; }
  ui::ListView& List() { return *vnt::FormMain->plv; }

  void Store(const std::string& name, const std::string& text) {
    registry.Set(platform::RegRoot::LocalMachine, platform::SettingsStore::KeyPath, name,
                 platform::RegValue::Text(text));
  }
  std::optional<std::string> Stored(const std::string& name) const {
    auto v = registry.Get(platform::RegRoot::LocalMachine, platform::SettingsStore::KeyPath, name);
    if (!v) return std::nullopt;
    return v->Data;
  }

  // Appends an entry as a loaded file would: name, state code, and a time when given.
  ui::ListItem* Entry(const std::string& name, int state, int time = -1) {
    ui::ListItem* item = List().Add();
    item->SetStateIndex(state);
    item->SetCaption(name);
    if (time >= 0) item->SetSubItems({std::to_string(time)});
    return item;
  }
  ui::ListItem* Find(const std::string& name) {
    for (int i = 0; i < List().Count(); ++i)
      if (List().Item(i)->Caption() == name) return List().Item(i);
    return nullptr;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> out;
    for (int i = 0; i < List().Count(); ++i) out.push_back(List().Item(i)->Caption());
    return out;
  }
  std::vector<std::string> SelectedNames() {
    std::vector<std::string> out;
    for (int i = 0; i < List().Count(); ++i)
      if (List().Item(i)->Selected()) out.push_back(List().Item(i)->Caption());
    return out;
  }
  std::string Time(const std::string& name) {
    ui::ListItem* item = Find(name);
    return item && !item->SubItems().empty() ? item->SubItems()[0] : "";
  }
  std::string FocusedName() {
    ui::ListItem* f = List().ItemFocused();
    return f ? f->Caption() : "";
  }
};
