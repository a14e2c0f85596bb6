// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Audio filters that keep the sound where it was against the picture.
//  - Sound that starts after the picture (common in camera, TV and MKV
//    files) is preceded by silence, so containers that cannot store a start
//    offset (AVI, SWF) do not play it early.
//  - AVI and SWF count audio by samples, and ASF has no way to say that the
//    first samples are the coder's, so the silence an audio encoder or
//    decoder puts in front of the sound would make it late (in ASF, the
//    whole file starts late and the sound runs past the source's end); as
//    much of the source is left out at the start.
// `sampleRate` is the encoder's rate in Hz (0 = the source's).
std::vector<std::string> AudioSyncFilters(const std::string& container, const std::string& encoder,
                                          int sampleRate);

// Samples of silence that the encoder and its decoder put before the sound.
int CodingDelaySamples(const std::string& encoder);
