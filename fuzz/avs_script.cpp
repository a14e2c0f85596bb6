// SPDX-License-Identifier: GPL-3.0-or-later
// The DirectShow script reader on any text, and on any name the batch writes
// into a script: the batch's writing reads back as exactly that name.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "AvsScript.h"
#include "engine/ScriptTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string named = ScriptSourceFile(text, "/scripts/DirectShow.avs");
  if (!named.empty() && named[0] != '/') std::abort();
  (void)IsScriptPath(text);

  const std::string name = "/media/" + text;
  std::string script;
  for (const char* form : {"DirectShowSource(\"<%InputFile%>\")\n",
                           "v = directshowsource ( \"\"\"<%inputfile%>\"\"\" , fps=25)\r\n"}) {
    if (FillScriptTemplate(form, name, script) &&
        ScriptSourceFile(script, "/scripts/DirectShow.avs") != name)
      std::abort();
  }
  return 0;
}
