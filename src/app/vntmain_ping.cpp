// The ping run: echoes every server of the walk, writes times and colours, keeps the
// list sorted, and after Ping All selects the preferred servers.
#include <vector>

#include "app/vntmain.h"
#include "app/vntoption.h"

namespace vnt {
namespace {

int ColourOf(int average) {
  if (average <= 200) return 0;
  if (average <= 400) return 1;
  return 2;
}

}  // namespace

void TFormMain::PingServers(bool selectedOnly) {
  std::vector<ui::ListItem*> walk;
  for (int i = 0; i < plv->Count(); ++i) walk.push_back(plv->Item(i));
  for (ui::ListItem* entry : walk) {
    if (!selectedOnly || entry->Selected()) PingEntry(*entry);
    plv->CustomSort(2);
    if (!selectedOnly) SelectPreferred(FormOptions->pcbPreferred->ItemIndex());
    plv->CustomSort(SortMethod);
    App().Widgets().Repaint(*this);
  }
  psb->SetSimpleText("");
}

void TFormMain::PingEntry(ui::ListItem& entry) {
  psb->SetSimpleText("Pinging " + entry.Caption() + "...");
  Ping.Address = entry.Caption();
  const int count = std::max(Ping.Tag, 1);
  int32_t sum = 0;
  for (int i = 0; i < count; ++i) {
    Ping.Ping();
    const platform::EchoReply& reply = Ping.Reply();
    // The reply's status tells a lost echo; a time under one millisecond counts as 1 ms.
    int64_t v = reply.Status == platform::kEchoSuccess ? std::max<uint32_t>(reply.RoundTripTime, 1) : 0;
    if (v == 0 || v > Ping.Timeout || reply.DataSize != Ping.Size) v = Ping.Timeout;
    sum += static_cast<int32_t>(v);
  }
  const int average = sum / count;
  const int markOffset = IsMarked(entry) ? 4 : 0;
  if (average < Ping.Timeout) {
    entry.SetSubItems({std::to_string(average)});
    entry.SetStateIndex(markOffset + ColourOf(average));
  } else {
    entry.SetSubItems({});
    entry.SetStateIndex(markOffset + 3);
  }
}

}  // namespace vnt
