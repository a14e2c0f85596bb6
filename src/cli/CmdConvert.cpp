// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli convert: a real batch through the batch driver, with a
// progress line on a terminal and plain lines otherwise.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Cli.h"
#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "app/TypeFile.h"
#include "engine/BatchDriver.h"
#include "engine/EventLoop.h"
#include "app/GlobalVars.h"
#include "engine/OutputParser.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "store/DevicePresets.h"
#include "store/FileList.h"
#include "store/ProfileFolders.h"
#include "store/ProfileList.h"
#include "store/TargetTable.h"

namespace fs = std::filesystem;

namespace {

std::atomic<bool> Interrupted{false};

void OnInterrupt(int) { Interrupted = true; }

// The progress of one batch on stderr.
class TCliView final : public TProgressView {
 public:
  TCliView(TEventLoop& loop, bool terminal, std::function<void()> stopNow)
      : Loop_(loop), Terminal_(terminal), StopNow_(std::move(stopNow)) {}
  ~TCliView() override { EndLine(); }

  void SetCaption(const std::string&) override {}
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string& c) override { Elapsed_ = c; }
  void ShowFileStatus(const std::string&, int p) override {
    FilePercent_ = p;
    Draw();
  }
  void ShowFileRemaining(const std::string&) override {}
  void ShowBatchStatus(const std::string&, int p) override { BatchPercent_ = p; }
  void ShowBatchEstimated(const std::string&) override {}
  void ShowBatchRemaining(const std::string& c) override { Remaining_ = c; }
  void ShowWorking(const std::string&) override {}
  void ShowOutput(const std::string&) override {}
  bool AnimationRunning() const override { return true; }
  void StartAnimation(const std::string&) override {}
  void SetFinished() override {}
  int RunModal() override {
    while (Result_ == 0) {
      Loop_.RunUntil([this] { return Result_ != 0 || Interrupted; }, std::chrono::milliseconds(200));
      if (Interrupted && Result_ == 0) {
        EndLine();
        std::fprintf(stderr, "kinovert-cli: stopping now\n");
        StopNow_();
      }
    }
    return Result_;
  }
  void Close(int r) override { Result_ = r; }

  void NewFile(const std::string& input, const std::string& output) {
    EndLine();
    FilePercent_ = 0;
    Name_ = FileNamePart(input);
    if (!Terminal_) std::fprintf(stderr, "[%d/%d] %s -> %s\n", Index(), GlobalVars.TotalCount,
                                 input.c_str(), output.c_str());
    Draw();
  }
  void Booked(bool ok) {
    EndLine();
    if (!Terminal_) std::fprintf(stderr, "[%d/%d] %s\n", Index(), GlobalVars.TotalCount,
                                 ok ? "done" : "failed");
  }
  void EndLine() {
    if (Drawn_) std::fputc('\n', stderr);
    Drawn_ = false;
  }

 private:
  int Index() const { return GlobalVars.DoneCount + GlobalVars.FailedCount + 1; }
  void Draw() {
    if (!Terminal_) return;
    std::fprintf(stderr, "\r\033[K[%d/%d] %s  file %3d%%  batch %3d%%  elapsed %s  remaining %s",
                 Index(), GlobalVars.TotalCount, Name_.c_str(), FilePercent_, BatchPercent_,
                 Elapsed_.c_str(), Remaining_.c_str());
    Drawn_ = true;
  }

  TEventLoop& Loop_;
  bool Terminal_;
  std::function<void()> StopNow_;
  int Result_ = 0;
  int FilePercent_ = 0, BatchPercent_ = 0;
  std::string Name_, Elapsed_ = "0:00:00", Remaining_ = "-";
  bool Drawn_ = false;
};

class TCliHost final : public TBatchHost {
 public:
  TEventLoop Loop;
  TBatchDriver* Driver = nullptr;
  TCliView* View = nullptr;
  bool Terminal = ::isatty(2) != 0;
  int StartErrors = 0;

  void SetFileState(const std::string& path, TFileState state) override {
    if (View == nullptr || (state == LastState_ && path == LastPath_)) return;
    LastState_ = state;
    LastPath_ = path;
    if (state == TFileState::Converting) View->NewFile(path, GlobalVars.CurrentOutputFile);
    if (state == TFileState::Done || state == TFileState::Failed) View->Booked(state == TFileState::Done);
  }
  void SetTrayHint(const std::string&) override {}
  void ShowBalloon(const std::string&, const std::string&) override {}
  std::unique_ptr<TProgressView> CreateProgressView() override {
    auto view = std::make_unique<TCliView>(Loop, Terminal, [this] { Driver->StopNow(); });
    View = view.get();
    return view;
  }
  bool RunCountdown() override { return false; }
  void QuitProgram() override {}
  // Nobody is there to press "Stop now": report and end the batch.
  void ShowStartError(const std::string& message) override {
    ++StartErrors;
    if (View) View->EndLine();
    std::fprintf(stderr, "kinovert-cli: %s\n", message.c_str());
    Driver->StopNow();
  }
  TMainThread& MainThread() override { return Loop; }

 private:
  TFileState LastState_ = TFileState::Idle;
  std::string LastPath_;
};

// Failure lines and messages of the batch, on stderr as they come.
class TCliDialogs final : public TConsoleDialogProvider {
 public:
  TCliHost* Host = nullptr;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override {
    if (Host && Host->View) Host->View->EndLine();
    return TConsoleDialogProvider::MessageBox(text, caption, flags);
  }
};

// A preset of the profile tree by its file name, as the device menus list
// them; the name in the tree's preset folder when none is called so.
std::string ListedPreset(const std::string& name) {
  TDevicePresets presets;
  LoadDevicePresets(GlobalVars.DefaultSettingDir, presets);
  for (const auto* group : {&presets.Tgp, &presets.IPod, &presets.Psp, &presets.Other})
    for (const TProfileItem& p : *group)
      if (FileNamePart(p.FileName) == name) return p.FileName;
  return GlobalVars.DefaultSettingDir + name;
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

int RunConvert(TCliArgs& args) {
  int format = TakeTarget(args);
  std::string profile = args.TakeOption("profile");
  std::string device = args.TakeOption("device");
  std::string item = args.TakeOption("item");
  std::string output = args.TakeOption("output");
  std::string priority = args.TakeOption("priority");
  bool deleteSource = args.TakeFlag("delete-source");
  std::vector<std::string> files = args.Positionals();
  if (output.empty()) throw TUsageError{"missing --output DIR"};
  if (files.empty()) throw TUsageError{"no input files"};

  ApplySettingDefaults();
  ReadSettings();
  LoadTypeFile();
  SetProfileFolders();
  TGlobalVars& g = GlobalVars;
  g.OutputFormat = static_cast<uint8_t>(format);
  g.DeleteFileAfterProcessing = deleteSource;
  g.ShutdownWindowsWhenDone = false;  // a script never powers the machine off
  if (!priority.empty()) {
    if (priority.size() != 1 || priority[0] < '0' || priority[0] > '3')
      throw TUsageError{"--priority takes 0 (idle), 1 (normal), 2 (high) or 3 (realtime)"};
    g.Priority = static_cast<uint8_t>(priority[0] - '0');
  }

  TBatchChoice choice;
  if (UsesDevicePresets(format)) {
    if (device.empty() || item.empty())
      throw TUsageError{"MP4 and 3GP take a device preset: --device PRESET.ini --item SECTION"};
    if (!PathExists(device)) device = ListedPreset(device);
    if (!PathExists(device)) throw TUsageError{"no device preset '" + device + "'"};
    bool found = false;
    for (const TProfileDetailItem& i : PresetItems(device)) found = found || i.Section == item;
    if (!found) throw TUsageError{"the preset '" + device + "' has no section '" + item + "'"};
    choice.DevicePresetFile = Absolute(device);
    choice.DeviceSection = item;
  } else {
    if (profile.empty()) throw TUsageError{"missing --profile NAME"};
    std::vector<TProfileEntry> listed = ListProfiles(format);
    int found = FindProfile(listed, profile);
    if (found < 0)
      throw TUsageError{"no profile '" + profile + "' in " +
                        g.ProfileDirs[static_cast<size_t>(ProfileDirIndex(format))]};
    choice.ProfileFile = listed[static_cast<size_t>(found)].FileName;
  }

  std::error_code ec;
  output = Absolute(output);
  fs::create_directories(output, ec);
  if (!FolderExists(output)) throw TUsageError{"cannot create the output folder " + output};
  choice.OutputFolder = output;

  TCliHost host;
  TCliDialogs dialogs;
  dialogs.Host = &host;
  TScopedDialogProvider scope(dialogs);

  std::vector<TFileItem> items;
  int skipped = 0;
  for (const std::string& f : files) {
    std::string path = Absolute(f);
    switch (AddInputFile(path, items)) {
      case TAddResult::Added: break;
      case TAddResult::Missing:
        std::fprintf(stderr, "kinovert-cli: %s: no such file, skipped\n", f.c_str());
        ++skipped;
        break;
      case TAddResult::UnknownType:
        std::fprintf(stderr, "kinovert-cli: %s: not a known input type, skipped\n", f.c_str());
        ++skipped;
        break;
      case TAddResult::Duplicate:
        std::fprintf(stderr, "kinovert-cli: %s: listed twice, converted once\n", f.c_str());
        break;
      case TAddResult::Rejected: ++skipped; break;
    }
  }
  if (items.empty()) {
    std::fprintf(stderr, "kinovert-cli: nothing to convert\n");
    return kExitFailed;
  }
  std::vector<TBatchInput> inputs;
  for (const TFileItem& i : items) inputs.push_back({i.Caption(), i.Media[msFileSize]});

  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  ::sigaction(SIGINT, &sa, nullptr);
  ::sigaction(SIGTERM, &sa, nullptr);

  TRedirector runner(host.Loop);
  std::unique_ptr<TPowerControl> power = CreateSystemPowerControl();
  TBatchDriver driver(host, runner, *power);
  host.Driver = &driver;
  if (!driver.ActionConvertExecute(inputs, choice)) return kExitUsage;

  int done = g.DoneCount, failed = g.FailedCount;
  int notRun = static_cast<int>(inputs.size()) - done - failed;
  std::fprintf(stderr, "Converted %d of %zu files: %d failed, %d skipped%s.\n", done,
               inputs.size() + static_cast<size_t>(skipped), failed, skipped + notRun,
               Interrupted ? " (stopped)" : "");
  return done == static_cast<int>(inputs.size()) && skipped == 0 ? kExitOk : kExitFailed;
}

const TCliCommand Command(
    "convert",
    "convert --target FORMAT (--profile NAME | --device PRESET.ini --item SECTION) --output DIR "
    "[--delete-source] [--priority 0-3] [--] FILE...",
    "convert files with a profile of FORMAT (MP4 and 3GP: a device preset) into DIR; Ctrl-C "
    "stops at once",
    RunConvert);

}  // namespace
