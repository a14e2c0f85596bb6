// SPDX-License-Identifier: GPL-3.0-or-later
// The batch over the file list. Beyond the plain run of files, a few rules
// keep a batch from reporting or leaving behind what it should not:
//  - a file whose encoder exits with an error, or leaves an empty output, is
//    booked failed even when an output file exists;
//  - the partial output of a failed or stopped file is deleted, never its
//    source; a source is deleted only after a good, non-empty output;
//  - every value put into the device batch file is shell-quoted, and the
//    paths of the direct command are quoted so that any file name survives;
//  - a name goes into the DirectShow script so that the encoder reads back
//    exactly that name; a file whose name cannot be is booked failed;
//  - the two textual fixes of the options, and the parser's look for a time
//    window, act on the options alone, never on a file name that happens to
//    hold the same text;
//  - the temporary script and batch file live in a private folder per batch,
//    so batches never run each other's commands;
//  - an output name is taken by creating the file before the encoder runs,
//    so programs converting into one folder side by side never share one;
//  - every file starts with no duration or position of the file before it;
//  - a next file is started only while the batch window is open.
#include "engine/BatchDriver.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/OutputFolder.h"
#include "app/ProgramFolder.h"
#include "base/AtomicFile.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "base/IniFile.h"
#include "base/PrivateFolder.h"
#include "base/TextUtil.h"
#include "engine/CommandLine.h"
#include "engine/MainThread.h"
#include "engine/OutputParser.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "engine/ScriptTemplate.h"
#include "lang/ResStr.h"
#include "profiles/EncoderOptions.h"
#include "store/DevicePresets.h"
#include "store/TargetTable.h"

namespace fs = std::filesystem;

namespace {

bool IsDeviceTarget() {
  return UsesDevicePresets(GlobalVars.OutputFormat);
}

std::string EncoderFullPath() {
  const std::string& path = GlobalVars.EncoderPath;
  return !path.empty() && path[0] == '/' ? path : ProgramFolder() + path;
}

int64_t SizeOf(const std::string& text) {
  int64_t value = 0;
  for (char c : TrimBlanks(text)) {
    if (c < '0' || c > '9' || value > (INT64_MAX - 9) / 10) return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Sizes add up without wrapping, however large the files claim to be.
int64_t AddSizes(int64_t a, int64_t b) {
  int64_t sum = 0;
  return __builtin_add_overflow(a, b, &sum) ? INT64_MAX : sum;
}

// 100 * part / whole, truncated, without overflow for any sizes.
int32_t TruncatedPercent(int64_t part, int64_t whole) {
  __extension__ using TWide = __int128;
  if (whole <= 0 || part <= 0) return 0;
  return static_cast<int32_t>(std::min<TWide>(100, static_cast<TWide>(part) * 100 / whole));
}

// Replaces the first `from` with `to`.
void ReplaceFirst(std::string& text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
}

bool InAvsExt(const std::string& input) {
  std::string ext = FileExtension(input);
  for (const std::string& e : GlobalVars.AVSExt)
    if (e == ext) return true;
  return false;
}

}  // namespace

uint8_t RunnerPriority(uint8_t storedPriority) {
  return storedPriority <= 3 ? static_cast<uint8_t>(storedPriority + 1) : 1;
}

bool CheckOutputFolder(const std::string& folderText, std::string* fullPath) {
  if (TrimBlanks(folderText).empty()) {
    MessageBoxText(ResStr(MSG_EMPTY_DIR), ResStr(MSG_EMPTY), MB_ICONQUESTION);
    return false;
  }
  const std::string folder = OutputFolderPath(folderText);
  auto cannotMake = [] {
    MessageBoxText(ResStr(MSG_FAIL_TO_CREATEDIR), ResStr(MSG_FAIL_CREATEDIR), MB_ICONQUESTION);
    return false;
  };
  if (folder.empty()) return cannotMake();
  if (fullPath != nullptr) *fullPath = folder;
  if (FolderExists(folder)) return true;
  if (MessageBoxText(ResStr(MSG_SURE_TO_CREATEDIR), ResStr(MSG_CREATEDIR),
                     MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
    return false;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !FolderExists(folder)) return cannotMake();
  return true;
}

TBatchDriver::TBatchDriver(TBatchHost& host, TRedirector& runner, TPowerControl& power)
    : Host_(host), Runner_(runner), Power_(power) {}

TBatchDriver::~TBatchDriver() {
  *Alive_ = false;
  Runner_.OnData = nullptr;
  Runner_.OnErrorData = nullptr;
  Runner_.OnTerminated = nullptr;
}

std::string TBatchDriver::TemporaryScriptPath() const {
  return Temp_ ? Temp_->Path() + "DirectShow.avs" : std::string();
}

std::string TBatchDriver::TemporaryBatchPath() const {
  return Temp_ ? Temp_->Path() + "~ConvertCore.sh" : std::string();
}

void TBatchDriver::CleanTempFiles() const {
  if (!Temp_) return;
  std::remove(TemporaryBatchPath().c_str());
  std::remove(TemporaryScriptPath().c_str());
}

std::string TBatchDriver::OutputExtension() const {
  static constexpr const char* extensions[] = {".avi", "",     "",     ".mpg", ".mov", ".wmv",
                                               ".rm",  ".swf", ".vob", ".asf", ".aac", ".ac3",
                                               ".mp2", ".mp3", ".amr", ".wav"};
  if (IsDeviceTarget()) {
    std::string ext = ".";
    ext += PresetExtension(Choice_.DevicePresetFile, Choice_.DeviceSection);
    return ext;
  }
  if (GlobalVars.OutputFormat >= kOutputFormatCount) return {};
  return extensions[GlobalVars.OutputFormat];
}

std::string TBatchDriver::BuildOptions() const {
  return BuildEncoderOptions(Choice_.ProfileFile);
}

bool TBatchDriver::ActionConvertExecute(const std::vector<TBatchInput>& files,
                                        const TBatchChoice& choice) {
  if (!PathExists(EncoderFullPath())) {
    MessageBoxText(FormatText(ResStr(MSG_NOENCODER), {GlobalVars.EncoderPath}), ResStr(MSG_HINT),
                   MB_ICONWARNING);
    return false;
  }
  if (files.empty()) {
    MessageBoxText(ResStr(MSG_NOFILES), ResStr(MSG_HINT), MB_ICONWARNING);
    return false;
  }
  // Nothing to convert with (no profile listed, or no device chosen): the
  // encoder would get whatever the format's settings last held.
  bool chosen = IsDeviceTarget() ? !choice.DevicePresetFile.empty() && !choice.DeviceSection.empty()
                                 : !choice.ProfileFile.empty();
  if (!chosen) {
    MessageBoxText(ResStr(MSG_NO_PROFILE_CHOSEN), ResStr(MSG_HINT), MB_ICONWARNING);
    return false;
  }
  TBatchChoice checked = choice;
  if (!CheckOutputFolder(choice.OutputFolder, &checked.OutputFolder)) return false;
  for (const TBatchInput& f : files) Host_.SetFileState(f.FileName, TFileState::Idle);
  GlobalVars.LastOutputOpenDir = checked.OutputFolder;
  StartBatch(files, checked);
  return true;
}

int TBatchDriver::StartBatch(const std::vector<TBatchInput>& files, const TBatchChoice& choice) {
  TGlobalVars& g = GlobalVars;
  Files_ = files;
  Choice_ = choice;
  Runner_.SetInitialPriority(RunnerPriority(g.Priority));
  Runner_.SetDefaultErrorMode(true);
  Runner_.OnData = [this](TRedirector&, const char* b, int32_t n) { OnOutput(b, n); };
  Runner_.OnErrorData = [this](TRedirector&, const char* b, int32_t n) { OnOutput(b, n); };
  Runner_.OnTerminated = [this](TRedirector&) { HandleProcessEnd(); };
  Runner_.TerminateOnDestroy = true;
  Host_.SetTrayHint(ResStr(MSG_TRAY_ENCODING_START));

  View_ = Host_.CreateProgressView();
  View_->SetCaption(ResStr(MSG_ID_ENC_IN_PROGRESS));
  View_->SetStopLabel(ResStr(MSG_ID_STOP_ENC));
  View_->ResetLabels();

  g.BatchHadErrors = false;
  g.StopWhenDone = false;
  g.TotalCount = static_cast<int32_t>(Files_.size());
  g.DoneCount = g.FailedCount = 0;
  g.TotalBytes = 0;
  for (const TBatchInput& f : Files_) g.TotalBytes = AddSizes(g.TotalBytes, SizeOf(f.FileSize));
  g.CurrentFileBytes = g.DoneBytes = g.ProgressBytes = 0;
  g.BatchPercent = 0;
  g.BatchStartTime = DayClock();

  // An unattended batch must not be cut short by the machine going to sleep.
  std::unique_ptr<TPowerControl::TInhibitor> inhibitor = Power_.InhibitSleep("Converting files");
  int result = mrCancel;
  try {
    Temp_ = std::make_unique<TPrivateFolder>(kBatchFolderPrefix);
    StartNextFile();
    result = View_->RunModal();
  } catch (...) {
    View_.reset();
    if (Runner_.Active()) Runner_.Terminate(0);
    Temp_.reset();
    throw;
  }
  if (Runner_.Active()) {
    Runner_.Terminate(0);
    DeletePartialOutput();
  }
  View_.reset();
  Temp_.reset();
  inhibitor.reset();

  if (!g.BatchHadErrors) {
    Host_.ShowBalloon(FormatText(ResStr(MSG_TRAY_INFO), {ResStr(MSG_APPLICATION_TITLE)}),
                      ResStr(MSG_TRAY_CONVERT_COMPLETE));
    if (g.ShutdownWindowsWhenDone && result != mrCancel && Host_.RunCountdown())
      RunPowerAction(g.ShutdownFlag, Power_, [this] { Host_.QuitProgram(); },
                     [this] { Host_.BeforePowerAction(); });
  }
  return result;
}

void TBatchDriver::StopNow() {
  if (View_) View_->Close(mrCancel);
}

void TBatchDriver::StopWhenDone() { GlobalVars.StopWhenDone = true; }

std::string TBatchDriver::WriteScript(const std::string& templatePath, const std::string& input,
                                      std::string& why) const {
  std::string text;
  if (!ReadWholeFile(templatePath, text))
    throw EKinovertError("Cannot read the script template \"" + templatePath + "\"");
  std::string script;
  if (!FillScriptTemplate(text, input, script, &why)) return {};
  std::string path = TemporaryScriptPath();
  if (!WriteFileAtomically(path, script)) throw EKinovertError("Unable to write to " + path);
  return path;
}

void TBatchDriver::WriteDeviceBatch(const std::string& input) const {
  const TGlobalVars& g = GlobalVars;
  const std::vector<std::pair<std::string_view, std::string>> values = {
      {"<%AppPath%>", ShellQuote(g.AppPath)},
      {"<%TimeStamp%>", ShellQuote(g.TimeStamp)},
      {"<%TemporaryFile%>", ShellQuote(g.TemporaryFile)},
      {"<%Title%>", ShellQuote(g.Title)},
      {"<%OutputFile%>", ShellQuote(PathWithoutExtension(g.OutputFile))},
      {"<%OutputPath%>", ShellQuote(g.OutputPath)},
      {"<%RandomNumber3%>", ShellQuote(g.RandomNumber3)},
      {"<%RandomNumber5%>", ShellQuote(g.RandomNumber5)},
      {"<%InputFile%>", ShellQuote(input)},
  };
  std::string script;
  for (const std::string& command : PresetCommands(Choice_.DevicePresetFile, Choice_.DeviceSection)) {
    std::string why;
    if (!IsAvcoreCall(command, &why))
      throw EKinovertError("The device preset \"" + Choice_.DevicePresetFile + "\" is not run: " + why);
    (script += FillTemplate(command, values)) += '\n';
  }
  std::string path = TemporaryBatchPath();
  if (!WriteFileAtomically(path, script)) throw EKinovertError("Unable to write to " + path);
}

bool TBatchDriver::StartNextFile() {
  TGlobalVars& g = GlobalVars;
  CleanTempFiles();
  size_t index = static_cast<size_t>(g.DoneCount + g.FailedCount);
  if (Files_.empty() || index >= Files_.size()) return false;
  // The child works in the program folder, as every relative path of the
  // templates expects; our own working folder stays where the user left it.
  Runner_.CurrentDirectory = ProgramFolder();

  g.FileFailed = false;
  g.FileStartTime = DayClock();
  g.FilePercent = 0;
  // Measured against the last file's duration, the first lines of this one
  // would show a percentage that means nothing.
  g.DurationMs = 0;
  g.PositionMs = 0;
  g.PendingOutput.clear();
  g.CurrentInputFile = Files_[index].FileName;
  g.CurrentFileBytes = SizeOf(Files_[index].FileSize);

  std::string name = ChangeFileExtension(FileNamePart(g.CurrentInputFile), OutputExtension());
  std::string folder = IncludeBackslash(Choice_.OutputFolder);
  g.CurrentOutputFile = folder + ReserveUniqueFileName(name, folder);
  try {
    StartEncoder(folder);
  } catch (...) {
    // The file never started: its reserved, still empty output goes.
    DeleteIfEmpty(g.CurrentOutputFile);
    throw;
  }
  return true;
}

void TBatchDriver::StartEncoder(const std::string& folder) {
  TGlobalVars& g = GlobalVars;
  g.AppPath = ExcludeBackslash(ProgramFolder());
  g.TimeStamp.clear();
  g.Title.clear();
  g.OutputPath = folder;
  g.OutputFile = g.CurrentOutputFile;
  g.TemporaryFile = g.OutputPath + RandomDigits(5);
  g.RandomNumber3 = RandomDigits(3);
  g.RandomNumber5 = RandomDigits(5);

  LastOptions_.clear();
  LastCommandLine_.clear();
  std::string input = g.CurrentInputFile;
  if (g.UseDirectShow || InAvsExt(g.CurrentInputFile)) {
    std::string why;
    input =
        WriteScript(IsDeviceTarget() ? DeviceDirectShowTemplatePath() : DirectShowTemplatePath(),
                    g.CurrentInputFile, why);
    if (input.empty()) {
      FailUnstartedFile(why);
      return;
    }
  }
  if (IsDeviceTarget()) {
    WriteDeviceBatch(input);
    LastCommandLine_ = QuoteArgument(TemporaryBatchPath());
  } else {
    std::string options = BuildOptions();
    if (options.find(" -ac 5:1 ") != std::string::npos && options.find(" -ab ") == std::string::npos)
      ReplaceFirst(options, " -ac ", " -ab 256 -ac ");
    ReplaceFirst(options, " -vcodec ffvhuff ", " -vcodec ffvhuff -strict -2 ");
    std::string encoder = EncoderFullPath();
    if (encoder.find_first_of(" \t\"") != std::string::npos) encoder = QuoteArgument(encoder);
    LastCommandLine_ = encoder + " -p 5310746 -i " + QuoteArgument(input) + " " + options + " " +
                       QuoteArgument(g.CurrentOutputFile);
    LastOptions_ = options;
  }
  Runner_.SetCommandline(LastCommandLine_);
  Runner_.Start();
}

void TBatchDriver::FailUnstartedFile(const std::string& why) {
  TGlobalVars& g = GlobalVars;
  // Booked like a file whose encoder failed at once: its row was at work,
  // the reason is shown as a failure line would be, and the batch goes on.
  Host_.SetFileState(g.CurrentInputFile, TFileState::Converting);
  MessageBoxText("\"" + g.CurrentInputFile + "\" is not converted: " + why, ResStr(MSG_Error),
                 MB_ICONINFORMATION);
  g.FileFailed = true;
  HandleProcessEnd();
}

void TBatchDriver::StartNextFilePosted() {
  if (!View_) return;
  try {
    StartNextFile();
  } catch (const EKinovertError& e) {
    Host_.ShowStartError(e.what());
  }
}

void TBatchDriver::OnOutput(const char* buffer, int32_t size) {
  TParseContext ctx;
  ctx.ProcessEnded = Runner_.ProcessEnded();
  ctx.Options = LastOptions_;
  ctx.View = View_.get();
  ctx.Host = &Host_;
  ctx.Now = DayClock();
  ParseEncoderOutput(buffer, size, ctx);
}

void TBatchDriver::DeletePartialOutput() const {
  const TGlobalVars& g = GlobalVars;
  if (!g.CurrentOutputFile.empty() && g.CurrentOutputFile != g.CurrentInputFile)
    std::remove(g.CurrentOutputFile.c_str());
}

void TBatchDriver::DeleteSource() const {
  const TGlobalVars& g = GlobalVars;
  // A source that is (or became) the output itself is never deleted.
  std::error_code ec;
  if (std::filesystem::equivalent(g.CurrentInputFile, g.CurrentOutputFile, ec)) {
    Host_.ReportSourceKept(g.CurrentInputFile, "it is the output file itself");
    return;
  }
  if (std::remove(g.CurrentInputFile.c_str()) != 0)
    Host_.ReportSourceKept(g.CurrentInputFile, std::strerror(errno));
}

void TBatchDriver::HandleProcessEnd() {
  if (!View_) return;
  TGlobalVars& g = GlobalVars;
  CleanTempFiles();
  bool failed = g.FileFailed || Runner_.ExitCode() != 0 || FileSize64(g.CurrentOutputFile) <= 0;
  if (!failed) {
    if (g.DeleteFileAfterProcessing) DeleteSource();
    Host_.SetFileState(g.CurrentInputFile, TFileState::Done);
    ++g.DoneCount;
    if (g.DoneCount == g.TotalCount) {
      View_->ShowBatchStatus(ResStr(MSG_ID_BATCH) + "100%", 100);
      View_->ShowFileStatus(ResStr(MSG_ID_STATUS) + "100%", 100);
      View_->SetCaption(ResStr(MSG_LABEL_ENCODINGFINISHED));
    }
  } else {
    g.BatchHadErrors = true;
    ++g.FailedCount;
    Host_.SetFileState(g.CurrentInputFile, TFileState::Failed);
    DeletePartialOutput();
  }
  if (g.StopWhenDone || g.DoneCount + g.FailedCount == g.TotalCount) {
    View_->SetFinished();
    View_->Close(mrOk);
    Host_.SetTrayHint(ResStr(MSG_TRAY_ENCODING_DONE));
    return;
  }
  g.DoneBytes = AddSizes(g.DoneBytes, g.CurrentFileBytes);
  g.ProgressBytes = g.DoneBytes;
  if (g.TotalBytes != 0) {
    g.BatchPercent = TruncatedPercent(g.ProgressBytes, g.TotalBytes);
    View_->ShowBatchStatus(ResStr(MSG_ID_BATCH) + std::to_string(g.BatchPercent) + "%",
                           g.BatchPercent);
    if (g.ProgressBytes > 0) {
      double elapsed = DayClock() - g.BatchStartTime;
      double estimated = static_cast<double>(g.TotalBytes) * elapsed / static_cast<double>(g.ProgressBytes);
      View_->ShowBatchEstimated(FormatClock(estimated));
      View_->ShowBatchRemaining(FormatClock(estimated - elapsed));
    }
  }
  if (g.DoneCount + g.FailedCount < g.TotalCount) {
    std::weak_ptr<bool> alive = Alive_;
    Host_.MainThread().Post([this, alive] {
      if (auto a = alive.lock(); a && *a) StartNextFilePosted();
    });
  }
}
