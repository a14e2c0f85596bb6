// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editors/LadderBar.h"
#include "editors/RangeRules.h"
#include "editors/SizeLists.h"
#include "lang/ResStr.h"

// What a profile editor consists of, as data: its lists, its codec blocks in
// page order, and what every block offers. One editor state and one set of
// widgets serve all sixteen formats from these descriptions.

using TTextList = std::span<const std::string_view>;  // fixed texts, never translated
using TKeyList = std::span<const TMsgKey>;            // items from the text table

enum class TVideoSize { Free, FixedH263 };

struct TVideoBlockDesc {
  std::string_view Suffix;  // record keys end in it: VideoWidthDivX
  TMsgKey Title;            // the codec's name in its page title
  TLadder Ladder;           // Configure accepts its first..last entry
  int TrackBarMax = 0;
  TVideoSize Size = TVideoSize::Free;
  TSizeList Sizes;        // the size list of a free-size block
  bool EvenSizes = true;  // leaving a width or height makes it even
  TTextList FrameRates;
  std::string_view ControlSuffix = {};  // object names, when not the suffix
  std::string_view PageName = {};       // when not "TabSheet" + control suffix
  TSizeLimit SizeLimit = CodecSizeLimit(Suffix);
  // The rate "Auto" writes where the codec cannot follow the source's
  // (ProfileSettings.h); empty where "Auto" keeps the source's rate.
  std::string_view AutoFrameRate = {};
};

struct TAudioBlockDesc {
  std::string_view Suffix;
  TMsgKey Title;
  TLadder Ladder;  // empty: no bitrate controls
  int TrackBarMax = 0;
  TTextList SampleRates;
  TKeyList Channels;
  TRangeRule Rule = {};
  std::string_view PageName = {};  // when not "TabSheet" + suffix
};

std::string ControlSuffix(const TVideoBlockDesc& block);
std::string PageName(const TVideoBlockDesc& block);
std::string PageName(const TAudioBlockDesc& block);

// An advisory shown when the user picks an item (never while loading).
struct TAdvisory {
  TMsgKey Title;
  TMsgKey Text;
};

// An item that shows another block while a list holds a value (the AAC item
// of MP4 shows the PSP block for the PSP device type).
struct TBlockWhen {
  std::string_view Key;
  int Value;
  std::string_view Block;
};

struct TListItem {
  TMsgKey Text;
  std::string_view Block = {};  // the codec block it selects; empty in a type list
  std::optional<TAdvisory> Advisory = std::nullopt;
  std::optional<TBlockWhen> Instead = std::nullopt;
};

enum class TListRole { Type, Video, Audio };

// Lists of one role may lie on top of each other, each shown while another
// list holds one of some values (3GP: the Nokia pair for type 0, the Sony
// pair for types 1 and 2). When no list of a role qualifies, what was shown
// stays.
struct TShownWhen {
  std::string_view Key;
  std::vector<int> Values;
};

struct TListDesc {
  std::string_view Key;  // the record field holding the index
  std::string_view ComboName;
  std::string_view GroupName;
  TListRole Role;
  std::vector<TListItem> Items;
  std::optional<TShownWhen> ShownWhen = std::nullopt;
};

struct TEditorDesc {
  int OutputFormat = 0;
  std::string_view FormName;
  TMsgKey FormatName;
  std::vector<TListDesc> Lists;  // in the order the General tab shows them
  std::vector<TVideoBlockDesc> VideoBlocks;
  std::vector<TAudioBlockDesc> AudioBlocks;
  bool MpegPresets = false;  // the preset formats and the DVD page
};

// The editor of a target format; nullptr above 15.
const TEditorDesc* FindEditorDesc(int outputFormat);
