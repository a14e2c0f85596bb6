// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of a batch on standard error: a line redrawn in place on a
// terminal, one line per event otherwise.
#include <sys/ioctl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "BatchReport.h"
#include "base/FileNames.h"
#include "base/Utf8.h"

namespace {

// Columns of the terminal on stderr; 80 when it cannot be told.
int TerminalWidth() {
  struct winsize ws {};
  if (::ioctl(2, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0) return ws.ws_col;
  return 80;
}

// The name cut in the middle to at most `width` columns, whole characters
// only; a mark stays with the character it belongs to.
std::string FitName(const std::string& name, size_t width) {
  if (TextColumns(name) <= width) return name;
  const std::u32string chars = DecodeUtf8(name);
  const bool ellipsis = width >= 4;
  const size_t keep = ellipsis ? (width - 1) / 2 : width, tail = ellipsis ? width - 1 - keep : 0;
  size_t head = 0;
  for (size_t used = 0; head < chars.size(); ++head) {
    used += static_cast<size_t>(CharColumns(chars[head]));
    if (used > keep) break;
  }
  size_t from = chars.size();
  for (size_t used = 0; from > head;) {
    used += static_cast<size_t>(CharColumns(chars[from - 1]));
    if (used > tail) break;
    --from;
  }
  while (from < chars.size() && CharColumns(chars[from]) == 0) ++from;
  std::string out;
  for (size_t i = 0; i < head; ++i) AppendUtf8(out, chars[i]);
  if (ellipsis) out += "\u2026";
  for (size_t i = from; i < chars.size(); ++i) AppendUtf8(out, chars[i]);
  return out;
}

class TTextReport final : public TBatchReport {
 public:
  explicit TTextReport(bool terminal) : Terminal_(terminal) {}
  ~TTextReport() override { BeforeMessage(); }

  void Skipped(const std::string&, const std::string&) override {}
  void Started(const std::string&, const std::string&, int) override {}
  void FileStarted(int index, int count, const std::string& input,
                   const std::string& output) override {
    BeforeMessage();
    Index_ = index;
    Count_ = count;
    Figures_.FilePercent.reset();
    Name_ = ShownName(FileNamePart(input));
    if (!Terminal_)
      std::fprintf(stderr, "[%d/%d] %s -> %s\n", index, count, ShownName(input).c_str(),
                   ShownName(output).c_str());
    Draw();
  }
  void Progress(const TBatchFigures& figures) override {
    Figures_ = figures;
    Draw();
  }
  void FileEnded(bool done, const std::string&) override {
    if (Index_ == 0) return;
    if (Terminal_ && done) {
      Figures_.FilePercent = 100;
      Draw();
    }
    BeforeMessage();
    if (!Terminal_ || !done)
      std::fprintf(stderr, "[%d/%d] %s\n", Index_, Count_, done ? "done" : "failed");
    Index_ = 0;
  }
  void Stopped() override { BeforeMessage(); }
  void Message(const std::string&) override {}
  void BeforeMessage() override {
    if (Drawn_) std::fputc('\n', stderr);
    Drawn_ = false;
  }
  void Finished(const TBatchSummary&) override { BeforeMessage(); }

 private:
  void Draw() {
    if (!Terminal_ || Index_ == 0) return;
    char file[8] = " --";
    if (Figures_.FilePercent) std::snprintf(file, sizeof file, "%3d%%", *Figures_.FilePercent);
    char head[32];
    std::snprintf(head, sizeof head, "[%d/%d] ", Index_, Count_);
    const int batch = Figures_.BatchPercent;
    const char* elapsed = Figures_.Elapsed.c_str();
    const char* remaining = Figures_.Remaining.c_str();
    // One column short of the width: a full line wraps on some terminals.
    // On a narrow terminal the times go first, then the name is shortened.
    const long width = static_cast<long>(TerminalWidth()) - 1;
    const long minName = std::min<long>(12, static_cast<long>(TextColumns(Name_)));
    char rest[160] = "";
    long room = 0;
    for (int variant = 0; variant < 3; ++variant) {
      if (variant == 0)
        std::snprintf(rest, sizeof rest, "  file %s  batch %3d%%  elapsed %7s  remaining %7s", file,
                      batch, elapsed, remaining);
      else if (variant == 1)
        std::snprintf(rest, sizeof rest, "  file %s  batch %3d%%  remaining %7s", file, batch,
                      remaining);
      else
        std::snprintf(rest, sizeof rest, " %s %3d%%", file, batch);
      room = width - static_cast<long>(std::strlen(head)) - static_cast<long>(std::strlen(rest));
      if (room >= minName) break;
    }
    std::string name = FitName(Name_, static_cast<size_t>(std::max(room, 0L)));
    std::fprintf(stderr, "\r\033[K%s%s%s", head, name.c_str(), rest);
    Drawn_ = true;
  }

  bool Terminal_;
  int Index_ = 0, Count_ = 0;
  TBatchFigures Figures_;
  std::string Name_;
  bool Drawn_ = false;
};

}  // namespace

std::unique_ptr<TBatchReport> MakeTextReport(bool terminal) {
  return std::make_unique<TTextReport>(terminal);
}
