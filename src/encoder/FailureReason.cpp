// SPDX-License-Identifier: GPL-3.0-or-later
#include "FailureReason.h"

#include <optional>
#include <string_view>

namespace {

bool Contains(std::string_view s, std::string_view part) {
  return s.find(part) != std::string_view::npos;
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// The system's reason at the end of "PATH: reason".
std::string ReasonAfter(const std::string& line, const std::string& path) {
  size_t at = line.find(path + ": ");
  if (at == std::string::npos) return "";
  return line.substr(at + path.size() + 2);
}

// "[libx264 @ 0x55…] width not divisible by 2" -> "libx264: width not divisible by 2"
std::string EncoderMessage(const std::string& line) {
  if (line.empty() || line[0] != '[') return "";
  size_t at = line.find(" @ ");
  size_t close = line.find("] ");
  if (at == std::string::npos || close == std::string::npos || at > close) return "";
  return line.substr(1, at - 1) + ": " + line.substr(close + 2);
}

class TExplainer {
 public:
  TExplainer(const TFfmpegReport& r, const TConsoleNames& n)
      : R_(r), In_(Quoted(n.Input)), Out_(Quoted(n.Output)) {
    for (const TFfmpegLine& l : r.Lines) Lines_.push_back(UserNames(l.Text, n));
    if (!r.FirstError.Text.empty()) Lines_.push_back(UserNames(r.FirstError.Text, n));
    Names_ = n;
  }

  // The known causes, most specific first.
  std::optional<std::string> Known() const {
    if (Has("No space left on device"))
      return "the disk is full: could not write the output file " + Out_;
    if (Has("Invalid data found when processing input"))
      return In_ + " is not a video or audio file that can be read (invalid data)";
    for (const std::string& l : Lines_)
      if (std::string reason = ReasonAfter(l, Names_.Output);
          !reason.empty() && l.rfind(Names_.Output, 0) == 0)
        return "could not write the output file " + Out_ + ": " + reason;
    for (const std::string& l : Lines_)
      if (std::string reason = ReasonAfter(l, Names_.Input); !reason.empty())
        return "Could not open " + In_ + ": " + reason;
    for (const std::string& l : Lines_)
      if (size_t at = l.find("Unknown encoder '"); at != std::string::npos)
        return "the installed FFmpeg has no " + l.substr(at + 8) + " for " + Out_ +
               "; install the Debian packages ffmpeg and libavcodec-extra";
    if (Has("does not contain any stream")) {
      // Nothing the output takes: the source lacks the one kind it asks for.
      if (R_.InputHasVideo && !R_.InputHasAudio)
        return In_ + " has no sound to convert into " + Out_;
      if (R_.InputHasAudio && !R_.InputHasVideo)
        return In_ + " has no video to convert into " + Out_ + " (its sound is switched off)";
      return In_ + " has no stream to convert into " + Out_ +
             " (no audio or video streams available)";
    }
    if (Has("PSP mode need one video and one audio stream")) {
      const char* missing = !R_.InputHasVideo && !R_.InputHasAudio ? "neither video nor sound"
                            : !R_.InputHasVideo                    ? "no video"
                            : !R_.InputHasAudio                    ? "no sound"
                                                : "not both streams left to convert";
      return "the PSP format needs one video and one audio stream, and " + In_ + " has " + missing;
    }
    if (Has("Muxing packets larger than 64 kB"))
      return "a picture of " + In_ +
             " needs more than the 64 kB a RealMedia packet can hold, even at the coarsest "
             "quality; "
             "choose a smaller frame size for " +
             Out_;
    if (Has("Error while opening encoder") || Has("Error initializing output stream")) {
      // The encoder's own complaint: its first at error level, else its last.
      std::string detail = EncoderMessage(R_.FirstError.Text);
      for (const std::string& l : Lines_)
        if (std::string m = EncoderMessage(l); !m.empty() && R_.FirstError.Text.empty()) detail = m;
      if (!detail.empty()) detail = ": " + UserNames(detail, Names_);
      return "the encoder cannot make " + Out_ + " with these settings" + detail;
    }
    return std::nullopt;
  }

  std::string FfmpegsOwn(int exitCode, const TConsoleNames& n) const {
    std::string line = UserNames(R_.FirstError.Text, n);
    if (line.empty())
      for (const TFfmpegLine& l : R_.Lines)
        if (l.Text != "Conversion failed!" && l.Text.rfind("    Last message repeated", 0) != 0)
          line = UserNames(l.Text, n);
    return "converting " + In_ + " to " + Out_ + " failed (FFmpeg exit code " +
           std::to_string(exitCode) + ")" + (line.empty() ? std::string() : ": " + line);
  }

 private:
  bool Has(std::string_view part) const {
    for (const std::string& l : Lines_)
      if (Contains(l, part)) return true;
    return false;
  }

  const TFfmpegReport& R_;
  std::string In_, Out_;
  TConsoleNames Names_;
  std::vector<std::string> Lines_;
};

}  // namespace

std::string ExplainFailure(const TFfmpegReport& report, const TConsoleNames& names, int exitCode) {
  TExplainer e(report, names);
  return "Error: " + e.Known().value_or(e.FfmpegsOwn(exitCode, names));
}
