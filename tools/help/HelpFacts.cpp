// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-helpfacts LANGUAGE_FILE
// Prints, as JSON, what the help pages say about the program in one language:
// every text of the text table, and what each profile editor offers (codec
// lists, preset bitrates, frame sizes and rates, sample rates, channels and
// the bitrate ranges that follow them). tools/help/make_help.py reads it, so
// the pages describe the editors from the same tables the editors are built
// from.
#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/GlobalVars.h"
#include "base/FormatText.h"
#include "editors/EditorDesc.h"
#include "editors/MpegPresets.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string Text(TMsgKey key) {
  return Quoted(ResStr(key));
}

template <class T, class F>
std::string Array(std::span<const T> items, F each) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i == 0 ? "" : ",") + each(items[i]);
  return out + "]";
}

std::string Strings(std::span<const std::string_view> items) {
  return Array(items, [](std::string_view s) { return Quoted(s); });
}

// The entries a track bar offers: positions 1..max of its ladder.
std::string Presets(TLadder ladder, int max) {
  return Strings(ladder.first(std::min(static_cast<size_t>(max), ladder.size())));
}

std::string Range(TLadder ladder, TBitrateRange range) {
  return "[" + std::to_string(LadderValue(ladder, range.Min)) + "," +
         std::to_string(LadderValue(ladder, range.Max)) + "]";
}

std::string ListItem(const TListItem& item) {
  std::string out = "{\"text\":" + Text(item.Text) + ",\"block\":" + Quoted(item.Block);
  if (item.Advisory) out += ",\"advisory\":" + Text(item.Advisory->Title);
  if (item.Instead)
    out += ",\"instead\":{\"key\":" + Quoted(item.Instead->Key) +
           ",\"value\":" + std::to_string(item.Instead->Value) +
           ",\"block\":" + Quoted(item.Instead->Block) + "}";
  return out + "}";
}

std::string List(const TListDesc& list) {
  static constexpr const char* kRoles[] = {"type", "video", "audio"};
  std::string out = "{\"key\":" + Quoted(list.Key) +
                    ",\"role\":" + Quoted(kRoles[static_cast<int>(list.Role)]) +
                    ",\"items\":" + Array(std::span<const TListItem>(list.Items), ListItem);
  if (list.ShownWhen) {
    out += ",\"shownWhen\":{\"key\":" + Quoted(list.ShownWhen->Key) + ",\"values\":" +
           Array(std::span<const int>(list.ShownWhen->Values),
                 [](int v) { return std::to_string(v); }) +
           "}";
  }
  return out + "}";
}

std::string VideoBlock(const TVideoBlockDesc& block) {
  std::string out =
      "{\"suffix\":" + Quoted(block.Suffix) + ",\"title\":" + Text(block.Title) +
      ",\"presets\":" + Presets(block.Ladder, block.TrackBarMax) + ",\"configure\":[" +
      std::to_string(LadderValue(block.Ladder, 1)) + "," +
      std::to_string(LadderValue(block.Ladder, static_cast<int>(block.Ladder.size()))) +
      "],\"frameRates\":" + Strings(block.FrameRates);
  if (!block.AutoFrameRate.empty()) out += ",\"autoFrameRate\":" + Quoted(block.AutoFrameRate);
  if (block.Size == TVideoSize::FixedH263) {
    out += ",\"sizes\":" +
           Array(std::span<const TFixedSize>(kH263Sizes),
                 [](const TFixedSize& s) { return Quoted(s.Text); }) +
           ",\"fixedSize\":true,\"aspects\":" + Strings(H263AspectChoices);
  } else {
    out += ",\"sizes\":" +
           Array(block.Sizes, [](const TSizeItem& s) { return Quoted(SizeItemText(s)); }) +
           ",\"fixedSize\":false,\"evenSizes\":" + (block.EvenSizes ? "true" : "false") +
           ",\"sizeEdit\":[" + std::to_string(kSizeEditMin) + "," +
           std::to_string(block.SizeLimit.MaxWidth) + "," +
           std::to_string(block.SizeLimit.MaxHeight) + "],\"aspects\":" + Strings(AspectChoices);
  }
  return out + "}";
}

std::string AudioBlock(const TAudioBlockDesc& block) {
  std::string out = "{\"suffix\":" + Quoted(block.Suffix) + ",\"title\":" + Text(block.Title) +
                    ",\"presets\":" + Presets(block.Ladder, block.TrackBarMax) +
                    ",\"sampleRates\":" + Strings(block.SampleRates) +
                    ",\"channels\":" + Array(block.Channels, [](TMsgKey k) { return Text(k); });
  if (!block.Rule.BySampleRate.empty()) {
    out += ",\"rangeBySampleRate\":" + Array(block.Rule.BySampleRate, [&](const TBitrateRange& r) {
             return Range(block.Ladder, r);
           });
  }
  if (block.Rule.SixChannels)
    out += ",\"sixChannels\":" + Range(block.Ladder, *block.Rule.SixChannels);
  return out + "}";
}

std::string Editor(int format) {
  const TEditorDesc& desc = *FindEditorDesc(format);
  const auto index = static_cast<size_t>(format);
  return "{\"format\":" + std::to_string(format) + ",\"name\":" + Quoted(OutputFormatNames[index]) +
         ",\"folder\":" + Quoted(FormatFolderName(format)) +
         ",\"extension\":" + Quoted(ProfileExtension(format)) + ",\"caption\":" +
         Quoted(FormatText(ResStr(MSG_PROFILE_EDITOR), {ResStr(desc.FormatName)})) +
         ",\"mpegPresets\":" + (desc.MpegPresets ? "true" : "false") +
         ",\"lists\":" + Array(std::span<const TListDesc>(desc.Lists), List) +
         ",\"video\":" + Array(std::span<const TVideoBlockDesc>(desc.VideoBlocks), VideoBlock) +
         ",\"audio\":" + Array(std::span<const TAudioBlockDesc>(desc.AudioBlocks), AudioBlock) +
         "}";
}

std::string Dvd() {
  const TMpegPresets presets;
  const TLadderBar& video = presets.Video.Bar;
  return "{\"videoPresets\":" + Presets(video.Ladder(), video.Max()) + ",\"configure\":[" +
         std::to_string(LadderValue(video.Ladder(), 1)) + "," +
         std::to_string(LadderValue(video.Ladder(), static_cast<int>(video.Ladder().size()))) +
         "],\"audioPresets\":" + Presets(presets.Audio.Ladder(), presets.Audio.Max()) +
         ",\"aspects\":[" + Text(MSG_ASPECT1) + "," + Text(MSG_ASPECT2) + "," + Text(MSG_ASPECT3) +
         "]}";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kinovert-helpfacts LANGUAGE_FILE\n");
    return 2;
  }
  if (!LoadLanguage(argv[1])) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  std::string out = "{\"texts\":{";
  for (int k = 0; k < kMsgKeyCount; ++k) {
    const auto key = static_cast<TMsgKey>(k);
    out += (k == 0 ? "" : ",") + Quoted(MsgKeyName(key)) + ":" + Text(key);
  }
  out += "},\"editors\":[";
  for (int format = 0; format < kOutputFormatCount; ++format)
    out += (format == 0 ? "" : ",") + Editor(format);
  out += "],\"dvd\":" + Dvd() + "}\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}
