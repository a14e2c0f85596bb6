// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli convert: a real batch through the batch driver, its progress
// told by a report (a line on a terminal, plain lines, or JSON lines).
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "BatchReport.h"
#include "Cli.h"
#include "ConvertChoice.h"
#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/OutputFolder.h"
#include "app/TypeFile.h"
#include "base/FileNames.h"
#include "base/Utf8.h"
#include "engine/BatchDriver.h"
#include "engine/EventLoop.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "lang/ResStr.h"
#include "store/FileList.h"
#include "store/TargetTable.h"

namespace fs = std::filesystem;

namespace {

std::atomic<bool> Interrupted{false};
std::atomic<int> Signal{0};

void OnInterrupt(int sig) {
  int none = 0;
  Signal.compare_exchange_strong(none, sig);
  Interrupted = true;
}

// A message box's text as one line: its line breaks become single blanks.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r' && c != '\n')
      out += c;
    else if (!out.empty() && out.back() != ' ')
      out += ' ';
  }
  return out;
}

// The progress window of one batch, turned into the report's events.
class TCliView final : public TProgressView {
 public:
  TCliView(TEventLoop& loop, TBatchReport& report, std::function<void()> stopNow, TCliView** owner)
      : Loop_(loop), Report_(report), StopNow_(std::move(stopNow)), Owner_(owner) {}
  ~TCliView() override {
    Report_.BeforeMessage();
    // The host must not keep a pointer to a view that is gone.
    if (*Owner_ == this) *Owner_ = nullptr;
  }

  void SetCaption(const std::string&) override {}
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string& c) override { Figures_.Elapsed = c; }
  void ShowFileStatus(const std::string&, int p) override { Figures_.FilePercent = p; }
  void ShowFileRemaining(const std::string&) override {}
  void ShowBatchStatus(const std::string&, int p) override {
    Figures_.BatchPercent = p;
    Report_.Progress(Figures_);
  }
  void ShowBatchEstimated(const std::string&) override {}
  void ShowBatchRemaining(const std::string& c) override { Figures_.Remaining = c; }
  void ShowWorking(const std::string&) override { Report_.Progress(Figures_); }
  void ShowOutput(const std::string&) override {}
  bool AnimationRunning() const override { return true; }
  void StartAnimation(const std::string&) override {}
  void SetFinished() override {}
  int RunModal() override {
    while (Result_ == 0) {
      Loop_.RunUntil([this] { return Result_ != 0 || Interrupted; },
                     std::chrono::milliseconds(200));
      if (Interrupted && Result_ == 0) {
        Report_.Stopped();
        std::fprintf(stderr, "kinovert-cli: stopping now\n");
        StopNow_();
      }
    }
    return Result_;
  }
  void Close(int r) override { Result_ = r; }

  // The file at `index` (1-based) of the batch has started.
  void NewFile(int index, const std::string& input, const std::string& output) {
    Figures_.FilePercent.reset();
    Report_.FileStarted(index, GlobalVars.TotalCount, input, output);
  }

 private:
  TEventLoop& Loop_;
  TBatchReport& Report_;
  std::function<void()> StopNow_;
  TCliView** Owner_;
  int Result_ = 0;
  TBatchFigures Figures_;
};

class TCliHost final : public TBatchHost {
 public:
  explicit TCliHost(TBatchReport& report) : Report(report) {}

  TEventLoop Loop;
  TBatchReport& Report;
  TBatchDriver* Driver = nullptr;
  TRedirector* Runner = nullptr;
  TCliView* View = nullptr;
  std::vector<std::string> Inputs;  // the batch's files, in order
  int SourcesKept = 0;
  int Incomplete = 0;        // converted, but perhaps not whole
  std::string FailureLine;  // an input's media check said why it is skipped
  std::string Reason;       // why the file at hand failed, as the batch tells it
  TBatchOutcome Outcome;

  void SetFileState(const std::string& path, TFileState state) override {
    if (View == nullptr || state == TFileState::Idle || (state == LastState_ && path == LastPath_))
      return;
    // A file whose encoder failed without a word is booked without having
    // been seen converting; it is started all the same, so it is told.
    const bool started = LastState_ == TFileState::Converting && path == LastPath_;
    LastState_ = state;
    LastPath_ = path;
    if (!started) {
      const auto at = std::find(Inputs.begin(), Inputs.end(), path);
      View->NewFile(static_cast<int>(at - Inputs.begin()) + 1, path, GlobalVars.CurrentOutputFile);
    }
    if (state == TFileState::Done) Report.FileEnded(true, "");
    if (state == TFileState::Failed) {
      // The line a person reads, then the file's end.
      Report.BeforeMessage();
      const std::string caption = ResStr(MSG_Error);
      const std::string line = Reason.rfind(caption, 0) == 0 ? Reason : caption + ": " + Reason;
      std::fprintf(stderr, "%s\n", ShownMessage(line).c_str());
      Report.FileEnded(false, std::exchange(Reason, {}));
    }
  }
  // Its Failed state follows at once.
  void FileFailed(const std::string&, const std::string& reason) override { Reason = reason; }
  void SetTrayHint(const std::string&) override {}
  void BatchEnded(const TBatchOutcome& outcome) override { Outcome = outcome; }
  std::unique_ptr<TProgressView> CreateProgressView() override {
    auto view = std::make_unique<TCliView>(
        Loop, Report, [this] { Driver->StopNow(); }, &View);
    View = view.get();
    return view;
  }
  bool RunCountdown() override { return false; }
  void QuitProgram() override {}
  // A script never powers the machine off: nothing runs after the countdown.
  void BeforePowerAction() override {}
  // Nobody is there to press "Stop now": report and end the batch.
  void ShowStartError(const std::string& message) override {
    Report.BeforeMessage();
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownMessage(message).c_str());
    Report.Message(message);
    Report.Stopped();
    Driver->StopNow();
  }
  void ReportIncompleteOutput(const std::string&, const std::string& text) override {
    ++Incomplete;
    Report.BeforeMessage();
    std::fprintf(stderr, "kinovert-cli: warning: %s\n", ShownMessage(text).c_str());
    Report.Message(text);
  }
  void ReportSourceKept(const std::string& path, const std::string& reason) override {
    ++SourcesKept;
    const std::string text = ": converted, but the source was kept: " + reason;
    Report.BeforeMessage();
    std::fprintf(stderr, "kinovert-cli: %s%s\n", ShownName(path).c_str(),
                 ShownMessage(text).c_str());
    Report.Message(path + text);
  }
  TMainThread& MainThread() override { return Loop; }

 private:
  TFileState LastState_ = TFileState::Idle;
  std::string LastPath_;
};

// Messages, on stderr as they come; the media check's also name why an
// input is skipped.
class TCliDialogs final : public TConsoleDialogProvider {
 public:
  TCliHost* Host = nullptr;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override {
    if (Host) {
      Host->Report.BeforeMessage();
      // The first message names the cause; later ones follow from it.
      if (Host->FailureLine.empty()) Host->FailureLine = OneLine(text);
    }
    return TConsoleDialogProvider::MessageBox(text, caption, flags);
  }
};

TBatchChoice ChoiceOf(int format, const TCliArgs& args) {
  const std::string profile = args.Option("profile");
  const std::string device = args.Option("device");
  const std::string item = args.Option("item");
  TBatchChoice choice;
  if (UsesDevicePresets(format)) {
    if (device.empty() || item.empty())
      throw TUsageError{
          "MP4 and 3GP take a device preset: --device PRESET.ini --item SECTION "
          "(see kinovert-cli list --target " +
          std::string(OutputFormatNames[static_cast<size_t>(format)]) + ")"};
    choice.DevicePresetFile = AbsolutePath(ResolveDevicePreset(format, device));
    CheckPresetItem(choice.DevicePresetFile, item);
    choice.DeviceSection = item;
    // Refused before any file is looked at, as the desktop's Convert does.
    if (std::string why = DevicePresetProblem(choice.DevicePresetFile, item); !why.empty())
      throw TUsageError{"the device preset " + choice.DevicePresetFile + " is not run: " + why};
  } else {
    if (profile.empty()) throw TUsageError{"missing --profile NAME"};
    choice.ProfileFile = ResolveProfile(format, profile);
  }
  return choice;
}

// A terminal that cannot move its cursor (TERM=dumb: an editor's shell, a
// log pane), or a user who asked for no colours and effects (NO_COLOR),
// gets the plain lines: no control sequence is written then.
bool TerminalTakesControls() {
  const char* term = std::getenv("TERM");
  const char* noColor = std::getenv("NO_COLOR");
  return !(term != nullptr && std::string_view(term) == "dumb") &&
         !(noColor != nullptr && *noColor != '\0');
}

std::unique_ptr<TBatchReport> ReportFor(TProgressMode mode) {
  switch (mode) {
    case TProgressMode::Json:
      return MakeJsonReport();
    case TProgressMode::Terminal:
      return MakeTextReport(true);
    case TProgressMode::Plain:
      return MakeTextReport(false);
    case TProgressMode::Auto:
      break;
  }
  return MakeTextReport(::isatty(2) != 0 && TerminalTakesControls());
}

int RunConvert(const TCliArgs& args) {
  const int format = TakeTarget(args);
  std::string output = args.Option("output");
  const std::string priority = args.Option("priority");
  const TProgressMode progress = ProgressModeFromName(args.Option("progress"));
  const std::vector<std::string>& files = args.Positionals();
  if (output.empty()) throw TUsageError{"missing --output DIR"};
  if (files.empty()) throw TUsageError{"no input files"};

  PrepareProfiles();
  // Without the type file no input would be of a known type.
  if (!LoadTypeFile())
    throw TUsageError{"the type file " + TypeFilePath() +
                      ", which lists the input types, is missing (re-install the program)"};
  TGlobalVars& g = GlobalVars;
  g.OutputFormat = static_cast<uint8_t>(format);
  g.DeleteFileAfterProcessing = args.Flag("delete-source");
  g.ShutdownWindowsWhenDone = false;  // a script never powers the machine off
  if (!priority.empty()) {
    if (priority.size() != 1 || priority[0] < '0' || priority[0] > '3')
      throw TUsageError{"--priority takes 0 (idle), 1 (normal), 2 (high) or 3 (realtime)"};
    g.Priority = static_cast<uint8_t>(priority[0] - '0');
  }
  TBatchChoice choice = ChoiceOf(format, args);

  std::error_code ec;
  // "--output=~/x" and a quoted "~/x" reach us unexpanded; "~name" would
  // make a folder of that name here, which is no one's intent.
  output = ExpandHomePrefix(output);
  if (output.front() == '~')
    throw TUsageError{"the output folder " + output +
                      " starts with \"~\" (write ./" + output + " for a folder of that name here)"};
  output = AbsolutePath(output);
  fs::create_directories(output, ec);
  if (!FolderExists(output)) throw TUsageError{"cannot create the output folder " + output};
  choice.OutputFolder = output;

  std::unique_ptr<TBatchReport> report = ReportFor(progress);
  TCliHost host(*report);
  TCliDialogs dialogs;
  dialogs.Host = &host;
  TScopedDialogProvider scope(dialogs);

  std::vector<TFileItem> items;
  int skipped = 0;
  auto skip = [&](const std::string& file, const std::string& reason) {
    std::fprintf(stderr, "kinovert-cli: %s: %s, skipped\n", ShownName(file).c_str(),
                 ShownMessage(reason).c_str());
    report->Skipped(AbsolutePath(file), reason);
    ++skipped;
  };
  for (const std::string& f : files) {
    host.FailureLine.clear();
    switch (AddInputFile(AbsolutePath(f), items)) {
      case TAddResult::Added:
        break;
      case TAddResult::Missing:
        skip(f, "no such file");
        break;
      case TAddResult::Folder:
        skip(f, "is a folder");
        break;
      case TAddResult::UnknownType:
        skip(f, "not a known input type");
        break;
      case TAddResult::Duplicate:
        std::fprintf(stderr, "kinovert-cli: %s: listed twice, converted once\n",
                     ShownName(f).c_str());
        break;
      case TAddResult::Rejected:
        // The media check has said why on stderr already.
        report->Skipped(AbsolutePath(f), host.FailureLine);
        ++skipped;
        break;
    }
  }
  if (items.empty()) {
    std::fprintf(stderr, "kinovert-cli: nothing to convert\n");
    report->Finished({0, 0, skipped, false});
    return kExitUsage;
  }
  std::vector<TBatchInput> inputs;
  for (const TFileItem& i : items) {
    inputs.push_back({i.Caption(), i.Media[msFileSize], i.Media[msPlayTime]});
    host.Inputs.push_back(i.Caption());
  }

  // A closed terminal or a dropped login stops like Ctrl-C: the encoder is
  // killed and nothing half-written stays behind. Writing to a reader that
  // went away must not kill us before that is done.
  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) ::sigaction(sig, &sa, nullptr);
  ::signal(SIGPIPE, SIG_IGN);

  TRedirector runner(host.Loop);
  std::unique_ptr<TPowerControl> power = CreateSystemPowerControl();
  TBatchDriver driver(host, runner, *power);
  host.Driver = &driver;
  host.Runner = &runner;
  report->Started(std::string(OutputFormatNames[static_cast<size_t>(format)]), output,
                  static_cast<int>(inputs.size()));
  if (!driver.ActionConvertExecute(inputs, choice)) return kExitUsage;

  // The batch's own account of its end, as the desktop program tells it.
  const TBatchOutcome& outcome = host.Outcome;
  const int done = outcome.Converted, failed = outcome.Failed;
  const int notRun = static_cast<int>(inputs.size()) - done - failed;
  const bool stopped = outcome.Stopped || Interrupted;
  report->Finished({done, failed, skipped, stopped, notRun});
  std::fprintf(stderr, "Converted %d of %zu files: %d failed, %d skipped%s.\n", done,
               inputs.size() + static_cast<size_t>(skipped), failed, skipped + notRun,
               stopped ? " (stopped)" : "");
  bool allDone = done == static_cast<int>(inputs.size()) && skipped == 0 && host.SourcesKept == 0 &&
                 host.Incomplete == 0;
  return allDone ? kExitOk : kExitFailed;
}

const TCliCommand Command(
    "convert",
    "convert -t FORMAT (-p PROFILE | -d PRESET.ini -i SECTION) -o DIR [--delete-source] "
    "[--priority 0-3] [--progress MODE] [--] FILE...",
    "convert files with a profile of FORMAT (by its listed name, or a profile file by path; "
    "MP4 and 3GP: a device preset and one of its items) into DIR; Ctrl-C stops at once",
    {
        kTargetOption,
        {"profile", 'p', "PROFILE", "a profile name as 'list' shows it, or a profile file",
         TValueKind::Profile},
        {"device", 'd', "PRESET.ini", "MP4 and 3GP: a device preset, by file name or path",
         TValueKind::Device},
        {"item", 'i', "SECTION", "MP4 and 3GP: an item section of the device preset",
         TValueKind::Item},
        {"output", 'o', "DIR", "the output folder (made when missing)", TValueKind::Folder},
        {"delete-source", 0, nullptr, "delete each source after its good conversion"},
        {"priority", 0, "0-3", "the encoder's priority: idle, normal, high, realtime",
         TValueKind::Choice, "0 1 2 3"},
        {"progress", 0, "MODE",
         "auto (a line on a terminal, plain lines otherwise and with TERM=dumb or NO_COLOR), "
         "terminal, plain, or json (one object per line on standard output)",
         TValueKind::Choice, kProgressModes},
    },
    RunConvert, nullptr, TValueKind::File);

}  // namespace

int StopSignal() { return Signal; }
