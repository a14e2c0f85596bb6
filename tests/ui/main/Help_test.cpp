// SPDX-License-Identifier: GPL-3.0-or-later
// Help Content and Quick Start over the shipped data: each opens its page of
// the build language's help folder, and a page that is gone is a message.
#include <filesystem>

#include "main/MainTesting.h"

TEST_F(MainWindowTest, HelpActionsOpenTheShippedPagesAndAMissingPageIsAMessage) {
  TfrmMain& w = Open();
  w.Action("ActionHelpContent")->trigger();
  w.Action("ActionQuickStart")->trigger();
  EXPECT_TRUE(Dialogs.Messages.empty());
  ASSERT_EQ(Dialogs.Opened.size(), 2u);
  const std::filesystem::path folder = Home / "skin/kvo/lang/en_help";
  EXPECT_EQ(std::filesystem::path(Dialogs.Opened[0]), folder / "Introduction.html");
  EXPECT_EQ(std::filesystem::path(Dialogs.Opened[1]), folder / "The user interface (Overview).html");

  std::filesystem::remove(folder / "Introduction.html");
  w.Action("ActionHelpContent")->trigger();
  EXPECT_EQ(Dialogs.Opened.size(), 2u);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_NE(Dialogs.Messages[0].Text.find("Introduction.html"), std::string::npos);
}
