// SPDX-License-Identifier: GPL-3.0-or-later
// The encoder output parser on any console output, cut into chunks of any
// size, with any time window: no crash, and every figure it shows stays a
// percentage.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "engine/BatchView.h"
#include "engine/OutputParser.h"

namespace {

class TCheckedView final : public TProgressView {
 public:
  void SetCaption(const std::string&) override {}
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string&) override {}
  void ShowFileStatus(const std::string&, int p) override { Check(p); }
  void ShowFileRemaining(const std::string&) override {}
  void ShowBatchStatus(const std::string&, int p) override { Check(p); }
  void ShowBatchEstimated(const std::string&) override {}
  void ShowBatchRemaining(const std::string&) override {}
  void ShowWorking(const std::string&) override {}
  void ShowOutput(const std::string&) override {}
  bool AnimationRunning() const override { return true; }
  void StartAnimation(const std::string&) override {}
  void SetFinished() override {}
  int RunModal() override { return mrOk; }
  void Close(int) override {}

 private:
  static void Check(int percent) {
    if (percent < 0 || percent > 100) std::abort();
  }
};

class TQuietDialogs final : public TConsoleDialogProvider {
 public:
  int MessageBox(const std::string&, const std::string&, int) override { return IDOK; }
};

}  // namespace

// Input: one byte of chunk size, one of sizes, then the options line up to
// the first NUL, then the console output.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static TQuietDialogs dialogs;
  static TScopedDialogProvider use(dialogs);
  size_t chunk = 1 + data[0] % 64;
  int64_t bytes = static_cast<int64_t>(data[1]) << (data[1] % 56);
  std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  size_t nul = rest.find('\0');
  std::string options(rest.substr(0, nul));
  std::string_view output = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);

  ResetGlobalVars();
  GlobalVars.TotalCount = 2;
  GlobalVars.TotalBytes = bytes;
  GlobalVars.CurrentFileBytes = bytes;
  TCheckedView view;
  TParseContext ctx;
  ctx.Options = options;
  ctx.View = &view;
  for (size_t at = 0; at < output.size(); at += chunk) {
    std::string_view piece = output.substr(at, chunk);
    ctx.ProcessEnded = at + chunk >= output.size();
    ParseEncoderOutput(piece.data(), static_cast<int32_t>(piece.size()), ctx);
    if (GlobalVars.FilePercent < 0 || GlobalVars.FilePercent > 100) std::abort();
    if (GlobalVars.BatchPercent < 0 || GlobalVars.BatchPercent > 100) std::abort();
  }
  return 0;
}
