// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped profile and every item of every shipped device preset,
// converted by kinovert-cli with the real encoder; each output must decode
// and carry the codecs its options name.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "E2eSupport.h"
#include "FakeProgram.h"
#include "base/IniFile.h"
#include "app/GlobalVars.h"
#include "base/FileNames.h"
#include "base/Utf8.h"
#include "store/DevicePresets.h"

namespace fs = std::filesystem;

namespace {

const std::string Cli = KINOVERT_PROGRAM_DIR "/kinovert-cli";
const fs::path Tree = fs::path(KINOVERT_PROGRAM_DIR) / "profile_en";

std::string OptionValue(const std::string& options, const std::string& option) {
  std::istringstream in(options);
  std::string word;
  while (in >> word)
    if (word == option && in >> word) return word;
  return {};
}

// The codec FFmpeg reports for a codec the options name.
std::string ExpectedVideo(const std::string& options) {
  std::string codec = OptionValue(options, "-vcodec");
  std::string target = OptionValue(options, "-target");
  if (codec.empty() && !target.empty())
    return target.find("-vcd") != std::string::npos && target.find("svcd") == std::string::npos
               ? "mpeg1video"
               : "mpeg2video";
  if (codec == "xvid") return "mpeg4";
  if (codec == "flv") return "flv1";
  if (codec == "msmpeg4") {
    std::string f = OptionValue(options, "-f");
    return f == "avi" || f == "asf" || f.empty() ? "msmpeg4v3" : "mpeg4";
  }
  return codec;
}

std::string ExpectedAudio(const std::string& options) { return OptionValue(options, "-acodec"); }

struct TCase {
  std::string Name;
  std::vector<std::string> Args;  // the choice part of the convert command
  std::string Options;            // what the encoder is told
};

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (int format = 0; format < kOutputFormatCount; ++format) {
    if (format == ofMP4 || format == of3GP) continue;
    std::string target(OutputFormatNames[static_cast<size_t>(format)]);
    for (auto& e : fs::directory_iterator(Tree / std::string(FormatFolderName(format)))) {
      std::string name = e.path().stem().string();
      TRunResult r = RunProgram(Cli, {"options", "--target", target, e.path().string()});
      cases.push_back({target + " " + name, {"--target", target, "--profile", name}, r.Out});
    }
  }
  TDevicePresets presets;
  LoadDevicePresets((Tree / "default_setting").string(), presets);
  auto add = [&](const std::vector<TProfileItem>& group, const std::string& target) {
    for (const TProfileItem& p : group)
      for (const TProfileDetailItem& item : PresetItems(p.FileName))
        cases.push_back({p.Title + " " + item.Title,
                         {"--target", target, "--device", p.FileName, "--item", item.Section},
                         PresetCommands(p.FileName, item.Section).at(0)});
  };
  add(presets.Tgp, "3GP");
  add(presets.IPod, "MP4");
  add(presets.Psp, "MP4");
  return cases;
}

}  // namespace

TEST(BatchConvert, EveryShippedProfileAndDevicePreset) {
  std::vector<TCase> cases = Cases();
  ASSERT_GE(cases.size(), 14u * 2u + 14u);
  const std::string& clip = ClipPath(TClip::Video43);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name + ": " + c.Options);
    TTempDir out;
    std::vector<std::string> args = {"convert"};
    args.insert(args.end(), c.Args.begin(), c.Args.end());
    args.insert(args.end(), {"--output", out.Path(), "--", clip});
    TRunResult r = RunProgram(Cli, args);
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    std::vector<fs::path> outputs;
    for (auto& e : fs::directory_iterator(out.Path())) outputs.push_back(e.path());
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(DecodeErrors(outputs[0].string()), "");
    TProbe probe = Probe(outputs[0].string());
    ASSERT_TRUE(probe.Ok);
    if (c.Options.find(" -vn ") != std::string::npos) {
      EXPECT_EQ(probe.First("video"), nullptr);
    } else {
      const TProbeStream* v = probe.First("video");
      ASSERT_NE(v, nullptr);
      EXPECT_EQ(v->Codec, ExpectedVideo(c.Options));
      // The H.264 devices play Baseline (iPod) or Main (PSP) up to level 3.0.
      const std::string container = OptionValue(c.Options, "-f");
      if (v->Codec == "h264" && (container == "ipod" || container == "psp")) {
        const bool baseline = v->Profile == "Baseline" || v->Profile == "Constrained Baseline";
        EXPECT_TRUE(baseline || (container == "psp" && v->Profile == "Main")) << v->Profile;
        EXPECT_GT(v->Level, 0);
        EXPECT_LE(v->Level, 30);
      }
    }
    std::string audio = ExpectedAudio(c.Options);
    if (!audio.empty()) {
      const TProbeStream* a = probe.First("audio");
      ASSERT_NE(a, nullptr);
      EXPECT_EQ(a->Codec, audio);
    }
  }
}

// Missing files, folders, unknown types, files without a size and damaged
// files of a listed type (random bytes, an MP4 cut off before its index)
// are skipped, each with its reason, before the batch starts.
TEST(BatchConvert, MissingUnknownEmptyAndDamagedInputs) {
  TTempDir dir;
  WriteFileText(dir / "notes.txt", "not media");
  WriteFileText(dir / "empty.avi", "");
  WriteFileText(dir / "broken.avi", std::string(4096, 'x'));
  const std::string whole = ReadFileText(ClipOnce("whole.mp4", {"-f", "lavfi", "-i",
                                                              "testsrc=size=176x144:rate=25:duration=2",
                                                              "-c:v", "mpeg4"}));
  WriteFileText(dir / "cut.mp4", whole.substr(0, whole.size() / 2));
  fs::create_directory(dir / "folder.avi");
  TRunResult r = RunProgram(
      Cli, {"convert", "--target", "mp3", "--profile", "Standard", "--output", dir / "out", "--",
            dir / "missing.avi", dir / "notes.txt", dir / "empty.avi", dir / "broken.avi",
            dir / "cut.mp4", dir / "folder.avi", ClipPath(TClip::AudioOnly)});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  EXPECT_NE(r.Err.find("missing.avi: no such file, skipped\n"), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("folder.avi: is a folder, skipped\n"), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("notes.txt: not a known input type"), std::string::npos) << r.Err;
  // The text table's line breaks are the terminal's.
  EXPECT_NE(r.Err.find("Error: An error occurred while adding a file:\n\nThe file \"" +
                       dir / "empty.avi" + "\" is damaged or the format is not supported.\n"),
            std::string::npos)
      << r.Err;
  EXPECT_EQ(r.Err.find('\r'), std::string::npos) << r.Err;
  for (const char* damaged : {"broken.avi", "cut.mp4"})
    EXPECT_NE(r.Err.find("The file \"" + dir / damaged + "\" is damaged or the format is not supported."),
              std::string::npos)
        << r.Err;
  EXPECT_NE(r.Err.find("Converted 1 of 7 files: 0 failed, 6 skipped."), std::string::npos) << r.Err;
  size_t outputs = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir / "out")) ++outputs;
  EXPECT_EQ(outputs, 1u);
}

// The bytes of a name that is not UTF-8 are what is read, written and
// deleted; the lines on the terminal show them as replacement characters.
TEST(BatchConvert, NameThatIsNotUtf8) {
  TTempDir dir;
  const std::string input = dir / "caf\xE9.avi";
  fs::copy_file(ClipPath(TClip::Video43), input);
  TRunResult r = RunProgram(Cli, {"convert", "--target", "avi", "--profile", "Standard", "--output",
                                  dir / "out", "--delete-source", "--", input,
                                  dir / "gon\xE9.avi"});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;  // one file skipped
  EXPECT_NE(r.Err.find("[1/1] " + dir / "caf\uFFFD.avi -> " + dir / "out/caf\uFFFD.avi\n"),
            std::string::npos)
      << r.Err;
  EXPECT_NE(r.Err.find("gon\uFFFD.avi: no such file"), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("Converted 1 of 2 files: 0 failed, 1 skipped."), std::string::npos) << r.Err;
  EXPECT_TRUE(IsValidUtf8(r.Err)) << r.Err;
  const std::string output = dir / "out/caf\xE9.avi";
  ASSERT_TRUE(FileExists(output));
  EXPECT_EQ(DecodeErrors(output), "");
  EXPECT_NE(Probe(output).First("video"), nullptr);
  EXPECT_FALSE(PathExists(input));  // the source itself was deleted
}

TEST(BatchConvert, UsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"convert", "--target", "avi", "--output", "/tmp", "x.avi"},
      {"convert", "--target", "avi", "--profile", "No such profile", "--output", "/tmp", "x.avi"},
      {"convert", "--target", "3gp", "--profile", "Standard", "--output", "/tmp", "x.avi"},
      {"convert", "--target", "avi", "--profile", "Standard", "x.avi"},
      {"convert", "--target", "avi", "--profile", "Standard", "--output", "/tmp"},
      {"convert", "--target", "avi", "--profile", "Standard", "--priority", "7", "--output", "/tmp",
       "x.avi"},
  };
  for (const auto& args : cases) {
    TRunResult r = RunProgram(Cli, args);
    EXPECT_EQ(r.ExitCode, 2) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
}

// Ctrl-C, a closed terminal or a dropped login stop at once: the encoder
// goes, and so do its partial output and the batch's temporary files.
TEST(BatchConvert, InterruptAndHangUpStopNow) {
  TTempDir dir;
  std::string clip = dir / "long.avi";
  ASSERT_EQ(RunProgram("/usr/bin/ffmpeg", {"-v", "error", "-f", "lavfi", "-i",
                                           "testsrc=size=640x480:rate=25:duration=120", "-c:v",
                                           "mpeg4", clip})
                .ExitCode,
            0);
  // Once it has cleaned up, the program ends by the signal itself: a shell
  // loop or xargs stops too.
  const std::pair<const char*, const char*> signals[] = {
      {"INT", "130\n"}, {"HUP", "129\n"}, {"QUIT", "131\n"}, {"TERM", "143\n"}};
  for (const auto& [sig, status] : signals) {
    SCOPED_TRACE(sig);
    TTempDir runtime;  // where the batch keeps its private folder
    std::string out = dir / (std::string("out-") + sig);
    std::string script =
        "\"$0\" convert --target avi --profile Standard --output \"$1\" --progress=json -- \"$2\" "
        "2>\"$1.log\" >\"$1.json\" &\n"
        "pid=$!\n"
        "i=0; while [ ! -s \"$1/long.kinovert-part.avi\" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n"
        "kill -$3 $pid; wait $pid; echo $?\n";
    TRunResult r = RunProgram("/bin/sh", {"-c", script, Cli, out, clip, sig},
                              {"XDG_RUNTIME_DIR=" + runtime.Path()});
    std::string log = ReadFileText(out + ".log");
    EXPECT_EQ(r.Out, status) << log;
    EXPECT_NE(log.find("stopping now"), std::string::npos) << log;
    EXPECT_NE(log.find("Converted 0 of 1 files"), std::string::npos) << log;
    // The machine's account of the end agrees with the person's.
    const std::string json = ReadFileText(out + ".json");
    EXPECT_NE(json.find(R"("skipped":0,"not_run":1,"stopped":true)"), std::string::npos) << json;
    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_TRUE(fs::is_empty(runtime.Path()));
    TRunResult ps = RunProgram("/usr/bin/pgrep", {"-f", out});
    EXPECT_EQ(ps.Out, "");
  }
}

// Killed outright mid-file (kill -9, a crash): the encoder sees its parent
// go, stops, and takes its unfinished part file with it; nothing stands
// under the output's name, the source stays, and no process is left.
TEST(BatchConvert, KilledOutrightLeavesNothingBehind) {
  TTempDir dir;
  const std::string clip = dir / "long.avi";
  fs::copy_file(ClipOnce("two minutes.avi", {"-f", "lavfi", "-i", "testsrc=size=640x480:rate=25:duration=120",
                                             "-c:v", "mpeg4"}),
                clip);
  const std::string script =
      "\"$0\" convert --target avi --profile Standard --delete-source --output \"$1/out\" -- \"$2\" "
      "2>\"$1/log\" &\n"
      "pid=$!\n"
      "i=0; while [ ! -s \"$1/out/long.kinovert-part.avi\" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n"
      "kill -9 $pid; wait $pid; echo \"status $?\"\n"
      "i=0; while { [ -e \"$1/out/long.kinovert-part.avi\" ] || pgrep -f \"$1/out/\" >/dev/null; } && "
      "[ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n"
      "pgrep -fa \"$1/out/\"\n"
      "exit 0\n";
  TRunResult r = RunProgram("/bin/sh", {"-c", script, Cli, dir.Path(), clip});
  EXPECT_EQ(r.Out, "status 137\n") << ReadFileText(dir / "log");
  EXPECT_TRUE(fs::is_empty(dir / "out"));
  EXPECT_TRUE(FileExists(clip));
}

// Each batch has temporary files of its own: two at once never run each
// other's commands, and neither writes into the program folder.
TEST(BatchConvert, TwoDeviceBatchesAtOnce) {
  TTempDir dir;
  std::string preset = (Tree / "default_setting").string();
  TDevicePresets presets;
  LoadDevicePresets(preset, presets);
  ASSERT_FALSE(presets.IPod.empty());
  std::string script =
      "for n in 1 2; do \"$0\" convert --target mp4 --device \"$1\" --item Item1 --output \"$2$n\" "
      "-- \"$3\" 2>\"$2$n.log\" & done\n"
      "s=0; for p in $(jobs -p); do wait $p || s=1; done; echo $s\n";
  TRunResult r = RunProgram("/bin/sh", {"-c", script, Cli, presets.IPod[0].FileName, dir / "out",
                                        ClipPath(TClip::Video43)});
  EXPECT_EQ(r.Out, "0\n") << ReadFileText(dir / "out1.log") << ReadFileText(dir / "out2.log");
  for (const char* n : {"1", "2"}) {
    std::vector<fs::path> outputs;
    for (auto& e : fs::directory_iterator(dir / (std::string("out") + n))) outputs.push_back(e.path());
    ASSERT_EQ(outputs.size(), 1u) << n;
    EXPECT_EQ(DecodeErrors(outputs[0].string()), "") << n;
  }
  EXPECT_FALSE(FileExists(KINOVERT_PROGRAM_DIR "/~ConvertCore.sh"));
  EXPECT_FALSE(FileExists(KINOVERT_PROGRAM_DIR "/DirectShow.avs"));
}

// A program folder given relative to where the user stands still works once
// the encoder runs in a folder of its own.
TEST(BatchConvert, RelativeHomeWithADevicePreset) {
  TTempDir dir;
  fs::path program = fs::path(KINOVERT_PROGRAM_DIR).lexically_normal();
  if (program.filename().empty()) program = program.parent_path();
  std::string script =
      "cd \"$1\" && \"$0\" --home \"$2\" convert --target 3gp --device 3gpp_h263_amr.ini --item Item1 "
      "--output \"$3\" -- \"$4\"";
  TRunResult r = RunProgram("/bin/sh", {"-c", script, Cli, program.parent_path().string(),
                                        program.filename().string(), dir / "out", ClipPath(TClip::Video43)});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  std::vector<fs::path> outputs;
  for (auto& e : fs::directory_iterator(dir / "out")) outputs.push_back(e.path());
  ASSERT_EQ(outputs.size(), 1u);
  EXPECT_EQ(DecodeErrors(outputs[0].string()), "");
}

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\n' || c == '\r') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(BatchConvert, PlainLinesNameEachFileOnce) {
  TFakeProgram program;
  TTempDir dir;
  for (const char* n : {"a.avi", "b fail.avi", "c.avi"}) fs::copy_file(ClipPath(TClip::Video43), dir / n);
  TRunResult r = RunProgram(program.Cli(), {"convert", "--target", "avi", "--profile", "Standard",
                                            "--output", dir / "out", "--", dir / "a.avi",
                                            dir / "b fail.avi", dir / "c.avi"});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  const std::vector<std::string> expected = {
      "[1/3] " + dir / "a.avi" + " -> " + dir / "out/a.avi",
      "[1/3] done",
      "[2/3] " + dir / "b fail.avi" + " -> " + dir / "out/b fail.avi",
      "Error: cannot convert '" + dir / "b fail.avi" + "'",
      "[2/3] failed",
      "[3/3] " + dir / "c.avi" + " -> " + dir / "out/c.avi",
      "[3/3] done",
      "Converted 2 of 3 files: 1 failed, 0 skipped.",
  };
  EXPECT_EQ(Lines(r.Err), expected) << r.Err;
}

// The control characters of a name never reach the terminal, whether in the
// program's own lines or in a message that names the file; a line break in a
// name does not break its line.
TEST(BatchConvert, PlainLinesShowControlCharactersReplaced) {
  TFakeProgram program;
  TTempDir dir;
  const std::string good = "a\x1b[2Jb\x07g\td\ne.avi",
                    goodShown = "a\uFFFD[2Jb\uFFFDg\uFFFDd\uFFFDe.avi";
  const std::string bad = "x\x1b]0;title\x07 fail.avi", badShown = "x\uFFFD]0;title\uFFFD fail.avi";
  const std::string gone = "g\x1b[31mone.avi", goneShown = "g\uFFFD[31mone.avi";
  for (const std::string& n : {good, bad}) fs::copy_file(ClipPath(TClip::Video43), dir / n);
  TRunResult r =
      RunProgram(program.Cli(), {"convert", "--target", "avi", "--profile", "Standard", "--output",
                                 dir / "out", "--", dir / good, dir / bad, dir / gone});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  const std::vector<std::string> expected = {
      "kinovert-cli: " + dir / goneShown + ": no such file, skipped",
      "[1/2] " + dir / goodShown + " -> " + dir / ("out/" + goodShown),
      "[1/2] done",
      "[2/2] " + dir / badShown + " -> " + dir / ("out/" + badShown),
      "Error: cannot convert '" + dir / badShown + "'",
      "[2/2] failed",
      "Converted 1 of 3 files: 1 failed, 1 skipped.",
  };
  EXPECT_EQ(Lines(r.Err), expected) << r.Err;
  EXPECT_EQ(r.Err.find_first_of("\x1b\x07\t\r"), std::string::npos) << r.Err;
  EXPECT_TRUE(FileExists(dir / ("out/" + good)));  // the bytes themselves name the output
}

// The line is one column short of the terminal, counted as the terminal
// draws: a wide character takes two. A name's control characters never
// reach the terminal.
TEST(BatchConvert, TerminalLineFitsTheWidthAndShowsTheLatestFigures) {
  struct TCase {
    std::string Name;
    size_t Columns;
    std::string LastFigures;  // as the last redraw shows them
  };
  const TCase cases[] = {
      {"a clip with a very long name that would never fit a narrow terminal.avi", 70,
       "file 100%  batch 100%  remaining"},
      {"\u3068\u3066\u3082\u9577\u3044\u540D\u524D\u306E\u52D5\u753B\u30D5\u30A1\u30A4"
       "\u30EB\u3067\u3059\u65E5\u672C\u8A9E\u306E\u30C6\u30B9\u30C8.avi",
       40, " 100% 100%"},
      {"a clip\x1b[2J that clears\x07 the screen and rings the bell on the way.avi", 70,
       "file 100%  batch 100%  remaining"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Columns);
    TFakeProgram program;
    TTempDir dir;
    fs::copy_file(ClipPath(TClip::Video43), dir / c.Name);
    WriteFileText(dir / "run.sh", "stty cols " + std::to_string(c.Columns) +
                                      "; exec \"$CLI\" convert --target avi --profile Standard "
                                      "--output \"$OUT\" -- \"$IN\"\n");
    // script(1) gives the program a terminal of its own.
    TRunResult r =
        RunProgram("/usr/bin/script", {"-q", "-e", "-c", "sh " + dir / "run.sh", "/dev/null"},
                   {"CLI=" + program.Cli(), "OUT=" + dir / "out", "IN=" + dir / c.Name,
                    "TERM=xterm", "NO_COLOR="});
    EXPECT_EQ(r.ExitCode, 0) << r.Out;
    EXPECT_EQ(r.Out.find_first_of("\x07"), std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.find("\x1b[2J"), std::string::npos) << r.Out;
    std::string last;
    for (std::string line : Lines(r.Out)) {
      if (line.rfind("\033[K", 0) == 0) line.erase(0, 3);
      if (line.rfind("[1/1]", 0) != 0) continue;  // the summary may wrap like any message
      EXPECT_LE(TextColumns(line), c.Columns - 1) << line;
      last = line;
      // One file: the batch figure is the file figure on every redraw, never
      // the one of the update before.
      size_t f = line.find("file "), b = line.find("batch ");
      if (f != std::string::npos && b != std::string::npos && line.compare(f + 5, 3, " --") != 0) {
        EXPECT_EQ(std::stoi(line.substr(f + 5)), std::stoi(line.substr(b + 6))) << line;
      }
    }
    // The last redraw shows the finished file and batch, not an older figure,
    // and the name cut in its middle.
    EXPECT_NE(last.find(c.LastFigures), std::string::npos) << r.Out;
    EXPECT_NE(last.find("\u2026"), std::string::npos) << last;
  }
}

// A terminal that cannot move its cursor, or a user who wants no effects,
// gets the plain lines on the terminal too: no control sequence at all.
TEST(BatchConvert, DumbTerminalOrNoColorGetsPlainLines) {
  const std::vector<std::string> cases[] = {{"TERM=dumb", "NO_COLOR="},
                                            {"TERM=xterm", "NO_COLOR=1"}};
  for (const std::vector<std::string>& env : cases) {
    SCOPED_TRACE(env[0] + " " + env[1]);
    TFakeProgram program;
    TTempDir dir;
    fs::copy_file(ClipPath(TClip::Video43), dir / "a.avi");
    std::vector<std::string> all = env;
    for (std::string v : {"CLI=" + program.Cli(), "OUT=" + dir / "out", "IN=" + dir / "a.avi"})
      all.push_back(v);
    // script(1) gives the program a terminal of its own.
    TRunResult r = RunProgram(
        "/usr/bin/script",
        {"-q", "-e", "-c",
         "exec \"$CLI\" convert --target avi --profile Standard --output \"$OUT\" -- \"$IN\"",
         "/dev/null"},
        all);
    EXPECT_EQ(r.ExitCode, 0) << r.Out;
    // The terminal ends each line with CR LF; any other CR redraws.
    std::string text;
    for (size_t i = 0; i < r.Out.size(); ++i)
      if (r.Out.compare(i, 2, "\r\n") != 0) text += r.Out[i];
    EXPECT_EQ(text.find_first_of("\x1b\r\x07"), std::string::npos) << r.Out;
    const std::vector<std::string> expected = {
        "[1/1] " + dir / "a.avi" + " -> " + dir / "out/a.avi", "[1/1] done",
        "Converted 1 of 1 files: 0 failed, 0 skipped."};
    EXPECT_EQ(Lines(text), expected) << r.Out;
  }
}

// The profile is found as the profile box lists it: by its exact name, with
// the extension in any letter case.
TEST(BatchConvert, ProfileByItsListedName) {
  TTempDir home;
  fs::path program(KINOVERT_PROGRAM_DIR);
  fs::create_symlink(program / "avcore", home / "avcore");
  fs::create_directory_symlink(program / "skin", home / "skin");
  fs::create_directories(home / "profile_en/mp3");
  fs::copy_file(Tree / "mp3/Standard.mpo", home / "profile_en/mp3/Quiet.MPO");
  struct TCase {
    const char* Profile;
    int ExitCode;
  } cases[] = {{"Quiet", 0}, {"quiet", 2}, {"Quiet.MPO", 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Profile);
    TRunResult r = RunProgram(Cli, {"--home", home.Path(), "convert", "--target", "mp3", "--profile",
                                    c.Profile, "--output", home / "out", "--",
                                    ClipPath(TClip::AudioOnly)});
    EXPECT_EQ(r.ExitCode, c.ExitCode) << r.Err;
  }
  std::string stem = fs::path(ClipPath(TClip::AudioOnly)).stem().string();
  EXPECT_TRUE(fs::is_regular_file(home / "out/" + stem + ".mp3"));
}

// --delete-source takes a source only when its output really holds media: a
// profile whose start lies past the clip's end leaves nothing encoded, so the
// source stays (and no empty output is left), while a good file's goes.
namespace {

// A program folder of its own with the given shipped profiles ("mp3/Standard.mpo").
void MakeHome(const fs::path& home, const std::vector<std::string>& profiles) {
  fs::path program(KINOVERT_PROGRAM_DIR);
  fs::create_symlink(program / "avcore", home / "avcore");
  fs::create_directory_symlink(program / "skin", home / "skin");
  for (const std::string& p : profiles) {
    fs::create_directories((home / "profile_en" / p).parent_path());
    fs::copy_file(Tree / p, home / "profile_en" / p);
  }
}

}  // namespace

// A start past the end converts nothing; the source must stay. AMR-NB
// writes a frame of nothing all the same.
TEST(BatchConvert, DeleteSourceOnlyAfterRealOutput) {
  TTempDir home;
  struct TCase {
    std::string Target, Shipped, Extension;
  } cases[] = {
      {"mp3", "mp3/Standard.mpo", ".mp3"},
      {"amr", "amr/AMR-NB narrow-band.amo", ".amr"},
  };
  for (const TCase& c : cases) {
    const fs::path program = home / c.Target, shipped = c.Shipped;
    fs::create_directory(program);
    MakeHome(program, {c.Shipped});
    std::string late = ReadFileText(Tree / shipped);
    late.replace(late.find("EnableTimeControl=0"), 19, "EnableTimeControl=1");
    late.replace(late.find("StartTime=0:00:00.000"), 21, "StartTime=0:01:00.000");
    WriteFileText(
        program / "profile_en" / shipped.parent_path() / ("Late" + shipped.extension().string()),
        late);
    for (const std::string& profile : {std::string("Late"), shipped.stem().string()}) {
      SCOPED_TRACE(c.Target + " " + profile);
      const std::string source = home / (c.Target + " " + profile + " source.wav");
      fs::copy_file(ClipPath(TClip::AudioOnly), source);
      const std::string output =
          home / ("out/" + c.Target + " " + profile + " source" + c.Extension);
      TRunResult r =
          RunProgram(Cli, {"--home", home / c.Target, "convert", "--target", c.Target, "--profile",
                           profile, "--delete-source", "--output", home / "out", "--", source});
      const bool good = profile != "Late";
      EXPECT_EQ(r.ExitCode, good ? 0 : 1) << r.Err;
      EXPECT_EQ(fs::exists(source), !good);
      EXPECT_EQ(fs::exists(output), good);
    }
  }
}

// A source cut off as by a copy still running: its header states 10 s, the
// encoder finds about 4 s. The output is kept with a warning that names the
// shortfall, and the source is not deleted though deleting was asked.
TEST(BatchConvert, ACutOffSourceIsConvertedButKept) {
  TTempDir dir;
  const std::string whole =
      ReadFileText(ClipOnce("ten seconds.avi", {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=10",
                                                "-f", "lavfi", "-i", "sine=duration=10", "-c:v", "mpeg4",
                                                "-c:a", "mp3"}));
  const std::string source = dir / "copying.avi";
  WriteFileText(source, whole.substr(0, whole.size() * 4 / 10));
  TRunResult r = RunProgram(Cli, {"convert", "--target", "mp3", "--profile", "Standard",
                                  "--delete-source", "--output", dir / "out", "--", source});
  EXPECT_EQ(r.ExitCode, 1) << r.Err;
  EXPECT_NE(r.Err.find("kinovert-cli: warning: The file \"" + source +
                       "\" has been converted, but the output lasts only 0:00:0"),
            std::string::npos)
      << r.Err;
  EXPECT_NE(r.Err.find(" of the 0:00:10."), std::string::npos) << r.Err;
  EXPECT_NE(r.Err.find("The source has not been deleted."), std::string::npos) << r.Err;
  EXPECT_TRUE(FileExists(source));
  EXPECT_GT(Probe(dir / "out/copying.mp3").Duration, 2.0);
}

// Through the DirectShow script, a name holding a quote must name that file,
// not the file its first part names; that one was converted once instead,
// and the real source deleted.
TEST(BatchConvert, DirectShowNameWithAQuote) {
  TTempDir home;
  MakeHome(home.Path(), {"mp3/Standard.mpo"});
  fs::copy_file(Tree / "DirectShow.avs", home / "profile_en/DirectShow.avs");
  WriteFileText(home / "info.ini", "[System]\nUseDirectShow=1\n");
  fs::create_directory(home / "dsq");
  const std::string prefix = home / "dsq/take";
  const std::string source = home / "dsq/take\" final.wav";
  fs::copy_file(ClipPath(TClip::AudioOnly), prefix);
  fs::copy_file(
      ClipOnce("three seconds.wav", {"-f", "lavfi", "-i", "sine=f=500:r=48000:d=3", "-ac", "2"}),
      source);
  const std::string prefixSha = Sha(prefix);
  TRunResult r =
      RunProgram(Cli, {"--home", home.Path(), "convert", "--target", "mp3", "--profile", "Standard",
                       "--delete-source", "--output", home / "out", "--", source});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_NEAR(Probe(home / "out/take\" final.mp3").Duration, 3.0, 0.1);
  EXPECT_FALSE(fs::exists(source));
  EXPECT_EQ(Sha(prefix), prefixSha);
  EXPECT_FALSE(fs::exists(home / "out/take.mp3"));
}
