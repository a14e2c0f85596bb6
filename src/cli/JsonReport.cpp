// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of a batch for programs: one JSON object per line on standard
// output, flushed at once, so a reader follows the batch as it goes.
#include <cstdio>
#include <string>

#include "BatchReport.h"
#include "Cli.h"
#include "base/FileNames.h"
#include "base/JsonText.h"
#include "base/TimeText.h"

namespace {

// Seconds of an "h:mm:ss" clock; null while there is none ("-").
std::string Seconds(const std::string& clock) {
  const int64_t ms = ParseTimeText(clock);
  return ms < 0 ? "null" : std::to_string(ms / 1000);
}

class TJsonReport final : public TBatchReport {
 public:
  void Skipped(const std::string& input, const std::string& reason) override {
    Emit("skipped", {{"input", JsonString(input)}, {"reason", JsonString(reason)}});
  }
  void Started(const std::string& target, const std::string& output, int count) override {
    Emit("start", {{"target", JsonString(target)},
                   {"output", JsonString(output)},
                   {"count", std::to_string(count)}});
  }
  void FileStarted(int index, int count, const std::string& input,
                   const std::string& output) override {
    Index_ = index;
    Count_ = count;
    Input_ = input;
    Output_ = output;
    Last_.reset();
    FileState("converting", "");
  }
  void Progress(const TBatchFigures& figures) override {
    if (Index_ == 0 || figures == Last_) return;
    Last_ = figures;
    Emit("progress",
         {{"index", std::to_string(Index_)},
          {"count", std::to_string(Count_)},
          {"name", JsonString(FileNamePart(Input_))},
          {"file_percent", figures.FilePercent ? std::to_string(*figures.FilePercent) : "null"},
          {"batch_percent", std::to_string(figures.BatchPercent)},
          {"elapsed", Seconds(figures.Elapsed)},
          {"remaining", Seconds(figures.Remaining)}});
  }
  void FileEnded(bool done, const std::string& reason) override {
    if (Index_ == 0) return;
    FileState(done ? "done" : "failed", done ? "" : reason);
    Index_ = 0;
  }
  void Stopped() override {
    if (Index_ == 0) return;
    FileState("stopped", "");
    Index_ = 0;
  }
  void Message(const std::string& text) override { Emit("message", {{"text", JsonString(text)}}); }
  void BeforeMessage() override {}
  void Finished(const TBatchSummary& s) override {
    Emit("end", {{"converted", std::to_string(s.Converted)},
                 {"failed", std::to_string(s.Failed)},
                 {"skipped", std::to_string(s.Skipped)},
                 {"not_run", std::to_string(s.NotRun)},
                 {"stopped", s.Stopped ? "true" : "false"}});
  }

 private:
  using TFields = std::vector<std::pair<const char*, std::string>>;

  void FileState(const char* state, const std::string& reason) {
    TFields fields = {{"index", std::to_string(Index_)},
                      {"count", std::to_string(Count_)},
                      {"state", JsonString(state)},
                      {"input", JsonString(Input_)},
                      {"output", JsonString(Output_)}};
    if (!reason.empty()) fields.emplace_back("reason", JsonString(reason));
    Emit("file", fields);
  }

  // Values come as JSON texts already.
  static void Emit(const char* event, const TFields& fields) {
    std::string line = "{\"event\":" + JsonString(event);
    for (const auto& [key, value] : fields) line += ",\"" + std::string(key) + "\":" + value;
    line += "}\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
  }

  int Index_ = 0, Count_ = 0;
  std::string Input_, Output_;
  std::optional<TBatchFigures> Last_;
};

}  // namespace

std::unique_ptr<TBatchReport> MakeJsonReport() {
  return std::make_unique<TJsonReport>();
}
