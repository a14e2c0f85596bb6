// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "lang/ResStr.h"

// Frame sizes offered by the video blocks.

// One item of a size list. The last item of every list is "..." (Width 0),
// which stands for any other size. Word, when set, is a language text shown
// in brackets after the size ("176x144 (Mobile)").
struct TSizeItem {
  std::string_view Text;
  int Width = 0;
  int Height = 0;
  std::optional<TMsgKey> Word = std::nullopt;
};
using TSizeList = std::span<const TSizeItem>;

extern const TSizeList kStandardSizes;      // AVI, MOV, WMV, SWF, VOB, ASF
extern const TSizeList kStandardSizesNoHd;  // RM: without 1280x720
extern const TSizeList kMp4Sizes;
extern const TSizeList kTgpSizes;
extern const TSizeList kMpegSizes;

// The text an item shows in the current language.
std::string SizeItemText(const TSizeItem& item);

// The item that shows width x height: the first whose size matches, else "...".
int SyncSizeCombo(TSizeList list, int width, int height);

// The size an item sets; nothing for "..." or an index off the list.
std::optional<std::pair<int, int>> SizeOfItem(TSizeList list, int index);

// What a codec takes as a frame size typed into the width and height edits:
// from kSizeEditMin up to its largest width and height. The edits step by 2
// within that range and take any number typed; leaving one with a number
// outside the range refuses it.
inline constexpr int kSizeEditMin = 2;
inline constexpr int kSizeEditStep = 2;
struct TSizeLimit {
  int MaxWidth;
  int MaxHeight;
};
// By the suffix of a codec block: H.263+ stops at 2048x1152, RealVideo at
// 720x576 (its muxer's packets), Sorenson at 2560x2560, MPEG-1 and MPEG-2
// below 4096; the rest take sides up to 8190.
TSizeLimit CodecSizeLimit(std::string_view suffix);

// Leaving a width or height edit makes an odd value even, upwards.
int MakeEven(int value);

// The three fixed H.263 frame sizes, smallest first; the largest is chosen
// when a form is built.
struct TFixedSize {
  int Width;
  int Height;
  std::string_view Text;
};
inline constexpr std::array<TFixedSize, 3> kH263Sizes = {
    {{128, 96, "128 x 96"}, {176, 144, "176 x 144"}, {352, 288, "352 x 288"}}};
inline constexpr int kH263InitialSize = 2;

// The H.263 size that equals width x height exactly, if any.
std::optional<int> FindH263Size(int width, int height);
