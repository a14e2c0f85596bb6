// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/SizeLists.h"

#include <array>

namespace {

constexpr TSizeItem kOther{"...", 0, 0};

constexpr std::array<TSizeItem, 14> kStandard = {{{"320x240", 320, 240},
                                                  {"352x240", 352, 240},
                                                  {"352x288", 352, 288},
                                                  {"384x288", 384, 288},
                                                  {"480x480", 480, 480},
                                                  {"480x576", 480, 576},
                                                  {"640x368", 640, 368},
                                                  {"640x480", 640, 480},
                                                  {"704x480", 704, 480},
                                                  {"704x576", 704, 576},
                                                  {"720x480", 720, 480},
                                                  {"720x576", 720, 576},
                                                  {"1280x720", 1280, 720},
                                                  kOther}};

constexpr std::array<TSizeItem, 13> kStandardNoHd = [] {
  std::array<TSizeItem, 13> items{};
  for (size_t i = 0; i < 12; ++i) items[i] = kStandard[i];
  items[12] = kOther;
  return items;
}();

constexpr std::array<TSizeItem, 12> kMp4 = {{{"176x120", 176, 120},
                                             {"176x144", 176, 144, MSG_MOBILE},
                                             {"240x176", 240, 176},
                                             {"320x176", 320, 176},
                                             {"320x240", 320, 240, MSG_IPOD_PSP},
                                             {"368x208", 368, 208, MSG_PSP_FULLSCR},
                                             {"384x160", 384, 160},
                                             {"400x192", 400, 192},
                                             {"416x176", 416, 176},
                                             {"480x160", 480, 160},
                                             {"480x272", 480, 272},
                                             kOther}};

constexpr std::array<TSizeItem, 7> kTgp = {{{"128x96", 128, 96},
                                            {"176x144", 176, 144},
                                            {"220x176", 220, 176},
                                            {"240x192", 240, 192},
                                            {"320x240", 320, 240},
                                            {"352x288", 352, 288},
                                            kOther}};

constexpr std::array<TSizeItem, 17> kMpeg = {{{"80 x 60", 80, 60},
                                              {"96 x 72", 96, 72},
                                              {"128 x 96", 128, 96},
                                              {"160 x 320", 160, 320},
                                              {"176 x 120", 176, 120},
                                              {"176 x 144", 176, 144},
                                              {"192 x 144", 192, 144},
                                              {"240 x 180", 240, 180},
                                              {"320 x 200", 320, 200},
                                              {"320 x 240", 320, 240},
                                              {"352 x 240 (VCD NTSC)", 352, 240},
                                              {"352 x 288 (VCD PAL)", 352, 288},
                                              {"480 x 480 (SVCD NTSC)", 480, 480},
                                              {"480 x 576 (SVCD PAL)", 480, 576},
                                              {"720 x 480 (DVD NTSC)", 720, 480},
                                              {"720 x 576 (DVD PAL)", 720, 576},
                                              kOther}};

}  // namespace

const TSizeList kStandardSizes = kStandard;
const TSizeList kStandardSizesNoHd = kStandardNoHd;
const TSizeList kMp4Sizes = kMp4;
const TSizeList kTgpSizes = kTgp;
const TSizeList kMpegSizes = kMpeg;

std::string SizeItemText(const TSizeItem& item) {
  std::string text(item.Text);
  if (item.Word) text += " (" + ResStr(*item.Word) + ")";
  return text;
}

int SyncSizeCombo(TSizeList list, int width, int height) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].Width > 0 && list[i].Width == width && list[i].Height == height)
      return static_cast<int>(i);
  return static_cast<int>(list.size()) - 1;
}

std::optional<std::pair<int, int>> SizeOfItem(TSizeList list, int index) {
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return std::nullopt;
  const TSizeItem& item = list[static_cast<size_t>(index)];
  if (item.Width == 0) return std::nullopt;
  return std::pair{item.Width, item.Height};
}

TSizeLimit CodecSizeLimit(std::string_view suffix) {
  if (suffix == "H263P") return {2048, 1152};
  if (suffix == "Rm10") return {720, 576};
  if (suffix == "Mpeg1" || suffix == "Mpeg2") return {4094, 4094};
  // Sorenson's coder overruns its own buffer on large detailed pictures.
  if (suffix == "Svq1") return {2560, 2560};
  return {8190, 8190};
}

int MakeEven(int value) {
  return value % 2 != 0 ? value + 1 : value;
}

std::optional<int> FindH263Size(int width, int height) {
  for (size_t i = 0; i < kH263Sizes.size(); ++i)
    if (kH263Sizes[i].Width == width && kH263Sizes[i].Height == height) return static_cast<int>(i);
  return std::nullopt;
}
