// SPDX-License-Identifier: GPL-3.0-or-later
// The help folders: the topics the program opens exist in every language,
// every language has the same pages, and every link and picture of every page
// leads somewhere that exists. The pages are read from the source tree, since
// the build's program folder may keep a page that was since removed.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/BuildConstants.h"
#include "app/ProgramFolder.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLanguages = 4;

fs::path HelpFolder(int language) {
  return fs::path(KINOVERT_SOURCE_DIR) / "data/skin/kvo/lang" / HelpFolderName(language);
}

std::set<std::string> PageNames(const fs::path& folder) {
  std::set<std::string> names;
  if (!fs::is_directory(folder)) return names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".html") names.insert(entry.path().filename().string());
  return names;
}

struct TTag {
  std::string Name;
  std::map<std::string, std::string> Attributes;
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The start tags of a page with their attributes; enough for the pages we
// write (quoted or bare values, comments skipped), not a general parser.
std::vector<TTag> StartTags(const std::string& html) {
  std::vector<TTag> tags;
  size_t i = 0;
  auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
  while ((i = html.find('<', i)) != std::string::npos) {
    if (html.compare(i, 4, "<!--") == 0) {
      i = html.find("-->", i);
      if (i == std::string::npos) break;
      continue;
    }
    ++i;
    if (i >= html.size() || !std::isalpha(static_cast<unsigned char>(html[i]))) continue;
    TTag tag;
    while (i < html.size() && isName(html[i])) tag.Name += html[i++];
    tag.Name = Lower(tag.Name);
    while (i < html.size() && html[i] != '>') {
      if (!isName(html[i])) {
        ++i;
        continue;
      }
      std::string name;
      while (i < html.size() && isName(html[i])) name += html[i++];
      std::string value;
      if (i < html.size() && html[i] == '=') {
        ++i;
        if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
          const char quote = html[i++];
          const size_t end = html.find(quote, i);
          if (end == std::string::npos) break;
          value = html.substr(i, end - i);
          i = end + 1;
        } else {
          while (i < html.size() && !std::isspace(static_cast<unsigned char>(html[i])) &&
                 html[i] != '>')
            value += html[i++];
        }
      }
      tag.Attributes[Lower(name)] = value;
    }
    tags.push_back(std::move(tag));
  }
  return tags;
}

std::string PercentDecoded(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool HasScheme(const std::string& url) {
  const size_t colon = url.find(':');
  if (colon == std::string::npos || colon == 0) return false;
  for (size_t i = 0; i < colon; ++i)
    if (!std::isalnum(static_cast<unsigned char>(url[i])) && url[i] != '+' && url[i] != '-' &&
        url[i] != '.')
      return false;
  return true;
}

std::set<std::string> Ids(const std::string& html) {
  std::set<std::string> ids;
  for (const TTag& tag : StartTags(html))
    if (auto id = tag.Attributes.find("id"); id != tag.Attributes.end()) ids.insert(id->second);
  return ids;
}

// What is wrong with one reference of a page; empty when it resolves.
std::string CheckReference(const fs::path& page, const std::string& pageText, const TTag& tag,
                           const std::string& url) {
  if (url.empty()) return "an empty reference";
  // A page may send the reader to a web site, but it loads nothing from outside.
  if (url.rfind("//", 0) == 0 || HasScheme(url)) {
    const bool link = tag.Name == "a";
    const bool web = url.rfind("https://", 0) == 0 || url.rfind("http://", 0) == 0 ||
                     url.rfind("mailto:", 0) == 0;
    return link && web ? "" : "an outside resource";
  }
  const size_t hash = url.find('#');
  const std::string path = PercentDecoded(url.substr(0, hash));
  const std::string fragment = hash == std::string::npos ? "" : url.substr(hash + 1);
  if (url.find(' ') != std::string::npos) return "a blank that is not written %20";
  const fs::path target = path.empty() ? page : page.parent_path() / path;
  if (!fs::is_regular_file(target)) return "a missing file";
  if (!fragment.empty()) {
    const std::string text = path.empty() ? pageText : ReadFileText(target.string());
    if (Ids(text).count(fragment) == 0) return "no element with this id";
  }
  return "";
}

}  // namespace

TEST(HelpPages, TopicsTheProgramOpensExistInEveryLanguage) {
  for (int l = 0; l < kLanguages; ++l) {
    for (const char* topic : {kHelpIntroductionTopic, kHelpQuickStartTopic})
      EXPECT_TRUE(fs::is_regular_file(HelpFolder(l) / topic)) << HelpFolderName(l) << "/" << topic;
  }
  // The very path the help actions of the built program open: the build
  // copies the help into the program folder.
  SetProgramFolder(std::string(KINOVERT_PROGRAM_DIR) + "/");
  EXPECT_TRUE(fs::is_regular_file(HelpTopicPath(kHelpIntroductionTopic)));
  EXPECT_TRUE(fs::is_regular_file(HelpTopicPath(kHelpQuickStartTopic)));
  SetProgramFolder("");
}

TEST(HelpPages, EveryLanguageHasTheSamePages) {
  const std::set<std::string> english = PageNames(HelpFolder(0));
  EXPECT_GT(english.size(), 2u);
  for (int l = 1; l < kLanguages; ++l)
    EXPECT_EQ(PageNames(HelpFolder(l)), english) << HelpFolderName(l);
}

TEST(HelpPages, LinksAndPicturesResolve) {
  int references = 0;
  for (int l = 0; l < kLanguages; ++l) {
    for (const std::string& name : PageNames(HelpFolder(l))) {
      const fs::path page = HelpFolder(l) / name;
      const std::string text = ReadFileText(page.string());
      for (const TTag& tag : StartTags(text)) {
        for (const char* attribute : {"href", "src"}) {
          const auto found = tag.Attributes.find(attribute);
          if (found == tag.Attributes.end()) continue;
          ++references;
          EXPECT_EQ(CheckReference(page, text, tag, found->second), "")
              << HelpFolderName(l) << "/" << name << ": <" << tag.Name << " " << attribute << "=\""
              << found->second << "\">";
        }
      }
    }
  }
  EXPECT_GT(references, 0);
}

// What a browser needs to show a page right, and what a screen reader needs
// of its pictures.
TEST(HelpPages, PagesDeclareTheirLanguageAndCharsetAndDescribeTheirPictures) {
  for (int l = 0; l < kLanguages; ++l) {
    const std::string code = HelpFolderName(l).substr(0, 2);
    for (const std::string& name : PageNames(HelpFolder(l))) {
      const std::string where = HelpFolderName(l) + "/" + name;
      const std::string text = ReadFileText((HelpFolder(l) / name).string());
      EXPECT_EQ(Lower(text.substr(0, 15)), "<!doctype html>") << where;
      const std::vector<TTag> tags = StartTags(text);
      int charsets = 0, titles = 0;
      for (const TTag& tag : tags) {
        const auto& a = tag.Attributes;
        if (tag.Name == "html") {
          EXPECT_EQ(a.count("lang") ? a.at("lang") : "", code) << where;
        }
        if (tag.Name == "meta" && a.count("charset") != 0) {
          ++charsets;
          EXPECT_EQ(Lower(a.at("charset")), "utf-8") << where;
        }
        if (tag.Name == "title") ++titles;
        if (tag.Name == "img") {
          EXPECT_FALSE(a.count("alt") ? a.at("alt").empty() : true) << where;
        }
      }
      EXPECT_EQ(charsets, 1) << where;
      EXPECT_EQ(titles, 1) << where;
    }
  }
}
