// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/PathText.h"

#include <gtest/gtest.h>

#include "toolkit/PathEdit.h"

// A path made into a URL (to open it, or to start a dialog in it) and read
// back from one (a drop, a dialog's choice) keeps its bytes, whatever they
// are; only what is shown has replacement characters.
TEST(PathText, BytesSurviveTheUrl) {
  for (const std::string path :
       {"/tmp/caf\xE9.avi", "/tmp/\xC3\xA9t\xC3\xA9 #1 %41?.avi", "/tmp/a b/\xFF\xFE.mp3"}) {
    SCOPED_TRACE(path);
    QUrl url = UrlOfLocalPath(path);
    EXPECT_TRUE(url.isValid());
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(LocalPathOf(url), path);
    EXPECT_EQ(LocalPathOf(QUrl::fromEncoded(url.toEncoded())), path);
  }
  EXPECT_EQ(ShownName("/tmp/caf\xE9.avi"), QString::fromUtf8("/tmp/caf\uFFFD.avi"));
  EXPECT_EQ(LocalPathOf(QUrl("https://example.org/x.avi")), "");
  EXPECT_FALSE(UrlOfLocalPath("").isValid());
}

TEST(PathText, EditKeepsTheBytesUntilSomethingElseIsTyped) {
  TPathEdit edit;
  edit.SetPath("/tmp/sortie \xE9t\xE9");
  EXPECT_EQ(edit.text(), QString::fromUtf8("/tmp/sortie \uFFFDt\uFFFD"));
  EXPECT_EQ(edit.Path(), "/tmp/sortie \xE9t\xE9");
  edit.setText(QString::fromUtf8("/tmp/\u00E9t\u00E9"));
  EXPECT_EQ(edit.Path(), "/tmp/\xC3\xA9t\xC3\xA9");
}
