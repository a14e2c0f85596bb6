// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>

// Where a batch stands, as its progress window would show it.
struct TBatchFigures {
  std::optional<int> FilePercent;  // none until the encoder tells
  int BatchPercent = 0;
  std::string Elapsed = "0:00:00";  // h:mm:ss
  std::string Remaining = "-";      // h:mm:ss, "-" until it can be estimated
  bool operator==(const TBatchFigures&) const = default;
};

struct TBatchSummary {
  int Converted = 0, Failed = 0, Skipped = 0;
  bool Stopped = false;
  int NotRun = 0;  // files of the batch a stop left unconverted
};

// How kinovert-cli convert tells a batch's progress. Messages meant for a
// person (skipped inputs, failure lines, the summary) go to standard error
// whatever the report; the report decides what else is shown and where.
class TBatchReport {
 public:
  virtual ~TBatchReport() = default;
  // An input that was not added to the batch.
  virtual void Skipped(const std::string& input, const std::string& reason) = 0;
  virtual void Started(const std::string& target, const std::string& output, int count) = 0;
  // The file at index (1-based) of count has started.
  virtual void FileStarted(int index, int count, const std::string& input,
                           const std::string& output) = 0;
  virtual void Progress(const TBatchFigures& figures) = 0;
  // The file has been booked; reason says why it failed.
  virtual void FileEnded(bool done, const std::string& reason) = 0;
  // The batch stops before the file at hand is finished.
  virtual void Stopped() = 0;
  // Something the user should know beyond the file's own result.
  virtual void Message(const std::string& text) = 0;
  // A line for a person goes to standard error next: a line drawn in place ends first.
  virtual void BeforeMessage() = 0;
  virtual void Finished(const TBatchSummary& summary) = 0;
};

// auto: the line redrawn in place when standard error is a terminal, plain lines otherwise.
enum class TProgressMode { Auto, Terminal, Plain, Json };
inline constexpr const char* kProgressModes = "auto terminal plain json";

// Throws TUsageError for a name that is none of kProgressModes.
TProgressMode ProgressModeFromName(const std::string& name);

// The line or plain lines on standard error.
std::unique_ptr<TBatchReport> MakeTextReport(bool terminal);
// One JSON object per line on standard output.
std::unique_ptr<TBatchReport> MakeJsonReport();
