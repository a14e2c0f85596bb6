// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SkinLayout.h"

#include <gtest/gtest.h>

#include "support/RunProgram.h"

namespace {

TSkinLayout Read(const TTempDir& dir, const std::string& text) {
  WriteFileText(dir / "skin.ini", text);
  return ReadSkinLayout(dir / "skin.ini");
}

}  // namespace

TEST(SkinLayout, MissingFileGivesTheBuiltInLayout) {
  TTempDir dir;
  TSkinLayout s = ReadSkinLayout(dir / "none.ini");
  EXPECT_FALSE(s.Loaded);
  EXPECT_TRUE(s.DefaultSkin);
  EXPECT_EQ(s.ImageMain.Picture, "");
  EXPECT_EQ(s.ImageMain.Bounds, (TSkinRect{0, 0, 754, 571}));
  EXPECT_EQ(s.ListViewFiles, (TSkinRect{120, 120, 482, 84}));
  EXPECT_EQ(s.ScrollBox, (TSkinRect{18, 313, 719, 239}));
  EXPECT_EQ(s.ToolbarButtons[0].Bounds, (TSkinRect{2, 28, 62, 76}));
  EXPECT_EQ(s.ToolbarButtons[1].Bounds, (TSkinRect{66, 28, 62, 76}));
  EXPECT_EQ(s.MainButtons[8].Bounds, (TSkinRect{620, 120, 115, 25}));
  EXPECT_EQ(s.SystemButtons[2].Bounds, (TSkinRect{678, 4, 24, 21}));
  EXPECT_EQ(s.ToolbarLines[2].Bounds, (TSkinRect{64, 40, 2, 52}));
  EXPECT_EQ(s.Labels[5], (TSkinPoint{120, 280}));
  EXPECT_EQ(s.Labels[25], (TSkinPoint{584, 216}));
  EXPECT_EQ(s.EditBoxes[0], (TSkinPoint{112, 24}));
  EXPECT_EQ(s.EditBoxes[15], (TSkinPoint{500, 184}));
}

TEST(SkinLayout, EdgeCases) {
  TTempDir dir;
  struct TCase {
    const char* Name;
    const char* Text;
    void (*Check)(const TSkinLayout&);
  };
  const TCase cases[] = {
      {"only MAINFORM with DefaultSkin 0", "[MAINFORM]\nDefaultSkin=0\n",
       [](const TSkinLayout& s) {
         EXPECT_TRUE(s.Loaded);
         EXPECT_FALSE(s.DefaultSkin);
         EXPECT_EQ(s.ListViewFiles, (TSkinRect{120, 120, 482, 84}));
         EXPECT_EQ(s.MainButtons[0].Pictures[sbsNormal], "");
       }},
      {"ImageMainLeft has no effect", "[MAINFORM]\nImageMainLeft=50\n",
       [](const TSkinLayout& s) { EXPECT_EQ(s.ImageMain.Bounds.Left, 0); }},
      {"ImageMainLet moves the background", "[MAINFORM]\nImageMainLet=50\n",
       [](const TSkinLayout& s) { EXPECT_EQ(s.ImageMain.Bounds.Left, 50); }},
      {"EditBox tops come from LABEL, lefts from EDITBOX",
       "[EDITBOX]\nEditBox3Top=99\nEditBox3Left=77\n[LABEL]\nEditBox4Top=101\nEditBox4Left=55\n",
       [](const TSkinLayout& s) {
         EXPECT_EQ(s.EditBoxes[2], (TSkinPoint{77, 40}));
         EXPECT_EQ(s.EditBoxes[3], (TSkinPoint{500, 101}));
       }},
      {"ComboProfile moves the AVI box", "[MAINFORM]\nComboProfileTop=300\n",
       [](const TSkinLayout& s) { EXPECT_EQ(s.ComboBoxAviProfile.Top, 300); }},
      {"none in any case is no picture, names go to capitals",
       "[MAINBUTTON]\nButton1Normal=none\nButton1MouseOn=NoNe\nButton1MouseDown=b_p.png\n"
       "[SPLASH]\nLeftImage=about.PNG\n",
       [](const TSkinLayout& s) {
         EXPECT_EQ(s.MainButtons[0].Pictures[sbsNormal], "");
         EXPECT_EQ(s.MainButtons[0].Pictures[sbsMouseOn], "");
         EXPECT_EQ(s.MainButtons[0].Pictures[sbsMouseDown], "B_P.PNG");
         EXPECT_EQ(s.MainButtons[0].Pictures[sbsDisable], "");
         EXPECT_EQ(s.SplashLeftImage, "ABOUT.PNG");
       }},
      {"a missing key keeps its default", "[SYSTEMBUTTON]\nButton2Left=700\n[LABEL]\nLabel6Top=5\n",
       [](const TSkinLayout& s) {
         EXPECT_EQ(s.SystemButtons[1].Bounds, (TSkinRect{700, 4, 24, 21}));
         EXPECT_EQ(s.Labels[5], (TSkinPoint{120, 5}));
       }},
      {"toolbar lines", "[TOOLBAR]\nImageLine2=line.png\nImageLine2Left=300\n",
       [](const TSkinLayout& s) {
         EXPECT_EQ(s.ToolbarLines[1].Picture, "LINE.PNG");
         EXPECT_EQ(s.ToolbarLines[1].Bounds, (TSkinRect{300, 40, 2, 52}));
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Check(Read(dir, c.Text));
  }
}

TEST(SkinLayout, PicturesAreFoundWhateverTheirCaseOnDisk) {
  TTempDir dir;
  WriteFileText(dir / "skin.ini", "[MAINFORM]\nImageMainPic=MAIN.PNG\n");
  WriteFileText(dir / "main.png", "png");
  TSkinLayout s = ReadSkinLayout(dir / "skin.ini");
  EXPECT_EQ(SkinPictureFile(dir / "skin.ini", s.ImageMain.Picture), dir / "main.png");
  EXPECT_EQ(SkinPictureFile(dir / "skin.ini", "MISSING.PNG"), "");
  EXPECT_EQ(SkinPictureFile(dir / "skin.ini", ""), "");
}

// A size of 0 or less would leave the window unmapped, a huge one would take
// gigabytes for its pictures: values out of the sane range keep the default.
TEST(SkinLayout, SizesAndPositionsOutOfRangeKeepTheirDefaults) {
  TTempDir dir;
  const TSkinLayout builtIn;
  struct TCase {
    const char* Text;
    TSkinRect Back, List;
  } cases[] = {
      {"[MAINFORM]\nImageMainWidth=0\nImageMainHeight=-5\n", builtIn.ImageMain.Bounds, builtIn.ListViewFiles},
      {"[MAINFORM]\nImageMainWidth=30000\nImageMainHeight=30000\nListViewWidth=-1\nListViewHeight=0\n",
       builtIn.ImageMain.Bounds, builtIn.ListViewFiles},
      {"[MAINFORM]\nImageMainLet=-90000\nImageMainTop=90000\nListViewLeft=2147483647\n",
       builtIn.ImageMain.Bounds, builtIn.ListViewFiles},
      {"[MAINFORM]\nImageMainWidth=1\nImageMainHeight=4096\nListViewLeft=-4096\nListViewWidth=4096\n",
       {0, 0, 1, 4096}, {-4096, 120, 4096, 84}},
      {"[MAINFORM]\nImageMainWidth=4097\nImageMainHeight=800\n", {0, 0, 754, 800}, builtIn.ListViewFiles},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    TSkinLayout s = Read(dir, c.Text);
    EXPECT_EQ(s.ImageMain.Bounds, c.Back);
    EXPECT_EQ(s.ListViewFiles, c.List);
  }
  TSkinLayout s = Read(dir,
                       "[MAINBUTTON]\nButton9Width=0\nButton9Height=99999\n[LABEL]\nLabel1Left=-70000\n"
                       "EditBox1Top=70000\n[EDITBOX]\nEditBox2Left=70000\n");
  EXPECT_EQ(s.MainButtons[8].Bounds, builtIn.MainButtons[8].Bounds);
  EXPECT_EQ(s.Labels[0], builtIn.Labels[0]);
  EXPECT_EQ(s.EditBoxes[0], builtIn.EditBoxes[0]);
  EXPECT_EQ(s.EditBoxes[1], builtIn.EditBoxes[1]);
}
