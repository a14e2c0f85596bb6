// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TargetTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
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

TEST(TargetTable, SelectTargetEnablesAndChecksForEveryTarget) {
  const char* const toolbar[] = {"ActionToAVI", "ActionToMP4", "ActionTo3GP", "ActionToMPEG",
                                 "ActionToMOV", "ActionToWMV", "ActionToRM",  "ActionToSWF"};
  for (int f = 0; f < kOutputFormatCount; ++f) {
    SCOPED_TRACE(f);
    std::map<std::string, TActionState> states;
    for (const TActionState& s : TargetActionStates(f)) states[std::string(s.Name)] = s;
    ASSERT_EQ(states.size(), 22u);
    bool other = f >= ofVOB;  // VOB, ASF and the audio formats live in To Others
    for (const char* name : toolbar)
      EXPECT_EQ(states[name].Enabled, other || name != Targets[static_cast<size_t>(f)].ActionName) << name;
    EXPECT_EQ(states["ActionToOthers"].Enabled, !other);
    for (const TTargetInfo& t : Targets) {
      if (t.InOthersMenu) {
        EXPECT_EQ(states[std::string(t.ActionName)].Checked, t.Format == f) << t.ActionName;
      }
    }
    bool device = f == ofMP4 || f == of3GP;
    EXPECT_EQ(states["ActionEditProfile"].Enabled, !device);
    EXPECT_EQ(states["ActionProfileMore"].Enabled, !device);
    EXPECT_EQ(states["ActionAddNewProfile"].Enabled, !device);
    EXPECT_EQ(states["ActionDeleteProfile"].Enabled, !device);
  }
  EXPECT_TRUE(OpensMenu("ActionToOthers"));
  EXPECT_TRUE(OpensMenu("ActionTo3GP"));
  EXPECT_FALSE(OpensMenu("ActionToAVI"));
}
