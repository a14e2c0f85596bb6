// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/AudioBlockState.h"
#include "editors/EditorDesc.h"
#include "editors/ListChoice.h"
#include "editors/MpegPresets.h"
#include "editors/TimeFields.h"
#include "editors/VideoBlockState.h"

// Everything a profile editor shows, without widgets: the dialog mirrors this
// state and calls its operations from its handlers, so every rule of the
// editors is plain code. Load and Save copy between the state and the
// format's global settings record (the editor's LoadControls and
// SaveControls); nothing here touches a file.
class TEditorState {
 public:
  explicit TEditorState(const TEditorDesc& desc);

  const TEditorDesc& Desc() const { return *Desc_; }
  int OutputFormat() const { return Desc_->OutputFormat; }

  void Load();
  void Save() const;
  // When the dialog is shown: the audio range rules clamp what was loaded,
  // and the codec groups and pages follow the lists.
  void Show();

  std::string Description;
  TTimeFields Time;
  std::vector<TVideoBlockState> VideoBlocks;
  std::vector<TAudioBlockState> AudioBlocks;
  std::optional<TMpegPresets> Mpeg;  // the MPEG editor's presets and DVD page

  // The check boxes of the General tab by record key (EnableTimeControl,
  // VideoSameQuality, AudioDisableAudio, UsePresetFormats where the record
  // has them); false for a key the editor lacks.
  bool HasFlag(std::string_view key) const { return Flags_.count(key) != 0; }
  bool Flag(std::string_view key) const;
  void SetFlag(std::string_view key, bool value);

  // The lists of the General tab by record key; -1 without selection.
  int ListIndex(std::string_view key) const;
  // The user picks an item: its advisory, if any, is shown first; then the
  // codec groups and pages follow. Loading never gets here, so no advisory
  // appears while a profile is opened.
  void PickListItem(std::string_view key, int index);

  // The list of each role in front (an index into Desc().Lists; -1 when the
  // editor has no list of that role).
  int FrontList(TListRole role) const { return Front_[static_cast<size_t>(role)]; }
  void UpdateCodecGroups();
  // The one video and one audio page shown (indexes into the blocks).
  int VideoPage() const { return VideoPage_; }
  int AudioPage() const { return AudioPage_; }
  void UpdateCodecPages();

  bool TimeControlsEnabled() const { return Flag("EnableTimeControl"); }
  bool AudioListsEnabled() const { return !Flag("AudioDisableAudio"); }
  // Preset formats replace the codec lists and their tabs.
  bool CodecChoicesVisible() const { return !Flag("UsePresetFormats"); }
  bool PresetChoicesEnabled() const { return Flag("UsePresetFormats"); }
  bool VideoTabVisible() const;
  bool AudioTabVisible() const;
  bool DvdTabVisible() const;

 private:
  bool Holds(const TShownWhen& when) const;
  // The list of a role whose condition holds now; -1 when none does.
  int QualifyingList(TListRole role) const;
  int BlockOfItem(const TListDesc& list, int index, TListRole role) const;

  const TEditorDesc* Desc_;
  std::map<std::string, bool, std::less<>> Flags_;
  std::map<std::string, TListChoice, std::less<>> Lists_;
  std::array<int, 3> Front_{-1, -1, -1};
  int VideoPage_ = 0;
  int AudioPage_ = 0;
};
