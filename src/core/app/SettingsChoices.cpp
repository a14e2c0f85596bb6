// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsChoices.h"

#include <cstdint>
#include <initializer_list>

#include "app/GlobalVars.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"

namespace {

std::vector<std::string> Texts(std::initializer_list<TMsgKey> keys) {
  std::vector<std::string> texts;
  for (TMsgKey key : keys) texts.push_back(ResStr(key));
  return texts;
}

int Index(uint8_t stored, size_t count) {
  return stored < count ? stored : -1;
}

void Store(int index, size_t count, uint8_t& field) {
  if (index >= 0 && static_cast<size_t>(index) < count) field = static_cast<uint8_t>(index);
}

}  // namespace

std::vector<std::string> PriorityChoices() {
  return Texts({MSG_IDLE, MSG_NORMAL, MSG_HIGH, MSG_REALTIME});
}

std::vector<std::string> ShutdownChoices() {
  std::vector<std::string> texts =
      Texts({MSG_CLOSE_APP, MSG_SHUTDOWN, MSG_LOGOFF, MSG_RESTART, MSG_HIBERNATE, MSG_SUSPEMD});
  texts[0] = FormatText(texts[0], {ResStr(MSG_APPLICATION_TITLE)});
  return texts;
}

TSettingsDialogValues LoadSettingsDialog() {
  const TGlobalVars& g = GlobalVars;
  return {Index(g.Priority, PriorityChoices().size()),
          Index(g.ShutdownFlag, ShutdownChoices().size()), g.UseDirectShow,
          g.DeleteFileAfterProcessing};
}

void StoreSettingsDialog(const TSettingsDialogValues& values) {
  TGlobalVars& g = GlobalVars;
  Store(values.Priority, PriorityChoices().size(), g.Priority);
  Store(values.ShutdownFlag, ShutdownChoices().size(), g.ShutdownFlag);
  g.UseDirectShow = values.UseDirectShow;
  g.DeleteFileAfterProcessing = values.DeleteSources;
}
