// SPDX-License-Identifier: GPL-3.0-or-later
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "engine/BatchView.h"
#include "engine/OutputParser.h"

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

double Decimal(const std::string& s) {
  std::istringstream in(s);
  in.imbue(std::locale::classic());
  double d = 0;
  if (!(in >> d)) return 0;
  return d;
}

double Rate(const std::string& text) {
  size_t slash = text.find('/');
  if (slash == std::string::npos) return Decimal(text);
  double d = Decimal(text.substr(slash + 1));
  return d == 0 ? 0 : Decimal(text.substr(0, slash)) / d;
}

}  // namespace

std::string AvcorePath() {
  return std::string(KINOVERT_PROGRAM_DIR) + "/avcore";
}

const std::string& ClipOnce(const std::string& name, const std::vector<std::string>& args) {
  static std::map<std::string, std::string> made;
  auto it = made.find(name);
  if (it != made.end()) return it->second;
  return made.emplace(name, MakeClip(name, args)).first->second;
}

const std::string& ClipPath(TClip clip) {
  static std::map<TClip, std::string> made;
  auto it = made.find(clip);
  if (it != made.end()) return it->second;
  std::string path;
  switch (clip) {
    case TClip::Video43:
      path = MakeClip("clip 4x3.avi", {"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25:d=1", "-f",
                                       "lavfi", "-i", "sine=f=440:r=44100:d=1", "-ac", "2", "-c:v",
                                       "mpeg4", "-q:v", "4", "-c:a", "pcm_s16le", "-shortest"});
      break;
    case TClip::Video169:
      path = MakeClip("clip 16x9.mkv", {"-f", "lavfi", "-i", "testsrc2=s=320x180:r=25:d=1", "-c:v",
                                        "mpeg4", "-q:v", "4"});
      break;
    case TClip::VideoOdd:
      path = MakeClip("clip odd.mkv",
                      {"-f", "lavfi", "-i", "testsrc2=s=321x241:r=25:d=1", "-c:v", "ffv1"});
      break;
    case TClip::VideoHd:
      path = MakeClip("clip hd.mkv",
                      {"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=10:d=1", "-c:v", "mpeg4"});
      break;
    case TClip::AudioOnly:
      path =
          MakeClip("clip audio.wav", {"-f", "lavfi", "-i", "sine=f=330:r=48000:d=1", "-ac", "2"});
      break;
  }
  return made.emplace(clip, path).first->second;
}

const std::string& LongClipPath() {
  static const std::string path =
      MakeClip("long.avi",
               {"-f", "lavfi", "-i", "testsrc2=s=64x48:r=10:d=20", "-c:v", "mpeg4", "-q:v", "8"});
  return path;
}

TRunResult RunAvcore(const std::string& input, const std::string& options,
                     const std::string& output, const std::vector<std::string>& env) {
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
  TRunResult r = RunProgram(
      "/usr/bin/ffprobe",
      {"-v", "error", "-show_entries",
       "format=format_name,duration:stream=codec_type,codec_name,width,height,r_frame_rate,"
       "sample_rate,channels,profile,level,sample_aspect_ratio,display_aspect_ratio,field_order:"
       "stream_disposition=attached_pic",
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
      if (k == "profile") s->Profile = v;
      if (k == "level") s->Level = static_cast<int>(Decimal(v));
      if (k == "sample_aspect_ratio" && v != "N/A" && v != "0:1") s->SampleAspect = v;
      if (k == "display_aspect_ratio" && v != "N/A" && v != "0:1") s->DisplayAspect = v;
      if (k == "field_order" && v != "unknown") s->FieldOrder = v;
      if (k == "DISPOSITION:attached_pic") s->AttachedPicture = v == "1";
    }
  }
  if (p.Ok && p.Duration == 0) {
    // Some containers (SWF) keep no duration: take the end of the last packet.
    TRunResult packets = RunProgram(
        "/usr/bin/ffprobe", {"-v", "error", "-show_entries", "packet=pts_time,duration_time", "-of",
                             "csv=p=0", "file:" + path});
    std::istringstream lines(packets.Out);
    while (std::getline(lines, line)) {
      size_t comma = line.find(',');
      if (comma == std::string::npos) continue;
      p.Duration =
          std::max(p.Duration, Decimal(line.substr(0, comma)) + Decimal(line.substr(comma + 1)));
    }
  }
  return p;
}

std::string DecodeErrors(const std::string& path) {
  // Every picture as it comes, on the file's own clock: moving pictures onto
  // a frame-rate grid is no part of decoding, and RealMedia's millisecond
  // times at NTSC rates would collide on it.
  TRunResult r =
      RunProgram("/usr/bin/ffmpeg", {"-nostdin", "-v", "error", "-i", "file:" + path, "-fps_mode",
                                     "passthrough", "-enc_time_base", "-1", "-f", "null", "-"});
  if (r.ExitCode != 0) return "exit " + std::to_string(r.ExitCode) + ": " + r.Err;
  return r.Err;
}

// The batch's own parser reads the console, a line at a time so every
// progress line leaves its position behind; failure lines are collected as
// the batch books them.
TConsoleReading ReadConsole(const std::string& text) {
  class TSilentView final : public TProgressView {
   public:
    void SetCaption(const std::string&) override {}
    void SetStopLabel(const std::string&) override {}
    void ResetLabels() override {}
    void ShowBatchElapsed(const std::string&) override {}
    void ShowFileStatus(const std::string&, int) override {}
    void ShowFileRemaining(const std::string&) override {}
    void ShowBatchStatus(const std::string&, int) override {}
    void ShowBatchEstimated(const std::string&) override {}
    void ShowBatchRemaining(const std::string&) override {}
    void ShowWorking(const std::string&) override {}
    void ShowOutput(const std::string&) override {}
    bool AnimationRunning() const override { return true; }
    void StartAnimation(const std::string&) override {}
    void SetFinished() override {}
    int RunModal() override { return mrOk; }
    void Close(int) override {}
  };
  ResetGlobalVars();
  TSilentView view;
  TConsoleReading c;
  TParseContext ctx;
  ctx.ProcessEnded = true;
  ctx.View = &view;
  ctx.OnFailureLine = [&c](const std::string& line) { c.FailureLines.push_back(line); };
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() : end + 1;
    ParseEncoderOutput(line.data(), static_cast<int32_t>(line.size()), ctx);
    if (line.find(" time=") != std::string::npos) c.PositionsMs.push_back(GlobalVars.PositionMs);
  }
  c.InputName = GlobalVars.EncoderInputName;
  c.OutputName = GlobalVars.EncoderOutputName;
  c.DurationMs = GlobalVars.DurationMs;
  ResetGlobalVars();
  return c;
}

std::string Sha(const std::string& path) {
  return RunProgram("/usr/bin/sha256sum", {path}).Out.substr(0, 64);
}

double PixelAspect(const TProbeStream& s) {
  size_t colon = s.SampleAspect.find(':');
  if (colon == std::string::npos) return 1;
  double d = Decimal(s.SampleAspect.substr(colon + 1));
  return d == 0 ? 1 : Decimal(s.SampleAspect.substr(0, colon)) / d;
}

namespace {

// "... pts_time:1.08 ..." of a showinfo line.
double Field(const std::string& line, const std::string& key) {
  size_t at = line.find(" " + key + ":");
  return at == std::string::npos ? -1 : Decimal(line.substr(at + key.size() + 2));
}

std::vector<std::string> InfoLines(const std::string& err, const std::string& filter) {
  std::vector<std::string> lines;
  std::istringstream in(err);
  for (std::string l; std::getline(in, l);)
    if (l.find(filter) != std::string::npos && l.find(" pts_time:") != std::string::npos)
      lines.push_back(l);
  return lines;
}

}  // namespace

// FFmpeg decodes with the file's own timestamps (-copyts) and reports each
// picture's and each block of sound's time next to its samples.
TFlashAndBeep FindFlashAndBeep(const std::string& path) {
  TFlashAndBeep r;
  const std::string in = "file:" + path;
  TRunResult v =
      RunProgram("/usr/bin/ffmpeg", {"-hide_banner", "-nostdin", "-copyts", "-i", in, "-map",
                                     "0:v:0", "-vf", "scale=8:8,format=gray,showinfo", "-fps_mode",
                                     "passthrough", "-f", "rawvideo", "-"});
  std::vector<std::string> pictures = InfoLines(v.Err, "Parsed_showinfo");
  for (size_t i = 0; i < pictures.size() && (i + 1) * 64 <= v.Out.size(); ++i) {
    int sum = 0;
    for (size_t b = 0; b < 64; ++b) sum += static_cast<unsigned char>(v.Out[i * 64 + b]);
    if (sum / 64 > 100) {
      r.Flash = Field(pictures[i], "pts_time");
      break;
    }
  }
  TRunResult a =
      RunProgram("/usr/bin/ffmpeg", {"-hide_banner", "-nostdin", "-copyts", "-i", in, "-map",
                                     "0:a:0", "-af", "ashowinfo", "-ac", "1", "-f", "s16le", "-"});
  size_t sample = 0;
  for (const std::string& block : InfoLines(a.Err, "Parsed_ashowinfo")) {
    const double start = Field(block, "pts_time"), rate = Field(block, "rate");
    const size_t count = static_cast<size_t>(Field(block, "nb_samples"));
    for (size_t i = 0; i < count && (sample + i + 1) * 2 <= a.Out.size(); ++i) {
      auto lo = static_cast<unsigned char>(a.Out[(sample + i) * 2]);
      auto hi = static_cast<unsigned char>(a.Out[(sample + i) * 2 + 1]);
      int value = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
      if (std::abs(value) > 3000 && rate > 0) {
        r.Beep = start + static_cast<double>(i) / rate;
        return r;
      }
    }
    sample += count;
  }
  return r;
}

TGreyPicture DecodePicture(const std::string& path, int index, int width, int height) {
  TRunResult r = RunProgram(
      "/usr/bin/ffmpeg", {"-v", "error", "-nostdin", "-i", "file:" + path, "-map", "0:v:0", "-vf",
                          "select=eq(n\\," + std::to_string(index) + "),format=gray", "-frames:v",
                          "1", "-f", "rawvideo", "-"});
  TGreyPicture p;
  if (r.Out.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) return p;
  p.Width = width;
  p.Height = height;
  p.Pixels = r.Out;
  return p;
}
