// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "editors/EditorDesc.h"

// The catalogue of codec blocks the editors are built from. An audio block
// is the same wherever it occurs; a video block takes the ladder, track bar
// maximum and size list of its editor.

TAudioBlockDesc Ac3Audio();
TAudioBlockDesc Mp2Audio();
TAudioBlockDesc Mp3Audio();
TAudioBlockDesc SwfMp3Audio();
TAudioBlockDesc AacAudio(std::string_view pageName = {});
TAudioBlockDesc AacPspAudio();
TAudioBlockDesc AmrNbAudio();
TAudioBlockDesc AmrWbAudio();
// Uncompressed and A-law blocks: sample rate and channels only.
TAudioBlockDesc PlainAudio(std::string_view suffix, TMsgKey title, std::string_view pageName = {});

// The video side of one editor: every block shares the ladder, track bar
// maximum, size list and frame rate list.
struct TVideoBlockKind {
  TLadder Ladder;
  int TrackBarMax;
  TSizeList Sizes;
  bool EvenSizes = true;
  TTextList FrameRates;
};

TVideoBlockDesc FreeVideo(const TVideoBlockKind& kind, std::string_view suffix, TMsgKey title,
                          std::string_view controlSuffix = {}, std::string_view pageName = {});
TVideoBlockDesc H263Video(const TVideoBlockKind& kind);
