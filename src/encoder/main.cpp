// SPDX-License-Identifier: GPL-3.0-or-later
// avcore: the encoder the batch runs for every file. It takes the batch's
// old-style FFmpeg command line, runs today's FFmpeg with the equivalent
// arguments and reports in the console lines the batch reads.
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "AvsScript.h"
#include "Console.h"
#include "FailureReason.h"
#include "FfmpegRunner.h"
#include "LegacyCommand.h"
#include "OutputCheck.h"
#include "SourceInfo.h"
#include "Translate.h"
#include "base/AtomicFile.h"

namespace {

// A script names one file in a line or two. Anything much larger is no
// script the batch wrote, and a device or FIFO named .avs would never end.
constexpr long long kLargestScriptBytes = 1LL << 20;

int Fail(const std::string& message, int exitCode = 1) {
  EmitLine("Error: " + message);
  return exitCode;
}

// "SIGKILL" for 9, "signal N" where the system has no name for it.
std::string SignalName(int signal) {
  const char* abbreviation = ::sigabbrev_np(signal);
  return abbreviation != nullptr ? std::string("SIG") + abbreviation
                                 : "signal " + std::to_string(signal);
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// 4000000 -> "4.00 s"
std::string Seconds(int64_t us) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", static_cast<double>(us) / 1e6);
  return text;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Why the file cannot be read, or "" when it can.
std::string ReadProblem(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a FIFO must not block
  if (fd < 0) return std::strerror(errno);
  struct stat st {};
  ::fstat(fd, &st);
  ::close(fd);
  if (S_ISDIR(st.st_mode)) return "it is a folder, not a file";
  return "";
}

// True when the whole file reads without an error: an input/output error
// FFmpeg reported for it was its reader's way of ending, not the disk's.
bool ReadsThrough(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  std::vector<char> chunk(1 << 16);
  while (ok) {
    ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n == 0) break;
    if (n < 0 && errno != EINTR) ok = false;
  }
  ::close(fd);
  return ok;
}

// What ffprobe says of the source; nothing known when it cannot say.
TSourceInfo ProbeSource(const std::string& ffprobe, const std::string& media) {
  if (ffprobe.empty()) return {};
  std::string text;
  constexpr size_t kMostProbeBytes = 4 << 20;  // a header of many streams is far less
  int code = RunReading(ffprobe, SourceProbeArgs(media), [&text](const char* data, size_t size) {
    if (text.size() < kMostProbeBytes) text.append(data, size);
  });
  return code == 0 ? ParseSourceProbe(text) : TSourceInfo{};
}

// What the finished file holds, stream by stream; nothing when ffprobe
// cannot read it.
std::optional<std::vector<TOutputStream>> ProbeOutput(const std::string& ffprobe,
                                                      const std::string& output) {
  TPacketListing listing;
  TLineSplitter lines;
  int code = RunReading(ffprobe, OutputProbeArgs(output), [&](const char* data, size_t size) {
    for (const std::string& l : lines.Feed(data, size)) listing.Line(l);
  });
  for (const std::string& l : lines.Finish()) listing.Line(l);
  if (code != 0) return std::nullopt;
  return listing.Streams();
}

int Stopped(const std::string& media, const std::string& output) {
  EmitLine("Error: the conversion of " + Quoted(media) + " to " + Quoted(output) +
           " was stopped (signal " + std::to_string(StopSignal()) + ")");
  return 1;
}

struct TFileState {
  bool Exists = false;
  bool Regular = false;
  struct stat St {};
};

TFileState StateOf(const std::string& path) {
  TFileState s;
  s.Exists = ::stat(path.c_str(), &s.St) == 0;
  s.Regular = s.Exists && S_ISREG(s.St.st_mode);
  return s;
}

bool SameFile(const TFileState& a, const TFileState& b) {
  return a.Exists && b.Exists && a.St.st_dev == b.St.st_dev && a.St.st_ino == b.St.st_ino;
}

// A failed run leaves no output behind, but only what this run wrote goes:
// never a device, never a file FFmpeg left untouched.
void RemoveFailedOutput(const std::string& path, const TFileState& before) {
  TFileState after = StateOf(path);
  if (!after.Regular) return;
  bool touched = !before.Exists || after.St.st_ino != before.St.st_ino ||
                 after.St.st_size != before.St.st_size ||
                 after.St.st_mtim.tv_sec != before.St.st_mtim.tv_sec ||
                 after.St.st_mtim.tv_nsec != before.St.st_mtim.tv_nsec;
  if (touched) ::unlink(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  InstallStopHandlers();
  // Whatever started us (the batch, or the shell of a device batch file)
  // may be killed outright; we stop then as on any stop signal, and take
  // FFmpeg and the unfinished output with us. Our console then has no reader
  // any more: a write to it must fail, not end us before the output is
  // removed. (A handler, unlike SIG_IGN, is not passed on to FFmpeg.)
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  struct sigaction quiet {};
  quiet.sa_handler = [](int) {};
  ::sigaction(SIGPIPE, &quiet, nullptr);
  std::vector<std::string> args(argv + 1, argv + argc);
  TLegacyCommand cmd = ParseLegacyCommand(args);
  if (!cmd.AccessGranted)
    return Fail("access denied: avcore runs only with the access option \"-p\" of the batch");
  if (!cmd.Error.empty()) return Fail("bad command line: " + cmd.Error);

  // A script stands for the media file its source call names.
  std::string media = cmd.Input;
  if (IsScriptPath(cmd.Input)) {
    std::string text, why;
    if (!ReadWholeFile(cmd.Input, text, &why, kLargestScriptBytes))
      return Fail(why.empty() ? "Could not open " + Quoted(cmd.Input) + ": " + std::strerror(ENOENT)
                              : "the script " + why);
    media = ScriptSourceFile(text, cmd.Input);
    if (media.empty())
      return Fail("the script " + Quoted(cmd.Input) +
                  " names no media file (no DirectShowSource(\"...\") call)");
    if (std::string problem = ReadProblem(media); !problem.empty())
      return Fail("Could not open " + Quoted(media) + ", the file named by the script " +
                  Quoted(cmd.Input) + ": " + problem);
  } else if (std::string problem = ReadProblem(media); !problem.empty()) {
    return Fail("Could not open " + Quoted(media) + ": " + problem);
  }

  const TFileState outputBefore = StateOf(cmd.Output);
  if (SameFile(outputBefore, StateOf(media)) || SameFile(outputBefore, StateOf(cmd.Input)))
    return Fail("the output file " + Quoted(cmd.Output) +
                " is the input file itself; it is left untouched");
  struct stat folder {};
  const std::string folderName = FolderOf(cmd.Output);
  if (::stat(folderName.c_str(), &folder) != 0)
    return Fail("could not write the output file " + Quoted(cmd.Output) + ": the folder " +
                Quoted(folderName) + " cannot be used (" + std::strerror(errno) + ")");
  if (!S_ISDIR(folder.st_mode))
    return Fail("could not write the output file " + Quoted(cmd.Output) + ": " +
                Quoted(folderName) + " is not a folder");

  std::string ffmpeg = FindFfmpeg();
  if (ffmpeg.empty()) {
    const char* forced = std::getenv("KINOVERT_FFMPEG");
    std::string where = forced != nullptr && *forced != '\0' ? Quoted(forced) + " (KINOVERT_FFMPEG)"
                                                             : "'ffmpeg' on PATH";
    return Fail("FFmpeg was not found at " + where +
                    "; install the Debian packages ffmpeg and libavcodec-extra",
                127);
  }
  const std::string ffprobe = FindFfprobe(ffmpeg);
  const TSourceInfo source = ProbeSource(ffprobe, media);
  if (StopSignal() != 0) return Stopped(media, cmd.Output);

  TTranslation translation = TranslateCommand(cmd, media, source);
  if (!translation.Error.empty())
    return Fail("cannot convert " + Quoted(media) + " to " + Quoted(cmd.Output) + ": " +
                translation.Error);

  // Every console line carries its level, so the line that says why a run
  // failed can be told from the chatter around it.
  std::vector<std::string> ffArgs = {"-nostdin",   "-hide_banner",  "-loglevel",
                                     "level+info", "-nostats",      "-progress",
                                     "pipe:3",     "-stats_period", "0.25"};
  ffArgs.insert(ffArgs.end(), translation.Args.begin(), translation.Args.end());

  // For comparing avcore with FFmpeg run directly: print what would run.
  if (const char* dry = std::getenv("KINOVERT_AVCORE_DRY_RUN"); dry != nullptr && *dry == '1') {
    std::printf("%s\n", ffmpeg.c_str());
    for (const std::string& a : ffArgs) std::printf("%s\n", a.c_str());
    return 0;
  }

  for (const std::string& note : translation.Notes) EmitLine("avcore: " + note);
  const TConsoleNames names{media, cmd.Output};
  TRunResult run = RunFfmpeg(ffmpeg, ffArgs, names);

  bool failed = run.ExitCode != 0 || run.Report.WriteFailed || run.StopSignal != 0 ||
                (run.Report.InputReadFailed && !ReadsThrough(media));
  if (!failed && !outputBefore.Exists && !StateOf(cmd.Output).Exists) {
    EmitLine("Error: FFmpeg ended without writing the output file " + Quoted(cmd.Output));
    return 1;
  }
  // A file of headers alone, or of the one frame an encoder flushes at its
  // end, is no conversion, though FFmpeg ends with 0; the batch would book it
  // as done and might delete the source. What the file holds decides, not
  // what FFmpeg's encoders counted: a muxer may have dropped what they made.
  const bool startPastEnd = StartLiesPastTheEnd(run.Report, translation.StartMs);
  TOutputVerdict verdict;
  verdict.Empty = run.Report.NothingEncoded;
  // Only a file can be read back; a device output is taken at FFmpeg's word.
  if (!failed && !ffprobe.empty() && !startPastEnd && StateOf(cmd.Output).Regular) {
    std::optional<std::vector<TOutputStream>> held = ProbeOutput(ffprobe, cmd.Output);
    if (StopSignal() != 0) {
      RemoveFailedOutput(cmd.Output, outputBefore);
      return Stopped(media, cmd.Output);
    }
    if (held)
      verdict = CheckOutput(*held, translation.Expect,
                            static_cast<double>(run.Report.MostOutTimeUs) / 1e6, media, cmd.Output);
    else
      verdict.Problem = "the output file " + Quoted(cmd.Output) + " cannot be read back";
  }
  if (!failed && (verdict.Empty || startPastEnd)) {
    EmitLine("Error: nothing was encoded into " + Quoted(cmd.Output) + ": " +
             (startPastEnd
                  ? "the start time (" + Seconds(translation.StartMs * 1000) +
                        ") lies past the end of " + Quoted(media) + " (" +
                        Seconds(run.Report.InputDurationUs) + " long)"
                  : Quoted(media) + " has no audio or video left to convert (does the start time "
                                    "lie past its end?)"));
    RemoveFailedOutput(cmd.Output, outputBefore);
    return 1;
  }
  if (!failed && !verdict.Problem.empty()) {
    EmitLine("Error: " + verdict.Problem);
    RemoveFailedOutput(cmd.Output, outputBefore);
    return 1;
  }
  if (!failed) return 0;

  if (run.StopSignal != 0) {
    EmitLine("Error: the conversion of " + Quoted(media) + " to " + Quoted(cmd.Output) +
             " was stopped (signal " + std::to_string(run.StopSignal) + ")");
  } else if (run.KilledBy != 0) {
    // Whatever FFmpeg printed last is no reason: something outside killed it.
    EmitLine("Error: FFmpeg was stopped from outside while converting " + Quoted(media) + " to " +
             Quoted(cmd.Output) + " (killed by signal " + std::to_string(run.KilledBy) + ", " +
             SignalName(run.KilledBy) + ")");
  } else {
    EmitLine(ExplainFailure(run.Report, names, run.ExitCode));
  }
  RemoveFailedOutput(cmd.Output, outputBefore);
  return run.ExitCode != 0 ? run.ExitCode : 1;
}
