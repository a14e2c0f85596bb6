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
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"
#include "store/ProfileFolders.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

// Stands in for the encoder: what it does depends on the first word of its
// input file. A script input is copied to the output, so tests can read it.
const char* const FakeEncoder = R"(#!/bin/sh
in="$4"; for a; do out="$a"; done
echo $$ > "$(dirname "$0")/encoder.pid"
echo "Input #0, avi, from '$in':" >&2
case "$in" in *.avs) cat "$in" > "$out"; exit 0;; esac
read mode < "$in"
[ "$mode" = unknown ] || echo "  Duration: 00:00:02.00, start: 0.000000, bitrate: 100 kb/s" >&2
case "$mode" in
  fail) echo "Error while opening encoder for output stream #0:0" >&2; printf partial > "$out";;
  nooutput) ;;
  exit3) printf data > "$out"; exit 3;;
  vanish) rm -f "$in"; printf data > "$out";;
  unknown) echo "  Duration: N/A, start: 0.000000, bitrate: N/A" >&2
     for t in 1.00 3.00; do echo "size=       1kB time=$t bitrate=   8.0kbits/s" >&2; done
     printf data > "$out";;
  empty) : > "$out";;
  sleep) printf partial > "$out"; echo "size=       1kB time=0.50 bitrate=  8.0kbits/s" >&2; exec sleep 30;;
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
  bool Finished = false;
  void SetCaption(const std::string& t) override { Caption = t; }
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string&) override {}
  void ShowFileStatus(const std::string&, int p) override { FilePercents.push_back(p); }
  void ShowFileRemaining(const std::string&) override {}
  void ShowBatchStatus(const std::string&, int p) override {
    BatchPercent = p;
    BatchPercents.push_back(p);
  }
  void ShowBatchEstimated(const std::string&) override {}
  void ShowBatchRemaining(const std::string&) override {}
  void ShowWorking(const std::string&) override {
    if (OnOutput_) std::exchange(OnOutput_, nullptr)();
  }
  void ShowOutput(const std::string&) override {}
  bool AnimationRunning() const override { return true; }
  void StartAnimation(const std::string&) override {}
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
};

class TTestHost final : public TBatchHost {
 public:
  TEventLoop Loop;
  std::vector<std::pair<std::string, TFileState>> States;
  std::vector<std::string> Balloons, StartErrors, SourcesKept;
  bool CountdownAnswer = true;
  int Countdowns = 0, Quits = 0;
  std::function<void()> OnFirstOutput;
  TTestView* View = nullptr;
  std::vector<int> FilePercents, BatchPercents;  // of the last batch
  void SetFileState(const std::string& p, TFileState s) override {
    if (States.empty() || States.back() != std::make_pair(p, s)) States.emplace_back(p, s);
  }
  void SetTrayHint(const std::string&) override {}
  void ShowBalloon(const std::string& title, const std::string& text) override {
    Balloons.push_back(title + "|" + text);
  }
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
  TMainThread& MainThread() override { return Loop; }
};

TTestView::~TTestView() {
  Host_->FilePercents = FilePercents;
  Host_->BatchPercents = BatchPercents;
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
  TBatchInput Input(const std::string& name, const std::string& mode, const std::string& size = "100") {
    std::string path = In / name;
    WriteFileText(path, mode + "\n");
    return {path, size};
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
                             "-ab 96 -ar 22050  \"" + Out / "second clip.avi" + "\"");
  ASSERT_EQ(Host.Balloons.size(), 1u);
  EXPECT_EQ(Host.Balloons[0], "Kinovert 3GP Converter Information|" + ResStr(MSG_TRAY_CONVERT_COMPLETE));
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
  ASSERT_EQ(Answers.Boxes.size(), 1u);
  EXPECT_EQ(Answers.Boxes[0], "Error|Error while opening encoder for output stream #0:0");
  EXPECT_TRUE(Host.Balloons.empty());
  EXPECT_EQ(Host.Countdowns, 0);
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
  EXPECT_EQ(Host.Balloons.size(), 1u);
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
  ASSERT_EQ(Answers.Boxes.size(), 1u);
  EXPECT_NE(Answers.Boxes[0].find(triple.FileName + "\" is not converted: its name holds three "
                                                    "double quotes"),
            std::string::npos)
      << Answers.Boxes[0];
}

TEST_F(BatchDriver, DeviceBatchFileQuotesEveryValue) {
  GlobalVars.OutputFormat = of3GP;
  std::string preset = Home / "profile_en/default_setting/phone.ini";
  fs::create_directories(Home / "profile_en/default_setting");
  WriteFileText(preset,
                "[Info]\nTitleE=Phone 3GPP\n"
                "[Item1]\nTitleE=Low\nEXT=3gp\n"
                "Command1=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y <%outputfile%>.3gp\n"
                "Note=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y <%OutputFile%>-note.3gp\n"
                "CommandX=<%AppPath%>/avcore -p 5310746 -i <%InputFile%> -y <%OutputFile%>-x.3gp\n");
  Choice.DevicePresetFile = preset;
  Choice.DeviceSection = "Item1";
  auto evil = Input("a\"$(touch pwned)\"b.avi", "ok"), odd = Input("$HOME 'x'.avi", "ok");
  EXPECT_EQ(Run({evil, odd}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  // Every key whose name begins with "Command" runs, and nothing else.
  for (const char* name : {"a\"$(touch pwned)\"b", "$HOME 'x'"}) {
    EXPECT_EQ(ReadFileText(Out / (std::string(name) + ".3gp")), "data") << name;
    EXPECT_EQ(ReadFileText(Out / (std::string(name) + "-x.3gp")), "data") << name;
    EXPECT_FALSE(FileExists(Out / (std::string(name) + "-note.3gp"))) << name;
  }
  EXPECT_FALSE(FileExists(Home / "pwned"));
  EXPECT_FALSE(FileExists(In / "pwned"));
  // The batch file lived in a private folder of this batch, gone with it.
  ASSERT_GT(CommandLine.size(), 2u);
  std::string batchFile = CommandLine.substr(1, CommandLine.size() - 2);
  EXPECT_EQ(fs::path(batchFile).filename(), "~ConvertCore.sh");
  EXPECT_NE(batchFile.rfind(Home.Path(), 0), 0u);
  EXPECT_FALSE(FileExists(fs::path(batchFile).parent_path()));
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
  EXPECT_EQ(Host.FilePercents, (std::vector<int>{100, 100}));  // file 1, then the end of file 2
  EXPECT_EQ(GlobalVars.DurationMs, 0);
  // The batch figure never goes back by more than the rounding step.
  int best = 0;
  for (int p : Host.BatchPercents) {
    EXPECT_GE(p, best - 1);
    best = std::max(best, p);
  }
}

TEST_F(BatchDriver, TimeWindowIsReadFromTheOptionsOnly) {
  // Folder and file names holding " -t " and " -ss " must not turn progress off.
  Choice.OutputFolder = Out / "out -t x -ss y";
  fs::create_directories(Choice.OutputFolder);
  auto a = Input("in -t 0:00:00.001 -ss 9.avi", "ok");
  EXPECT_EQ(Run({a}), mrOk);
  EXPECT_EQ(GlobalVars.DurationMs, 2000);
  EXPECT_EQ(Host.FilePercents.front(), 100);
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
