// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LegacyCommand.h"
#include "OutputCheck.h"
#include "SourceInfo.h"

struct TTranslation {
  // FFmpeg's arguments from the input options to the output file, without
  // the fixed ones about the console and progress.
  std::vector<std::string> Args;
  // What was changed so that FFmpeg takes it; shown to the user.
  std::vector<std::string> Notes;
  // Set when the request cannot give a usable file; nothing is run then.
  std::string Error;
  // Where in the input the output begins (-ss), in milliseconds.
  int64_t StartMs = 0;
  // What the finished file must hold (nothing when the source is unknown).
  TOutputExpectation Expect;
};

// Turns the options of an old-style command line into today's FFmpeg
// arguments. `mediaInput` is the file FFmpeg reads (a script's source when
// the input is a script), `source` what is known of it (nothing: the options
// alone decide, as for a file ffprobe cannot read).
TTranslation TranslateCommand(const TLegacyCommand& cmd, const std::string& mediaInput,
                              const TSourceInfo& source = {});

// The muxer FFmpeg will use for the output: the translated "-f" value, else
// the one the file name's extension selects ("" if unknown).
std::string OutputContainer(const std::string& format, const std::string& outputPath);

// A path as FFmpeg must get it so that no name is read as an option or protocol.
std::string FfmpegFileArg(const std::string& path);
