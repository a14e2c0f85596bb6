// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ScriptTemplate.h"

#include "base/TextUtil.h"

namespace {

size_t QuotesAtEnd(std::string_view text) {
  size_t n = 0;
  while (n < text.size() && text[text.size() - 1 - n] == '"') ++n;
  return n;
}

size_t QuotesAtStart(std::string_view text) {
  size_t n = 0;
  while (n < text.size() && text[n] == '"') ++n;
  return n;
}

}  // namespace

bool FillScriptTemplate(std::string_view text, const std::string& input, std::string& script,
                        std::string* why) {
  static constexpr std::string_view kName = "<%InputFile%>", kTriple = "\"\"\"";
  auto refuse = [&](const char* reason) {
    script.clear();
    if (why != nullptr) *why = reason;
    return false;
  };
  // The script is read line by line, and a """ string ends at its first """.
  if (input.find_first_of("\r\n") != std::string::npos)
    return refuse("its name holds a line break, which the DirectShow script cannot hold");
  if (input.find(kTriple) != std::string::npos)
    return refuse(
        "its name holds three double quotes in a row, which the DirectShow script cannot hold");
  const bool quoted = input.find('"') != std::string::npos;
  script.clear();
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "<%") != 0 ||
        !SameTextIgnoringCase(text.substr(i, kName.size()), kName)) {
      script += text[i++];
      continue;
    }
    i += kName.size();
    if (!quoted) {
      script += input;
      continue;
    }
    // Exactly one quote or exactly three on each side: any other number
    // would make a different string of it.
    const size_t before = QuotesAtEnd(script), behind = QuotesAtStart(text.substr(i));
    if (before != behind || (before != 1 && before != kTriple.size()))
      return refuse(
          "its name holds a double quote, and the DirectShow script template does not put the "
          "name between quotes");
    if (before == 1) {
      script += "\"\"";  // with the template's quote, the opening """
      script += input;
      script += kTriple;
      ++i;  // the template's closing quote is in the """ just written
    } else {
      script += input;
    }
  }
  if (why != nullptr) why->clear();
  return true;
}
