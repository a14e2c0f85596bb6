// SPDX-License-Identifier: GPL-3.0-or-later
// avcore refuses everything outside its grammar, so its grammar must hold
// everything the profile builder writes: every format, every codec choice,
// every entry of every value list, both ends of the editors' ranges.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "LegacyCommand.h"
#include "app/GlobalVars.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"
#include "support/RunProgram.h"

namespace {

// The default profile of `format` with every choice moved by `step`.
std::string Varied(int format, int step) {
  TTempDir dir;
  const std::string file = dir / "p.ini";
  DefaultProfile(format);
  SaveProfile(format, file);
  std::istringstream in(ReadFileText(file));
  std::string out;
  const bool odd = step % 2 == 1, high = step / 2 % 2 == 1;
  static const std::regex kChoice(
      "(Video|Audio)Codec.*|Format|TgpFormat|TargetFormat|PresetType|"
      "VideoFrameRate.*|AudioSampleRate.*|AudioChannels.*|VideoAspect.*|DVDVideoAspect");
  static const std::regex kFlag(
      ".*(Presert|UseSource|KeepFrameRate|UseAutoSet|SameQuality|DisableAudio|"
      "UsePresetFormats|KeepAspect|EnableTimeControl).*");
  for (std::string line; std::getline(in, line);) {
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq);
    if (eq == std::string::npos) {
      out += line + "\n";
      continue;
    }
    std::string value = line.substr(eq + 1);
    if (std::regex_match(key, kChoice))
      value = std::to_string(step);
    else if (std::regex_match(key, kFlag))
      value = key.find("Codec") == std::string::npos && (odd != high) ? "1" : "0";
    else if (key.find("BitRateSpecify") != std::string::npos)
      value = high ? "9600" : "64";
    else if (key.find("VideoWidth") != std::string::npos)
      value = high ? "1600" : "2";
    else if (key.find("VideoHeight") != std::string::npos)
      value = odd ? "1200" : "2";
    else if (key == "Duration" || key == "StartTime")
      value = high ? "199:59:59.999" : "0:00:00.000";
    out += key + "=" + value + "\n";
  }
  WriteFileText(file, out);
  GlobalVars.OutputFormat = format;
  return BuildEncoderOptions(file);
}

}  // namespace

TEST(BuilderGrammar, TakesEverythingTheBuilderWrites) {
  int checked = 0;
  for (int format = 0; format < kOutputFormatCount; ++format) {
    for (int step = 0; step < 14; ++step) {
      const std::string options = Varied(format, step);
      std::vector<std::string> args = {"-p", "5310746", "-i", "/in/a.avi"};
      std::istringstream words(options);
      for (std::string w; words >> w;) args.push_back(w);
      // The batch's two rewrites of the command.
      if (options.find(" -ac 5:1 ") != std::string::npos &&
          options.find(" -ab ") == std::string::npos)
        args.insert(args.end(), {"-ab", "256"});
      if (options.find("-vcodec ffvhuff ") != std::string::npos)
        args.insert(args.end(), {"-strict", "-2"});
      args.push_back("/out/b.out");
      TLegacyCommand cmd = ParseLegacyCommand(args);
      EXPECT_EQ(cmd.Error, "") << "format " << format << ": " << options;
      ++checked;
    }
  }
  ResetGlobalVars();
  EXPECT_EQ(checked, kOutputFormatCount * 14);
}
