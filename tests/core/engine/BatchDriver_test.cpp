// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BatchDriver.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "base/Error.h"
#include "base/IniFile.h"
#include "engine/CommandLine.h"
#include "engine/EventLoop.h"
#include "engine/FileFailure.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"
#include "store/ProfileFolders.h"
#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

// Stands in for the encoder: what it does depends on the first word of its
// input file. A script input is copied to the output, so tests can read it.
const char* const FakeEncoder = R"(#!/bin/sh
in="$4"; for a; do out="$a"; done
echo $$ > "$(dirname "$0")/encoder.pid"
echo "$*" >> "$(dirname "$0")/encoder.log"
case "$in" in *early*) echo "Error opening input: no such codec" >&2; exit 1;; esac
echo "Input #0, avi, from '$in':" >&2
case "$in" in *.avs) cat "$in" > "$out"; exit 0;; esac
read mode < "$in"
[ "$mode" = unknown ] || echo "  Duration: 00:00:02.00, start: 0.000000, bitrate: 100 kb/s" >&2
case "$mode" in
  fail) echo "Error while opening encoder for output stream #0:0" >&2; printf partial > "$out";;
  nooutput) ;;
  elsewhere) printf data > "${out%.kinovert-part.*}.m4v";;
  exit3) printf data > "$out"; exit 3;;
  vanish) rm -f "$in"; printf data > "$out";;
  grow) echo more >> "$in"; echo "size=       1kB time=2.00 bitrate=   8.0kbits/s" >&2; printf data > "$out";;
  unknown) echo "  Duration: N/A, start: 0.000000, bitrate: N/A" >&2
     for t in 1.00 3.00; do echo "size=       1kB time=$t bitrate=   8.0kbits/s" >&2; done
     printf data > "$out";;
  empty) : > "$out";;
  sleep) printf partial > "$out"; echo "size=       1kB time=0.50 bitrate=  8.0kbits/s" >&2; exec sleep 30;;
  killed) printf partial > "$out"; echo "    encoder         : Lavc59.37.100 mpeg4" >&2; kill -KILL $$;;
  rmdir) printf partial > "$out"; rm -rf "${out%/*}";;
  slowend) echo "size=       1kB time=1.00 bitrate=   8.0kbits/s" >&2; sleep 1.2; printf data > "$out";;
  *) echo "size=       1kB time=2.00 bitrate=   8.0kbits/s" >&2; printf data > "$out";;
esac
)";

class TTestView final : public TProgressView {
 public:
  TTestView(TEventLoop& loop, std::function<void()> onOutput, class TTestHost* host)
      : Loop_(loop), OnOutput_(onOutput), Host_(host) {}
  ~TTestView() override;
  std::string Caption;
  int BatchPercent = -1;
  std::vector<int> FilePercents, BatchPercents;
  std::vector<std::string> Working;
  // Each remaining time with the elapsed and estimated ones shown with it.
  std::string Elapsed, Estimated;
  std::vector<std::string> Clocks;
  bool Finished = false;
  void SetCaption(const std::string& t) override { Caption = t; }
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string& c) override { Elapsed = c; }
  void ShowFileStatus(const std::string&, int p) override { FilePercents.push_back(p); }
  void ShowFileRemaining(const std::string&) override {}
  void ShowBatchStatus(const std::string&, int p) override {
    BatchPercent = p;
    BatchPercents.push_back(p);
  }
  void ShowBatchEstimated(const std::string& c) override { Estimated = c; }
  void ShowBatchRemaining(const std::string& c) override {
    Clocks.push_back(Elapsed + "+" + c + "=" + Estimated);
  }
  void ShowWorking(const std::string& t) override {
    if (Working.empty() || Working.back() != t) Working.push_back(t);
  }
  void ShowOutput(const std::string&) override {}
  // The animation starts with the encoder's first line.
  bool AnimationRunning() const override { return Animating_; }
  void StartAnimation(const std::string&) override {
    Animating_ = true;
    if (OnOutput_) std::exchange(OnOutput_, nullptr)();
  }
  void SetFinished() override { Finished = true; }
  int RunModal() override {
    EXPECT_TRUE(Loop_.RunUntil([this] { return Result_ != 0; }, std::chrono::seconds(60)));
    return Result_;
  }
  void Close(int r) override { Result_ = r; }

 private:
  TEventLoop& Loop_;
  std::function<void()> OnOutput_;
  class TTestHost* Host_;
  int Result_ = 0;
  bool Animating_ = false;
};

class TTestHost final : public TBatchHost {
 public:
  TEventLoop Loop;
  std::vector<std::pair<std::string, TFileState>> States;
  std::vector<std::string> StartErrors, SourcesKept, Incomplete;
  std::vector<std::string> Reasons;  // "name: reason" of each failed file
  std::vector<TBatchOutcome> Outcomes;
  bool CountdownAnswer = true;
  int Countdowns = 0, Quits = 0;
  std::function<void()> OnFirstOutput;
  TTestView* View = nullptr;
  std::vector<int> FilePercents, BatchPercents;  // of the last batch
  std::vector<std::string> Working, Clocks;      // of the last batch
  void SetFileState(const std::string& p, TFileState s) override {
    if (States.empty() || States.back() != std::make_pair(p, s)) States.emplace_back(p, s);
  }
  void FileFailed(const std::string& p, const std::string& reason) override {
    Reasons.push_back(fs::path(p).filename().string() + ": " + reason);
  }
  void SetTrayHint(const std::string&) override {}
  void BatchEnded(const TBatchOutcome& o) override { Outcomes.push_back(o); }
  std::unique_ptr<TProgressView> CreateProgressView() override {
    auto v = std::make_unique<TTestView>(Loop, OnFirstOutput, this);
    View = v.get();
    return v;
  }
  bool RunCountdown() override {
    ++Countdowns;
    return CountdownAnswer;
  }
  void QuitProgram() override { ++Quits; }
  std::string* PowerLog = nullptr;  // saves go into the power control's log, in order
  void BeforePowerAction() override { *PowerLog += "save;"; }
  void ShowStartError(const std::string& m) override { StartErrors.push_back(m); }
  void ReportSourceKept(const std::string& path, const std::string& reason) override {
    SourcesKept.push_back(path + ": " + reason);
  }
  void ReportIncompleteOutput(const std::string& path, const std::string& text) override {
    Incomplete.push_back(path + ": " + text);
  }
  TMainThread& MainThread() override { return Loop; }
};

TTestView::~TTestView() {
  Host_->FilePercents = FilePercents;
  Host_->BatchPercents = BatchPercents;
  Host_->Working = Working;
  Host_->Clocks = Clocks;
  if (Host_->View == this) Host_->View = nullptr;
}

class TTestPower final : public TPowerControl {
 public:
  std::string Calls;
  int Inhibitors = 0, Released = 0;
  void PowerOff() override { Calls += "poweroff;"; }
  void Reboot() override { Calls += "reboot;"; }
  void Hibernate() override { Calls += "hibernate;"; }
  void Suspend() override { Calls += "suspend;"; }
  void EndSession() override { Calls += "endsession;"; }
  class TLock final : public TInhibitor {
   public:
    explicit TLock(int& released) : Released_(released) {}
    ~TLock() override { ++Released_; }

   private:
    int& Released_;
  };
  std::unique_ptr<TInhibitor> InhibitSleep(const std::string&) override {
    ++Inhibitors;
    return std::make_unique<TLock>(Released);
  }
};

class TAnswers final : public TConsoleDialogProvider {
 public:
  int Answer = IDYES;
  std::vector<std::string> Boxes;
  int MessageBox(const std::string& text, const std::string& caption, int) override {
    Boxes.push_back(caption + "|" + text);
    return Answer;
  }
};

class BatchDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    ResetAllProfileSettings();
    SetProgramFolder(Home.Path());
    Host.PowerLog = &Power.Calls;
    WriteFileText(Home / "avcore", FakeEncoder);
    ::chmod((Home / "avcore").c_str(), 0755);
    GlobalVars.EncoderPath = "avcore";
    GlobalVars.LanguageFile = "english.ini";
    ASSERT_TRUE(CreateProfileFolders());
    DefaultAVISettings();
    SaveAVISettings(ProfileFilePath(ofAVI, "Test"));
    Choice.OutputFolder = Out.Path();
    Choice.ProfileFile = ProfileFilePath(ofAVI, "Test");
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
    ResetAllProfileSettings();
  }

  // An input file whose first line tells the fake encoder what to do.
  TBatchInput Input(const std::string& name, const std::string& mode, const std::string& size = "100",
                    const std::string& playTime = "") {
    std::string path = In / name;
    WriteFileText(path, mode + "\n");
    return {path, size, playTime};
  }

  int Run(const std::vector<TBatchInput>& files) {
    TRedirector runner(Host.Loop);
    TBatchDriver driver(Host, runner, Power);
    Driver = &driver;
    int result = driver.StartBatch(files, Choice);
    CommandLine = driver.LastCommandLine();
    Driver = nullptr;
    return result;
  }

  TTempDir Home, In, Out;
  TTestHost Host;
  TTestPower Power;
  TAnswers Answers;
  TScopedDialogProvider Scope{Answers};
  TBatchChoice Choice;
  TBatchDriver* Driver = nullptr;
  std::string CommandLine;
};

}  // namespace

TEST_F(BatchDriver, ConvertsEveryFileWithUniqueNames) {
  WriteFileText(Out / "clip.avi", "already there");
  auto a = Input("clip.mp4", "ok"), b = Input("second clip.avi", "ok");
  EXPECT_EQ(Run({a, b}), mrOk);
  EXPECT_EQ(ReadFileText(Out / "clip.avi"), "already there");
  EXPECT_EQ(ReadFileText(Out / "clip(1).avi"), "data");
  EXPECT_EQ(ReadFileText(Out / "second clip.avi"), "data");
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  EXPECT_EQ(GlobalVars.FailedCount, 0);
  EXPECT_EQ(CommandLine, Home / "avcore" + " -p 5310746 -i \"" + b.FileName +
                             "\" -y -f avi -vcodec msmpeg4 -b 1080k -acodec mp3 -ac 2 "
                             "-ab 96 -ar 22050  \"" + Out / "second clip.kinovert-part.avi" + "\"");
  ASSERT_EQ(Host.Outcomes.size(), 1u);
  EXPECT_EQ(Host.Outcomes[0], (TBatchOutcome{2, 2, 0, false, {}}));
  EXPECT_EQ(BatchSummaryText(Host.Outcomes[0]), "All files converted (2 of 2).");
  EXPECT_EQ(Host.States.back(), std::make_pair(b.FileName, TFileState::Done));
  EXPECT_EQ(Power.Inhibitors, 1);
  EXPECT_EQ(Power.Released, 1);
  EXPECT_FALSE(FileExists(Home / "DirectShow.avs"));
}

TEST_F(BatchDriver, FailuresAreBookedAndPartialOutputRemoved) {
  GlobalVars.DeleteFileAfterProcessing = true;
  auto ok = Input("ok.avi", "ok"), fail = Input("fail.avi", "fail"),
       missing = Input("missing.avi", "nooutput"), exit3 = Input("exit3.avi", "exit3"),
       empty = Input("empty.avi", "empty");
  GlobalVars.ShutdownWindowsWhenDone = true;
  EXPECT_EQ(Run({ok, fail, missing, exit3, empty}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 1);
  EXPECT_EQ(GlobalVars.FailedCount, 4);
  EXPECT_TRUE(GlobalVars.BatchHadErrors);
  EXPECT_FALSE(FileExists(ok.FileName));  // converted: the source goes
  for (auto& f : {fail, missing, exit3, empty}) {
    EXPECT_TRUE(FileExists(f.FileName)) << f.FileName;
    EXPECT_FALSE(FileExists(Out / fs::path(f.FileName).filename().string())) << f.FileName;
  }
  // Each failure is told with its reason, and no box waits for anyone.
  EXPECT_TRUE(Answers.Boxes.empty());
  const std::vector<std::string> reasons = {
      "fail.avi: Error while opening encoder for output stream #0:0",
      "missing.avi: the encoder wrote no output",
      "exit3.avi: the encoder ended with exit status 3",
      "empty.avi: the encoder wrote no output",
  };
  EXPECT_EQ(Host.Reasons, reasons);
  ASSERT_EQ(Host.Outcomes.size(), 1u);
  EXPECT_EQ(Host.Outcomes[0].Failures,
            (std::vector<std::string>{
                "fail.avi failed: Error while opening encoder for output stream #0:0",
                "missing.avi failed: the encoder wrote no output",
                "exit3.avi failed: the encoder ended with exit status 3",
                "empty.avi failed: the encoder wrote no output"}));
  EXPECT_EQ(BatchSummaryText(Host.Outcomes[0]), "1 of 5 files converted, 4 failed.");
  EXPECT_EQ(Host.Countdowns, 0);
}

// While the encoder writes, nothing stands under the output's name: it is
// written as a part file that gets the name when it is complete. A file
// that takes the name meanwhile is never replaced; the output takes the
// next free name. A stop takes the part file away.
TEST_F(BatchDriver, OutputsGetTheirNameOnlyWhenComplete) {
  struct TCase {
    const char* Mode;
    bool Stop;
    bool UserTakesTheName;
  } cases[] = {{"sleep", true, false}, {"ok", false, false}, {"ok", false, true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mode) + (c.UserTakesTheName ? " taken" : ""));
    for (const auto& e : fs::directory_iterator(Out.Path())) fs::remove(e.path());
    auto a = Input("a.avi", c.Mode);
    bool looked = false;
    Host.OnFirstOutput = [&] {
      looked = true;
      EXPECT_FALSE(FileExists(Out / "a.avi"));
      EXPECT_TRUE(FileExists(Out / "a.kinovert-part.avi"));
      if (c.UserTakesTheName) WriteFileText(Out / "a.avi", "the user's");
      if (c.Stop) Driver->StopNow();
    };
    EXPECT_EQ(Run({a}), c.Stop ? mrCancel : mrOk);
    EXPECT_TRUE(looked);
    EXPECT_FALSE(FileExists(Out / "a.kinovert-part.avi"));
    if (c.Stop) {
      EXPECT_TRUE(fs::is_empty(Out.Path()));
    } else if (c.UserTakesTheName) {
      EXPECT_EQ(ReadFileText(Out / "a.avi"), "the user's");
      EXPECT_EQ(ReadFileText(Out / "a(1).avi"), "data");
      EXPECT_EQ(GlobalVars.CurrentOutputFile, Out / "a(1).avi");
    } else {
      EXPECT_EQ(ReadFileText(Out / "a.avi"), "data");
    }
  }
}

// A source still being copied converts up to where the copy has got: it
// is converted, with a warning that names the shortfall, and never deleted.
// A time window makes a shorter output on purpose: it is measured against it.
TEST_F(BatchDriver, AnIncompleteSourceIsConvertedButNeverDeleted) {
  GlobalVars.DeleteFileAfterProcessing = true;
  struct TCase {
    const char* Mode;
    const char* PlayTime;  // what media information stated when the file was listed
    const char* Window;    // start and length of the profile's time window
    const char* Warning;   // "" when the source is whole and deleted
  } cases[] = {
      {"ok", "00:00:30.000", "", "the output lasts only 0:00:02.000 of the 0:00:30.000 the source states"},
      {"ok", "00:00:03.050", "", "the output lasts only 0:00:02.000 of the 0:00:03.050"},
      {"ok", "00:00:02.900", "", ""},     // within a second
      {"ok", "00:00:02.000", "", ""},
      {"ok", "", "", ""},                 // nothing stated: nothing to compare
      {"ok", "00:00:30.000", "0:00:05.000 0:00:02.000", ""},
      {"ok", "00:00:30.000", "0:00:29.000 0:00:10.000", ""},  // one second left after the start
      {"ok", "00:00:30.000", "0:00:05.000 0:00:10.000", "lasts only 0:00:02.000 of the 0:00:10.000"},
      {"grow", "", "", "changed while it was read"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Mode) + " " + c.PlayTime + " " + c.Window);
    DefaultAVISettings();
    if (*c.Window != '\0') {
      std::string window = c.Window;
      AVISettings.EnableTimeControl = true;
      AVISettings.StartTime = window.substr(0, window.find(' '));
      AVISettings.Duration = window.substr(window.find(' ') + 1);
    }
    SaveAVISettings(ProfileFilePath(ofAVI, "Test"));
    Host.Incomplete.clear();
    auto a = Input("a.avi", c.Mode, "100", c.PlayTime);
    EXPECT_EQ(Run({a}), mrOk);
    EXPECT_EQ(GlobalVars.DoneCount, 1);
    EXPECT_EQ(Host.States.back(), std::make_pair(a.FileName, TFileState::Done));
    EXPECT_EQ(ReadFileText(Out / "a.avi"), "data");
    fs::remove(Out / "a.avi");
    if (*c.Warning == '\0') {
      EXPECT_TRUE(Host.Incomplete.empty()) << Host.Incomplete.front();
      EXPECT_FALSE(FileExists(a.FileName));
      continue;
    }
    EXPECT_TRUE(FileExists(a.FileName));
    ASSERT_EQ(Host.Incomplete.size(), 1u);
    EXPECT_EQ(Host.Incomplete[0].rfind(a.FileName + ": The file \"" + a.FileName + "\" has been converted, but ", 0), 0u)
        << Host.Incomplete[0];
    EXPECT_NE(Host.Incomplete[0].find(c.Warning), std::string::npos) << Host.Incomplete[0];
    EXPECT_NE(Host.Incomplete[0].find(ResStr(MSG_SOURCE_NOT_DELETED)), std::string::npos);
  }
  EXPECT_TRUE(Host.SourcesKept.empty());
}

TEST_F(BatchDriver, StopWhenDoneFinishesTheCurrentFile) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  GlobalVars.ShutdownFlag = 3;
  Host.OnFirstOutput = [this] { Driver->StopWhenDone(); };
  auto a = Input("a.avi", "ok"), b = Input("b.avi", "ok");
  EXPECT_EQ(Run({a, b}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 1);
  EXPECT_TRUE(FileExists(Out / "a.avi"));
  EXPECT_FALSE(FileExists(Out / "b.avi"));
  EXPECT_EQ(Host.Countdowns, 1);
  EXPECT_EQ(Power.Calls, "save;reboot;");
}

TEST_F(BatchDriver, StopNowKillsTheEncoderAndCleansUp) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  GlobalVars.UseDirectShow = false;
  Host.OnFirstOutput = [this] { Driver->StopNow(); };
  auto a = Input("a.avi", "sleep"), b = Input("b.avi", "ok");
  EXPECT_EQ(Run({a, b}), mrCancel);
  pid_t pid = std::stoi(ReadFileText(Home / "encoder.pid"));
  // Give the killed process a moment to be collected by its reader.
  for (int i = 0; i < 200 && ::kill(pid, 0) == 0; ++i) Host.Loop.RunUntil([] { return false; }, std::chrono::milliseconds(10));
  EXPECT_NE(::kill(pid, 0), 0);
  EXPECT_FALSE(FileExists(Out / "a.avi"));
  EXPECT_FALSE(FileExists(Out / "b.avi"));
  EXPECT_FALSE(FileExists(Home / "DirectShow.avs"));
  EXPECT_FALSE(FileExists(Home / "~ConvertCore.sh"));
  EXPECT_TRUE(FileExists(a.FileName));
  // The end says what happened; the stopped file is neither done nor at work.
  ASSERT_EQ(Host.Outcomes.size(), 1u);
  EXPECT_EQ(BatchSummaryText(Host.Outcomes[0]), "Stopped: 0 of 2 files converted.");
  EXPECT_TRUE(Host.Reasons.empty());
  EXPECT_EQ(Host.States.back(), std::make_pair(a.FileName, TFileState::Idle));
  EXPECT_EQ(Host.Countdowns, 0);
}

TEST_F(BatchDriver, SizesOfZeroNeverDivide) {
  auto a = Input("a.avi", "ok", "0"), b = Input("b.avi", "ok", "not a number");
  EXPECT_EQ(Run({a, b}), mrOk);
  EXPECT_EQ(GlobalVars.TotalBytes, 0);
  EXPECT_EQ(GlobalVars.BatchPercent, 0);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
}

TEST_F(BatchDriver, OptionFixesTouchOnlyTheOptions) {
  // Six AC-3 channels with an automatic bitrate get a fixed one; huffYUV
  // gets the strictness it needs. A file name holding " -ac " is left alone.
  DefaultAVISettings();
  AVISettings.AudioCodec = 4;
  AVISettings.AudioChannelsAC3 = 2;
  AVISettings.AudioBitRateUseAutoSetAC3 = true;
  AVISettings.VideoCodec = 7;
  SaveAVISettings(ProfileFilePath(ofAVI, "Test"));
  auto a = Input("x -ac y.avi", "ok");
  Run({a});
  EXPECT_NE(CommandLine.find("\"" + a.FileName + "\""), std::string::npos) << CommandLine;
  EXPECT_NE(CommandLine.find(" -vcodec ffvhuff -strict -2 "), std::string::npos) << CommandLine;
  EXPECT_NE(CommandLine.find(" -acodec ac3 -ab 256 -ac 5:1 -ar 48000 "), std::string::npos)
      << CommandLine;
}

TEST_F(BatchDriver, ScriptRouteForListedExtensions) {
  WriteFileText(Home / "profile_en/DirectShow.avs", "DirectShowSource(\"<%inputfile%>\")\n");
  GlobalVars.AVSExt = {".rm"};
  auto listed = Input("a.rm", "ok"), capitals = Input("b.RM", "ok");
  Run({listed, capitals});
  EXPECT_EQ(ReadFileText(Out / "a.avi"), "DirectShowSource(\"" + listed.FileName + "\")\n");
  EXPECT_EQ(ReadFileText(Out / "b.avi"), "data");
  EXPECT_NE(CommandLine.find("-i \"" + capitals.FileName + "\""), std::string::npos);
  EXPECT_FALSE(FileExists(Home / "DirectShow.avs"));
}

// A name with quotes reads back whole from the script; one that cannot be
// written so fails on its own, and the source stays.
TEST_F(BatchDriver, ScriptNamesWithQuotes) {
  WriteFileText(Home / "profile_en/DirectShow.avs", "DirectShowSource(\"<%InputFile%>\")\n");
  GlobalVars.UseDirectShow = true;
  GlobalVars.DeleteFileAfterProcessing = true;
  auto quoted = Input("take\" final.avi", "ok"), triple = Input("a\"\"\"b.avi", "ok"),
       plain = Input("take", "ok");
  Run({quoted, triple, plain});
  EXPECT_EQ(ReadFileText(Out / "take\" final.avi"),
            "DirectShowSource(\"\"\"" + quoted.FileName + "\"\"\")\n");
  EXPECT_EQ(ReadFileText(Out / "take.avi"), "DirectShowSource(\"" + plain.FileName + "\")\n");
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  EXPECT_EQ(GlobalVars.FailedCount, 1);
  EXPECT_TRUE(FileExists(triple.FileName));
  EXPECT_FALSE(FileExists(Out / "a\"\"\"b.avi"));
  EXPECT_NE(std::find(Host.States.begin(), Host.States.end(),
                      std::make_pair(triple.FileName, TFileState::Failed)),
            Host.States.end());
  EXPECT_TRUE(Answers.Boxes.empty());
  ASSERT_EQ(Host.Reasons.size(), 1u);
  EXPECT_NE(Host.Reasons[0].find("a\"\"\"b.avi: its name holds three double quotes"),
            std::string::npos)
      << Host.Reasons[0];
}

TEST_F(BatchDriver, DeviceBatchFileQuotesEveryValue) {
  GlobalVars.OutputFormat = of3GP;
  std::string preset = Home / "profile_en/default_setting/phone.ini";
  fs::create_directories(Home / "profile_en/default_setting");
  WriteFileText(preset,
                "[Info]\nTitleE=Phone 3GPP\n"
                "[Item1]\nTitleE=Low\nEXT=3gp\n"
                "Command1=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y <%outputfile%>.3gp\n"
                "Note=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y -r 12 <%OutputFile%>.3gp\n"
                "CommandX=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y -r 15 <%OutputFile%>.3gp\n");
  Choice.DevicePresetFile = preset;
  Choice.DeviceSection = "Item1";
  auto evil = Input("a\"$(touch pwned)\"b.avi", "ok"), odd = Input("$HOME 'x'.avi", "ok");
  EXPECT_EQ(Run({evil, odd}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  // Every key whose name begins with "Command" runs, and nothing else.
  for (const char* name : {"a\"$(touch pwned)\"b", "$HOME 'x'"})
    EXPECT_EQ(ReadFileText(Out / (std::string(name) + ".3gp")), "data") << name;
  const std::string log = ReadFileText(Home / "encoder.log");
  size_t runs = 0;
  for (size_t at = 0; (at = log.find('\n', at)) != std::string::npos; ++at) ++runs;
  EXPECT_EQ(runs, 4u) << log;
  EXPECT_NE(log.find(" -r 15 "), std::string::npos) << log;
  EXPECT_EQ(log.find(" -r 12 "), std::string::npos) << log;
  EXPECT_FALSE(FileExists(Home / "pwned"));
  EXPECT_FALSE(FileExists(In / "pwned"));
  // The batch file lived in a private folder of this batch, gone with it.
  ASSERT_GT(CommandLine.size(), 2u);
  std::string batchFile = CommandLine.substr(1, CommandLine.size() - 2);
  EXPECT_EQ(fs::path(batchFile).filename(), "~ConvertCore.sh");
  EXPECT_NE(batchFile.rfind(Home.Path(), 0), 0u);
  EXPECT_FALSE(FileExists(fs::path(batchFile).parent_path()));
}

// A preset whose command writes anything but the reserved name (a file of
// the user's, or another extension than its EXT) is refused before any
// encoder runs, with the reason; the batch itself refuses it too.
TEST_F(BatchDriver, PresetsWritingElsewhereAreRefused) {
  GlobalVars.OutputFormat = of3GP;
  fs::create_directories(Home / "profile_en/default_setting");
  const std::string notes = Home / "notes.txt";
  WriteFileText(notes, "my notes");
  const std::string call = "Command1=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y ";
  struct TCase {
    std::string Item;
    const char* Says;
  } cases[] = {
      {"EXT=3gp\n" + call + notes + "\n", "the command writes \""},
      {"EXT=mp4\n" + call + "<%OutputFile%>.3gp\n", "not <%OutputFile%>.mp4"},
      {"EXT=3gp\n" + call + "<%Other%> <%OutputFile%>.3gp\n", "unknown placeholder <%Other%>"},
  };
  auto a = Input("a.avi", "ok");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Says);
    std::string preset = Home / "profile_en/default_setting/bad.ini";
    WriteFileText(preset, "[Info]\nTitleE=Phone 3GPP\n[Item1]\nTitleE=Low\n" + c.Item);
    Choice.DevicePresetFile = preset;
    Choice.DeviceSection = "Item1";
    Answers.Boxes.clear();
    TRedirector runner(Host.Loop);
    TBatchDriver driver(Host, runner, Power);
    EXPECT_FALSE(driver.ActionConvertExecute({a}, Choice));
    ASSERT_EQ(Answers.Boxes.size(), 1u);
    EXPECT_EQ(Answers.Boxes[0].rfind("Error|The device preset \"" + preset + "\" cannot be used: ", 0), 0u)
        << Answers.Boxes[0];
    EXPECT_NE(Answers.Boxes[0].find(c.Says), std::string::npos) << Answers.Boxes[0];
    EXPECT_THROW(Run({a}), EKinovertError);
    EXPECT_FALSE(FileExists(Home / "encoder.pid"));
    EXPECT_EQ(ReadFileText(notes), "my notes");
    EXPECT_TRUE(fs::is_empty(Out.Path()));
  }
}

// A preset's command can name only the reserved output; an encoder that
// wrote under another name all the same, or wrote nothing, fails with that
// said.
TEST_F(BatchDriver, APresetThatWroteElsewhereSaysSo) {
  GlobalVars.OutputFormat = ofMP4;
  fs::create_directories(Home / "profile_en/default_setting");
  const std::string preset = Home / "profile_en/default_setting/ipod.ini";
  WriteFileText(preset,
                "[Info]\nTitleE=iPod\n[Item1]\nTitleE=Low\nEXT=mp4\n"
                "Command1=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y <%OutputFile%>.mp4\n");
  Choice.DevicePresetFile = preset;
  Choice.DeviceSection = "Item1";
  struct TCase {
    const char* Mode;
    std::string Reason;
  } cases[] = {
      {"elsewhere", "clip.avi: the device preset wrote \"clip.m4v\" instead of \"clip.mp4\""},
      {"nooutput", "clip.avi: the device preset wrote nothing into \"clip.mp4\""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Mode);
    fs::remove_all(Out.Path());
    fs::create_directories(Out.Path());
    Host.Reasons.clear();
    EXPECT_EQ(Run({Input("clip.avi", c.Mode)}), mrOk);
    EXPECT_EQ(Host.Reasons, std::vector<std::string>{c.Reason});
  }
}

// The reason of a failed file, most telling first.
TEST(FileFailureReason, MostTellingFirst) {
  ResetLanguage();
  const std::string out = "/out/clip.mp4";
  struct TCase {
    TFileEndFacts Facts;
    std::string Reason;
  } cases[] = {
      {{"Error: x", 137, 9, false, out, false, 10, ""},
       "the encoder was stopped from outside (killed by signal 9, SIGKILL)"},
      {{"", 143, 0, true, out, true, 0, ""},
       "the encoder was stopped from outside (killed by signal 15, SIGTERM)"},
      {{"", 143, 0, false, out, true, 0, ""}, "the encoder ended with exit status 143"},
      {{"Error: x", 1, 0, false, out, false, -1, ""},
       "the output folder \"/out\" was removed during the conversion"},
      {{"Error: x", 1, 0, false, out, true, -1, ""}, "Error: x"},
      {{"", 3, 0, false, out, true, 10, ""}, "the encoder ended with exit status 3"},
      {{"", 0, 0, true, out, true, 0, "clip.m4v"},
       "the device preset wrote \"clip.m4v\" instead of \"clip.mp4\""},
      {{"", 0, 0, true, out, true, -1, ""}, "the device preset wrote nothing into \"clip.mp4\""},
      {{"", 0, 0, false, out, true, -1, ""}, "the output file \"/out/clip.mp4\" no longer exists"},
      {{"", 0, 0, false, out, true, 0, ""}, "the encoder wrote no output"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FileFailureReason(c.Facts), c.Reason);
}

TEST_F(BatchDriver, StartErrorsReachTheHost) {
  GlobalVars.UseDirectShow = true;  // and no script template exists
  auto a = Input("a.avi", "ok");
  EXPECT_THROW(Run({a}), EKinovertError);
  EXPECT_EQ(Power.Released, Power.Inhibitors);
  // The output name was taken for a file that never started: it is given back.
  EXPECT_TRUE(fs::is_empty(Out.Path()));
}

TEST_F(BatchDriver, PreChecks) {
  TRedirector runner(Host.Loop);
  TBatchDriver driver(Host, runner, Power);
  auto a = Input("a.avi", "ok");

  GlobalVars.EncoderPath = "missing-encoder";
  EXPECT_FALSE(driver.ActionConvertExecute({a}, Choice));
  GlobalVars.EncoderPath = "avcore";
  EXPECT_FALSE(driver.ActionConvertExecute({}, Choice));
  TBatchChoice blank = Choice;
  blank.OutputFolder = "   ";
  EXPECT_FALSE(driver.ActionConvertExecute({a}, blank));
  TBatchChoice fresh = Choice;
  fresh.OutputFolder = Out / "new/deeper";
  Answers.Answer = IDNO;
  EXPECT_FALSE(driver.ActionConvertExecute({a}, fresh));
  EXPECT_FALSE(FileExists(fresh.OutputFolder));
  ASSERT_EQ(Answers.Boxes.size(), 4u);
  EXPECT_EQ(Answers.Boxes[0], "Hint|The file \"missing-encoder\" couldn't be found.");
  EXPECT_EQ(Answers.Boxes[1], "Hint|" + ResStr(MSG_NOFILES));
  EXPECT_EQ(Answers.Boxes[2], ResStr(MSG_EMPTY) + "|" + ResStr(MSG_EMPTY_DIR));
  EXPECT_EQ(Answers.Boxes[3], ResStr(MSG_CREATEDIR) + "|" + ResStr(MSG_SURE_TO_CREATEDIR));

  Answers.Answer = IDYES;
  EXPECT_TRUE(driver.ActionConvertExecute({a}, fresh));
  EXPECT_EQ(ReadFileText(fresh.OutputFolder + "/a.avi"), "data");
  EXPECT_EQ(GlobalVars.LastOutputOpenDir, fresh.OutputFolder);
}

// "~/converted" is the home folder's, never a folder named "~" below
// wherever the program started; any other relative folder is refused.
TEST_F(BatchDriver, OutputFolderIsAFullPath) {
  TRedirector runner(Host.Loop);
  TBatchDriver driver(Host, runner, Power);
  auto a = Input("a.avi", "ok");
  TTempDir home, cwd;
  TEnvVar useHome("HOME", home.Path().c_str());
  const std::string started = fs::current_path();
  fs::current_path(cwd.Path());
  for (const char* relative : {"converted", "~alice/x", "./out"}) {
    TBatchChoice c = Choice;
    c.OutputFolder = relative;
    EXPECT_FALSE(driver.ActionConvertExecute({a}, c)) << relative;
  }
  TBatchChoice tilde = Choice;
  tilde.OutputFolder = "~/converted";
  EXPECT_TRUE(driver.ActionConvertExecute({a}, tilde));
  fs::current_path(started);
  EXPECT_TRUE(fs::is_empty(cwd.Path()));
  ASSERT_EQ(Answers.Boxes.size(), 4u);
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ(Answers.Boxes[i], ResStr(MSG_FAIL_CREATEDIR) + "|" + ResStr(MSG_FAIL_TO_CREATEDIR));
  EXPECT_EQ(ReadFileText(home / "converted/a.avi"), "data");
  EXPECT_EQ(GlobalVars.LastOutputOpenDir, home / "converted");
}

TEST(BatchDriverRules, PriorityAndQuoting) {
  const std::pair<int, int> priorities[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 1}, {255, 1}};
  for (auto [stored, runner] : priorities)
    EXPECT_EQ(RunnerPriority(static_cast<uint8_t>(stored)), runner) << stored;
  EXPECT_EQ(ShellQuote("plain"), "'plain'");
  EXPECT_EQ(ShellQuote("it's $HOME `x`"), "'it'\\''s $HOME `x`'");
}

TEST_F(BatchDriver, EveryFileStartsWithoutTheLastOnesDurationOrPosition) {
  // The second file never says how long it is: it must not be measured
  // against the first one's two seconds (which would read 100 % at once).
  auto a = Input("a.avi", "ok", "100"), b = Input("b.avi", "unknown", "100");
  EXPECT_EQ(Run({a, b}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  // Each file starts at 0; file 1 reaches 100, file 2 only at its end.
  EXPECT_EQ(Host.FilePercents, (std::vector<int>{0, 100, 0, 100}));
  EXPECT_EQ(GlobalVars.DurationMs, 0);
}

// The progress window belongs to the file at hand: its status starts at 0,
// and a file whose encoder fails before reading it is named itself, never
// the file before it (nor one of an earlier batch). The batch figure never
// goes back, also where a file's end computes it otherwise than its output.
TEST_F(BatchDriver, LabelsBelongToTheCurrentFileAndTheBatchFigureNeverGoesBack) {
  GlobalVars.EncoderInputName = In / "from an earlier batch.avi";
  // Thirds: the output rounds 66.7 to 67, the end of file 2 truncates it to 66.
  auto a = Input("a.avi", "ok"), b = Input("b.avi", "ok"), c = Input("c early.avi", "ok"),
       d = Input("d.avi", "ok", "0");
  EXPECT_EQ(Run({a, b, c, d}), mrOk);
  const std::vector<std::string> working = {"Please wait...", "Working on file 1 of 4: a.avi",
                                            "Please wait...", "Working on file 2 of 4: b.avi",
                                            "Please wait...", "Working on file 3 of 4: c early.avi",
                                            "Please wait...", "Working on file 4 of 4: d.avi"};
  EXPECT_EQ(Host.Working, working);
  EXPECT_EQ(Host.FilePercents, (std::vector<int>{0, 100, 0, 100, 0, 0, 100}));
  ASSERT_FALSE(Host.BatchPercents.empty());
  for (size_t i = 1; i < Host.BatchPercents.size(); ++i)
    EXPECT_GE(Host.BatchPercents[i], Host.BatchPercents[i - 1]) << i;
  EXPECT_EQ(Host.BatchPercents.back(), 100);
}

// Elapsed and remaining time add up to the estimate wherever they are
// shown, at a file's end too, however long after the last output line.
TEST_F(BatchDriver, ClocksAddUp) {
  auto a = Input("a.avi", "slowend"), b = Input("b.avi", "ok");
  EXPECT_EQ(Run({a, b}), mrOk);
  ASSERT_FALSE(Host.Clocks.empty());
  auto seconds = [](const std::string& clock) {
    int h = 0, m = 0, s = 0;
    EXPECT_EQ(std::sscanf(clock.c_str(), "%d:%d:%d", &h, &m, &s), 3) << clock;
    return h * 3600 + m * 60 + s;
  };
  for (const std::string& shown : Host.Clocks) {
    const size_t plus = shown.find('+'), equals = shown.find('=');
    EXPECT_EQ(seconds(shown.substr(0, plus)) + seconds(shown.substr(plus + 1, equals - plus - 1)),
              seconds(shown.substr(equals + 1)))
        << shown;
  }
}

// A file fails with the reason of what happened to it.
TEST_F(BatchDriver, FailureReasonsSayWhatHappened) {
  fs::create_directories(Out / "gone");
  Choice.OutputFolder = Out / "gone";
  auto removed = Input("removed.avi", "rmdir");
  Run({removed});
  Choice.OutputFolder = Out.Path();
  auto killed = Input("killed.avi", "killed"), early = Input("early.avi", "ok");
  Run({killed, early});
  const std::vector<std::string> reasons = {
      "removed.avi: the output folder \"" + Out / "gone" + "\" was removed during the conversion",
      "killed.avi: the encoder was stopped from outside (killed by signal 9, SIGKILL)",
      "early.avi: Error opening input: no such codec",
  };
  EXPECT_EQ(Host.Reasons, reasons);
  EXPECT_TRUE(Answers.Boxes.empty());
}

TEST_F(BatchDriver, TimeWindowIsReadFromTheOptionsOnly) {
  // Folder and file names holding " -t " and " -ss " must not turn progress off.
  Choice.OutputFolder = Out / "out -t x -ss y";
  fs::create_directories(Choice.OutputFolder);
  auto a = Input("in -t 0:00:00.001 -ss 9.avi", "ok");
  EXPECT_EQ(Run({a}), mrOk);
  EXPECT_EQ(GlobalVars.DurationMs, 2000);
  ASSERT_GE(Host.FilePercents.size(), 2u);
  EXPECT_EQ(Host.FilePercents[1], 100);  // the first the output shows, after the start's 0
}

TEST_F(BatchDriver, ASourceThatCannotBeDeletedIsReported) {
  GlobalVars.DeleteFileAfterProcessing = true;
  auto gone = Input("gone.avi", "vanish"), ok = Input("ok.avi", "ok");
  EXPECT_EQ(Run({gone, ok}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  ASSERT_EQ(Host.SourcesKept.size(), 1u);
  EXPECT_EQ(Host.SourcesKept[0], gone.FileName + ": No such file or directory");
  EXPECT_FALSE(FileExists(ok.FileName));
}
