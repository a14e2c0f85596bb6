// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/BatchView.h"
#include "store/ProfileChoice.h"

class TRedirector;
class TPowerControl;
class TPrivateFolder;

// The prefix of each batch's private folder (PrivateFolder.h).
inline constexpr const char* kBatchFolderPrefix = "kinovert";

// One row of the file list as the batch reads it.
struct TBatchInput {
  std::string FileName;  // the row's caption: the full input path
  std::string FileSize;  // the media string "FileSize": bytes in decimal
  std::string PlayTime = {};  // the media string "PlayTime": what the source states, "" if nothing
};

// What the main window has chosen for the batch: the profile store's choice
// for the current target (TProfileStore::CurrentChoice) and the output folder.
struct TBatchChoice : TProfileChoice {
  std::string OutputFolder;  // the output folder box, as typed
};

// Converts a file list one file after another: the pre-checks, the batch, the
// encoder command line of each file (direct, through the DirectShow script,
// or through the device batch file), booking each result, deleting sources on
// request, and the actions after the batch. It meets the windows only through
// TBatchHost and TProgressView, so the desktop program, kinovert-cli and the
// tests drive it alike. Main thread only.
class TBatchDriver final {
 public:
  TBatchDriver(TBatchHost& host, TRedirector& runner, TPowerControl& power);
  ~TBatchDriver();
  TBatchDriver(const TBatchDriver&) = delete;
  TBatchDriver& operator=(const TBatchDriver&) = delete;

  // The Convert action: the pre-checks (each failure shows its message and
  // returns false), then the whole batch. Returns true when a batch ran.
  bool ActionConvertExecute(const std::vector<TBatchInput>& files, const TBatchChoice& choice);

  // Runs a batch to its end; returns the progress window's modal result.
  int StartBatch(const std::vector<TBatchInput>& files, const TBatchChoice& choice);

  // The progress window's two stop buttons.
  void StopNow();
  void StopWhenDone();

  bool Running() const { return View_ != nullptr; }
  const std::string& LastCommandLine() const { return LastCommandLine_; }
  // The profile options of the current file ("" on the device route).
  const std::string& LastOptions() const { return LastOptions_; }

  // Deletes the batch's temporary script and batch file. They live in a
  // private folder of their own per batch, removed when the batch ends.
  void CleanTempFiles() const;
  std::string TemporaryScriptPath() const;  // "DirectShow.avs"
  std::string TemporaryBatchPath() const;   // "~ConvertCore.sh"
  // ".avi", ".mpg", … by OutputFormat; MP4 and 3GP take the device section's EXT.
  std::string OutputExtension() const;
  // The options of the selected profile of the current target.
  std::string BuildOptions() const;

 private:
  bool StartNextFile();
  // Everything after the output name: temporary files, command line, the child.
  void StartEncoder(const std::string& folder);
  void StartNextFilePosted();
  void HandleProcessEnd();
  void OnOutput(const char* buffer, int32_t size);
  // The script's path, or "" when the input's name cannot be written into
  // it (`why` says why).
  std::string WriteScript(const std::string& templatePath, const std::string& input,
                          std::string& why) const;
  // The file at hand cannot be converted at all: booked as failed, with why.
  void FailUnstartedFile(const std::string& why);
  // The labels of a file that has just started: nothing of the file before.
  void ShowFileStart() const;
  // Why the file that just ended failed.
  std::string FailureReason() const;
  // The host is told, and the batch's end will tell it again.
  void BookFailure(const std::string& reason);
  // A file of the output folder the device preset wrote in place of the output.
  std::string WrittenInstead() const;
  TBatchOutcome Outcome() const;
  void WriteDeviceBatch(const std::string& input) const;
  void DeletePartialOutput() const;
  void DeleteSource() const;
  // The finished part file gets its final name; false (with why, and the
  // part file left for the failure's clean-up) when it cannot.
  bool FinishOutput(std::string& why);
  // Why the output may be incomplete ("" when there is no sign of it): it is
  // shorter than the source states, or the source changed while it was read.
  std::string IncompleteOutput() const;

  TBatchHost& Host_;
  TRedirector& Runner_;
  TPowerControl& Power_;
  std::vector<TBatchInput> Files_;
  TBatchChoice Choice_;
  std::unique_ptr<TProgressView> View_;
  std::string LastCommandLine_;
  std::string LastOptions_;
  std::unique_ptr<TPrivateFolder> Temp_;
  // The file at hand: where its output is written until it is complete, the
  // final name reserved for it, and the source as it was at its start.
  std::string PartFile_;
  std::string OutputName_;
  std::string OutputExt_;
  std::string WindowOptions_;  // what may hold a -ss/-t time window
  int64_t StatedMs_ = 0;
  bool SourceSeen_ = false;
  int64_t SourceSize_ = 0;
  int64_t SourceMtimeNs_ = 0;
  bool ChildStarted_ = false;
  std::string FailureLine_;  // the first failure line of the file at hand
  std::filesystem::file_time_type FileStartedAt_;
  std::vector<std::string> Failures_;  // "name failed: reason", in order
  // Posted calls check this before touching a driver that may be gone.
  std::shared_ptr<bool> Alive_ = std::make_shared<bool>(true);
};

// The Convert action's third check: an output folder is given as a full path
// (a leading "~" is the home folder: OutputFolderPath), and exists or is
// created after the user agreed. Shows the failure's message and returns
// false; a relative path gets the message of a folder that cannot be made.
// `folder` (if given) receives the full path.
bool CheckOutputFolder(const std::string& folderText, std::string* folder = nullptr);

// What keeps an item of a device preset file from being run (see
// PresetItemProblem; also a file that cannot be read, or has no such item),
// "" when nothing. The Convert action, kinovert-cli and the batch itself ask.
std::string DevicePresetProblem(const std::string& presetFile, const std::string& section);

// The runner priority of a stored choice: Idle, Normal, High, Realtime
// (0..3) give 1..4, anything else 1.
uint8_t RunnerPriority(uint8_t storedPriority);

