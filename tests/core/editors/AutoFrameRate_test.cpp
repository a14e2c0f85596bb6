// SPDX-License-Identifier: GPL-3.0-or-later
// "Auto" frame rate keeps the source's rate: the options carry no rate for
// it, except for the codecs that cannot follow any source, whose editors name
// the fixed rate they write.
#include <gtest/gtest.h>

#include <string>

#include "app/GlobalVars.h"
#include "editors/EditorDesc.h"
#include "editors/RecordFields.h"
#include "profiles/EncoderOptions.h"
#include "profiles/ProfileSettings.h"

namespace {

const TVideoBlockDesc& BlockOf(const TEditorDesc& desc, std::string_view suffix) {
  for (const TVideoBlockDesc& block : desc.VideoBlocks)
    if (block.Suffix == suffix) return block;
  throw std::logic_error("no block " + std::string(suffix));
}

struct TFixedRate {
  int Format;
  std::string_view Block;
  std::string_view Rate;
};

// Every other video codec of every editor keeps the source's rate.
const TFixedRate kFixed[] = {
    {of3GP, "H263", "12.5"},
    {ofMPEG, "Mpeg1", "25"},
    {ofRM, "Rm10", "25"},
};

std::string_view FixedRateOf(int format, std::string_view block) {
  for (const TFixedRate& f : kFixed)
    if (f.Format == format && f.Block == block) return f.Rate;
  return {};
}

TEST(AutoFrameRate, KeepsTheSourceRateWhereTheCodecCanFollowIt) {
  int checked = 0;
  for (int format = 0; format < kOutputFormatCount; ++format) {
    const TEditorDesc& desc = *FindEditorDesc(format);
    for (const TListDesc& list : desc.Lists) {
      if (list.Role != TListRole::Video) continue;
      for (size_t item = 0; item < list.Items.size(); ++item) {
        const std::string_view suffix = list.Items[item].Block;
        SCOPED_TRACE(std::string(OutputFormatNames[static_cast<size_t>(format)]) + " " +
                     std::string(suffix));
        ResetAllProfileSettings();
        DefaultProfile(format);
        const TRecordFields record(format);
        if (list.ShownWhen) record.SetInt(list.ShownWhen->Key, list.ShownWhen->Values.front());
        record.SetInt(list.Key, static_cast<int>(item));
        record.SetFlag(Key("VideoKeepFrameRate", suffix), true);
        const std::string options = OptionsOfRecord(format);
        const std::string_view fixed = FixedRateOf(format, suffix);
        EXPECT_EQ(BlockOf(desc, suffix).AutoFrameRate, fixed);
        if (fixed.empty())
          EXPECT_EQ(options.find("-r "), std::string::npos) << options;
        else
          EXPECT_NE(options.find("-r " + std::string(fixed) + " "), std::string::npos) << options;
        // A rate chosen from the list is written whatever the codec.
        record.SetFlag(Key("VideoKeepFrameRate", suffix), false);
        record.SetInt(Key("VideoFrameRate", suffix), 3);
        EXPECT_NE(OptionsOfRecord(format).find(
                      "-r " + std::string(desc.VideoBlocks.front().FrameRates[3]) + " "),
                  std::string::npos);
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 32);
  ResetAllProfileSettings();
}

}  // namespace
