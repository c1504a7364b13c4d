// Server list files: New, Open, Save, Save As, and the question before a list is dropped.
#include <stdexcept>

#include "app/server_list_format.h"
#include "app/vntmain.h"
#include "platform/files.h"

namespace vnt {
namespace {

constexpr const char* kUntitled = "Untitled.vnt";

}  // namespace

std::string TFormMain::GetFileNameWithoutPath(const std::string& path) {
  const size_t slash = path.rfind('\\');
  if (slash != std::string::npos && path.find('.') != std::string::npos) return path.substr(slash + 1);
  return path;
}

void TFormMain::LinesToList(const std::vector<std::string>& lines) {
  for (const auto& line : lines) {
    ui::ListItem* entry = plv->Add();
    ServerLine parsed = ParseServerLine(line);
    if (!parsed.State) throw std::runtime_error("'" + line + "' is not a server list line");
    entry->SetStateIndex(*parsed.State);
    entry->SetCaption(parsed.Name);
  }
}

void TFormMain::ListToLines(std::vector<std::string>& lines) const {
  for (int i = 0; i < plv->Count(); ++i)
    lines.push_back(FormatServerLine(plv->Item(i)->Caption(), plv->Item(i)->StateIndex()));
}

bool TFormMain::OpenServerList(const std::string& path) {
  bool result = true;
  psb->SetSimpleText("Opening " + path + "...");
  try {
    LinesToList(SplitServerLines(platform::AnsiToUtf8(platform::ReadWholeFile(path))));
    SetCaption("VNTR - " + GetFileNameWithoutPath(path));
    psd->FileName = path;
    modified_ = false;
    App().Widgets().Repaint(*this);
    pmiPingAll->Click();
  } catch (const std::exception&) {
    // Reported by the caption alone. The save target no longer names the file used
    // before, so a partial list is never saved over it.
    SetCaption("VNTR");
    psd->FileName = kUntitled;
    result = false;
  }
  psb->SetSimpleText("");
  EnableCommands();
  return result;
}

bool TFormMain::SaveServerList(const std::string& path) {
  try {
    std::vector<std::string> lines;
    ListToLines(lines);
    platform::ReplaceFileContents(path, platform::Utf8ToAnsi(JoinServerLines(lines)));
    SetCaption("VNTR - " + GetFileNameWithoutPath(path));
    modified_ = false;
    return true;
  } catch (const std::exception& e) {
    App().ShowMessageBox({"The server list could not be saved to \"" + path + "\".\n\n" + e.what(), "Save Error",
                          ui::MsgButtons::Ok, ui::MsgIcon::Error, 0});
    return false;
  }
}

bool TFormMain::CanClose() {
  if (!modified_) return true;
  const int answer = App().ShowMessageBox({"Save the changes to the server list?", "Save changes?",
                                           ui::MsgButtons::YesNoCancel, ui::MsgIcon::None, 0});
  if (answer == ui::mrNo) return true;
  if (answer != ui::mrYes) return false;
  if (platform::LowerCase(psd->FileName) == "untitled.vnt") {
    if (!psd->Execute()) return false;
  }
  return SaveServerList(psd->FileName);
}

void TFormMain::pmiNewClick() {
  if (!CanClose()) return;
  plv->Clear();
  SetCaption(std::string("VNTR - ") + kUntitled);
  psd->FileName = kUntitled;
  EnableCommands();
  modified_ = false;
}

void TFormMain::pmiOpenClick() {
  // Unsaved changes are offered for saving first, as New does.
  if (!CanClose()) return;
  if (!pod->Execute()) return;
  plv->Clear();
  OpenServerList(pod->FileName);
}

void TFormMain::pmiSaveClick() { SaveServerList(psd->FileName); }

void TFormMain::pmiSaveAsClick() {
  if (psd->Execute()) SaveServerList(psd->FileName);
}

}  // namespace vnt
