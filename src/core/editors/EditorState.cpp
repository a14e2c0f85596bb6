// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorState.h"

#include <algorithm>
#include <stdexcept>

#include "app/Dialogs.h"

namespace {

constexpr std::array<std::string_view, 4> kFlagKeys = {"EnableTimeControl", "VideoSameQuality",
                                                       "AudioDisableAudio", "UsePresetFormats"};

template <class Blocks>
int FindBlock(const Blocks& blocks, std::string_view suffix) {
  for (size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].Suffix == suffix) return static_cast<int>(i);
  throw std::logic_error("editor list names an unknown block: " + std::string(suffix));
}

}  // namespace

TEditorState::TEditorState(const TEditorDesc& desc) : Desc_(&desc) {
  for (const TVideoBlockDesc& block : desc.VideoBlocks) VideoBlocks.emplace_back(block);
  for (const TAudioBlockDesc& block : desc.AudioBlocks) AudioBlocks.emplace_back(block);
  const TRecordFields record(desc.OutputFormat);
  for (std::string_view key : kFlagKeys)
    if (record.Has(key)) Flags_[std::string(key)] = false;
  for (const TListDesc& list : desc.Lists) Lists_[std::string(list.Key)] = TListChoice{};
  if (desc.MpegPresets) Mpeg.emplace();
  // Before any list decides, the first list of each role is in front.
  for (size_t i = desc.Lists.size(); i-- > 0;)
    Front_[static_cast<size_t>(desc.Lists[i].Role)] = static_cast<int>(i);
}

void TEditorState::Load() {
  const TRecordFields record(OutputFormat());
  Description = record.Text("Description");
  Time.Load(record.Text("StartTime"), record.Text("Duration"));
  for (auto& [key, value] : Flags_) value = record.Flag(key);
  for (const TListDesc& list : Desc_->Lists)
    Lists_.find(list.Key)->second.Load(record.Int(list.Key), static_cast<int>(list.Items.size()));
  for (TVideoBlockState& block : VideoBlocks) block.Load(record);
  for (TAudioBlockState& block : AudioBlocks) block.Load(record);
  if (Mpeg) Mpeg->Load(record);
}

void TEditorState::Save() const {
  const TRecordFields record(OutputFormat());
  record.SetText("Description", Description);
  record.SetText("StartTime", Time.Text(TTimeField::Start));
  record.SetText("Duration", Time.Text(TTimeField::Duration));
  for (const auto& [key, value] : Flags_) record.SetFlag(key, value);
  for (const auto& [key, choice] : Lists_) record.SetInt(key, choice.Saved());
  for (const TVideoBlockState& block : VideoBlocks) block.Save(record);
  for (const TAudioBlockState& block : AudioBlocks) block.Save(record);
  if (Mpeg) Mpeg->Save(record);
}

void TEditorState::Show() {
  for (TAudioBlockState& block : AudioBlocks)
    if (block.HasBitrate()) block.ApplyRangeRule();
  UpdateCodecPages();
  UpdateCodecGroups();
}

bool TEditorState::Flag(std::string_view key) const {
  auto it = Flags_.find(key);
  return it != Flags_.end() && it->second;
}

void TEditorState::SetFlag(std::string_view key, bool value) {
  auto it = Flags_.find(key);
  if (it == Flags_.end()) throw std::logic_error("editor has no check box " + std::string(key));
  it->second = value;
}

int TEditorState::ListIndex(std::string_view key) const {
  auto it = Lists_.find(key);
  return it == Lists_.end() ? -1 : it->second.Index;
}

void TEditorState::PickListItem(std::string_view key, int index) {
  auto it = Lists_.find(key);
  if (it == Lists_.end()) throw std::logic_error("editor has no list " + std::string(key));
  const auto list = std::find_if(Desc_->Lists.begin(), Desc_->Lists.end(),
                                 [&](const TListDesc& l) { return l.Key == key; });
  it->second.Index = index >= 0 && static_cast<size_t>(index) < list->Items.size() ? index : -1;
  if (it->second.Index >= 0)
    if (const auto& advisory = list->Items[static_cast<size_t>(index)].Advisory)
      MessageBoxText(ResStr(advisory->Text), ResStr(advisory->Title), MB_OK | MB_ICONEXCLAMATION);
  UpdateCodecGroups();
  UpdateCodecPages();
}

bool TEditorState::Holds(const TShownWhen& when) const {
  const int value = ListIndex(when.Key);
  return std::find(when.Values.begin(), when.Values.end(), value) != when.Values.end();
}

int TEditorState::QualifyingList(TListRole role) const {
  for (size_t i = 0; i < Desc_->Lists.size(); ++i) {
    const TListDesc& list = Desc_->Lists[i];
    if (list.Role == role && (!list.ShownWhen || Holds(*list.ShownWhen)))
      return static_cast<int>(i);
  }
  return -1;
}

void TEditorState::UpdateCodecGroups() {
  for (TListRole role : {TListRole::Type, TListRole::Video, TListRole::Audio})
    if (int list = QualifyingList(role); list >= 0) Front_[static_cast<size_t>(role)] = list;
}

int TEditorState::BlockOfItem(const TListDesc& list, int index, TListRole role) const {
  if (index < 0 || static_cast<size_t>(index) >= list.Items.size()) return -1;
  const TListItem& item = list.Items[static_cast<size_t>(index)];
  std::string_view block = item.Block;
  if (item.Instead && ListIndex(item.Instead->Key) == item.Instead->Value)
    block = item.Instead->Block;
  return role == TListRole::Video ? FindBlock(Desc_->VideoBlocks, block)
                                  : FindBlock(Desc_->AudioBlocks, block);
}

void TEditorState::UpdateCodecPages() {
  // Pages follow the lists whose condition holds now, whatever is in front,
  // so the order of the two updates never matters.
  for (TListRole role : {TListRole::Video, TListRole::Audio}) {
    const int list = QualifyingList(role);
    if (list < 0) continue;
    const TListDesc& desc = Desc_->Lists[static_cast<size_t>(list)];
    const int block = BlockOfItem(desc, ListIndex(desc.Key), role);
    if (block < 0) continue;
    (role == TListRole::Video ? VideoPage_ : AudioPage_) = block;
  }
}

bool TEditorState::VideoTabVisible() const {
  return !VideoBlocks.empty() && !Flag("UsePresetFormats");
}

bool TEditorState::AudioTabVisible() const {
  return !AudioBlocks.empty() && !Flag("AudioDisableAudio") && !Flag("UsePresetFormats");
}

bool TEditorState::DvdTabVisible() const {
  return Mpeg && TMpegPresets::DvdTabVisible(Flag("UsePresetFormats"), Mpeg->PresetType.Index);
}
