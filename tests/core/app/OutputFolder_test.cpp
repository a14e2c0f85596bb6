// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OutputFolder.h"

#include <gtest/gtest.h>

#include "support/EnvVar.h"

TEST(OutputFolder, HomeIsExpandedAndOtherRelativePathsAreRefused) {
  TEnvVar home("HOME", "/home/ann");
  const struct {
    const char* Typed;
    const char* Expanded;  // ExpandHomePrefix
    const char* Full;      // OutputFolderPath
  } cases[] = {
      {"~", "/home/ann", "/home/ann"},
      {"~/converted", "/home/ann/converted", "/home/ann/converted"},
      {"  ~/converted \t", "  ~/converted \t", "/home/ann/converted"},
      {"/videos/out", "/videos/out", "/videos/out"},
      {"/videos/~/out", "/videos/~/out", "/videos/~/out"},
      {"converted", "converted", ""},
      {"./converted", "./converted", ""},
      {"~bob/x", "~bob/x", ""},
      {"~~", "~~", ""},
      {"", "", ""},
      {"   ", "   ", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandHomePrefix(c.Typed), c.Expanded) << c.Typed;
    EXPECT_EQ(OutputFolderPath(c.Typed), c.Full) << c.Typed;
  }
}
