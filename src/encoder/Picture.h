// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "LegacyGrammar.h"
#include "Snap.h"

// Where the picture goes in the output frame. FFmpeg's own "-r" and "-s"
// cannot be used for it: "-r" shows the picture two frames late after a rate
// change, and "-s" stretches whatever shape the source has into the frame.

// An MPEG disc preset ("-target pal-dvd"): its frame and frame rate.
struct TDiscTarget {
  TFrameSize Frame;
  std::string Rate;  // as FFmpeg takes it
  bool Wide;         // 16:9 is one of its standard shapes
};
std::optional<TDiscTarget> DiscTarget(const std::string& target);

// Picks for every output instant the source frame shown at that instant.
std::string FrameRateFilter(const std::string& rate);

// Players of these containers show every pixel square, whatever the file says.
bool IgnoresPixelAspect(const std::string& container);

// The display shape a fixed frame is marked with: the shape its players
// take for granted (square pixels, or the MPEG disc shapes 4:3 and 16:9),
// else the shape asked for, else square pixels.
TRatio FrameAspect(const std::string& container, const std::string& encoder, TFrameSize frame,
                   const std::optional<TRatio>& asked, bool wideAllowed = true);

// Fits the source's display shape into `frame` shown at `aspect`, with black
// bars above and below (letterbox) or left and right (pillarbox).
std::string LetterboxFilter(TFrameSize frame, TRatio aspect);

// True when LetterboxFilter leaves a `width` x `height` picture of that
// pixel shape untouched in `frame`: the fields of interlaced pictures survive.
bool LetterboxKeepsPicture(TFrameSize frame, TRatio aspect, int width, int height,
                           double pixelAspect);

// A size the encoder takes when the frame is left to the source; square
// pixels at the source's display shape (or `aspect`) when the container
// cannot tell players the pixel shape. Empty when the source size will do.
std::string SourceSizeFilter(const std::string& encoder, bool squarePixels,
                             const std::optional<TRatio>& aspect = std::nullopt);

// "16:9" for FFmpeg's "-aspect", in lowest terms.
std::string FormatRatio(TRatio r);
