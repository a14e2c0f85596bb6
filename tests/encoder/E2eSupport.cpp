// SPDX-License-Identifier: GPL-3.0-or-later
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>

namespace {

TTempDir& ClipDir() {
  static TTempDir dir;
  return dir;
}

std::string MakeClip(const std::string& name, const std::vector<std::string>& args) {
  std::string path = ClipDir() / name;
  std::vector<std::string> all = {"-nostdin", "-v", "error", "-y"};
  all.insert(all.end(), args.begin(), args.end());
  all.push_back(path);
  TRunResult r = RunProgram("/usr/bin/ffmpeg", all);
  if (r.ExitCode != 0) ADD_FAILURE() << "cannot make clip " << name << ": " << r.Err;
  return path;
}

std::string Between(const std::string& line, const std::string& a, const std::string& b) {
  size_t at = line.find(a);
  if (at == std::string::npos) return "";
  size_t from = at + a.size();
  size_t end = line.find(b, from + 2 > line.size() ? line.size() : from + 2);
  if (end == std::string::npos) return "";
  std::string v = line.substr(from, end - from);
  size_t s = v.find_first_not_of(' '), e = v.find_last_not_of(' ');
  return s == std::string::npos ? "" : v.substr(s, e - s + 1);
}

double Decimal(const std::string& s) {
  std::istringstream in(s);
  in.imbue(std::locale::classic());
  double d = 0;
  if (!(in >> d)) return 0;
  return d;
}

int64_t TimeMs(const std::string& text) {
  std::vector<std::string> parts;
  std::string p;
  std::istringstream in(text);
  while (std::getline(in, p, ':')) parts.push_back(p);
  if (parts.size() != 3) return 0;
  return static_cast<int64_t>(Decimal(parts[0])) * 3600000 + static_cast<int64_t>(Decimal(parts[1])) * 60000 +
         std::llround(Decimal(parts[2]) * 1000);
}

double Rate(const std::string& text) {
  size_t slash = text.find('/');
  if (slash == std::string::npos) return Decimal(text);
  double d = Decimal(text.substr(slash + 1));
  return d == 0 ? 0 : Decimal(text.substr(0, slash)) / d;
}

}  // namespace

std::string AvcorePath() { return std::string(KINOVERT_PROGRAM_DIR) + "/avcore"; }

const std::string& ClipPath(TClip clip) {
  static std::map<TClip, std::string> made;
  auto it = made.find(clip);
  if (it != made.end()) return it->second;
  std::string path;
  switch (clip) {
    case TClip::Video43:
      path = MakeClip("clip 4x3.avi", {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=1", "-f", "lavfi", "-i",
                                       "sine=f=440:r=44100:d=1", "-ac", "2", "-c:v", "mpeg4", "-q:v", "4", "-c:a",
                                       "pcm_s16le", "-shortest"});
      break;
    case TClip::Video169:
      path = MakeClip("clip 16x9.mkv",
                      {"-f", "lavfi", "-i", "testsrc2=s=320x180:r=25:d=1", "-c:v", "mpeg4", "-q:v", "4"});
      break;
    case TClip::VideoOdd:
      path = MakeClip("clip odd.mkv", {"-f", "lavfi", "-i", "testsrc2=s=321x241:r=25:d=1", "-c:v", "ffv1"});
      break;
    case TClip::VideoHd:
      path = MakeClip("clip hd.mkv", {"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=10:d=1", "-c:v", "mpeg4"});
      break;
    case TClip::AudioOnly:
      path = MakeClip("clip audio.wav", {"-f", "lavfi", "-i", "sine=f=330:r=48000:d=1", "-ac", "2"});
      break;
  }
  return made.emplace(clip, path).first->second;
}

const std::string& LongClipPath() {
  static const std::string path = MakeClip(
      "long.avi", {"-f", "lavfi", "-i", "testsrc2=s=64x48:r=10:d=20", "-c:v", "mpeg4", "-q:v", "8"});
  return path;
}

TRunResult RunAvcore(const std::string& input, const std::string& options, const std::string& output,
                     const std::vector<std::string>& env) {
  std::vector<std::string> args = {"-p", "5310746", "-i", input};
  std::istringstream in(options);
  std::string w;
  while (in >> w) args.push_back(w);
  args.push_back(output);
  return RunProgram(AvcorePath(), args, env);
}

const TProbeStream* TProbe::First(const std::string& type) const {
  for (const TProbeStream& s : Streams)
    if (s.Type == type) return &s;
  return nullptr;
}

TProbe Probe(const std::string& path) {
  TRunResult r = RunProgram("/usr/bin/ffprobe",
                            {"-v", "error", "-show_entries",
                             "format=format_name,duration:stream=codec_type,codec_name,width,height,r_frame_rate,"
                             "sample_rate,channels",
                             "-of", "default=noprint_wrappers=0", "file:" + path});
  TProbe p;
  p.Ok = r.ExitCode == 0;
  std::istringstream in(r.Out);
  std::string line;
  TProbeStream* s = nullptr;
  bool inFormat = false;
  while (std::getline(in, line)) {
    if (line == "[STREAM]") {
      p.Streams.emplace_back();
      s = &p.Streams.back();
      continue;
    }
    if (line == "[FORMAT]") {
      inFormat = true;
      s = nullptr;
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string k = line.substr(0, eq), v = line.substr(eq + 1);
    if (inFormat) {
      if (k == "format_name") p.Format = v;
      if (k == "duration") p.Duration = Decimal(v);
    } else if (s != nullptr) {
      if (k == "codec_type") s->Type = v;
      if (k == "codec_name") s->Codec = v;
      if (k == "width") s->Width = static_cast<int>(Decimal(v));
      if (k == "height") s->Height = static_cast<int>(Decimal(v));
      if (k == "r_frame_rate") s->FrameRate = Rate(v);
      if (k == "sample_rate") s->SampleRate = static_cast<int>(Decimal(v));
      if (k == "channels") s->Channels = static_cast<int>(Decimal(v));
    }
  }
  if (p.Ok && p.Duration == 0) {
    // Some containers (SWF) keep no duration: take the end of the last packet.
    TRunResult packets = RunProgram("/usr/bin/ffprobe", {"-v", "error", "-show_entries", "packet=pts_time,duration_time",
                                                         "-of", "csv=p=0", "file:" + path});
    std::istringstream lines(packets.Out);
    while (std::getline(lines, line)) {
      size_t comma = line.find(',');
      if (comma == std::string::npos) continue;
      p.Duration = std::max(p.Duration, Decimal(line.substr(0, comma)) + Decimal(line.substr(comma + 1)));
    }
  }
  return p;
}

std::string DecodeErrors(const std::string& path) {
  TRunResult r = RunProgram("/usr/bin/ffmpeg", {"-nostdin", "-v", "error", "-i", "file:" + path, "-f", "null", "-"});
  if (r.ExitCode != 0) return "exit " + std::to_string(r.ExitCode) + ": " + r.Err;
  return r.Err;
}

TConsoleReading ReadConsole(const std::string& text) {
  TConsoleReading c;
  std::string normal;
  for (size_t i = 0; i < text.size(); ++i) normal += text[i] == '\r' ? '\n' : text[i];
  std::istringstream in(normal);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    if (line.find("Input #0, ") != std::string::npos) c.InputName = Between(line, "from '", "':");
    if (line.find("Output #0, ") != std::string::npos) c.OutputName = Between(line, "to '", "':");
    if (line.rfind("  Duration: ", 0) == 0) {
      std::string v = line.substr(12, line.find(',') == std::string::npos ? std::string::npos : line.find(',') - 12);
      if (v != "N/A") c.DurationMs = TimeMs(v);
    }
    if (line.find(" time=") != std::string::npos) {
      std::string v = Between(line, " time=", " ");
      if (v != "N/A") c.PositionsMs.push_back(std::llround(Decimal(v) * 1000));
    }
    bool failure = line.find("No audio or video streams available") != std::string::npos ||
                   line.find("I/O error occured") != std::string::npos ||
                   line.find("Could not open") != std::string::npos ||
                   (line.rfind("Error", 0) == 0 && line.rfind("Error while decoding stream", 0) != 0);
    if (failure) c.FailureLines.push_back(line);
  }
  return c;
}

std::string Sha(const std::string& path) {
  return RunProgram("/usr/bin/sha256sum", {path}).Out.substr(0, 64);
}
