// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Tray.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include "lang/ResStr.h"

TEST(Tray, MenuFollowsTheBatch) {
  ResetLanguage();
  TTray tray(nullptr, true);
  bool running = true;
  tray.BatchRunning = [&] { return running; };
  QSignalSpy show(&tray, &TTray::ShowWindowRequested), exit(&tray, &TTray::ExitRequested);
  for (bool batch : {true, false}) {
    running = batch;
    emit tray.PopupMenuTray->aboutToShow();
    EXPECT_EQ(tray.MenuItemTrayExit->text(), batch ? "Stop converting..." : "Exit program");
  }
  EXPECT_EQ(tray.PopupMenuTray->defaultAction(), tray.MenuItemTrayShowWindow);
  EXPECT_EQ(tray.MenuItemTrayShowWindow->text(), "Show window");
  tray.MenuItemTrayShowWindow->trigger();
  tray.MenuItemTrayExit->trigger();
  EXPECT_EQ(show.count(), 1);
  EXPECT_EQ(exit.count(), 1);
}

TEST(Tray, IconOnlyWhileSentToTray) {
  for (bool available : {true, false}) {
    TTray tray(nullptr, available);
    tray.Notify = [](const QString&, const QString&) { return true; };
    EXPECT_FALSE(tray.IconVisible());
    tray.Show();
    EXPECT_EQ(tray.IconVisible(), available);
    tray.SetHint("clip.avi: 42%");
    EXPECT_EQ(tray.Hint(), "clip.avi: 42%");
    tray.Hide();
    EXPECT_FALSE(tray.IconVisible());
  }
}

// A balloon always finds a way to the user when there is one: through the
// icon when it is shown, else as a desktop notification, else with the icon
// shown for the balloon alone.
TEST(Tray, BalloonsWhileTheIconIsHidden) {
  struct TCase {
    bool Available, Shown, NotifyWorks;
    int Notified;
    bool ThroughIcon, IconAfter;
  } cases[] = {
      {true, true, true, 0, true, true},      {true, false, true, 1, false, false},
      {true, false, false, 1, true, true},    {false, false, true, 1, false, false},
      {false, false, false, 1, false, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Available << c.Shown << c.NotifyWorks);
    TTray tray(nullptr, c.Available);
    std::vector<QString> notified;
    tray.Notify = [&](const QString& title, const QString& text) {
      notified.push_back(title + "|" + text);
      return c.NotifyWorks;
    };
    if (c.Shown) tray.Show();
    tray.ShowBalloon("Kinovert Information", "Conversion complete!");
    EXPECT_EQ(static_cast<int>(notified.size()), c.Notified);
    if (c.Notified == 1) {
      EXPECT_EQ(notified[0], "Kinovert Information|Conversion complete!");
    }
    EXPECT_EQ(tray.LastBalloonText == "Conversion complete!", c.ThroughIcon);
    EXPECT_EQ(tray.IconVisible(), c.IconAfter);
    // Shown for a balloon, the icon still goes with Show window.
    tray.Hide();
    EXPECT_FALSE(tray.IconVisible());
  }
}
