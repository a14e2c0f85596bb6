// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include "app/ProgramFolder.h"
#include "base/IniFile.h"
#include "support/RunProgram.h"

namespace {

class TFakeWindow : public TPlacementWindow {
 public:
  TWindowPlacement Placement() const override { return Current; }
  void ApplyPlacement(const TWindowPlacement& p) override { Current = p; }
  int ScreenWidth() const override { return 1280; }
  int ScreenHeight() const override { return 800; }
  TWindowPlacement Current{100, 50, 640, 480, false};
};

}  // namespace

TEST(WindowPlacement, Clamp) {
  struct TCase {
    TWindowPlacement Stored;
    TWindowPlacement Clamped;
  };
  const TCase cases[] = {
      {{10, 20, 300, 200, false}, {10, 20, 300, 200, false}},
      {{200, 30, 1500, 400, true}, {0, 30, 1280, 400, true}},       // wider than the screen
      {{-50, 30, 1500, 400, false}, {0, 30, 1280, 400, false}},     //
      {{1200, 700, 300, 200, false}, {980, 600, 300, 200, false}},  // off the right and bottom
      {{-10, -20, 300, 200, false}, {0, 0, 300, 200, false}},
      {{30, 500, 300, 900, false}, {30, 0, 300, 800, false}},  // taller than the screen
      {{2147483000, 2147483000, 300, 200, false}, {980, 600, 300, 200, false}},
  };
  for (const TCase& c : cases) {
    TWindowPlacement p = ClampWindowPlacement(c.Stored, 1280, 800);
    EXPECT_EQ(p, c.Clamped) << c.Stored.Left << "," << c.Stored.Top << " " << c.Stored.Width << "x"
                            << c.Stored.Height;
  }
}

TEST(WindowPlacement, SaveAndRestore) {
  TTempDir dir;
  SetProgramFolder(dir.Path());
  TFakeWindow window;

  // Nothing stored: the window keeps where it is.
  EXPECT_TRUE(RestoreWindowPlacement("Form", window));
  EXPECT_EQ(window.Current, (TWindowPlacement{100, 50, 640, 480, false}));

  window.Current = {30, 40, 700, 500, true};
  SaveWindowPlacement("Form", window);
  TIniFile ini(dir / "info.ini");
  EXPECT_EQ(ini.ReadInteger("Form", "x", 0), 30);
  EXPECT_EQ(ini.ReadInteger("Form", "y", 0), 40);
  EXPECT_EQ(ini.ReadInteger("Form", "width", 0), 700);
  EXPECT_EQ(ini.ReadInteger("Form", "height", 0), 500);
  EXPECT_EQ(ini.ReadString("Form", "maximized", ""), "1");

  window.Current = {0, 0, 100, 100, false};
  RestoreWindowPlacement("Form", window);
  EXPECT_EQ(window.Current, (TWindowPlacement{30, 40, 700, 500, true}));

  // A hand-edited file: a width beyond the screen, a broken height, no y.
  WriteFileText(dir / "other.ini", "[Dlg]\nx=200\nwidth=5000\nheight=-3\nmaximized=junk\n");
  window.Current = {10, 60, 400, 300, false};
  RestoreWindowPlacement("Dlg", window, dir / "other.ini");
  EXPECT_EQ(window.Current, (TWindowPlacement{0, 60, 1280, 300, false}));
  SetProgramFolder("");
}

TEST(WindowPlacement, CentredOverTheOwner) {
  struct TCase {
    TWindowPlacement Owner;
    int Width, Height;
    int Left, Top;
  };
  const TCase cases[] = {
      {{100, 50, 640, 480, false}, 300, 121, 270, 229},
      {{0, 0, 100, 100, false}, 301, 100, -100, 0},   // -201 / 2 truncates to -100
      {{-20, 10, 101, 50, false}, 100, 51, -20, 10},  // 1 / 2 and -1 / 2 both give 0
  };
  for (const TCase& c : cases) {
    TWindowPlacement p = CentredOver(c.Owner, c.Width, c.Height);
    EXPECT_EQ(p, (TWindowPlacement{c.Left, c.Top, c.Width, c.Height, false}))
        << c.Owner.Left << "," << c.Owner.Top << " " << c.Width << "x" << c.Height;
  }
}
