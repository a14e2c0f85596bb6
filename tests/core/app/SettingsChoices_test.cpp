// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsChoices.h"

#include <gtest/gtest.h>

#include "app/BuildConstants.h"
#include "app/GlobalVars.h"
#include "lang/ResStr.h"

namespace {

using TList = std::vector<std::string>;

}  // namespace

TEST(SettingsChoices, ListsInStoredOrderFromTheTextTable) {
  struct TCase {
    const char* LanguageFile;  // nullptr: the built-in English texts
    TList Priorities;
    TList Shutdowns;
  } cases[] = {
      {nullptr,
       {"Idle", "Normal", "High", "Realtime"},
       {"Close " + ProductTitle(), "Shut down", "Log off", "Restart", "Hibernate", "Suspend"}},
      {"french.ini",
       {"Basse", "Normale", "Haute", "Temps réel"},
       {"Fermer " + ProductTitle(), "Arrêter", "Fermer la session", "Redémarrer",
        "Veille prolongée", "Mettre en veille"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.LanguageFile ? c.LanguageFile : "built-in");
    ResetLanguage();
    if (c.LanguageFile) {
      ASSERT_TRUE(
          LoadLanguage(std::string(KINOVERT_PROGRAM_DIR "/skin/kvo/lang/") + c.LanguageFile));
    }
    EXPECT_EQ(PriorityChoices(), c.Priorities);
    EXPECT_EQ(ShutdownChoices(), c.Shutdowns);
  }
  ResetLanguage();
}

TEST(SettingsChoices, LoadAndStoreKeepValuesOutsideTheLists) {
  struct TCase {
    uint8_t Priority, ShutdownFlag;  // stored before
    TSettingsDialogValues Shown;     // what the dialog shows
    TSettingsDialogValues Chosen;    // what the user leaves on OK
    uint8_t NewPriority, NewShutdownFlag;
  } cases[] = {
      {1, 1, {1, 1, false, false}, {3, 0, true, true}, 3, 0},
      {0, 5, {0, 5, true, true}, {0, 5, false, false}, 0, 5},
      // Hand-edited values show no selection and survive OK untouched.
      {4, 6, {-1, -1, false, true}, {-1, -1, true, true}, 4, 6},
      {200, 9, {-1, -1, true, false}, {2, -1, false, true}, 2, 9},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << +c.Priority << " " << +c.ShutdownFlag);
    ResetGlobalVars();
    GlobalVars.Priority = c.Priority;
    GlobalVars.ShutdownFlag = c.ShutdownFlag;
    GlobalVars.UseDirectShow = c.Shown.UseDirectShow;
    GlobalVars.DeleteFileAfterProcessing = c.Shown.DeleteSources;
    EXPECT_EQ(LoadSettingsDialog(), c.Shown);
    StoreSettingsDialog(c.Chosen);
    EXPECT_EQ(GlobalVars.Priority, c.NewPriority);
    EXPECT_EQ(GlobalVars.ShutdownFlag, c.NewShutdownFlag);
    EXPECT_EQ(GlobalVars.UseDirectShow, c.Chosen.UseDirectShow);
    EXPECT_EQ(GlobalVars.DeleteFileAfterProcessing, c.Chosen.DeleteSources);
  }
  ResetGlobalVars();
}
