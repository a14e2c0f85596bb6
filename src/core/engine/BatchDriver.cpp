// SPDX-License-Identifier: GPL-3.0-or-later
// The batch over the file list. Beyond the plain run of files, a few rules
// keep a batch from reporting or leaving behind what it should not:
//  - a file whose encoder exits with an error, or leaves an empty output, is
//    booked failed even when an output file exists;
//  - the partial output of a failed or stopped file is deleted, never its
//    source; a source is deleted only after a good, non-empty output that
//    is as long as the source states (a time window counted) and only when
//    the source did not change while it was read (a file still being
//    copied): otherwise the file is converted with a warning, source kept;
//  - every value put into the device batch file is shell-quoted, and the
//    paths of the direct command are quoted so that any file name survives;
//  - a name goes into the DirectShow script so that the encoder reads back
//    exactly that name; a file whose name cannot be is booked failed;
//  - the two textual fixes of the options, and the parser's look for a time
//    window, act on the options alone, never on a file name that happens to
//    hold the same text;
//  - the temporary script and batch file live in a private folder per batch,
//    so batches never run each other's commands;
//  - an output name is taken before the encoder runs, by creating its part
//    file, so programs converting into one folder side by side never share
//    one; the encoder writes the part file (device commands too), which gets
//    the final name only when it is complete and never over a file that
//    appeared meanwhile, so no cut-off output ever has a finished name;
//  - every file starts with no duration, position, names or labels of the
//    file before it, and the batch figure never goes back;
//  - a failed file is told with its reason, to the host and at the batch's
//    end, and the batch goes on: nothing waits for someone to click;
//  - the end of a batch says what happened: all converted, some failed, or
//    stopped;
//  - a next file is started only while the batch window is open.
#include "engine/BatchDriver.h"

#include <sys/stat.h>

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
#include "base/OutputName.h"
#include "base/PrivateFolder.h"
#include "base/TextUtil.h"
#include "base/TimeText.h"
#include "engine/CommandLine.h"
#include "engine/FileFailure.h"
#include "engine/MainThread.h"
#include "engine/OutputParser.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "engine/ScriptTemplate.h"
#include "lang/ResStr.h"
#include "media/MediaInfo.h"
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

// How long the output should be: what the source states, less a start
// (-ss) and at most a length (-t) that the options or commands ask for.
int64_t ExpectedLengthMs(int64_t statedMs, const std::string& options) {
  const std::vector<std::string> words = SplitCommandLine(options);
  int64_t start = 0, length = 0;
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] == "-ss") start = std::max<int64_t>(0, TimeTextToMs(words[i + 1]));
    if (words[i] == "-t") length = TimeTextToMs(words[i + 1]);
  }
  int64_t expected = std::max<int64_t>(0, statedMs - start);
  return length > 0 ? std::min(expected, length) : expected;
}

// The length of a finished output as the media library reads it, 0 when
// it cannot tell.
int64_t MediaLengthMs(const std::string& fileName) {
  TMediaInfo info;
  if (!info.Open(fileName)) return 0;
  int64_t ms = 0;
  for (char c : info.Get(TStreamKind::General, 0, "Duration")) {
    if (c < '0' || c > '9' || ms > INT64_MAX / 10 - 9) break;
    ms = ms * 10 + (c - '0');
  }
  return ms;
}

int64_t ModifiedNs(const struct stat& st) {
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

}  // namespace

std::string DevicePresetProblem(const std::string& presetFile, const std::string& section) {
  try {
    const TIniFile ini(presetFile);
    if (!ini.SectionExists(section)) return "it has no item \"" + section + "\"";
    return PresetItemProblem(ini.ReadString(section, "EXT", ""), PresetCommandsOf(ini, section));
  } catch (const EKinovertError& e) {
    return e.what();
  }
}

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
    // An item without EXT writes a name without an extension (its command
    // ends in <%OutputFile%> alone), not one ending in a full stop.
    std::string ext = PresetExtension(Choice_.DevicePresetFile, Choice_.DeviceSection);
    return ext.empty() ? ext : "." + ext;
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
  if (IsDeviceTarget()) {
    if (std::string why = DevicePresetProblem(choice.DevicePresetFile, choice.DeviceSection);
        !why.empty()) {
      MessageBoxText(FormatText(ResStr(MSG_PRESET_REFUSED), {choice.DevicePresetFile, why}),
                     ResStr(MSG_Error), MB_ICONWARNING);
      return false;
    }
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
  Failures_.clear();

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
    // Stopped, the file is no more converted than one that never ran.
    Host_.SetFileState(g.CurrentInputFile, TFileState::Idle);
  }
  View_.reset();
  Temp_.reset();
  inhibitor.reset();

  Host_.BatchEnded(Outcome());
  // A countdown only for an action there is to count down to.
  if (!g.BatchHadErrors && g.ShutdownWindowsWhenDone && result != mrCancel &&
      IsPowerActionFlag(g.ShutdownFlag) && Host_.RunCountdown())
    RunPowerAction(g.ShutdownFlag, Power_, [this] { Host_.QuitProgram(); },
                   [this] { Host_.BeforePowerAction(); });
  return result;
}

TBatchOutcome TBatchDriver::Outcome() const {
  const TGlobalVars& g = GlobalVars;
  TBatchOutcome o;
  o.Total = g.TotalCount;
  o.Converted = g.DoneCount;
  o.Failed = g.FailedCount;
  // Stopped means files left unconverted: a batch that ended while the stop
  // question was open closes with mrCancel (no power action follows), yet
  // every file was booked.
  o.Stopped = g.DoneCount + g.FailedCount < g.TotalCount;
  o.Failures = Failures_;
  return o;
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
      // The template adds the extension: the part file's name without it.
      {"<%OutputFile%>", ShellQuote(g.OutputFile.substr(0, g.OutputFile.size() - OutputExt_.size()))},
      {"<%OutputPath%>", ShellQuote(g.OutputPath)},
      {"<%RandomNumber3%>", ShellQuote(g.RandomNumber3)},
      {"<%RandomNumber5%>", ShellQuote(g.RandomNumber5)},
      {"<%InputFile%>", ShellQuote(input)},
  };
  // Checked again here: the file may have changed since the batch began.
  if (std::string why = DevicePresetProblem(Choice_.DevicePresetFile, Choice_.DeviceSection);
      !why.empty())
    throw EKinovertError("The device preset \"" + Choice_.DevicePresetFile + "\" is not run: " + why);
  std::string script;
  for (const std::string& command : PresetCommands(Choice_.DevicePresetFile, Choice_.DeviceSection))
    (script += FillTemplate(command, values)) += '\n';
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
  // The source as it is now: a copy still being written shows itself by
  // growing, or by being shorter than its header says.
  StatedMs_ = TimeTextToMs(Files_[index].PlayTime);
  struct stat st {};
  SourceSeen_ = ::stat(g.CurrentInputFile.c_str(), &st) == 0;
  SourceSize_ = SourceSeen_ ? static_cast<int64_t>(st.st_size) : 0;
  SourceMtimeNs_ = SourceSeen_ ? ModifiedNs(st) : 0;
  FailureLine_.clear();
  ChildStarted_ = false;
  FileStartedAt_ = fs::file_time_type::clock::now();

  OutputExt_ = OutputExtension();
  std::string name = ChangeFileExtension(FileNamePart(g.CurrentInputFile), OutputExt_);
  std::string folder = IncludeBackslash(Choice_.OutputFolder);
  OutputName_ = ReserveOutputName(name, OutputExt_, folder);
  g.CurrentOutputFile = folder + OutputName_;
  PartFile_ = folder + PartFileName(OutputName_, OutputExt_);
  // Until the encoder names them, the names are the batch's own: a file
  // that fails before the encoder reads it is not told by the last one's.
  g.EncoderInputName = g.CurrentInputFile;
  g.EncoderOutputName = g.CurrentOutputFile;
  ShowFileStart();
  try {
    StartEncoder(folder);
  } catch (...) {
    // The file never started: its reservation, a still empty part file, goes.
    DeleteIfEmpty(PartFile_);
    PartFile_.clear();
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
  // What the encoder writes: the part file, named as its output when done.
  g.OutputFile = PartFile_;
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
    WindowOptions_.clear();
    for (const std::string& c : PresetCommands(Choice_.DevicePresetFile, Choice_.DeviceSection))
      (WindowOptions_ += c) += ' ';
  } else {
    std::string options = BuildOptions();
    if (options.find(" -ac 5:1 ") != std::string::npos && options.find(" -ab ") == std::string::npos)
      ReplaceFirst(options, " -ac ", " -ab 256 -ac ");
    ReplaceFirst(options, " -vcodec ffvhuff ", " -vcodec ffvhuff -strict -2 ");
    std::string encoder = EncoderFullPath();
    if (encoder.find_first_of(" \t\"") != std::string::npos) encoder = QuoteArgument(encoder);
    LastCommandLine_ = encoder + " -p 5310746 -i " + QuoteArgument(input) + " " + options + " " +
                       QuoteArgument(PartFile_);
    LastOptions_ = options;
    WindowOptions_ = options;
  }
  Runner_.SetCommandline(LastCommandLine_);
  Runner_.Start();
  ChildStarted_ = true;
}

void TBatchDriver::ShowFileStart() const {
  const TGlobalVars& g = GlobalVars;
  View_->ShowFileStatus(ResStr(MSG_ID_STATUS) + "0%", 0);
  View_->ShowFileRemaining(FormatClock(0));
  View_->ShowWorking(ResStr(MSG_PLEASE_WAIT));
  View_->ShowOutput(FormatText(ResStr(MSG_ID_OUTPUT), {FileNamePart(g.CurrentOutputFile)}));
}

void TBatchDriver::FailUnstartedFile(const std::string& why) {
  TGlobalVars& g = GlobalVars;
  // Booked like a file whose encoder failed at once: its row was at work,
  // the reason is told as a failure line's would be, and the batch goes on.
  Host_.SetFileState(g.CurrentInputFile, TFileState::Converting);
  FailureLine_ = why;
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
  ctx.OnFailureLine = [this](const std::string& line) {
    // The first line names the cause; later ones follow from it.
    if (FailureLine_.empty()) FailureLine_ = line;
  };
  ParseEncoderOutput(buffer, size, ctx);
}

void TBatchDriver::DeletePartialOutput() const {
  const TGlobalVars& g = GlobalVars;
  if (!PartFile_.empty() && PartFile_ != g.CurrentInputFile) std::remove(PartFile_.c_str());
}

bool TBatchDriver::FinishOutput(std::string& why) {
  TGlobalVars& g = GlobalVars;
  const std::string folder = IncludeBackslash(Choice_.OutputFolder);
  const std::string name = FinishOutputName(OutputName_, OutputExt_, folder);
  if (name.empty()) {
    const int error = errno;
    why = "\"" + PartFile_ + "\" could not be renamed to \"" + g.CurrentOutputFile +
          "\": " + std::strerror(error);
    return false;
  }
  OutputName_ = name;
  g.CurrentOutputFile = folder + name;
  PartFile_.clear();
  return true;
}

std::string TBatchDriver::IncompleteOutput() const {
  const TGlobalVars& g = GlobalVars;
  struct stat st {};
  if (SourceSeen_ && ::stat(g.CurrentInputFile.c_str(), &st) == 0 &&
      (static_cast<int64_t>(st.st_size) != SourceSize_ || ModifiedNs(st) != SourceMtimeNs_))
    return FormatText(ResStr(MSG_SOURCE_CHANGED), {g.CurrentInputFile});
  if (StatedMs_ <= 0) return {};
  const int64_t expected = ExpectedLengthMs(StatedMs_, WindowOptions_);
  const int64_t measured = g.PositionMs > 0 ? g.PositionMs : MediaLengthMs(g.CurrentOutputFile);
  // What no encoder or media library can tell is no shortfall; nor is a
  // difference of rounding, frame or packet sizes.
  const int64_t shortfall = expected - measured;
  if (measured <= 0 || shortfall <= 1000 || shortfall * 20 <= expected) return {};
  return FormatText(ResStr(MSG_OUTPUT_SHORT),
                    {g.CurrentInputFile, FormatTimeText(measured), FormatTimeText(expected)});
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

std::string TBatchDriver::WrittenInstead() const {
  const TGlobalVars& g = GlobalVars;
  const std::string base = FileNamePart(PathWithoutExtension(g.CurrentOutputFile));
  std::error_code ec;
  for (fs::directory_iterator it(Choice_.OutputFolder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name == FileNamePart(g.CurrentOutputFile) || name == FileNamePart(PartFile_) ||
        name.rfind(base, 0) != 0)
      continue;
    std::error_code timeError;
    if (it->is_regular_file(timeError) && it->last_write_time(timeError) >= FileStartedAt_ &&
        !timeError)
      return name;
  }
  return {};
}

std::string TBatchDriver::FailureReason() const {
  // A file that never ran has its reason already; the runner's figures are
  // the last file's.
  if (!ChildStarted_) return FailureLine_;
  const TGlobalVars& g = GlobalVars;
  TFileEndFacts facts;
  facts.FailureLine = FailureLine_;
  facts.ExitCode = Runner_.ExitCode();
  facts.KilledBy = Runner_.TerminateRequested() ? 0 : Runner_.TermSignal();
  facts.DeviceRoute = IsDeviceTarget();
  // Told by the name the user knows; the encoder wrote the part file.
  facts.Output = g.CurrentOutputFile;
  facts.OutputFolderExists = FolderExists(Choice_.OutputFolder);
  facts.OutputSize = FileSize64(PartFile_.empty() ? g.CurrentOutputFile : PartFile_);
  if (facts.DeviceRoute && facts.OutputSize <= 0 && facts.ExitCode == 0 && FailureLine_.empty())
    facts.WrittenInstead = WrittenInstead();
  return FileFailureReason(facts);
}

void TBatchDriver::BookFailure(const std::string& reason) {
  const TGlobalVars& g = GlobalVars;
  Failures_.push_back(
      FormatText(ResStr(MSG_FILE_FAILED), {FileNamePart(g.CurrentInputFile), reason}));
  Host_.FileFailed(g.CurrentInputFile, reason);
}

void TBatchDriver::HandleProcessEnd() {
  if (!View_) return;
  TGlobalVars& g = GlobalVars;
  CleanTempFiles();
  bool failed = g.FileFailed || (ChildStarted_ && Runner_.ExitCode() != 0) ||
                FileSize64(PartFile_) <= 0;
  std::string finishError;
  if (!failed && !FinishOutput(finishError)) failed = true;
  if (!failed) {
    if (std::string incomplete = IncompleteOutput(); !incomplete.empty()) {
      if (g.DeleteFileAfterProcessing) incomplete += "\r\n\r\n" + ResStr(MSG_SOURCE_NOT_DELETED);
      Host_.ReportIncompleteOutput(g.CurrentInputFile, incomplete);
    } else if (g.DeleteFileAfterProcessing) {
      DeleteSource();
    }
    Host_.SetFileState(g.CurrentInputFile, TFileState::Done);
    ++g.DoneCount;
    if (g.DoneCount == g.TotalCount) {
      View_->ShowBatchStatus(ResStr(MSG_ID_BATCH) + "100%", 100);
      View_->ShowFileStatus(ResStr(MSG_ID_STATUS) + "100%", 100);
      View_->SetCaption(ResStr(MSG_LABEL_ENCODINGFINISHED));
    }
  } else {
    // Told before the partial output goes, while the facts still stand.
    const std::string reason = finishError.empty() ? FailureReason() : finishError;
    g.BatchHadErrors = true;
    ++g.FailedCount;
    BookFailure(reason);
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
    // The figure the output showed may have been rounded up: never back.
    g.BatchPercent = std::max(g.BatchPercent, TruncatedPercent(g.ProgressBytes, g.TotalBytes));
    View_->ShowBatchStatus(ResStr(MSG_ID_BATCH) + std::to_string(g.BatchPercent) + "%",
                           g.BatchPercent);
    if (g.ProgressBytes > 0) {
      const TBatchClocks clocks =
          BatchClocks(DayClock() - g.BatchStartTime, g.TotalBytes, g.ProgressBytes);
      View_->ShowBatchElapsed(clocks.Elapsed);
      View_->ShowBatchEstimated(clocks.Estimated);
      View_->ShowBatchRemaining(clocks.Remaining);
    }
  }
  if (g.DoneCount + g.FailedCount < g.TotalCount) {
    std::weak_ptr<bool> alive = Alive_;
    Host_.MainThread().Post([this, alive] {
      if (auto a = alive.lock(); a && *a) StartNextFilePosted();
    });
  }
}
