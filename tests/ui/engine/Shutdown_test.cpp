// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Shutdown.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "LayoutChecks.h"
#include "app/BuildConstants.h"
#include "app/GlobalVars.h"
#include "lang/ResStr.h"

using namespace std::chrono_literals;

TEST(TfrmShutdown, CountsThirtyDownToZeroThenGoesAhead) {
  ResetLanguage();
  GlobalVars.ShutdownFlag = 1;  // power off
  TfrmShutdown countdown(nullptr, 1ms);
  std::vector<QString> seen = {countdown.LabelTimeLeft->text()};
  QObject::connect(countdown.TimerShutdown, &QTimer::timeout, [&] {
    if (countdown.LabelTimeLeft->text() != seen.back())
      seen.push_back(countdown.LabelTimeLeft->text());
  });
  EXPECT_EQ(countdown.exec(), QDialog::Accepted);
  ASSERT_EQ(seen.size(), 31u);
  for (int i = 0; i <= 30; ++i) EXPECT_EQ(seen[i], QString("Time left: %1").arg(30 - i));
  EXPECT_EQ(countdown.windowTitle(), "Shutdown");
  EXPECT_EQ(countdown.LabelWarning->text(), "Warning!");
  EXPECT_EQ(countdown.LabelWarningDetail->text(),
            QString::fromStdString("If you don't press Cancel now, " + ProductTitle() +
                                   " will shut down the computer."));
}

TEST(TfrmShutdown, CancelEscapeAndCloseBoxCancel) {
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    // A slow clock: the user is faster than the countdown here.
    TfrmShutdown countdown(nullptr, 50ms);
    QTimer::singleShot(0, &countdown, [&] {
      if (way == 0) countdown.ButtonCancel->click();
      if (way == 1) QTest::keyClick(&countdown, Qt::Key_Escape);
      if (way == 2) countdown.close();
    });
    EXPECT_EQ(countdown.exec(), QDialog::Rejected);
    EXPECT_FALSE(countdown.TimerShutdown->isActive());
    EXPECT_GT(countdown.SecondsLeft(), 0);
  }
}

TEST(TfrmShutdown, EveryLanguageFits) {
  for (const char* language : kShippedLanguages) {
    SCOPED_TRACE(language);
    ASSERT_TRUE(LoadLanguage(ShippedLanguagePath(language)));
    // Each action's caption and warning.
    for (uint8_t flag = 0; flag <= 5; ++flag) {
      SCOPED_TRACE(+flag);
      GlobalVars.ShutdownFlag = flag;
      TfrmShutdown countdown(nullptr);
      countdown.show();
      EXPECT_TRUE(countdown.ButtonCancel->hasFocus() ||
                  countdown.focusWidget() == countdown.ButtonCancel);
      EXPECT_EQ(countdown.windowTitle().toStdString(), CountdownTitle(flag));
      EXPECT_EQ(countdown.LabelWarningDetail->text().toStdString(), CountdownWarningDetail(flag));
      ExpectNothingClipped(&countdown);
    }
  }
  ResetGlobalVars();
  ResetLanguage();
}
