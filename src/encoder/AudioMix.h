// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One downmix for every target. Left alone, FFmpeg's resampler mixes 5.1
// down by coefficients that depend on the encoder's sample format: scaled to
// full scale for 16-bit encoders (WAV, MP2, AMR), unscaled for float ones
// (MP3, AAC, AC3), so dialogue came out up to 10 dB apart between targets and
// loud films clipped in some of them. Here the centre and the surrounds go
// in at -3 dB, the LFE is left out, and the whole mix is scaled so no sum of
// full-scale channels can pass full scale. Mono is the mean of that stereo
// mix, so the centre keeps its level there too.
//
// The filters for a source of `sourceChannels` into `outputChannels`
// (0 = the source's count); none when nothing is mixed down.
std::vector<std::string> DownmixFilters(int sourceChannels, int outputChannels);
