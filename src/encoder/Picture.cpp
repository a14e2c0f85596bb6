// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

std::string Num(int64_t v) {
  return std::to_string(v);
}

TRatio Reduced(int64_t num, int64_t den) {
  int64_t g = std::gcd(num, den);
  return g == 0 ? TRatio{num, den} : TRatio{num / g, den / g};
}

// A scale filter for a picture of display size dw x dh (expressions) that
// keeps its shape within the encoder's size rule.
std::string FitScale(const std::string& dw, const std::string& dh, const TSizeRule& rule) {
  std::string factor = "1";
  if (rule.MaxWidth > 0)
    factor = "min(1,min(" + Num(rule.MaxWidth) + "/(" + dw + ")," + Num(rule.MaxHeight) + "/(" +
             dh + ")))";
  // Rounded to even sizes, not cut: cutting alone can bend the shape.
  auto side = [&](const std::string& d, int max) {
    std::string v = "max(2,round((" + d + ")*" + factor + "/2)*2)";
    return max > 0 ? "min(" + Num(max / 2 * 2) + "," + v + ")" : v;
  };
  std::string chain =
      "scale=w='" + side(dw, rule.MaxWidth) + "':h='" + side(dh, rule.MaxHeight) + "'";
  if (rule.Multiple > 2) {
    // A coarser grid is reached by cutting at most 2 % off the picture, else
    // by black bars; rounding the size to it stretched a 640x360 picture to
    // 640x368.
    const std::string m = Num(rule.Multiple);
    auto cut = [&m](const std::string& d) {
      return "if(lte(mod(" + d + "," + m + "),0.02*" + d + ")," + d + "-mod(" + d + "," + m + ")," +
             d + ")";
    };
    chain += ",crop=w='" + cut("iw") + "':h='" + cut("ih") + "'";
    chain += ",pad=w='ceil(iw/" + m + ")*" + m + "':h='ceil(ih/" + m + ")*" + m +
             "':x='(ow-iw)/2':y='(oh-ih)/2'";
  }
  return chain;
}

}  // namespace

std::optional<TDiscTarget> DiscTarget(const std::string& target) {
  size_t dash = target.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const std::string standard = target.substr(0, dash), disc = target.substr(dash + 1);
  const bool pal = standard == "pal";
  if (!pal && standard != "ntsc" && standard != "film") return std::nullopt;
  const std::string rate = pal ? "25" : standard == "ntsc" ? "30000/1001" : "24000/1001";
  if (disc == "vcd") return TDiscTarget{{352, pal ? 288 : 240}, rate, false};
  if (disc == "svcd") return TDiscTarget{{480, pal ? 576 : 480}, rate, true};
  if (disc == "dvd") return TDiscTarget{{720, pal ? 576 : 480}, rate, true};
  return std::nullopt;
}

std::string FrameRateFilter(const std::string& rate) {
  return "fps=" + rate;
}

bool IgnoresPixelAspect(const std::string& container) {
  return container == "3gp" || container == "3g2" || container == "psp" || container == "ipod" ||
         container == "rm" || container == "swf";
}

TRatio FrameAspect(const std::string& container, const std::string& encoder, TFrameSize frame,
                   const std::optional<TRatio>& asked, bool wideAllowed) {
  const TRatio square = Reduced(frame.Width, frame.Height);
  if (IgnoresPixelAspect(container)) return square;
  if (encoder == "mpeg1video" || encoder == "mpeg2video") {
    // Disc players know 4:3 and 16:9 frames only.
    const double want = (asked ? *asked : square).Value();
    const bool wide = wideAllowed && std::fabs(want - 16.0 / 9) < std::fabs(want - 4.0 / 3);
    return wide ? TRatio{16, 9} : TRatio{4, 3};
  }
  return asked ? Reduced(asked->Num, asked->Den) : square;
}

std::string LetterboxFilter(TFrameSize frame, TRatio aspect) {
  const std::string w = Num(frame.Width), h = Num(frame.Height);
  const std::string a = Num(aspect.Num), b = Num(aspect.Den);
  // "dar" is the source's display shape; the picture takes the full width
  // when it is at least as wide as the frame, else the full height.
  return "scale=w='max(2,2*round(" + w + "*min(1,dar*" + b + "/" + a + ")/2))'" +
         ":h='max(2,2*round(" + h + "*min(1," + a + "/(" + b + "*dar))/2))'" + ",pad=" + w + ":" +
         h + ":(ow-iw)/2:(oh-ih)/2:black";
}

bool LetterboxKeepsPicture(TFrameSize frame, TRatio aspect, int width, int height,
                           double pixelAspect) {
  if (frame.Width != width || frame.Height != height || height <= 0 || aspect.Den <= 0)
    return false;
  const double dar = width * pixelAspect / height, a = static_cast<double>(aspect.Num),
               b = static_cast<double>(aspect.Den);
  auto even = [](double v) { return std::max(2.0, 2 * std::round(v / 2)); };
  return even(frame.Width * std::min(1.0, dar * b / a)) == width &&
         even(frame.Height * std::min(1.0, a / (b * dar))) == height;
}

std::string SourceSizeFilter(const std::string& encoder, bool squarePixels,
                             const std::optional<TRatio>& aspect) {
  if (encoder == "h263") {
    // The allowed size whose width is closest to the source's.
    std::string w, h, close;
    auto sizes = H263Sizes();
    for (size_t i = 0; i + 1 < sizes.size(); ++i) {
      const std::string limit = Num((sizes[i].Width + sizes[i + 1].Width) / 2);
      w += "if(lt(iw," + limit + ")," + Num(sizes[i].Width) + ",";
      h += "if(lt(iw," + limit + ")," + Num(sizes[i].Height) + ",";
      close += ")";
    }
    return "scale=w='" + w + Num(sizes.back().Width) + close + "':h='" + h +
           Num(sizes.back().Height) + close + "'";
  }
  const TSizeRule rule = SizeRule(encoder);
  if (squarePixels) {
    std::string shape = "dar";
    if (aspect) shape = "(" + Num(aspect->Num).append("/").append(Num(aspect->Den)) + ")";
    return FitScale("ih*" + shape, "ih", rule);
  }
  if (rule.MaxWidth > 0) return FitScale("iw", "ih", rule);
  if (rule.Multiple > 1) return "scale=w='trunc(iw/2)*2':h='trunc(ih/2)*2'";
  return "";
}

std::string FormatRatio(TRatio r) {
  TRatio s = Reduced(r.Num, r.Den);
  return Num(s.Num) + ":" + Num(s.Den);
}
