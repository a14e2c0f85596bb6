// SPDX-License-Identifier: GPL-3.0-or-later
// What goes wrong must end in an Error line, a non-zero exit and no output
// file, and must never harm the input.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "E2eSupport.h"

namespace {

const char* kAvi = "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050 ";

void ExpectFailure(const TRunResult& r, const std::string& output, const std::string& mentioned) {
  EXPECT_NE(r.ExitCode, 0) << r.Err;
  TConsoleReading c = ReadConsole(r.Err);
  ASSERT_FALSE(c.FailureLines.empty()) << r.Err;
  bool named = false;
  for (const std::string& l : c.FailureLines)
    named = named || l.find(mentioned) != std::string::npos;
  EXPECT_TRUE(named) << "no failure line names " << mentioned << ":\n" << r.Err;
  EXPECT_FALSE(FileExists(output)) << output;
}

std::vector<pid_t> ChildrenOf(pid_t parent) {
  std::vector<pid_t> kids;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, name, state;
    pid_t ppid = 0;
    if (stat >> pid >> name >> state >> ppid && ppid == parent) kids.push_back(std::stoi(pid));
  }
  return kids;
}

bool Alive(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string p, name, state;
  return stat >> p >> name >> state && state != "Z";
}

}  // namespace

TEST(AvcoreFailure, BadInputs) {
  TTempDir dir;
  const std::string out = dir / "out.avi";
  ExpectFailure(RunAvcore(dir / "missing.avi", kAvi, out), out, dir / "missing.avi");

  WriteFileText(dir / "garbage.avi", std::string(20000, '\x5a') + "not a video at all");
  ExpectFailure(RunAvcore(dir / "garbage.avi", kAvi, out), out, dir / "garbage.avi");

  WriteFileText(dir / "DirectShow.avs", "DirectShowSource(\"" + dir / "gone.avi" + "\", fps=25)\n");
  ExpectFailure(RunAvcore(dir / "DirectShow.avs", kAvi, out), out, dir / "gone.avi");

  WriteFileText(dir / "empty.avs", "# nothing here\nBlankClip()\n");
  ExpectFailure(RunAvcore(dir / "empty.avs", kAvi, out), out, dir / "empty.avs");

  // No video stream to keep and sound switched off: nothing to write.
  ExpectFailure(RunAvcore(ClipPath(TClip::AudioOnly), "-y -f avi -vcodec msmpeg4 -an ", out), out,
                ClipPath(TClip::AudioOnly));
}

// A start past the end leaves FFmpeg a file of headers alone, and FFmpeg
// calls that success; the batch would then book the file as done.
TEST(AvcoreFailure, NothingToEncodeIsAFailure) {
  struct TCase {
    TClip Clip;
    const char* Options;
    const char* Extension;
  } cases[] = {
      {TClip::Video43,
       "-y -f avi  -t 0:00:01.000 -ss 0:00:05.000 -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 "
       "-ab 96 -ar 22050 ",
       ".avi"},
      {TClip::Video43,
       " -t 0:00:01.000 -ss 0:00:05.000 -y -vcodec mpeg2video -b 2496k -r 29.97 -acodec ac3 -ac 2 "
       "-ar 48000 -ab 256 ",
       ".mpg"},
      {TClip::Video43, " -t 0:00:01.000 -ss 0:00:05.000 -y -target pal-dvd -b 6000k ", ".mpg"},
      {TClip::AudioOnly,
       "-y -f mp3  -t 0:00:01.000 -ss 0:00:05.000 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100 ",
       ".mp3"},
      // The AMR-NB encoder flushes one frame of nothing, and FFmpeg reports
      // 0.02 s encoded; a start right at the end is no better.
      {TClip::AudioOnly,
       "-y -f amr  -t 0:00:01.000 -ss 0:00:05.000 -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13 ",
       ".amr"},
      {TClip::AudioOnly, "-y -f amr  -ss 0:00:01.000 -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13 ",
       ".amr"},
      {TClip::Video43,
       "-y -f mov  -t 0:00:01.000 -ss 0:00:05.000 -vcodec h264 -b 1200k -r 25 -acodec amr_nb -ac 1 "
       "-ar 8000 -ab 12 ",
       ".mov"},
      {TClip::Video43,
       "-y -f 3gp  -ss 0:00:05.000 -vcodec h263 -s 176x144 -b 128k -r 15 -acodec amr_nb -ac 1 -ar "
       "8000 -ab 12 ",
       ".3gp"},
  };
  for (const auto& c : cases) {
    TTempDir dir;
    const std::string out = dir / (std::string("late start") + c.Extension);
    TRunResult r = RunAvcore(ClipPath(c.Clip), c.Options, out);
    ExpectFailure(r, out, "nothing was encoded");
  }
  // A start inside the clip still converts what is left of it.
  TTempDir dir;
  const std::string out = dir / "early start.amr";
  TRunResult r =
      RunAvcore(ClipPath(TClip::AudioOnly),
                "-y -f amr  -ss 0:00:00.500 -vn -acodec amr_nb -ac 1 -ar 8000 -ab 13 ", out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_NEAR(Probe(out).Duration, 0.5, 0.1);
}

// A script is read only when it is a small plain file: a FIFO would block
// for ever, a device or a huge file would fill the memory.
TEST(AvcoreFailure, ScriptsThatAreNoPlainSmallFiles) {
  TTempDir dir;
  const std::string out = dir / "out.avi";
  const std::string source = "DirectShowSource(\"" + ClipPath(TClip::Video43) + "\")\n";
  ASSERT_EQ(::mkfifo((dir / "fifo.avs").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "zero.avs");
  WriteFileText(dir / "huge.avs", source + std::string(2 << 20, '#'));
  for (const char* name : {"fifo.avs", "zero.avs", "huge.avs"}) {
    TRunResult r = RunAvcore(dir / name, kAvi, out);
    ExpectFailure(r, out, dir / name);
  }
  // The same script, small, converts.
  WriteFileText(dir / "small.avs", source);
  TRunResult r = RunAvcore(dir / "small.avs", kAvi, out);
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
}

// Options outside the legacy grammar never reach FFmpeg: nothing is written,
// not even the output, and the failure line says what was refused.
TEST(AvcoreFailure, RefusesForeignOptionsAndValues) {
  TTempDir dir;
  const std::string notes = dir / "notes.txt";
  struct TCase {
    std::string Options;
    std::string Named;
  } cases[] = {
      {"-y -f avi -vstats_file " + notes + " -vcodec msmpeg4", "-vstats_file"},
      {"-y -f avi -i " + ClipPath(TClip::AudioOnly) + " -vcodec msmpeg4", "second input"},
      {"-y -f avi " + notes + " -vcodec msmpeg4", notes},
      {"-y -f avi -vcodec msmpeg4 -map 0:v", "-map"},
      {"-y -f avi -vcodec msmpeg4 -ac inf", "inf"},
      {"-y -f avi -vcodec msmpeg4 -ar nan", "nan"},
      {"-y -f avi -vcodec msmpeg4 -ar 3000000000", "3000000000"},
      {"-y -f avi -vcodec msmpeg4 -s 2147483647x480", "2147483647x480"},
      {"-y -f avi -vcodec msmpeg4 -ab 100000000000000000000", "100000000000000000000"},
      {"-y -f avi -vcodec msmpeg4 -r inf", "inf"},
      {"-y -f avi -t 0:00:01.000;touch -vcodec msmpeg4", "0:00:01.000;touch"},
  };
  for (const auto& c : cases) {
    const std::string out = dir / "out.avi";
    ExpectFailure(RunAvcore(ClipPath(TClip::Video43), c.Options, out), out, c.Named);
    EXPECT_FALSE(FileExists(notes)) << c.Options;
  }
}

// FFmpeg's failures are reported by their cause, not by whatever it printed last.
TEST(AvcoreFailure, NamesTheRealCause) {
  TTempDir dir;
  // Pure grain in every pixel: no RealVideo picture of it fits a packet.
  const std::string grain =
      ClipOnce("white noise.mkv", {"-f", "lavfi", "-i",
                                   "nullsrc=s=720x576:r=25:d=0.2,geq=lum='random(1)*255':"
                                   "cb='random(2)*255':cr='random(3)*255'",
                                   "-c:v", "ffv1"});
  ExpectFailure(
      RunAvcore(grain, "-y -f rm -vcodec rv10 -b 768k -s 720x576 -r 25 -an", dir / "a.rm"),
      dir / "a.rm", "64 kB a RealMedia packet can hold");
  // Sound taken from a source without sound.
  ExpectFailure(RunAvcore(ClipPath(TClip::Video169),
                          "-y -f mp3 -vn -acodec mp3 -ac 2 -ab 128 -ar 44100", dir / "b.mp3"),
                dir / "b.mp3", "has no sound");
  // An FFmpeg without the encoder the options name.
  const std::string lacking = dir / "ffmpeg-without-xvid";
  WriteFileText(lacking,
                "#!/bin/sh\nfor a; do shift; [ \"$a\" = libxvid ] && a=libxvid_absent; set -- "
                "\"$@\" \"$a\"; done\n"
                "exec /usr/bin/ffmpeg \"$@\"\n");
  std::filesystem::permissions(lacking, std::filesystem::perms::owner_all);
  TRunResult r = RunAvcore(ClipPath(TClip::Video43), "-y -f avi -vcodec xvid -b 1080k -r 25 -an",
                           dir / "c.avi", {"KINOVERT_FFMPEG=" + lacking});
  ExpectFailure(r, dir / "c.avi", "has no encoder 'libxvid_absent'");
  // An FFmpeg killed from outside: its last console line is no reason.
  const std::string killed = dir / "ffmpeg-killed";
  WriteFileText(killed,
                "#!/bin/sh\necho '    encoder         : Lavc59.37.100 mpeg4' >&2\nkill -KILL $$\n");
  std::filesystem::permissions(killed, std::filesystem::perms::owner_all);
  r = RunAvcore(ClipPath(TClip::Video43), "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -an",
                dir / "d.avi", {"KINOVERT_FFMPEG=" + killed});
  ExpectFailure(r, dir / "d.avi", "FFmpeg was stopped from outside");
  EXPECT_NE(r.Err.find("(killed by signal 9, SIGKILL)"), std::string::npos) << r.Err;
  for (const std::string& line : ReadConsole(r.Err).FailureLines)
    EXPECT_EQ(line.find("Lavc59"), std::string::npos) << line;
}

TEST(AvcoreFailure, UnwritableOutputs) {
  TTempDir dir;
  const std::string in = ClipPath(TClip::Video43);
  ExpectFailure(RunAvcore(in, kAvi, dir / "no such folder/out.avi"), dir / "no such folder/out.avi",
                "no such folder");
  WriteFileText(dir / "plain file", "x");
  ExpectFailure(RunAvcore(in, kAvi, dir / "plain file/out.avi"), dir / "plain file/out.avi",
                "plain file/out.avi");
  // RealVideo in AVI would be written but could never be read back.
  ExpectFailure(RunAvcore(in, "-y -f avi -vcodec rv10 -b 768k -an ", dir / "rv.avi"),
                dir / "rv.avi", "rv.avi");
}

TEST(AvcoreFailure, FullDisk) {
  TTempDir dir;
  std::filesystem::create_directory(dir / "small");
  const std::string out = dir / "small/out.avi";
  // A 64 kB file system of our own, in a private mount namespace; the check
  // for leftovers must happen inside it.
  const std::string script =
      "mount -t tmpfs -o size=64k none \"$1\" || exit 99; shift; \"$@\"; rc=$?; ls -A \"$(dirname "
      "\"$4\")\"; exit $rc";
  std::vector<std::string> args = {"-rm",
                                   "sh",
                                   "-c",
                                   script,
                                   "sh",
                                   dir / "small",
                                   AvcorePath(),
                                   "-p",
                                   "5310746",
                                   "-i",
                                   ClipPath(TClip::Video43)};
  std::vector<std::string> args2 = {"-y",      "-f", "avi", "-vcodec", "ffvhuff",
                                    "-strict", "-2", "-an", out};
  args.insert(args.end(), args2.begin(), args2.end());
  TRunResult r = RunProgram("/usr/bin/unshare", args);
  if (r.ExitCode == 99 || r.Err.find("unshare") != std::string::npos) {
    // No private mounts here: /dev/full fails every write the same way.
    r = RunAvcore(ClipPath(TClip::Video43), "-y -f avi -vcodec ffvhuff -strict -2 -an ",
                  "/dev/full");
    ExpectFailure(r, dir / "none", "/dev/full");
    return;
  }
  ExpectFailure(r, out, out);
  EXPECT_EQ(r.Out, "") << "left behind: " << r.Out;
}

TEST(AvcoreFailure, RefusesWithoutAccessCodeOrFfmpeg) {
  TTempDir dir;
  const std::string in = ClipPath(TClip::Video43);
  TRunResult r = RunProgram(AvcorePath(), {"-i", in, "-y", "-f", "avi", dir / "a.avi"});
  ExpectFailure(r, dir / "a.avi", "-p");
  EXPECT_EQ(r.ExitCode, 1);

  r = RunAvcore(in, kAvi, dir / "b.avi", {"KINOVERT_FFMPEG=" + dir / "no-ffmpeg"});
  ExpectFailure(r, dir / "b.avi", "libavcodec-extra");
  EXPECT_NE(r.Err.find("ffmpeg and libavcodec-extra"), std::string::npos);
}

TEST(AvcoreFailure, NeverTouchesTheInput) {
  TTempDir dir;
  const std::string in = dir / "same.avi";
  std::filesystem::copy_file(ClipPath(TClip::Video43), in);
  const std::string before = Sha(in);
  TRunResult r = RunAvcore(in, kAvi, in);
  EXPECT_NE(r.ExitCode, 0);
  EXPECT_FALSE(ReadConsole(r.Err).FailureLines.empty()) << r.Err;
  EXPECT_EQ(Sha(in), before);

  // Without "-y" an existing file is not overwritten, and a failed run does
  // not remove what it did not write.
  const std::string other = dir / "other.avi";
  std::filesystem::copy_file(in, other);
  r = RunAvcore(in, "-f avi -vcodec msmpeg4 -an ", other);
  EXPECT_NE(r.ExitCode, 0);
  EXPECT_FALSE(ReadConsole(r.Err).FailureLines.empty()) << r.Err;
  EXPECT_EQ(Sha(other), before);
}

TEST(AvcoreNames, OddFileNamesAndScripts) {
  TTempDir dir;
  std::filesystem::create_directory(dir / "-out $HOME `id`");
  const std::string in = dir / "-x 'q' \"d\" $PATH `ls` ü.avi";
  std::filesystem::copy_file(ClipPath(TClip::Video43), in);
  const std::string before = Sha(in);
  const std::string out = dir / "-out $HOME `id`/-y ü 'q'.avi";
  TRunResult r = RunAvcore(in, kAvi, out);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  TConsoleReading c = ReadConsole(r.Err);
  EXPECT_EQ(c.InputName, in);
  EXPECT_EQ(c.OutputName, out);
  EXPECT_TRUE(Probe(out).Ok);
  EXPECT_EQ(Sha(in), before);

  // Through a script the console names the media file, not the script.
  WriteFileText(dir / "DirectShow.avs", "DirectShowSource(\"" + in + "\")\n");
  const std::string out2 = dir / "from script.avi";
  r = RunAvcore(dir / "DirectShow.avs", kAvi, out2);
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  c = ReadConsole(r.Err);
  EXPECT_EQ(c.InputName, in);
  EXPECT_TRUE(c.FailureLines.empty()) << r.Err;
  EXPECT_NEAR(Probe(out2).Duration, 1.0, 0.1);
}

TEST(AvcoreStop, SignalsReachFfmpegAndNothingOutlivesAvcore) {
  // FFmpeg made to read in real time, so a 20 s clip takes 20 s.
  TTempDir dir;
  const std::string slow = dir / "slow-ffmpeg";
  WriteFileText(slow, "#!/bin/sh\nexec /usr/bin/ffmpeg -re \"$@\"\n");
  std::filesystem::permissions(slow, std::filesystem::perms::owner_all);
  const std::string in = LongClipPath();

  for (int sig : {SIGTERM, SIGQUIT, SIGKILL}) {
    const std::string out = dir / ("out" + std::to_string(sig) + ".avi");
    int errPipe[2];
    ASSERT_EQ(::pipe(errPipe), 0);
    pid_t pid = ::fork();
    if (pid == 0) {
      ::dup2(errPipe[1], 2);
      ::close(errPipe[0]);
      ::close(errPipe[1]);
      ::setenv("KINOVERT_FFMPEG", slow.c_str(), 1);
      ::execl(AvcorePath().c_str(), "avcore", "-p", "5310746", "-i", in.c_str(), "-y", "-f", "avi",
              "-vcodec", "msmpeg4", "-b", "100k", out.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(errPipe[1]);
    // Wait until encoding runs: progress lines arrive.
    std::string err;
    char buf[4096];
    int progressLines = 0;
    while (progressLines < 3) {
      ssize_t n = ::read(errPipe[0], buf, sizeof buf);
      if (n <= 0) break;
      err.append(buf, static_cast<size_t>(n));
      progressLines = static_cast<int>(ReadConsole(err).PositionsMs.size());
    }
    ASSERT_GE(progressLines, 3) << err;
    std::vector<pid_t> kids = ChildrenOf(pid);
    ASSERT_EQ(kids.size(), 1u);
    ::kill(pid, sig);
    for (ssize_t n; (n = ::read(errPipe[0], buf, sizeof buf)) > 0;)
      err.append(buf, static_cast<size_t>(n));
    ::close(errPipe[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    // The child is reparented when avcore dies; give the kernel a moment.
    for (int i = 0; i < 20 && Alive(kids[0]); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(Alive(kids[0])) << "FFmpeg survived signal " << sig;
    TConsoleReading c = ReadConsole(err);
    for (size_t i = 1; i < c.PositionsMs.size(); ++i)
      EXPECT_GE(c.PositionsMs[i], c.PositionsMs[i - 1]);
    if (sig != SIGKILL) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
      EXPECT_FALSE(c.FailureLines.empty()) << err;
      EXPECT_FALSE(FileExists(out));
    }
  }
}
