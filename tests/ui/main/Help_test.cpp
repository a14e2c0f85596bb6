// SPDX-License-Identifier: GPL-3.0-or-later
// Help Content and Quick Start over the shipped data: each opens its page of
// the build language's help folder, and a page that is gone is a message.
#include <QLabel>
#include <QMenu>
#include <filesystem>

#include "app/BuildConstants.h"
#include "main/AboutBox.h"
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

// A build that names no addresses sends Online Resources, Contact Technical
// Support and the About box's links to pages of its own help, which exist;
// the About box names them in the language shown.
TEST_F(MainWindowTest, AddressesOpenTheHelpsOwnPagesWhenTheBuildNamesNone) {
  if (!HomePageIsHelp() || !SupportIsHelp()) GTEST_SKIP() << "this build names its addresses";
  TfrmMain& w = Open();
  const std::filesystem::path folder = Home / "skin/kvo/lang/en_help";
  const std::vector<std::string> want = {(folder / "Introduction.html").string(),
                                         (folder / "Troubleshooting.html").string()};
  w.Action("ActionOnlineResources")->trigger();
  w.Action("ActionContactTechnicalSupport")->trigger();
  EXPECT_EQ(Dialogs.Opened, want);
  for (const std::string& page : want) EXPECT_TRUE(std::filesystem::exists(page)) << page;

  for (QAction* a : w.findChild<QMenu*>("LanguagesMI")->actions())
    if (a->text() == "DEUTSCH") a->trigger();
  Dialogs.Opened.clear();
  TAboutBox about(&w);
  auto* home = about.findChild<QLabel*>("LabelHomePage");
  auto* support = about.findChild<QLabel*>("LabelSupport");
  ASSERT_NE(home, nullptr);
  ASSERT_NE(support, nullptr);
  EXPECT_NE(home->text().indexOf("Kinovert-Hilfe"), -1) << home->text().toStdString();
  EXPECT_NE(support->text().indexOf("Fehlerbehebung"), -1) << support->text().toStdString();
  emit home->linkActivated("#");
  emit support->linkActivated("#");
  EXPECT_EQ(Dialogs.Opened, want);
  EXPECT_EQ(home->text().indexOf("example"), -1);
}
