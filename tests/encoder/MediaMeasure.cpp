// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaMeasure.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include "TargetOptions.h"
#include "support/RunProgram.h"

namespace {

double Decimal(const std::string& s, double fallback = 0) {
  std::istringstream in(s);
  in.imbue(std::locale::classic());
  double d = 0;
  return in >> d ? d : fallback;
}

std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> parts;
  std::istringstream in(line);
  for (std::string p; std::getline(in, p, sep);) parts.push_back(p);
  return parts;
}

std::pair<int, int> StoredSize(const std::string& path) {
  TRunResult r =
      RunProgram("/usr/bin/ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                      "stream=width,height", "-of", "csv=p=0", "file:" + path});
  std::vector<std::string> wh = Split(r.Out.substr(0, r.Out.find('\n')), ',');
  if (wh.size() < 2) return {0, 0};
  return {static_cast<int>(Decimal(wh[0])), static_cast<int>(Decimal(wh[1]))};
}

// Grey pictures at `width` x `height`, `count` of them from `first` on (all: count < 0).
std::vector<std::string> GreyPictures(const std::string& path, int width, int height, int first = 0,
                                      int count = -1) {
  std::vector<std::string> args = {
      "-v",
      "error",
      "-nostdin",
      "-i",
      "file:" + path,
      "-map",
      "0:v:0",
      "-vf",
      "scale=" + std::to_string(width) + ":" + std::to_string(height) + ",format=gray",
      "-fps_mode",
      "passthrough"};
  if (count >= 0) args.insert(args.end(), {"-frames:v", std::to_string(first + count)});
  args.insert(args.end(), {"-f", "rawvideo", "-"});
  TRunResult r = RunProgram("/usr/bin/ffmpeg", args);
  const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::vector<std::string> pictures;
  for (size_t i = static_cast<size_t>(first); size > 0 && (i + 1) * size <= r.Out.size(); ++i)
    pictures.push_back(r.Out.substr(i * size, size));
  return pictures;
}

}  // namespace

const TSpan* TSpans::Of(const std::string& type) const {
  for (const TSpan& s : Streams)
    if (s.Type == type && s.Packets > 0) return &s;
  return nullptr;
}

double TSpans::Length(const std::string& type) const {
  const TSpan* s = Of(type);
  return s == nullptr ? 0 : s->End - Start;
}

TSpans Spans(const std::string& path) {
  TRunResult r =
      RunProgram("/usr/bin/ffprobe",
                 {"-v", "error", "-show_entries",
                  "stream=index,codec_type:packet=stream_index,pts_time,dts_time,duration_time",
                  "-of", "csv=p=1", "file:" + path});
  TSpans spans;
  std::map<size_t, double> running;
  std::istringstream in(r.Out);
  bool any = false;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> f = Split(line, ',');
    if (f.size() < 3) continue;
    const size_t index = static_cast<size_t>(Decimal(f[1]));
    if (index > 100) continue;
    if (spans.Streams.size() <= index) spans.Streams.resize(index + 1);
    TSpan& s = spans.Streams[index];
    if (f[0] == "stream") {
      s.Type = f[2];
      continue;
    }
    if (f[0] != "packet" || f.size() < 5) continue;
    double at = Decimal(f[2], std::numeric_limits<double>::quiet_NaN());
    if (std::isnan(at)) at = Decimal(f[3], running[index]);
    const double duration = Decimal(f[4], 0);
    running[index] = at + duration;
    if (s.Packets == 0 || at < s.First) s.First = at;
    if (s.Packets == 0 || at + duration > s.End) s.End = at + duration;
    ++s.Packets;
    spans.Start = any ? std::min(spans.Start, at) : at;
    any = true;
  }
  return spans;
}

std::vector<double> VideoPacketTimes(const std::string& path) {
  TRunResult r =
      RunProgram("/usr/bin/ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                      "packet=pts_time", "-of", "csv=p=0", "file:" + path});
  std::vector<double> times;
  std::istringstream in(r.Out);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line != "N/A") times.push_back(Decimal(line));
  std::sort(times.begin(), times.end());
  return times;
}

TFieldCount DetectFields(const std::string& path) {
  TRunResult r = RunProgram("/usr/bin/ffmpeg", {"-hide_banner", "-nostdin", "-i", "file:" + path,
                                                "-map", "0:v:0", "-vf", "idet", "-f", "null", "-"});
  TFieldCount c;
  size_t at = r.Err.find("Multi frame detection:");
  if (at == std::string::npos) return c;
  std::istringstream in(r.Err.substr(at, r.Err.find('\n', at) - at));
  std::string word;
  while (in >> word) {
    int value = 0;
    if (word == "TFF:" && in >> value) c.Tff = value;
    if (word == "BFF:" && in >> value) c.Bff = value;
    if (word == "Progressive:" && in >> value) c.Progressive = value;
    if (word == "Undetermined:" && in >> value) c.Undetermined = value;
  }
  return c;
}

TSoundLevel SoundLevel(const std::string& path, const std::string& filter) {
  std::vector<std::string> args = {"-v",           "error", "-nostdin", "-i",
                                   "file:" + path, "-map",  "0:a:0"};
  if (!filter.empty()) args.insert(args.end(), {"-af", filter});
  args.insert(args.end(), {"-c:a", "pcm_f32le", "-f", "f32le", "-"});
  TRunResult r = RunProgram("/usr/bin/ffmpeg", args);
  TSoundLevel level;
  double sum = 0;
  long long over = 0;
  const size_t n = r.Out.size() / sizeof(float);
  for (size_t i = 0; i < n; ++i) {
    float v = 0;
    std::memcpy(&v, r.Out.data() + i * sizeof(float), sizeof(float));
    sum += static_cast<double>(v) * v;
    if (std::fabs(v) > 1.0f) ++over;
  }
  level.Samples = static_cast<long long>(n);
  if (n > 0) {
    level.MeanDb = sum > 0 ? 10 * std::log10(sum / static_cast<double>(n)) : -200;
    level.OverFullScale = static_cast<double>(over) / static_cast<double>(n);
  }
  return level;
}

TBarEdges BarEdges(const std::string& path) {
  auto [width, height] = StoredSize(path);
  TBarEdges e;
  if (width <= 0 || height <= 0) return e;
  // Pictures from the middle of a two-second clip, away from its ends.
  std::vector<std::string> pictures = GreyPictures(path, width, height, 10, 10);
  int rows = 0;
  for (const std::string& p : pictures) {
    double lastCentre = -1;
    for (int y = height / 4; y < 3 * height / 4; ++y) {
      double weight = 0, moment = 0;
      int blended = 0;
      for (int x = 0; x < width; ++x) {
        const double w = std::clamp(
            (static_cast<unsigned char>(p[static_cast<size_t>(y * width + x)]) - 16) / 219.0, 0.0,
            1.0);
        weight += w;
        moment += w * x;
        if (w > 0.2 && w < 0.8) ++blended;
      }
      const double centre = weight > 0 ? moment / weight : 0;
      if (lastCentre >= 0) e.Comb += std::fabs(centre - lastCentre);
      lastCentre = centre;
      e.Blend += blended;
      ++rows;
    }
  }
  if (rows > 0) {
    e.Comb /= rows;
    e.Blend /= rows;
  }
  return e;
}

std::vector<int> MatchingPictures(const std::string& source, const std::string& output, int count) {
  constexpr int kW = 64, kH = 36;
  std::vector<std::string> from = GreyPictures(source, kW, kH);
  std::vector<int> matches;
  for (const std::string& picture : GreyPictures(output, kW, kH, 0, count)) {
    int best = -1;
    long bestDistance = 0;
    for (size_t i = 0; i < from.size(); ++i) {
      long distance = 0;
      for (size_t b = 0; b < picture.size(); ++b)
        distance += std::abs(static_cast<int>(static_cast<unsigned char>(picture[b])) -
                             static_cast<int>(static_cast<unsigned char>(from[i][b])));
      if (best < 0 || distance < bestDistance) {
        best = static_cast<int>(i);
        bestDistance = distance;
      }
    }
    matches.push_back(best);
  }
  return matches;
}

std::vector<TDeviceItem> DeviceItems() {
  std::vector<TDeviceItem> items;
  const std::filesystem::path folder =
      std::filesystem::path(KINOVERT_SOURCE_DIR) / "data" / "profile" / "default_setting";
  std::vector<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    if (e.path().extension() == ".ini") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    std::ifstream in(file);
    TDeviceItem item;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.rfind("[Item", 0) == 0) {
        item = {file.stem().string() + " " + line.substr(1, line.size() - 2), "", ""};
      } else if (line.rfind("EXT=", 0) == 0) {
        item.Extension = "." + line.substr(4);
      } else if (line.rfind("Command1=", 0) == 0) {
        const std::string from = "<%InputFile%> ", to = " <%OutputFile%>";
        size_t a = line.find(from), b = line.find(to);
        if (a == std::string::npos || b == std::string::npos || b < a) continue;
        item.Options = line.substr(a + from.size(), b - a - from.size());
        items.push_back(item);
      }
    }
  }
  return items;
}

std::string Item(const std::string& name) {
  for (const TDeviceItem& i : DeviceItems())
    if (i.Name == name) return i.Options;
  return "no device item named " + name;
}
