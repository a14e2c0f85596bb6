// SPDX-License-Identifier: GPL-3.0-or-later
// What users read carries none of the faults that once crept into it: known
// misspellings and broken phrases, talk of Windows where the computer is
// meant, and addresses nobody serves.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <span>
#include <string>
#include <vector>

#include "lang/ResStr.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

struct TFault {
  const char* Pattern;  // ECMAScript, any letter case
  const char* What;
};

const TFault kEverywhere[] = {
    {R"(\bconveting\b)", "Converting"},
    {R"(\bquliaty\b)", "quality"},
    {R"(\bfaild\b)", "failed"},
    {R"(\bconvertion\b)", "conversion"},
    {R"(\boccured\b)", "occurred"},
    {R"(\bdo not exist, do you)", "does not exist. Do you"},
    {R"(\bforce create\b)", "create"},
    {R"(\bcan not\b)", "cannot"},
    {R"(\bbe delete\b)", "be deleted"},
    {R"(\bhave the right format\b)", "is correct"},
    {R"(\bshut ?down windows\b)", "shut down the computer"},
    {R"(\bnarrow-wide\b)", "wide-band"},
    {R"(\b48000 ?khz)", "48000 Hz"},
    {R"(\barm-(narrow|wide))", "AMR"},
    {R"(\betc\.\.)", "etc."},
    {R"(\bon your photo\b)", "on your phone"},
    {R"(\bthe try using\b)", "try"},
    {R"(example\.(org|com|net)\b)", "an address that exists, or none"},
};

// The texts of the program itself never speak of Windows at all.
const TFault kProgramTexts[] = {{R"(\bwindows\b)", "the computer"}};

struct TText {
  std::string Where;
  std::string Text;
};

std::vector<TText> ShippedFiles() {
  std::vector<TText> texts;
  const fs::path source(KINOVERT_SOURCE_DIR);
  const auto add = [&](const fs::path& file) {
    texts.push_back({file.string(), ReadFileText(file.string())});
  };
  for (const char* folder : {"data", "dist"})
    for (const auto& e : fs::recursive_directory_iterator(source / folder)) {
      const std::string ext = e.path().extension().string();
      // Pictures and pages' own pictures are not texts.
      if (e.is_regular_file() && ext != ".png" && ext != ".svg" && ext != ".jpg") add(e.path());
    }
  add(source / "README.md");
  return texts;
}

std::vector<TText> ProgramTexts() {
  std::vector<TText> texts;
  for (int i = 0; i < kMsgKeyCount; ++i) {
    const auto key = static_cast<TMsgKey>(i);
    texts.push_back({"English text of " + std::string(MsgKeyName(key)), DefaultResStr(key)});
  }
  const fs::path lang = fs::path(KINOVERT_SOURCE_DIR) / "data/skin/kvo/lang";
  for (const char* file : {"english.ini", "french.ini", "deutsch.ini", "italian.ini"})
    texts.push_back({file, ReadFileText((lang / file).string())});
  return texts;
}

void ExpectNone(const std::vector<TText>& texts, std::span<const TFault> faults) {
  for (const TFault& fault : faults) {
    const std::regex pattern(fault.Pattern, std::regex::ECMAScript | std::regex::icase);
    for (const TText& text : texts) {
      std::smatch found;
      if (std::regex_search(text.Text, found, pattern))
        ADD_FAILURE() << text.Where << ": \"" << found.str() << "\" (write " << fault.What << ")";
    }
  }
}

TEST(ShippedTexts, CarryNoKnownFault) {
  const std::vector<TText> files = ShippedFiles();
  ASSERT_GT(files.size(), 200u);
  ExpectNone(files, kEverywhere);
  const std::vector<TText> program = ProgramTexts();
  ExpectNone(program, kEverywhere);
  ExpectNone(program, kProgramTexts);
}

}  // namespace
