// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "support/RunProgram.h"

namespace {

// The command's output as key -> value (the last of duplicates across sections).
std::map<std::string, std::string> Values(const std::string& out) {
  std::map<std::string, std::string> v;
  size_t pos = 0;
  while (pos < out.size()) {
    size_t nl = out.find('\n', pos);
    std::string line = out.substr(pos, nl - pos);
    pos = nl == std::string::npos ? out.size() : nl + 1;
    size_t eq = line.find('=');
    if (eq != std::string::npos && line[0] != ';') v[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return v;
}

class CmdSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    // The child inherits the environment: a home of our own, no XDG settings.
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"})
      if (const char* v = std::getenv(name)) Saved_[name] = v;
    ::setenv("HOME", Home.Path().c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DOCUMENTS_DIR");
    std::filesystem::create_directories(Home / ".config");
    std::filesystem::create_directories(Home / "Documents");
    WriteFileText(Home / ".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
  }
  void TearDown() override {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) {
      auto it = Saved_.find(name);
      if (it != Saved_.end())
        ::setenv(name, it->second.c_str(), 1);
      else
        ::unsetenv(name);
    }
  }
  TRunResult Settings(const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args{"--home", Program.Path(), "settings"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunProgram(std::string(KINOVERT_PROGRAM_DIR) + "/kinovert-cli", args);
  }

  TTempDir Program;
  TTempDir Home;

 private:
  std::map<std::string, std::string> Saved_;
};

}  // namespace

TEST_F(CmdSettings, FirstStartShowsTheDefaultsWithoutWriting) {
  TRunResult r = Settings();
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  auto v = Values(r.Out);
  EXPECT_EQ(v["LanguageFile"], "english.ini");
  EXPECT_EQ(v["LastInputOpenDir"], Home / "Documents");
  EXPECT_EQ(v["LastOutputOpenDir"], Home / "Documents");
  EXPECT_EQ(v["Priority"], "1");
  EXPECT_EQ(v["ShutdownFlag"], "1");
  EXPECT_EQ(v["UseDirectShow"], "0");
  // The first start converts to what its window shows: 3GP.
  EXPECT_EQ(v["OutputFormat"], "2");
  EXPECT_EQ(v["Target"], "3GP");
  EXPECT_EQ(v["EncoderPath"], "avcore");
  EXPECT_EQ(v["ProgramFolder"], Program.Path());
  EXPECT_EQ(v["TypeFileExists"], "0");  // an empty program folder
  EXPECT_NE(r.Out.find("not written yet"), std::string::npos);
  EXPECT_FALSE(FileExists(Program / "info.ini"));
}

TEST_F(CmdSettings, LaterStartReadsInfoIni) {
  std::filesystem::create_directories(Program / "skin/kvo/lang");
  WriteFileText(Program / "skin/kvo/lang/type_deutsch.dat", "[InputFileTypes]\nx=*.avi\n");
  const std::string stored =
      "[System]\nLanguageFile=Deutsch.ini\nPriority=257\nShutdownFlag=7\nUseDirectShow=3\n"
      "LastOutputOpenDir=/out dir/$x\nTGPMenuIndex=4\n[Form]\nx=10\nwidth=5000\n";
  WriteFileText(Program / "info.ini", stored);
  TRunResult r = Settings();
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  auto v = Values(r.Out);
  EXPECT_EQ(v["LanguageFile"], "Deutsch.ini");
  EXPECT_EQ(v["Priority"], "1");      // 257 in an 8-bit field
  EXPECT_EQ(v["ShutdownFlag"], "7");  // kept as stored
  EXPECT_EQ(v["UseDirectShow"], "1");
  EXPECT_EQ(v["LastInputOpenDir"], Home / "Documents");  // missing: the start value
  EXPECT_EQ(v["LastOutputOpenDir"], "/out dir/$x");
  EXPECT_EQ(v["TGPMenuIndex"], "4");
  EXPECT_EQ(v["OutputFormat"], "2");
  EXPECT_EQ(v["Target"], "3GP");
  EXPECT_EQ(v["width"], "5000");
  EXPECT_EQ(v["ProfileRoot"], Program / "profile_de/");
  EXPECT_EQ(v["TypeFile"], Program / "skin/kvo/lang/type_deutsch.dat");
  EXPECT_EQ(v["TypeFileExists"], "1");
  EXPECT_EQ(r.Out.find("not written yet"), std::string::npos);
  EXPECT_EQ(ReadFileText(Program / "info.ini"), stored);  // untouched
}

TEST_F(CmdSettings, UsageErrors) {
  TRunResult r = Settings({"extra"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_TRUE(r.Out.empty());
  r = RunProgram(std::string(KINOVERT_PROGRAM_DIR) + "/kinovert-cli",
                 {"--home", Program / "missing", "settings"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_NE(r.Err.find("does not exist"), std::string::npos) << r.Err;
}
