// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The option strings the tables of the end-to-end tests go through: the
// profile builder's defaults of the targets, and the shipped device items.

// The avcore options of a shipped device item, by its file and section
// ("ipod_h264 Item1").
std::string Item(const std::string& name);

inline constexpr const char* kAvi =
    "-y -f avi -vcodec msmpeg4 -b 1080k -r 25 -acodec mp3 -ac 2 -ab 96 -ar 22050";
inline constexpr const char* kMov = "-y -f mov -vcodec h264 -b 1200k -r 25 -ac 2 -ab 64 -ar 22050";
inline constexpr const char* kMpeg =
    "-y -vcodec mpeg2video -b 2496k -r 29.97 -acodec ac3 -ac 2 -ar 48000 -ab 256";
inline constexpr const char* kWmv = "-y -vcodec wmv2 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050";
inline constexpr const char* kAsf =
    "-y -f asf -vcodec msmpeg4 -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050 -ab 64";
inline constexpr const char* kRm =
    "-y -f rm -b 768k -vcodec rv10 -r 25 -acodec ac3 -ac 2 -ar 48000 -ab 256";
inline constexpr const char* kSwf = "-y -vcodec flv -b 768k -r 25 -acodec mp3 -ac 2 -ar 22050";
inline constexpr const char* kVob =
    "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 25 -aspect 5:4 -acodec ac3 -ac 2 -ar "
    "48000 -ab 384";
inline constexpr const char* kMp4 =
    "-y -f mp4 -vcodec h264 -s 320x240 -b 1200k -r 25 -acodec aac -ac 2 -ab 64 -ar 22050";
inline constexpr const char* kTgp =
    "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 -ar "
    "8000 -ab 13";
