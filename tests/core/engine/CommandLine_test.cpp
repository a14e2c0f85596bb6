// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TArgs = std::vector<std::string>;

TEST(SplitCommandLine, QuotesAndBackslashes) {
  struct TCase {
    const char* Line;
    TArgs Args;
  } cases[] = {
      {"", {}},
      {" \t ", {}},
      {"a b\tc", {"a", "b", "c"}},
      {"  lead  and  trail  ", {"lead", "and", "trail"}},
      {R"("a b" c)", {"a b", "c"}},
      {R"(x"a b"y z)", {"xa by", "z"}},
      {R"("")", {""}},
      {R"(a "" b)", {"a", "", "b"}},
      {R"("unclosed  blanks)", {"unclosed  blanks"}},
      {R"(a\b c\\d)", {R"(a\b)", R"(c\\d)"}},  // not before a quote: literal
      {R"(trail\ x\\)", {R"(trail\)", R"(x\\)"}},
      {R"(a\"b)", {R"(a"b)"}},           // 1 backslash: literal quote
      {R"(a\\"b c")", {R"(a\b c)"}},     // 2: one backslash, quote toggles
      {R"(a\\\"b)", {R"(a\"b)"}},        // 3: one backslash, literal quote
      {R"(a\\\\"b c")", {R"(a\\b c)"}},  // 4: two backslashes, toggle
      {R"("C:\Program Files\x\\" next)", {R"(C:\Program Files\x\)", "next"}},
      {R"("a ""b"" c")", {"a b c"}},  // plain toggles, no doubling rule
      {"-i \"/tmp/my file.avi\" -y", {"-i", "/tmp/my file.avi", "-y"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(SplitCommandLine(c.Line), c.Args) << c.Line;
}

TEST(SplitCommandLine, QuoteArgumentRoundTrips) {
  const TArgs odd = {"",         "plain",          "two words", "tab\there", "say \"hi\"",
                     R"(back\)", R"(back\\)",      R"(\")",     R"(a\\"b)",  "$HOME `id`",
                     "-leading", "Grüße/日本.mp4", "it's",      "'quoted'",  "semi;colon&"};
  std::string line = "prog";
  for (const std::string& a : odd) {
    EXPECT_EQ(SplitCommandLine(QuoteArgument(a)), TArgs{a}) << a;
    line += ' ';
    line += QuoteArgument(a);
  }
  TArgs all = {"prog"};
  all.insert(all.end(), odd.begin(), odd.end());
  EXPECT_EQ(SplitCommandLine(line), all);
}

// A device preset's command runs through /bin/sh: only a call of avcore with
// plain words and placeholders gets that far.
TEST(IsAvcoreCall, PlainCallsOfAvcoreOnly) {
  struct TCase {
    const char* Command;
    bool Runs;
  } cases[] = {
      {"<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y -f 3gp -vcodec h263 -s 176x144 "
       "-b 128k -r 15 -acodec amr_nb -ac 1 -ar 8000 -ab 12 <%OutputFile%>.3gp",
       true},
      {"  <%apppath%>/avcore\t-i <%InputFile%> -r 30000/1001 <%OutputFile%>.mp4", true},
      {"", false},
      {"touch /tmp/x; <%AppPath%>/avcore -i <%InputFile%> <%OutputFile%>.3gp", false},
      {"<%AppPath%>/avcore -i <%InputFile%> <%OutputFile%>.3gp; rm -rf ~", false},
      {"<%AppPath%>/avcore -i <%InputFile%> $(id) <%OutputFile%>.3gp", false},
      {"<%AppPath%>/avcore -i <%InputFile%> `id` <%OutputFile%>.3gp", false},
      {"<%AppPath%>/avcore -i <%InputFile%> <%OutputFile%>.3gp > /tmp/log", false},
      {"<%AppPath%>/avcore -i <%InputFile%> | sh", false},
      {"<%AppPath%>/avcore -i \"<%InputFile%>\" <%OutputFile%>.3gp", false},
      {"<%AppPath%>/avcore2 -i <%InputFile%>", false},
      {"<%AppPath%>/../avcore -i <%InputFile%>", false},
      {"/usr/bin/ffmpeg -i <%InputFile%> <%OutputFile%>.3gp", false},
      {"<%AppPath%>/avcore -i <% InputFile %> x", false},
      {"<%AppPath%>/avcore -i <%InputFile%>\n<%AppPath%>/avcore", false},
      // Only the placeholders the batch fills: any other reaches /bin/sh as "<" and ">".
      {"<%AppPath%>/avcore -i <%InputFile%> -y <%Elsewhere%>.3gp", false},
      {"<%AppPath%>/avcore -i <%INPUTFILE%> -ss <%TimeStamp%> <%outputfile%>.3gp", true},
  };
  for (const TCase& c : cases) {
    std::string why;
    EXPECT_EQ(IsAvcoreCall(c.Command, &why), c.Runs) << c.Command;
    EXPECT_EQ(why.empty(), c.Runs) << c.Command << ": " << why;
  }
}

// The output of every command of an item is the name the batch reserved,
// with the item's own EXT: never a file of the user's, never another name.
TEST(PresetItemProblem, EveryCommandWritesTheReservedName) {
  const std::string call = "<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y -f 3gp ";
  struct TCase {
    const char* Ext;
    std::vector<std::string> Commands;
    const char* Says;  // "" when the item may run
  } cases[] = {
      {"3gp", {call + "<%OutputFile%>.3gp"}, ""},
      {"3gp", {call + "<%OUTPUTFILE%>.3gp  \t"}, ""},
      {"3gp", {call + "<%OutputFile%>.3gp", call + "-s 176x144 <%outputfile%>.3gp"}, ""},
      {"", {call + "<%OutputFile%>"}, ""},
      {"3gp", {call + "/home/me/notes.txt"}, "the command writes \"/home/me/notes.txt\", not <%OutputFile%>.3gp"},
      {"mp4", {call + "<%OutputFile%>.3gp"}, "not <%OutputFile%>.mp4 (the item's EXT is mp4)"},
      {"3gp", {call + "<%OutputFile%>.3GP"}, "writes \"<%OutputFile%>.3GP\""},
      {"3gp", {call + "<%OutputFile%>.3gp.txt"}, "writes \"<%OutputFile%>.3gp.txt\""},
      {"3gp", {call + "<%OutputFile%>"}, "not <%OutputFile%>.3gp"},
      {"", {call + "<%OutputFile%>."}, "not <%OutputFile%> (the item's EXT is empty)"},
      {"3gp", {call + "<%OutputPath%>x.3gp"}, "writes \"<%OutputPath%>x.3gp\""},
      {"3gp", {call + "<%OutputFile%>.3gp", call + "<%TemporaryFile%>.3gp"}, "writes \"<%TemporaryFile%>.3gp\""},
      {"3gp", {"<%AppPath%>/avcore"}, "writes \"<%AppPath%>/avcore\""},
      {"3gp", {call + "<%Nope%> <%OutputFile%>.3gp"}, "the unknown placeholder <%Nope%>"},
      {"3gp", {"touch x; " + call + "<%OutputFile%>.3gp"}, "does not call"},
      {"3gp", {}, "the item has no command"},
      {"../x", {call + "<%OutputFile%>.../x"}, "its EXT \"../x\" is no plain file extension"},
      {"3g p", {call + "<%OutputFile%>.3g p"}, "is no plain file extension"},
  };
  for (const TCase& c : cases) {
    const std::string why = PresetItemProblem(c.Ext, c.Commands);
    SCOPED_TRACE(c.Commands.empty() ? std::string("none") : c.Commands.back());
    if (*c.Says == '\0')
      EXPECT_EQ(why, "");
    else
      EXPECT_NE(why.find(c.Says), std::string::npos) << why;
  }
}

TEST(PlanLaunch, ProgramLookupAndScripts) {
  struct TCase {
    const char* App;
    const char* Line;
    TArgs Candidates;
    TArgs Argv;
    const char* Script;
  } cases[] = {
      {"", "ls -l", {"/usr/bin/ls", "/bin/ls", "/cwd/ls"}, {"ls", "-l"}, ""},
      {"", R"("/opt/my tools/enc" "a b")", {"/opt/my tools/enc"}, {"/opt/my tools/enc", "a b"}, ""},
      {"", "./enc x", {"/cwd/./enc"}, {"./enc", "x"}, ""},
      {"", "sub/enc", {"/cwd/sub/enc"}, {"sub/enc"}, ""},
      {"",
       R"("/p/~Convert Core.sh" 1)",
       {"/bin/sh"},
       {"/bin/sh", "/p/~Convert Core.sh", "1"},
       "/p/~Convert Core.sh"},
      {"", "-x.SH", {"/bin/sh"}, {"/bin/sh", "/cwd/-x.SH"}, "/cwd/-x.SH"},
      {"", R"("")", {""}, {""}, ""},
      {"/bin/echo", "a \"b c\"", {"/bin/echo"}, {"/bin/echo", "a", "b c"}, ""},
      {"/bin/echo", "", {"/bin/echo"}, {"/bin/echo"}, ""},
      {" ", "echo", {"/usr/bin/echo", "/bin/echo", "/cwd/echo"}, {"echo"}, ""},
  };
  for (const TCase& c : cases) {
    TLaunchPlan plan = PlanLaunch(c.App, c.Line, "/usr/bin:/bin:", "/cwd");
    EXPECT_EQ(plan.Candidates, c.Candidates) << c.Line;
    EXPECT_EQ(plan.Argv, c.Argv) << c.Line;
    EXPECT_EQ(plan.Script, c.Script) << c.Line;
  }
}
