// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fields of the sixteen settings records, written once as lists that both
// declare the structs and describe them to the one Default/Load/Save engine.
// F(KIND, ROLE, SUFFIX) names a field ROLE##SUFFIX, stored under the key of
// the same name; KIND is TEXT, FLAG, INDEX or NUMBER. A codec block passes its
// suffix; header and selection fields pass none.

#define KV_VIDEO_BLOCK(F, C)                                                            \
  F(FLAG, VideoBitRateUsePresert, C) F(NUMBER, VideoBitRatePreset, C)                   \
  F(NUMBER, VideoBitRateSpecify, C) F(FLAG, VideoSizeUseSource, C) F(NUMBER, VideoWidth, C) \
  F(NUMBER, VideoHeight, C) F(FLAG, VideoKeepFrameRate, C) F(INDEX, VideoFrameRate, C)  \
  F(INDEX, VideoAspect, C)

// An H.263 output always has an explicit size, so its block has no source flag.
#define KV_VIDEO_BLOCK_H263(F)                                                          \
  F(FLAG, VideoBitRateUsePresert, H263) F(NUMBER, VideoBitRatePreset, H263)             \
  F(NUMBER, VideoBitRateSpecify, H263) F(NUMBER, VideoWidth, H263)                      \
  F(NUMBER, VideoHeight, H263) F(FLAG, VideoKeepFrameRate, H263)                        \
  F(INDEX, VideoFrameRate, H263) F(INDEX, VideoAspect, H263)

#define KV_AUDIO_BLOCK(F, A)                                                            \
  F(FLAG, AudioBitRateUseAutoSet, A) F(NUMBER, AudioBitRatePreset, A)                   \
  F(INDEX, AudioSampleRate, A) F(INDEX, AudioChannels, A)

// Uncompressed and A-law audio: no bitrate.
#define KV_AUDIO_SHORT(F, A) F(INDEX, AudioSampleRate, A) F(INDEX, AudioChannels, A)

#define KV_DESCRIPTION(F) F(TEXT, Description, )
#define KV_TIME(F) F(FLAG, EnableTimeControl, ) F(TEXT, Duration, ) F(TEXT, StartTime, )
#define KV_COMMON_HEADER(F) KV_DESCRIPTION(F) KV_TIME(F)
#define KV_SEL(F, KIND, NAME) F(KIND, NAME, )

// Video, audio, disable-audio, same-quality selection in the common order.
#define KV_SELECT_VSAD(F)                                                               \
  KV_SEL(F, INDEX, VideoCodec) KV_SEL(F, FLAG, VideoSameQuality) KV_SEL(F, INDEX, AudioCodec) \
  KV_SEL(F, FLAG, AudioDisableAudio)

// ---------------------------------------------------------------- AVI
#define KV_AVI_FIELDS(F)                                                                \
  KV_COMMON_HEADER(F) KV_SELECT_VSAD(F)                                                 \
  KV_VIDEO_BLOCK(F, DivX) KV_VIDEO_BLOCK(F, XviD) KV_VIDEO_BLOCK(F, MsMpeg4)            \
  KV_VIDEO_BLOCK(F, MsMpeg4v2) KV_VIDEO_BLOCK_H263(F) KV_VIDEO_BLOCK(F, H263P)          \
  KV_VIDEO_BLOCK(F, H264) KV_VIDEO_BLOCK(F, DV) KV_VIDEO_BLOCK(F, huffYUV)              \
  KV_VIDEO_BLOCK(F, Mjpeg) KV_VIDEO_BLOCK(F, Mpeg1) KV_VIDEO_BLOCK(F, Mpeg2)            \
  KV_VIDEO_BLOCK(F, Svq1) KV_VIDEO_BLOCK(F, Flv)                                        \
  KV_AUDIO_BLOCK(F, AC3) KV_AUDIO_BLOCK(F, Mp2) KV_AUDIO_BLOCK(F, Mp3)                  \
  KV_AUDIO_SHORT(F, Pcm16le) KV_AUDIO_SHORT(F, Pcmu8)
#define KV_AVI_WRITTEN(F) KV_AVI_FIELDS(F)

// ---------------------------------------------------------------- MP4
#define KV_MP4_FIELDS(F)                                                                \
  KV_DESCRIPTION(F) KV_SEL(F, INDEX, Format) KV_TIME(F) KV_SELECT_VSAD(F)               \
  KV_VIDEO_BLOCK(F, DivX) KV_VIDEO_BLOCK(F, XviD) KV_VIDEO_BLOCK(F, H264)               \
  KV_AUDIO_BLOCK(F, AACMp4) KV_AUDIO_BLOCK(F, AACPsp)
#define KV_MP4_WRITTEN(F) KV_MP4_FIELDS(F)

// ---------------------------------------------------------------- 3GP
#define KV_TGP_HEAD(F)                                                                  \
  KV_DESCRIPTION(F) KV_SEL(F, INDEX, TgpFormat) KV_TIME(F)                              \
  KV_SEL(F, INDEX, VideoCodecNokia) KV_SEL(F, INDEX, VideoCodecSony)                    \
  KV_SEL(F, FLAG, VideoSameQuality) KV_SEL(F, INDEX, AudioCodecNokia)                   \
  KV_SEL(F, INDEX, AudioCodecSony) KV_SEL(F, FLAG, AudioDisableAudio)
#define KV_TGP_AUDIO(F) KV_AUDIO_BLOCK(F, AACMp4) KV_AUDIO_BLOCK(F, Armnb) KV_AUDIO_BLOCK(F, Armwb)
#define KV_TGP_FIELDS(F)                                                                \
  KV_TGP_HEAD(F) KV_VIDEO_BLOCK_H263(F) KV_VIDEO_BLOCK(F, DivX) KV_VIDEO_BLOCK(F, XviD) \
  KV_TGP_AUDIO(F)
#define KV_TGP_WRITTEN(F)                                                               \
  KV_TGP_HEAD(F) KV_VIDEO_BLOCK(F, DivX) KV_VIDEO_BLOCK(F, XviD) KV_VIDEO_BLOCK_H263(F) \
  KV_TGP_AUDIO(F)

// ---------------------------------------------------------------- MPEG
#define KV_MPEG_REST(F)                                                                 \
  KV_SEL(F, INDEX, VideoCodec) KV_SEL(F, FLAG, VideoSameQuality)                        \
  KV_SEL(F, INDEX, AudioCodecMpeg1) KV_SEL(F, INDEX, AudioCodecMpeg2)                   \
  KV_SEL(F, FLAG, AudioDisableAudio)                                                    \
  KV_VIDEO_BLOCK(F, Mpeg1) KV_VIDEO_BLOCK(F, Mpeg2)                                     \
  KV_AUDIO_BLOCK(F, AC3) KV_AUDIO_BLOCK(F, Mp2) KV_AUDIO_BLOCK(F, Mp3)                  \
  KV_SEL(F, FLAG, DVDVideoBitRateUsePresert) KV_SEL(F, NUMBER, DVDVideoBitRatePreset)   \
  KV_SEL(F, NUMBER, DVDVideoBitRateSpecify) KV_SEL(F, FLAG, DVDVideoKeepAspect)         \
  KV_SEL(F, INDEX, DVDVideoAspect) KV_SEL(F, FLAG, DVDAudioBitRateUseAutoSet)           \
  KV_SEL(F, NUMBER, DVDAudioBitRatePreset)
#define KV_MPEG_FIELDS(F)                                                               \
  KV_DESCRIPTION(F) KV_SEL(F, FLAG, UsePresetFormats) KV_SEL(F, INDEX, TargetFormat)    \
  KV_SEL(F, INDEX, PresetType) KV_TIME(F) KV_MPEG_REST(F)
#define KV_MPEG_WRITTEN(F)                                                              \
  KV_DESCRIPTION(F) KV_SEL(F, INDEX, TargetFormat) KV_SEL(F, INDEX, PresetType)         \
  KV_SEL(F, FLAG, UsePresetFormats) KV_TIME(F) KV_MPEG_REST(F)

// ---------------------------------------------------------------- MOV
#define KV_MOV_FIELDS(F)                                                                \
  KV_COMMON_HEADER(F) KV_SELECT_VSAD(F)                                                 \
  KV_VIDEO_BLOCK(F, DivX) KV_VIDEO_BLOCK(F, XviD) KV_VIDEO_BLOCK_H263(F)                \
  KV_VIDEO_BLOCK(F, H264) KV_VIDEO_BLOCK(F, Svq1)                                       \
  KV_AUDIO_BLOCK(F, AACMp4) KV_AUDIO_SHORT(F, Alaw) KV_AUDIO_BLOCK(F, Armnb)            \
  KV_AUDIO_SHORT(F, Pcm16le) KV_AUDIO_SHORT(F, Pcm16be)
#define KV_MOV_WRITTEN(F) KV_MOV_FIELDS(F)

// ---------------------------------------------------------------- WMV
#define KV_WMV_BLOCKS(F)                                                                \
  KV_VIDEO_BLOCK(F, MsMpeg4) KV_VIDEO_BLOCK(F, MsMpeg4v2) KV_VIDEO_BLOCK(F, Wmv7)       \
  KV_VIDEO_BLOCK(F, Wmv8) KV_AUDIO_BLOCK(F, Mp3)
#define KV_WMV_FIELDS(F)                                                                \
  KV_COMMON_HEADER(F) KV_SEL(F, FLAG, AudioDisableAudio) KV_SEL(F, INDEX, AudioCodec)   \
  KV_SEL(F, INDEX, VideoCodec) KV_SEL(F, FLAG, VideoSameQuality) KV_WMV_BLOCKS(F)
#define KV_WMV_WRITTEN(F) KV_COMMON_HEADER(F) KV_SELECT_VSAD(F) KV_WMV_BLOCKS(F)

// ---------------------------------------------------------------- RM
#define KV_RM10_REST(F)                                                                 \
  F(FLAG, VideoSizeUseSource, Rm10) F(NUMBER, VideoWidth, Rm10) F(NUMBER, VideoHeight, Rm10) \
  F(FLAG, VideoKeepFrameRate, Rm10) F(INDEX, VideoFrameRate, Rm10) F(INDEX, VideoAspect, Rm10)
#define KV_RM_FIELDS(F)                                                                 \
  KV_COMMON_HEADER(F) KV_SELECT_VSAD(F) KV_VIDEO_BLOCK(F, Rm10) KV_AUDIO_BLOCK(F, AC3)
#define KV_RM_WRITTEN(F)                                                                \
  KV_COMMON_HEADER(F) KV_SEL(F, INDEX, AudioCodec) KV_SEL(F, FLAG, AudioDisableAudio)   \
  KV_SEL(F, INDEX, VideoCodec) KV_SEL(F, FLAG, VideoSameQuality)                        \
  F(NUMBER, VideoBitRatePreset, Rm10) F(NUMBER, VideoBitRateSpecify, Rm10)              \
  F(FLAG, VideoBitRateUsePresert, Rm10) KV_RM10_REST(F) KV_AUDIO_BLOCK(F, AC3)

// ---------------------------------------------------------------- SWF
#define KV_SWF_FIELDS(F)                                                                \
  KV_COMMON_HEADER(F) KV_SEL(F, FLAG, VideoSameQuality) KV_SEL(F, INDEX, VideoCodec)    \
  KV_SEL(F, INDEX, AudioCodec) KV_SEL(F, FLAG, AudioDisableAudio)                       \
  KV_VIDEO_BLOCK(F, Flv) KV_AUDIO_BLOCK(F, Mp3)
#define KV_SWF_WRITTEN(F)                                                               \
  KV_COMMON_HEADER(F) KV_SELECT_VSAD(F) KV_VIDEO_BLOCK(F, Flv) KV_AUDIO_BLOCK(F, Mp3)

// ---------------------------------------------------------------- ASF, VOB
#define KV_AD_VS(F)                                                                     \
  KV_SEL(F, INDEX, AudioCodec) KV_SEL(F, FLAG, AudioDisableAudio)                       \
  KV_SEL(F, INDEX, VideoCodec) KV_SEL(F, FLAG, VideoSameQuality)
#define KV_ASF_BLOCKS(F)                                                                \
  KV_VIDEO_BLOCK(F, MsMpeg4) KV_VIDEO_BLOCK(F, MsMpeg4v2) KV_AUDIO_BLOCK(F, Mp3)
#define KV_ASF_FIELDS(F) KV_COMMON_HEADER(F) KV_AD_VS(F) KV_ASF_BLOCKS(F)
#define KV_ASF_WRITTEN(F) KV_COMMON_HEADER(F) KV_SELECT_VSAD(F) KV_ASF_BLOCKS(F)
#define KV_VOB_BLOCKS(F) KV_VIDEO_BLOCK(F, Mpeg2) KV_AUDIO_BLOCK(F, AC3) KV_AUDIO_BLOCK(F, Mp2)
#define KV_VOB_FIELDS(F) KV_COMMON_HEADER(F) KV_AD_VS(F) KV_VOB_BLOCKS(F)
#define KV_VOB_WRITTEN(F) KV_COMMON_HEADER(F) KV_SELECT_VSAD(F) KV_VOB_BLOCKS(F)

// ---------------------------------------------------------------- audio only
#define KV_AUDIO_HEAD(F) KV_COMMON_HEADER(F) KV_SEL(F, INDEX, AudioCodec)
#define KV_AAC_FIELDS(F) KV_AUDIO_HEAD(F) KV_AUDIO_BLOCK(F, AACMp4)
#define KV_AC3_FIELDS(F) KV_AUDIO_HEAD(F) KV_AUDIO_BLOCK(F, AC3)
#define KV_MP2_FIELDS(F) KV_AUDIO_HEAD(F) KV_AUDIO_BLOCK(F, Mp2)
#define KV_MP3_FIELDS(F) KV_AUDIO_HEAD(F) KV_AUDIO_BLOCK(F, Mp3)
#define KV_AMR_FIELDS(F) KV_AUDIO_HEAD(F) KV_AUDIO_BLOCK(F, Armnb) KV_AUDIO_BLOCK(F, Armwb)
#define KV_WAV_FIELDS(F) KV_AUDIO_HEAD(F) KV_AUDIO_SHORT(F, Pcm16le) KV_AUDIO_SHORT(F, Pcmu8)
#define KV_AAC_WRITTEN(F) KV_AAC_FIELDS(F)
#define KV_AC3_WRITTEN(F) KV_AC3_FIELDS(F)
#define KV_MP2_WRITTEN(F) KV_MP2_FIELDS(F)
#define KV_MP3_WRITTEN(F) KV_MP3_FIELDS(F)
#define KV_AMR_WRITTEN(F) KV_AMR_FIELDS(F)
#define KV_WAV_WRITTEN(F) KV_WAV_FIELDS(F)

// Every record: F(record name part X, macro stem).
#define KV_ALL_RECORDS(R)                                                                \
  R(AVI, AVI) R(MP4, MP4) R(TGP, TGP) R(MPEG, MPEG) R(Mov, MOV) R(Wmv, WMV) R(Rm, RM)    \
  R(Swf, SWF) R(Asf, ASF) R(Vob, VOB) R(Aac, AAC) R(Ac3, AC3) R(Mp2, MP2) R(Mp3, MP3)    \
  R(Amr, AMR) R(Wav, WAV)
