// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli convert as scripts use it: short and long options, a profile
// given by path, and the batch followed through its JSON lines. The encoder
// only pretends (FakeProgram.h), so what it was asked to do can be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "E2eSupport.h"
#include "FakeProgram.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(text.substr(start, nl - start));
  return lines;
}

}  // namespace

TEST(CliBatch, ShortAndLongOptionsGiveTheSameBatch) {
  TFakeProgram program;
  TTempDir dir;
  const std::string in = dir / "clip.avi", out = dir / "out";
  fs::copy_file(ClipPath(TClip::Video43), in);
  struct TCase {
    const char* Name;
    std::vector<std::string> Args;
  };
  // Each group asks for one batch in several ways; the words show that the
  // choice is not a default's.
  const std::vector<std::pair<std::string, std::vector<TCase>>> groups = {
      {" -vcodec xvid -b 2496k ",
       {
           {"long", {"--target", "avi", "--profile", "Top quality", "--output", out, "--", in}},
           {"short", {"-t", "avi", "-p", "Top quality", "-o", out, in}},
           {"joined", {"-tAVI", "--profile=Top quality", "--output=" + out, in}},
           {"file first, a name cut short",
            {in, "-o", out, "--prof", "Top quality", "--target", "avi"}},
       }},
      {" -b 384k ",
       {
           {"long",
            {"--target", "3gp", "--device", "3gpp_h263_amr.ini", "--item", "Item2", "--output", out,
             "--", in}},
           {"short", {"-t", "3gp", "-d", "3gpp_h263_amr.ini", "-i", "Item2", "-o", out, in}},
           {"joined", {"--target=3gp", "-d3gpp_h263_amr.ini", "--item=Item2", "-o", out, in}},
       }},
  };
  for (const auto& [words, group] : groups) {
    std::string first;
    for (const TCase& c : group) {
      SCOPED_TRACE(c.Name);
      fs::remove_all(out);
      fs::remove(program.Home / "avcore.log");
      std::vector<std::string> args = {"convert"};
      args.insert(args.end(), c.Args.begin(), c.Args.end());
      TRunResult r = RunProgram(program.Cli(), args);
      ASSERT_EQ(r.ExitCode, 0) << r.Err;
      const std::string log = program.Log();
      ASSERT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
      if (first.empty()) first = log;
      EXPECT_EQ(log, first);
    }
    EXPECT_NE(first.find(words), std::string::npos) << first;
  }
}

TEST(CliBatch, ProfileByPath) {
  TFakeProgram program;
  TTempDir dir;
  const std::string in = dir / "song.wav";
  fs::copy_file(ClipPath(TClip::AudioOnly), in);
  // A shared profile whose time window tries to slip options in: the window
  // is dropped, the rest is used.
  WriteFileText(dir / "Loud.mpo",
                "[General]\nAudioCodec=0\nAudioBitRateUseAutoSetMp3=0\nAudioBitRatePresetMp3=320\n"
                "AudioSampleRateMp3=3\nAudioChannelsMp3=1\nEnableTimeControl=1\n"
                "Duration=0:00:01.000 -vstats_file " +
                    dir / "owned.txt" + "\nStartTime=0\n");
  // By path, and by a name in the folder the user stands in.
  const std::vector<std::string> scripts = {
      "exec \"$0\" convert -t mp3 -p \"$1Loud.mpo\" -o \"$1out\" \"$2\"",
      "cd \"$1\" && exec \"$0\" convert -t mp3 -p Loud.mpo -o out \"$2\"",
  };
  for (const std::string& script : scripts) {
    SCOPED_TRACE(script);
    fs::remove_all(dir / "out");
    fs::remove(program.Home / "avcore.log");
    TRunResult r = RunProgram("/bin/sh", {"-c", script, program.Cli(), dir.Path(), in});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const std::string log = program.Log();
    EXPECT_NE(log.find(" -acodec mp3 -ac 2 -ab 320 -ar 48000 "), std::string::npos) << log;
    EXPECT_EQ(log.find("vstats"), std::string::npos) << log;
    EXPECT_TRUE(fs::is_regular_file(dir / "out/song.mp3"));
  }
}

// Nothing is read that could block or fill the memory (a FIFO, /dev/zero).
TEST(CliBatch, FilesThatAreNoProfileAreRefused) {
  TFakeProgram program;
  TTempDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe.mpo").c_str(), 0600), 0);
  fs::create_directory(dir / "folder.mpo");
  WriteFileText(dir / "notes.mpo", "Not a profile at all.\nAudioBitRatePresetMp3=320\n");
  WriteFileText(dir / "huge.mpo", "[General]\nAudioCodec=0\n" + std::string(17 << 20, ' '));
  struct TCase {
    std::string Profile;
    std::string Says;
  } cases[] = {
      {dir / "pipe.mpo", "is not a regular file"}, {"/dev/zero", "is not a regular file"},
      {dir / "folder.mpo", "is a folder"},         {dir / "huge.mpo", "too large"},
      {dir / "notes.mpo", "is no MP3 profile"},    {dir / "missing.mpo", "no profile file"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Profile);
    TRunResult r = RunProgram(program.Cli(), {"convert", "-t", "mp3", "-p", c.Profile, "-o",
                                              dir / "out", ClipPath(TClip::AudioOnly)});
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_NE(r.Err.find(c.Says), std::string::npos) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
  EXPECT_FALSE(fs::exists(program.Home / "avcore.log"));
  EXPECT_FALSE(fs::exists(dir / "out"));
}

// A profile or device preset of another target is refused before anything
// runs, and so is a preset whose command is more than a call of avcore.
TEST(CliBatch, ChoicesOfAnotherTargetAndHostilePresetsAreRefused) {
  TFakeProgram program;
  TTempDir dir;
  const std::string presets = program.Home / "profile_en/default_setting/";
  std::string hostile = ReadFileText(presets + "3gpp_h263_amr.ini");
  const size_t at = hostile.find("Command1=");
  ASSERT_NE(at, std::string::npos);
  hostile.insert(at + 9, "touch " + (dir / "ran") + "; ");
  WriteFileText(dir / "hostile.ini", hostile);
  // Writes over a file of the user's, or a name with another extension than its EXT.
  std::string elsewhere = ReadFileText(presets + "3gpp_h263_amr.ini");
  WriteFileText(dir / "notes.txt", "my notes");
  const size_t output = elsewhere.find("<%OutputFile%>.3gp");
  ASSERT_NE(output, std::string::npos);
  WriteFileText(dir / "elsewhere.ini", std::string(elsewhere).replace(output, 18, dir / "notes.txt"));
  WriteFileText(dir / "otherext.ini", std::string(elsewhere).replace(output, 18, "<%OutputFile%>.mp4"));
  const std::string mp3 = program.Home / "profile_en/mp3/Standard.mpo";
  struct TCase {
    std::vector<std::string> Choice;
    std::string Says;
    int Exit;
  } cases[] = {
      {{"-t", "avi", "-p", mp3}, "is no AVI profile (AVI profiles end in .avo)", 2},
      {{"-t", "mp4", "-d", "3gpp_h263_amr.ini", "-i", "Item1"}, "of the 3GP menu, not of MP4", 2},
      {{"-t", "3gp", "-d", "ipod_h264.ini", "-i", "Item1"}, "of the iPod menu, not of 3GP", 2},
      {{"-t", "3gp", "-d", dir / "hostile.ini", "-i", "Item1"},
       "is not run: the command does not call <%AppPath%>/avcore", 2},
      {{"-t", "3gp", "-d", dir / "elsewhere.ini", "-i", "Item1"},
       "is not run: the command writes \"" + dir / "notes.txt" + "\", not <%OutputFile%>.3gp", 2},
      {{"-t", "3gp", "-d", dir / "otherext.ini", "-i", "Item1"},
       "is not run: the command writes \"<%OutputFile%>.mp4\", not <%OutputFile%>.3gp", 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Says);
    std::vector<std::string> args = {"convert"};
    args.insert(args.end(), c.Choice.begin(), c.Choice.end());
    for (std::string a : {std::string("-o"), dir / "out", ClipPath(TClip::AudioOnly)}) args.push_back(a);
    TRunResult r = RunProgram(program.Cli(), args);
    EXPECT_EQ(r.ExitCode, c.Exit);
    EXPECT_NE(r.Err.find(c.Says), std::string::npos) << r.Err;
  }
  EXPECT_FALSE(fs::exists(dir / "ran"));
  EXPECT_EQ(ReadFileText(dir / "notes.txt"), "my notes");
  EXPECT_FALSE(fs::exists(program.Home / "avcore.log"));
}

// Without the type file no input would be of a known type: the file is
// named, and nothing is skipped for a reason that is not its own.
TEST(CliBatch, AMissingTypeFileIsNamed) {
  TFakeProgram program;
  TTempDir dir;
  fs::remove(program.Home / "skin/kvo/lang/type_english.dat");
  TRunResult r = RunProgram(program.Cli(), {"convert", "-t", "mp3", "-p", "Standard", "-o",
                                            dir / "out", ClipPath(TClip::AudioOnly)});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_NE(r.Err.find("the type file " + program.Home / "skin/kvo/lang/type_english.dat" +
                       ", which lists the input types, is missing"),
            std::string::npos)
      << r.Err;
  EXPECT_EQ(r.Err.find("not a known input type"), std::string::npos) << r.Err;
  EXPECT_FALSE(fs::exists(program.Home / "avcore.log"));
}

// However the program ends, even by SIGKILL mid-batch, nothing it started
// stays: neither the encoder nor the sleep lock (here a systemd-inhibit of
// our own on PATH, which holds its "lock" while the command it runs does).
// No cut-off file stands under the output's name.
TEST(CliBatch, NothingOutlivesTheProgram) {
  TFakeProgram program;
  TTempDir dir;
  fs::create_directory(dir / "bin");
  WriteFileText(dir / "bin/systemd-inhibit",
                "#!/bin/sh\necho $$ > \"$KV_TEST_DIR/inhibit.pid\"\n"
                "while [ $# -gt 0 ]; do case \"$1\" in --*) shift;; *) break;; esac; done\n"
                "\"$@\"\n");
  fs::permissions(dir / "bin/systemd-inhibit", fs::perms::owner_all);
  WriteFileText(program.Home / "avcore",
                "#!/bin/sh\nfor a; do out=\"$a\"; done\nprintf partial > \"$out\"\n"
                "echo $$ > \"$KV_TEST_DIR/encoder.pid\"\nexec sleep 120\n");
  const std::string script =
      "\"$0\" convert -t mp3 -p Standard -o \"$KV_TEST_DIR/out\" -- \"$1\" 2>\"$KV_TEST_DIR/log\" &\n"
      "pid=$!\n"
      "i=0; while { [ ! -s \"$KV_TEST_DIR/inhibit.pid\" ] || [ ! -s \"$KV_TEST_DIR/encoder.pid\" ]; } "
      "&& [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n"
      "kill -$2 $pid; wait $pid; echo \"status $?\"\n"
      "lock=$(cat \"$KV_TEST_DIR/inhibit.pid\"); encoder=$(cat \"$KV_TEST_DIR/encoder.pid\")\n"
      "i=0; while { kill -0 $lock || kill -0 $encoder; } 2>/dev/null && [ $i -lt 600 ]; do sleep 0.1; "
      "i=$((i+1)); done\n"
      "kill -0 $lock 2>/dev/null && echo 'lock left'\n"
      "kill -0 $encoder 2>/dev/null && echo 'encoder left'\n"
      "kill -9 $(pgrep -P $lock) $lock $encoder 2>/dev/null\n"
      "exit 0\n";
  const std::pair<const char*, const char*> cases[] = {{"KILL", "status 137\n"},
                                                       {"TERM", "status 143\n"}};
  for (const auto& [sig, status] : cases) {
    SCOPED_TRACE(sig);
    for (const char* f : {"inhibit.pid", "encoder.pid"}) fs::remove(dir / f);
    fs::remove_all(dir / "out");
    TRunResult r = RunProgram("/bin/sh", {"-c", script, program.Cli(), ClipPath(TClip::AudioOnly), sig},
                              {"KV_TEST_DIR=" + dir.Path(),
                               "PATH=" + dir / "bin" + ":" + std::getenv("PATH")});
    EXPECT_EQ(r.Out, status) << ReadFileText(dir / "log");
    EXPECT_FALSE(fs::exists(dir / "out/clip audio.mp3"));
  }
}

// A failed file's reason says what happened to it, on the failure line and
// in the JSON file event: an encoder killed from outside, an output folder
// removed under the batch.
TEST(CliBatch, FailureReasonsSayWhatHappened) {
  TFakeProgram program;
  TTempDir dir;
  struct TCase {
    const char* Name;
    std::string Reason;
  } cases[] = {
      {"e killed.avi", "the encoder was stopped from outside (killed by signal 9, SIGKILL)"},
      {"f rmout.avi",
       "the output folder \"" + dir / "out-f rmout.avi" + "\" was removed during the conversion"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    fs::copy_file(ClipPath(TClip::Video43), dir / c.Name);
    TRunResult r = RunProgram(program.Cli(), {"convert", "-t", "avi", "-p", "Standard", "-o",
                                              dir / ("out-" + std::string(c.Name)),
                                              "--progress=json", "--", dir / c.Name});
    EXPECT_EQ(r.ExitCode, 1) << r.Err;
    EXPECT_NE(r.Err.find("Error: " + c.Reason + "\n"), std::string::npos) << r.Err;
    std::string reason;
    for (const std::string& line : Lines(r.Out)) {
      const json event = json::parse(line);
      if (event["event"] == "file" && event["state"] == "failed") reason = event["reason"];
    }
    EXPECT_EQ(reason, c.Reason) << r.Out;
  }
}

// Every line is one JSON object; together they tell the whole batch, in
// order, each failed file with its reason (a file whose encoder failed
// without a word too), and names that are no UTF-8.
TEST(CliBatch, JsonLinesFollowABatchWithAFailedFile) {
  TFakeProgram program;
  TTempDir dir;
  const std::vector<std::string> names = {"a.avi", "b fail.avi", "c \"quoted\".avi", "d mute.avi"};
  for (const std::string& n : names) fs::copy_file(ClipPath(TClip::Video43), dir / n);
  fs::copy_file(ClipPath(TClip::Video43), dir / "caf\xE9.avi");
  std::vector<std::string> args = {
      "convert", "-t", "avi", "-p", "Standard", "-o", dir / "out", "--progress=json", "--"};
  for (const std::string& n : names) args.push_back(dir / n);
  args.push_back(dir / "missing.avi");
  args.push_back(dir / "caf\xE9.avi");
  TRunResult r = RunProgram(program.Cli(), args);
  EXPECT_EQ(r.ExitCode, 1) << r.Err;

  std::vector<json> events;
  for (const std::string& line : Lines(r.Out)) {
    SCOPED_TRACE(line);
    ASSERT_NO_THROW(events.push_back(json::parse(line)));
    ASSERT_TRUE(events.back().is_object());
  }
  ASSERT_GE(events.size(), 3u) << r.Out;

  // Inputs that were not added come first, each with its reason.
  size_t i = 0;
  std::vector<std::string> skipped;
  for (; events[i]["event"] == "skipped"; ++i) {
    EXPECT_FALSE(events[i]["reason"].get<std::string>().empty());
    skipped.push_back(events[i]["input"]);
  }
  EXPECT_NE(std::find(skipped.begin(), skipped.end(), dir / "missing.avi"), skipped.end());
  const std::string latin1 = dir / "caf\xEF\xBF\xBD.avi";  // U+FFFD for the byte E9
  const bool latin1Skipped = std::find(skipped.begin(), skipped.end(), latin1) != skipped.end();
  const int count = latin1Skipped ? 4 : 5;

  ASSERT_EQ(events[i]["event"], "start");
  EXPECT_EQ(events[i]["target"], "AVI");
  EXPECT_EQ(events[i]["output"], dir / "out");
  EXPECT_EQ(events[i]["count"], count);
  ++i;
  std::vector<std::string> inputs;
  for (int index = 1; index <= count; ++index) {
    SCOPED_TRACE(index);
    ASSERT_LT(i, events.size());
    const json& started = events[i++];
    EXPECT_EQ(started["event"], "file");
    EXPECT_EQ(started["state"], "converting");
    EXPECT_EQ(started["index"], index);
    EXPECT_EQ(started["count"], count);
    const std::string input = started["input"];
    inputs.push_back(input);
    int lastBatch = 0;
    for (; i < events.size() && events[i]["event"] == "progress"; ++i) {
      const json& p = events[i];
      EXPECT_EQ(p["index"], index);
      EXPECT_EQ(p["name"], fs::path(input).filename().string());
      if (!p["file_percent"].is_null()) {
        EXPECT_GE(p["file_percent"].get<int>(), 0);
        EXPECT_LE(p["file_percent"].get<int>(), 100);
      }
      EXPECT_GE(p["batch_percent"].get<int>(), lastBatch);
      lastBatch = p["batch_percent"];
      EXPECT_GE(p["elapsed"].get<int>(), 0);
      EXPECT_TRUE(p["remaining"].is_null() || p["remaining"].get<int>() >= 0);
    }
    ASSERT_LT(i, events.size());
    const json& ended = events[i++];
    EXPECT_EQ(ended["event"], "file");
    EXPECT_EQ(ended["index"], index);
    EXPECT_EQ(ended["input"], input);
    if (input.find("fail") != std::string::npos) {
      EXPECT_EQ(ended["state"], "failed");
      EXPECT_EQ(ended["reason"], "Error: cannot convert '" + input + "'");
    } else if (input.find("mute") != std::string::npos) {
      EXPECT_EQ(ended["state"], "failed");
      EXPECT_EQ(ended["reason"], "the encoder ended with exit status 3");
    } else {
      EXPECT_EQ(ended["state"], "done");
      EXPECT_FALSE(ended.contains("reason"));
    }
  }
  std::vector<std::string> expected;
  for (const std::string& n : names) expected.push_back(dir / n);
  if (!latin1Skipped) expected.push_back(latin1);
  EXPECT_EQ(inputs, expected);

  ASSERT_EQ(i + 1, events.size()) << r.Out;
  EXPECT_EQ(events[i]["event"], "end");
  EXPECT_EQ(events[i]["converted"], count - 2);
  EXPECT_EQ(events[i]["failed"], 2);
  EXPECT_EQ(events[i]["skipped"], latin1Skipped ? 2 : 1);
  EXPECT_EQ(events[i]["not_run"], 0);
  EXPECT_EQ(events[i]["stopped"], false);
  // The people's lines stay on standard error.
  EXPECT_NE(r.Err.find("missing.avi: no such file"), std::string::npos) << r.Err;
  EXPECT_EQ(r.Err.find("[1/"), std::string::npos) << r.Err;
}
