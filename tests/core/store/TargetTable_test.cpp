// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TargetTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

TEST(TargetTable, BoxesMenusAndToolbarActions) {
  std::set<std::string_view> boxes, actions;
  for (const TTargetInfo& t : Targets) {
    SCOPED_TRACE(t.ActionName);
    boxes.insert(t.FormatBoxName);
    actions.insert(t.ActionName);
    bool inMenu = std::find(OthersMenuFormats.begin(), OthersMenuFormats.end(), t.Format) !=
                  OthersMenuFormats.end();
    EXPECT_EQ(t.InOthersMenu, inMenu);
    // Device targets show the shared box and never open an editor.
    EXPECT_EQ(UsesDevicePresets(t.Format), t.FrontBoxName == kDeviceProfileBoxName);
    EXPECT_EQ(t.ProfileActionsEnabled, !UsesDevicePresets(t.Format));
    if (!UsesDevicePresets(t.Format)) {
      EXPECT_EQ(t.FrontBoxName, t.FormatBoxName);
    }
  }
  EXPECT_EQ(boxes.size(), Targets.size());
  EXPECT_EQ(actions.size(), Targets.size());

  struct TCase {
    int Format;
    std::string_view Toolbar;
    bool Device;
  } cases[] = {{ofAVI, "ActionToAVI", false},
               {ofMP4, "ActionToMP4", true},
               {of3GP, "ActionTo3GP", true},
               {ofSWF, "ActionToSWF", false},
               {ofVOB, "ActionToOthers", false},
               {ofWAV, "ActionToOthers", false},
               {16, "", false},
               {-1, "", false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Format);
    EXPECT_EQ(ToolbarActionName(c.Format), c.Toolbar);
    EXPECT_EQ(UsesDevicePresets(c.Format), c.Device);
  }
  EXPECT_EQ(TargetOf(16), nullptr);
  EXPECT_EQ(TargetOf(ofMP3)->Caption, MSG_TOMP3);
}
