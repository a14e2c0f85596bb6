// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen editors as tables: their lists in General-tab order, and their
// codec blocks in page order (a list item selects the page of its block).
#include <array>
#include <memory>

#include "app/GlobalVars.h"
#include "editors/CodecBlocks.h"
#include "editors/EditorDesc.h"
#include "profiles/ProfileSettings.h"

namespace {

const TAdvisory kMpeg4Advisory{MSG_MP4SELECTED_TITLE, MSG_MP4SELECTED};
const TAdvisory kAmrWbAdvisory{MSG_AMRNBSELECTED_TITLE, MSG_AMRNBSELECTED};
const TAdvisory kAacAdvisory{MSG_AACSELECTED_TITLE, MSG_AACSELECTED};

TListDesc VideoList(std::vector<TListItem> items) {
  return {"VideoCodec", "ComboBoxVideoCodec", "GroupBoxVideoCode", TListRole::Video,
          std::move(items)};
}

TListDesc AudioList(std::vector<TListItem> items) {
  return {"AudioCodec", "ComboBoxAudioCodec", "GroupBoxAudioCodec", TListRole::Audio,
          std::move(items)};
}

const TVideoBlockKind kAviVideo{VideoPresetLadder, 13, kStandardSizes, true, StandardFrameRates};
const TVideoBlockKind kMp4Video{VideoPresetLadder, 13, kMp4Sizes, true, StandardFrameRates};
const TVideoBlockKind kTgpVideo{VideoPresetLadder, 10, kTgpSizes, true, StandardFrameRates};
const TVideoBlockKind kMpegVideo{VideoPresetLadder, 13, kMpegSizes, false, StandardFrameRates};
const TVideoBlockKind kWindowsVideo{WindowsMediaPresetLadder, 12, kStandardSizes, true,
                                    StandardFrameRates};
const TVideoBlockKind kRmVideo{VideoPresetLadder, 13, kStandardSizesNoHd, true, StandardFrameRates};
const TVideoBlockKind kSwfVideo{FlashPresetLadder, 11, kStandardSizes, true, StandardFrameRates};
const TVideoBlockKind kVobVideo{VideoPresetLadder, 13, kStandardSizes, true, VobFrameRates};

// A block whose "Auto" frame rate is a fixed one.
TVideoBlockDesc FixedAutoRate(TVideoBlockDesc block, std::string_view rate) {
  block.AutoFrameRate = rate;
  return block;
}

TVideoBlockDesc MsMpeg4(const TVideoBlockKind& kind) {
  return FreeVideo(kind, "MsMpeg4", MSG_MSMPEG4, "Msmpeg4");
}
TVideoBlockDesc MsMpeg4v2(const TVideoBlockKind& kind) {
  return FreeVideo(kind, "MsMpeg4v2", MSG_MSMPEG4v2, {}, "TabSheetMsmpeg4v2");
}

TEditorDesc Avi() {
  const TVideoBlockKind& k = kAviVideo;
  return {ofAVI,
          "TfrmAVIProfile",
          MSG_FORMAT_AVI,
          {VideoList({{MSG_DIVX, "DivX"},
                      {MSG_XVID, "XviD"},
                      {MSG_MSMPEG4, "MsMpeg4"},
                      {MSG_MSMPEG4v2, "MsMpeg4v2"},
                      {MSG_H263, "H263"},
                      {MSG_H263P, "H263P"},
                      {MSG_H264, "H264"},
                      {MSG_HUFFYUV, "huffYUV"},
                      {MSG_MJPEG, "Mjpeg"},
                      {MSG_SVQ1, "Svq1"},
                      {MSG_FLV, "Flv"}}),
           AudioList({{MSG_MP2, "Mp2"},
                      {MSG_MP3, "Mp3"},
                      {MSG_PCM16LE, "Pcm16le"},
                      {MSG_PCMU8, "Pcmu8"},
                      {MSG_AC3, "AC3"}})},
          // No list item selects the last three; they are loaded and saved all the same.
          {FreeVideo(k, "DivX", MSG_DIVX), FreeVideo(k, "XviD", MSG_XVID), MsMpeg4(k), MsMpeg4v2(k),
           H263Video(k), FreeVideo(k, "H263P", MSG_H263P), FreeVideo(k, "H264", MSG_H264),
           FreeVideo(k, "huffYUV", MSG_HUFFYUV), FreeVideo(k, "Mjpeg", MSG_MJPEG),
           FreeVideo(k, "Svq1", MSG_SVQ1), FreeVideo(k, "Flv", MSG_FLV),
           FreeVideo(k, "Mpeg1", MSG_MPEG1), FreeVideo(k, "Mpeg2", MSG_MPEG2),
           FreeVideo(k, "DV", MSG_DV)},
          {Mp2Audio(), Mp3Audio(), PlainAudio("Pcm16le", MSG_PCM16LE),
           PlainAudio("Pcmu8", MSG_PCMU8), Ac3Audio()}};
}

TEditorDesc Mp4() {
  const TVideoBlockKind& k = kMp4Video;
  return {ofMP4,
          "TfrmMp4Profile",
          MSG_FORMAT_MP4,
          {{"Format",
            "ComboBoxMp4Format",
            "GroupBoxType",
            TListRole::Type,
            {{MSG_TYPE_IPOD}, {MSG_TYPE_PSP}, {MSG_TYPE_MOBILE}, {MSG_TYPE_MP4}}},
           VideoList({{MSG_H264, "H264"}}),
           AudioList({{MSG_AAC, "AACMp4", std::nullopt, TBlockWhen{"Format", 1, "AACPsp"}}})},
          // The DivX and XviD blocks are kept for the files; no list item selects them.
          {FreeVideo(k, "H264", MSG_H264), FreeVideo(k, "DivX", MSG_DIVX),
           FreeVideo(k, "XviD", MSG_XVID)},
          {AacAudio(), AacPspAudio()}};
}

TEditorDesc Tgp() {
  const TVideoBlockKind& k = kTgpVideo;
  const TShownWhen nokia{"TgpFormat", {0}};
  const TShownWhen sony{"TgpFormat", {1, 2}};
  return {of3GP,
          "TfrmTGPProfile",
          MSG_FORMAT_3GP,
          {{"TgpFormat",
            "ComboBox3GPFormat",
            "GroupBoxType",
            TListRole::Type,
            {{MSG_3GP_TYPE1}, {MSG_3GP_TYPE2}, {MSG_3GP_TYPE3}}},
           {"VideoCodecNokia",
            "ComboBoxVideoCodecNokia",
            "GroupBoxVideoCodeNokia",
            TListRole::Video,
            {{MSG_H263, "H263"}, {MSG_DIVX, "DivX", kMpeg4Advisory}},
            nokia},
           {"VideoCodecSony",
            "ComboBoxVideoCodecSony",
            "GroupBoxVideoCodeSony",
            TListRole::Video,
            {{MSG_DIVX, "DivX"}, {MSG_XVID, "XviD"}},
            sony},
           {"AudioCodecNokia",
            "ComboBoxAudioCodeNokia",
            "GroupBoxAudioCodeNokia",
            TListRole::Audio,
            {{MSG_AMRNB, "Armnb"},
             {MSG_AMRWB, "Armwb", kAmrWbAdvisory},
             {MSG_AAC, "AACMp4", kAacAdvisory}},
            nokia},
           {"AudioCodecSony",
            "ComboBoxAudioCodeSony",
            "GroupBoxAudioCodeSony",
            TListRole::Audio,
            {{MSG_AAC, "AACMp4"}},
            sony}},
          // The DivX block is the MPEG-4 block of both device families.
          {FreeVideo(k, "DivX", MSG_DIVX), FreeVideo(k, "XviD", MSG_XVID),
           FixedAutoRate(H263Video(k), kTgpH263AutoFrameRate)},
          {AmrNbAudio(), AmrWbAudio(), AacAudio("TabSheetAAC")}};
}

TEditorDesc Mpeg() {
  const TVideoBlockKind& k = kMpegVideo;
  return {ofMPEG,
          "TfrmMPEGProfile",
          MSG_FORMAT_MPEG,
          {VideoList({{MSG_MPEG1, "Mpeg1"}, {MSG_MPEG2, "Mpeg2"}}),
           {"AudioCodecMpeg1",
            "ComboBoxAudioCodecMpeg1",
            "GroupBoxAudioCodecMpeg1",
            TListRole::Audio,
            {{MSG_MP2, "Mp2"}, {MSG_MP3, "Mp3"}},
            TShownWhen{"VideoCodec", {0}}},
           {"AudioCodecMpeg2",
            "ComboBoxAudioCodecMpeg2",
            "GroupBoxAudioCodecMpeg2",
            TListRole::Audio,
            {{MSG_AC3, "AC3"}, {MSG_MP2, "Mp2"}, {MSG_MP3, "Mp3"}},
            TShownWhen{"VideoCodec", {1}}}},
          {FixedAutoRate(FreeVideo(k, "Mpeg1", MSG_MPEG1), kMpeg1AutoFrameRate),
           FreeVideo(k, "Mpeg2", MSG_MPEG2)},
          {Ac3Audio(), Mp2Audio(), Mp3Audio()},
          true};
}

TEditorDesc Mov() {
  const TVideoBlockKind& k = kAviVideo;
  return {ofMOV,
          "TfrmMovProfile",
          MSG_FORMAT_MOV,
          {VideoList({{MSG_SVQ1, "Svq1"},
                      {MSG_DIVX, "DivX"},
                      {MSG_XVID, "XviD"},
                      {MSG_H263, "H263"},
                      {MSG_H264, "H264"}}),
           AudioList({{MSG_AAC, "AACMp4"},
                      {MSG_ALAW, "Alaw"},
                      {MSG_AMRNB, "Armnb"},
                      {MSG_PCM16LE, "Pcm16le"},
                      {MSG_PCM16BE, "Pcm16be"}})},
          {FreeVideo(k, "Svq1", MSG_SVQ1), FreeVideo(k, "DivX", MSG_DIVX),
           FreeVideo(k, "XviD", MSG_XVID), H263Video(k), FreeVideo(k, "H264", MSG_H264)},
          {AacAudio(), PlainAudio("Alaw", MSG_ALAW), AmrNbAudio(),
           PlainAudio("Pcm16le", MSG_PCM16LE), PlainAudio("Pcm16be", MSG_PCM16BE)}};
}

TEditorDesc Wmv() {
  const TVideoBlockKind& k = kWindowsVideo;
  return {
      ofWMV,
      "TfrmWmvProfile",
      MSG_FORMAT_WMV,
      {VideoList({{MSG_MSMPEG4, "MsMpeg4"},
                  {MSG_MSMPEG4v2, "MsMpeg4v2"},
                  {MSG_WMV7, "Wmv7"},
                  {MSG_WMV8, "Wmv8"}}),
       AudioList({{MSG_MP3, "Mp3"}})},
      {MsMpeg4(k), MsMpeg4v2(k), FreeVideo(k, "Wmv7", MSG_WMV7), FreeVideo(k, "Wmv8", MSG_WMV8)},
      {Mp3Audio()}};
}

TEditorDesc Rm() {
  return {ofRM,
          "TfrmRMProfile",
          MSG_FORMAT_RM,
          {VideoList({{MSG_RV7, "Rm10"}}), AudioList({{MSG_AC3, "AC3"}})},
          {FixedAutoRate(FreeVideo(kRmVideo, "Rm10", MSG_RV7), kRealVideoAutoFrameRate)},
          {Ac3Audio()}};
}

TEditorDesc Swf() {
  return {ofSWF,
          "TfrmSwfProfile",
          MSG_FORMAT_SWF,
          {VideoList({{MSG_FLV, "Flv"}}), AudioList({{MSG_MP3, "Mp3"}})},
          {FreeVideo(kSwfVideo, "Flv", MSG_FLV)},
          {SwfMp3Audio()}};
}

TEditorDesc Vob() {
  return {ofVOB,
          "TfrmVobProfile",
          MSG_FORMAT_VOB,
          {VideoList({{MSG_MPEG2, "Mpeg2"}}), AudioList({{MSG_MP2, "Mp2"}, {MSG_AC3, "AC3"}})},
          {FreeVideo(kVobVideo, "Mpeg2", MSG_MPEG2)},
          {Mp2Audio(), Ac3Audio()}};
}

TEditorDesc Asf() {
  const TVideoBlockKind& k = kWindowsVideo;
  return {ofASF,
          "TfrmAsfProfile",
          MSG_FORMAT_ASF,
          {VideoList({{MSG_MSMPEG4, "MsMpeg4"}, {MSG_MSMPEG4v2, "MsMpeg4v2"}}),
           AudioList({{MSG_MP3, "Mp3"}})},
          {MsMpeg4(k), MsMpeg4v2(k)},
          {Mp3Audio()}};
}

// Audio-only editors: one audio list, no video side.
TEditorDesc AudioOnly(int format, std::string_view formName, TMsgKey name,
                      std::vector<TListItem> items, std::vector<TAudioBlockDesc> blocks) {
  return {format, formName, name, {AudioList(std::move(items))}, {}, std::move(blocks)};
}

std::array<std::unique_ptr<const TEditorDesc>, kOutputFormatCount> BuildAll() {
  std::array<std::unique_ptr<const TEditorDesc>, kOutputFormatCount> all;
  auto put = [&](TEditorDesc desc) {
    const auto format = static_cast<size_t>(desc.OutputFormat);
    all[format] = std::make_unique<const TEditorDesc>(std::move(desc));
  };
  put(Avi());
  put(Mp4());
  put(Tgp());
  put(Mpeg());
  put(Mov());
  put(Wmv());
  put(Rm());
  put(Swf());
  put(Vob());
  put(Asf());
  put(AudioOnly(ofAAC, "TfrmAacProfile", MSG_FORMAT_AAC, {{MSG_AAC, "AACMp4"}}, {AacAudio()}));
  put(AudioOnly(ofAC3, "TfrmAc3Profile", MSG_FORMAT_AC3, {{MSG_AC3, "AC3"}}, {Ac3Audio()}));
  put(AudioOnly(ofMP2, "TfrmMp2Profile", MSG_FORMAT_MP2, {{MSG_MP2, "Mp2"}}, {Mp2Audio()}));
  put(AudioOnly(ofMP3, "TfrmMp3Profile", MSG_FORMAT_MP3, {{MSG_MP3, "Mp3"}}, {Mp3Audio()}));
  put(AudioOnly(ofAMR, "TfrmAmrProfile", MSG_FORMAT_AMR,
                {{MSG_AMRNB, "Armnb"}, {MSG_AMRWB, "Armwb", kAmrWbAdvisory}},
                {AmrNbAudio(), AmrWbAudio()}));
  put(AudioOnly(
      ofWAV, "TfrmWavProfile", MSG_FORMAT_WAV, {{MSG_PCM16LE, "Pcm16le"}, {MSG_PCMU8, "Pcmu8"}},
      {PlainAudio("Pcm16le", MSG_PCM16LE, "TabSheePcm16le"), PlainAudio("Pcmu8", MSG_PCMU8)}));
  return all;
}

}  // namespace

const TEditorDesc* FindEditorDesc(int outputFormat) {
  static const auto all = BuildAll();
  if (outputFormat < 0 || outputFormat >= kOutputFormatCount) return nullptr;
  return all[static_cast<size_t>(outputFormat)].get();
}
