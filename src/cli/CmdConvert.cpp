// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli convert: a real batch through the batch driver, with a
// progress line on a terminal and plain lines otherwise.
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Cli.h"
#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "base/Utf8.h"
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

// Columns of the terminal on stderr; 80 when it cannot be told.
int TerminalWidth() {
  struct winsize ws {};
  if (::ioctl(2, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0) return ws.ws_col;
  return 80;
}

// The name cut in the middle to at most `width` characters (UTF-8 kept whole).
std::string FitName(const std::string& name, size_t width) {
  auto chars = [](const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
  };
  if (chars(name) <= width) return name;
  if (width < 4) return name.substr(0, width);
  // Byte positions of the first `keep` characters and of the last `tail` ones.
  size_t keep = (width - 1) / 2, tail = width - 1 - keep;
  size_t head = 0;
  for (size_t n = 0; head < name.size(); ++head)
    if ((static_cast<unsigned char>(name[head]) & 0xC0) != 0x80 && n++ == keep) break;
  size_t from = name.size();
  for (size_t n = 0; from > 0;) {
    --from;
    if ((static_cast<unsigned char>(name[from]) & 0xC0) != 0x80 && ++n == tail) break;
  }
  return name.substr(0, head) + "\u2026" + name.substr(from);
}

class TCliHost;

// The progress of one batch on stderr: a line redrawn in place on a
// terminal, one line per event otherwise.
class TCliView final : public TProgressView {
 public:
  TCliView(TEventLoop& loop, bool terminal, std::function<void()> stopNow, TCliView** owner)
      : Loop_(loop), Terminal_(terminal), StopNow_(std::move(stopNow)), Owner_(owner) {}
  ~TCliView() override {
    EndLine();
    // The host must not keep a pointer to a view that is gone.
    if (*Owner_ == this) *Owner_ = nullptr;
  }

  void SetCaption(const std::string&) override {}
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string& c) override { Elapsed_ = c; }
  void ShowFileStatus(const std::string&, int p) override {
    FilePercent_ = p;
    PercentKnown_ = true;
  }
  void ShowFileRemaining(const std::string&) override {}
  void ShowBatchStatus(const std::string&, int p) override {
    BatchPercent_ = p;
    Draw();
  }
  void ShowBatchEstimated(const std::string&) override {}
  void ShowBatchRemaining(const std::string& c) override { Remaining_ = c; }
  void ShowWorking(const std::string&) override { Draw(); }
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

  // The file at `index` (1-based) of the batch has started.
  void NewFile(int index, const std::string& input, const std::string& output) {
    EndLine();
    Index_ = index;
    FilePercent_ = 0;
    PercentKnown_ = false;
    Name_ = ShownText(FileNamePart(input));
    if (!Terminal_)
      std::fprintf(stderr, "[%d/%d] %s -> %s\n", Index_, GlobalVars.TotalCount,
                   ShownText(input).c_str(), ShownText(output).c_str());
    Draw();
  }
  void Booked(bool ok) {
    if (Index_ == 0) return;
    if (Terminal_ && ok) {
      FilePercent_ = 100;
      PercentKnown_ = true;
      Draw();
    }
    EndLine();
    if (!Terminal_ || !ok)
      std::fprintf(stderr, "[%d/%d] %s\n", Index_, GlobalVars.TotalCount, ok ? "done" : "failed");
    Index_ = 0;
  }
  void EndLine() {
    if (Drawn_) std::fputc('\n', stderr);
    Drawn_ = false;
  }

 private:
  void Draw() {
    if (!Terminal_ || Index_ == 0) return;
    char file[8] = " --";
    if (PercentKnown_) std::snprintf(file, sizeof file, "%3d%%", FilePercent_);
    char head[32];
    std::snprintf(head, sizeof head, "[%d/%d] ", Index_, GlobalVars.TotalCount);
    // One character short of the width: a full line wraps on some terminals.
    // On a narrow terminal the times go first, then the name is shortened.
    const long width = static_cast<long>(TerminalWidth()) - 1;
    const long minName = std::min<long>(12, static_cast<long>(Name_.size()));
    char rest[160] = "";
    long room = 0;
    for (int variant = 0; variant < 3; ++variant) {
      if (variant == 0)
        std::snprintf(rest, sizeof rest, "  file %s  batch %3d%%  elapsed %7s  remaining %7s", file,
                      BatchPercent_, Elapsed_.c_str(), Remaining_.c_str());
      else if (variant == 1)
        std::snprintf(rest, sizeof rest, "  file %s  batch %3d%%  remaining %7s", file, BatchPercent_,
                      Remaining_.c_str());
      else
        std::snprintf(rest, sizeof rest, " %s %3d%%", file, BatchPercent_);
      room = width - static_cast<long>(std::strlen(head)) - static_cast<long>(std::strlen(rest));
      if (room >= minName) break;
    }
    std::string name = FitName(Name_, static_cast<size_t>(std::max(room, 0L)));
    std::fprintf(stderr, "\r\033[K%s%s%s", head, name.c_str(), rest);
    Drawn_ = true;
  }

  TEventLoop& Loop_;
  bool Terminal_;
  std::function<void()> StopNow_;
  TCliView** Owner_;
  int Result_ = 0;
  int Index_ = 0;
  int FilePercent_ = 0, BatchPercent_ = 0;
  bool PercentKnown_ = false;
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
  int SourcesKept = 0;

  void SetFileState(const std::string& path, TFileState state) override {
    if (View == nullptr || (state == LastState_ && path == LastPath_)) return;
    LastState_ = state;
    LastPath_ = path;
    if (state == TFileState::Converting)
      View->NewFile(GlobalVars.DoneCount + GlobalVars.FailedCount + 1, path,
                    GlobalVars.CurrentOutputFile);
    if (state == TFileState::Done || state == TFileState::Failed) View->Booked(state == TFileState::Done);
  }
  void SetTrayHint(const std::string&) override {}
  void ShowBalloon(const std::string&, const std::string&) override {}
  std::unique_ptr<TProgressView> CreateProgressView() override {
    auto view = std::make_unique<TCliView>(Loop, Terminal, [this] { Driver->StopNow(); }, &View);
    View = view.get();
    return view;
  }
  bool RunCountdown() override { return false; }
  void QuitProgram() override {}
  // A script never powers the machine off: nothing runs after the countdown.
  void BeforePowerAction() override {}
  // Nobody is there to press "Stop now": report and end the batch.
  void ShowStartError(const std::string& message) override {
    ++StartErrors;
    if (View) View->EndLine();
    std::fprintf(stderr, "kinovert-cli: %s\n", ShownText(message).c_str());
    Driver->StopNow();
  }
  void ReportSourceKept(const std::string& path, const std::string& reason) override {
    ++SourcesKept;
    if (View) View->EndLine();
    std::fprintf(stderr, "kinovert-cli: %s: converted, but the source was kept: %s\n",
                 ShownText(path).c_str(), reason.c_str());
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
  PrepareProfileFolders();
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
    const std::string shown = ShownText(f);
    switch (AddInputFile(path, items)) {
      case TAddResult::Added: break;
      case TAddResult::Missing:
        std::fprintf(stderr, "kinovert-cli: %s: no such file, skipped\n", shown.c_str());
        ++skipped;
        break;
      case TAddResult::UnknownType:
        std::fprintf(stderr, "kinovert-cli: %s: not a known input type, skipped\n", shown.c_str());
        ++skipped;
        break;
      case TAddResult::Duplicate:
        std::fprintf(stderr, "kinovert-cli: %s: listed twice, converted once\n", shown.c_str());
        break;
      case TAddResult::Rejected: ++skipped; break;
    }
  }
  if (items.empty()) {
    std::fprintf(stderr, "kinovert-cli: nothing to convert\n");
    return kExitUsage;
  }
  std::vector<TBatchInput> inputs;
  for (const TFileItem& i : items) inputs.push_back({i.Caption(), i.Media[msFileSize]});

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
  if (!driver.ActionConvertExecute(inputs, choice)) return kExitUsage;

  int done = g.DoneCount, failed = g.FailedCount;
  int notRun = static_cast<int>(inputs.size()) - done - failed;
  std::fprintf(stderr, "Converted %d of %zu files: %d failed, %d skipped%s.\n", done,
               inputs.size() + static_cast<size_t>(skipped), failed, skipped + notRun,
               Interrupted ? " (stopped)" : "");
  bool allDone = done == static_cast<int>(inputs.size()) && skipped == 0 && host.SourcesKept == 0;
  return allDone ? kExitOk : kExitFailed;
}

const TCliCommand Command(
    "convert",
    "convert --target FORMAT (--profile NAME | --device PRESET.ini --item SECTION) --output DIR "
    "[--delete-source] [--priority 0-3] [--] FILE...",
    "convert files with a profile of FORMAT (MP4 and 3GP: a device preset) into DIR; Ctrl-C "
    "stops at once",
    RunConvert);

}  // namespace
