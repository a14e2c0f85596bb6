// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the profile trees that ship in data/: for each language tree and each
// target, a few named profiles, each made by the program's own Default and
// Save routines plus the handful of values chosen below. Regenerate with
//   build/tools/kinovert-profilegen data
// (a test checks that data/ matches what this program writes).
#include <sys/stat.h>

#include <array>
#include <cerrno>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/IniFile.h"
#include "app/GlobalVars.h"
#include "profiles/ProfileSettings.h"

namespace {

// Trees in the order en, fr, de, it, generic (which speaks English).
constexpr int kLanguages = 5;
const char* const Trees[kLanguages] = {"profile_en", "profile_fr", "profile_de", "profile_it",
                                       "profile"};

using TWords = std::array<const char*, kLanguages>;

struct TProfileSpec {
  TWords Name;
  TWords Kind;  // the first words of the description
  TWords Tech;  // what it encodes, in each language's own technical style
  std::function<void()> Tweak;
};

// Names sort as a profile box lists them (by name, letter case aside), and
// the box shows its first entry after every start: the everyday choice of
// each target sorts first in every language.
const TWords Standard = {"Standard", "Standard", "Standard", "Standard", "Standard"};
const TWords Top = {"Top quality", "Très haute qualité", "Studioqualität", "Ultra qualità",
                    "Top quality"};
const TWords StandardKind = {"Standard quality", "Qualité standard", "Standardqualität",
                             "Qualità standard", "Standard quality"};
const TWords High = {"High quality", "Haute qualité", "Hohe Qualität", "Alta qualità",
                     "High quality"};

// The technical text written out in English, French, German and Italian,
// each in its own style (decimal commas, word order, units); the generic
// tree speaks English.
TWords T(const char* en, const char* fr, const char* de, const char* it) {
  return {en, fr, de, it, en};
}

std::vector<TProfileSpec> SpecsFor(int format) {
  switch (format) {
    case ofAVI:
      return {{Standard, StandardKind,
               T("MPEG-4 video 1080 kbit/s, MP3 128 kbit/s 44.1 kHz stereo",
                 "vidéo MPEG-4 1080 kbit/s, MP3 128 kbit/s 44,1 kHz stéréo",
                 "MPEG-4-Video 1080 kbit/s, MP3 128 kbit/s 44,1 kHz Stereo",
                 "video MPEG-4 1080 kbit/s, MP3 128 kbit/s 44,1 kHz stereo"),
               [] {
                 AVISettings.AudioBitRatePresetMp3 = 128;
                 AVISettings.AudioSampleRateMp3 = 2;
               }},
              {Top, High,
               T("Xvid video 2496 kbit/s, MP3 192 kbit/s 44.1 kHz stereo",
                 "vidéo Xvid 2496 kbit/s, MP3 192 kbit/s 44,1 kHz stéréo",
                 "Xvid-Video 2496 kbit/s, MP3 192 kbit/s 44,1 kHz Stereo",
                 "video Xvid 2496 kbit/s, MP3 192 kbit/s 44,1 kHz stereo"),
               [] {
                 AVISettings.VideoCodec = 1;
                 AVISettings.VideoBitRatePresetXviD = 2496;
                 AVISettings.VideoBitRateSpecifyXviD = 2496;
                 AVISettings.AudioBitRatePresetMp3 = 192;
                 AVISettings.AudioSampleRateMp3 = 2;
               }}};
    case ofMP4:
      return {{Standard, StandardKind,
               T("H.264 320x240 1200 kbit/s, AAC 96 kbit/s 44.1 kHz stereo",
                 "H.264 320x240 1200 kbit/s, AAC 96 kbit/s 44,1 kHz stéréo",
                 "H.264 320x240 1200 kbit/s, AAC 96 kbit/s 44,1 kHz Stereo",
                 "H.264 320x240 1200 kbit/s, AAC 96 kbit/s 44,1 kHz stereo"),
               [] {
                 MP4Settings.AudioBitRatePresetAACMp4 = 96;
                 MP4Settings.AudioSampleRateAACMp4 = 6;
               }},
              {Top, High,
               T("H.264 640x480 2496 kbit/s, AAC 128 kbit/s 44.1 kHz stereo",
                 "H.264 640x480 2496 kbit/s, AAC 128 kbit/s 44,1 kHz stéréo",
                 "H.264 640x480 2496 kbit/s, AAC 128 kbit/s 44,1 kHz Stereo",
                 "H.264 640x480 2496 kbit/s, AAC 128 kbit/s 44,1 kHz stereo"),
               [] {
                 MP4Settings.VideoWidthH264 = 640;
                 MP4Settings.VideoHeightH264 = 480;
                 MP4Settings.VideoBitRatePresetH264 = 2496;
                 MP4Settings.VideoBitRateSpecifyH264 = 2496;
                 MP4Settings.AudioBitRatePresetAACMp4 = 128;
                 MP4Settings.AudioSampleRateAACMp4 = 6;
               }}};
    case of3GP:
      return {{Standard, StandardKind,
               T("H.263 176x144 144 kbit/s, AMR-NB 12.2 kbit/s",
                 "H.263 176x144 144 kbit/s, AMR-NB 12,2 kbit/s",
                 "H.263 176x144 144 kbit/s, AMR-NB 12,2 kbit/s",
                 "H.263 176x144 144 kbit/s, AMR-NB 12,2 kbit/s"),
               [] {}},
              {Top, High,
               T("MPEG-4 320x240 (4:3) 512 kbit/s, AAC 96 kbit/s 44.1 kHz stereo",
                 "MPEG-4 320x240 (4:3) 512 kbit/s, AAC 96 kbit/s 44,1 kHz stéréo",
                 "MPEG-4 320x240 (4:3) 512 kbit/s, AAC 96 kbit/s 44,1 kHz Stereo",
                 "MPEG-4 320x240 (4:3) 512 kbit/s, AAC 96 kbit/s 44,1 kHz stereo"),
               [] {
                 TGPSettings.TgpFormat = 1;
                 TGPSettings.VideoWidthDivX = 320;
                 TGPSettings.VideoHeightDivX = 240;
                 TGPSettings.VideoAspectDivX = 1;  // 4:3, the shape of 320 x 240, not 11:9
                 TGPSettings.VideoBitRatePresetDivX = 512;
                 TGPSettings.VideoBitRateSpecifyDivX = 512;
                 TGPSettings.AudioBitRatePresetAACMp4 = 96;
                 TGPSettings.AudioSampleRateAACMp4 = 6;
               }}};
    case ofMPEG:
      return {{Standard, StandardKind,
               T("MPEG-1 1152 kbit/s, MP2 160 kbit/s 44.1 kHz stereo",
                 "MPEG-1 1152 kbit/s, MP2 160 kbit/s 44,1 kHz stéréo",
                 "MPEG-1 1152 kbit/s, MP2 160 kbit/s 44,1 kHz Stereo",
                 "MPEG-1 1152 kbit/s, MP2 160 kbit/s 44,1 kHz stereo"),
               [] { MPEGSettings.VideoCodec = 0; }},
              {Top, High,
               T("MPEG-2 4600 kbit/s, AC-3 256 kbit/s 48 kHz stereo",
                 "MPEG-2 4600 kbit/s, AC-3 256 kbit/s 48 kHz stéréo",
                 "MPEG-2 4600 kbit/s, AC-3 256 kbit/s 48 kHz Stereo",
                 "MPEG-2 4600 kbit/s, AC-3 256 kbit/s 48 kHz stereo"),
               [] {
                 MPEGSettings.VideoBitRatePresetMpeg2 = 4600;
                 MPEGSettings.VideoBitRateSpecifyMpeg2 = 4600;
               }},
              {{"Video DVD (PAL)", "Vidéo DVD (PAL)", "Video-DVD (PAL)", "Video DVD (PAL)",
                "Video DVD (PAL)"},
               {"DVD video", "DVD-Vidéo", "Video-DVD", "DVD video", "DVD video"},
               T("PAL DVD, MPEG-2 6000 kbit/s, 4:3", "DVD PAL, MPEG-2 6000 kbit/s, 4:3",
                 "PAL-DVD, MPEG-2 6000 kbit/s, 4:3", "DVD PAL, MPEG-2 6000 kbit/s, 4:3"),
               [] {
                 MPEGSettings.UsePresetFormats = true;
                 MPEGSettings.PresetType = 2;
                 MPEGSettings.TargetFormat = 2;
                 MPEGSettings.DVDVideoKeepAspect = false;
               }}};
    case ofMOV:
      return {{Standard, StandardKind,
               T("H.264 1200 kbit/s, AAC 96 kbit/s 44.1 kHz stereo",
                 "H.264 1200 kbit/s, AAC 96 kbit/s 44,1 kHz stéréo",
                 "H.264 1200 kbit/s, AAC 96 kbit/s 44,1 kHz Stereo",
                 "H.264 1200 kbit/s, AAC 96 kbit/s 44,1 kHz stereo"),
               [] {
                 MovSettings.AudioBitRatePresetAACMp4 = 96;
                 MovSettings.AudioSampleRateAACMp4 = 6;
               }},
              {Top, High,
               T("H.264 2496 kbit/s, AAC 128 kbit/s 48 kHz stereo",
                 "H.264 2496 kbit/s, AAC 128 kbit/s 48 kHz stéréo",
                 "H.264 2496 kbit/s, AAC 128 kbit/s 48 kHz Stereo",
                 "H.264 2496 kbit/s, AAC 128 kbit/s 48 kHz stereo"),
               [] {
                 MovSettings.VideoBitRatePresetH264 = 2496;
                 MovSettings.VideoBitRateSpecifyH264 = 2496;
                 MovSettings.AudioBitRatePresetAACMp4 = 128;
                 MovSettings.AudioSampleRateAACMp4 = 7;
               }}};
    case ofWMV:
      return {{Standard, StandardKind,
               T("WMV8 768 kbit/s, MP3 44.1 kHz stereo", "WMV8 768 kbit/s, MP3 44,1 kHz stéréo",
                 "WMV8 768 kbit/s, MP3 44,1 kHz Stereo", "WMV8 768 kbit/s, MP3 44,1 kHz stereo"),
               [] { WmvSettings.AudioSampleRateMp3 = 2; }},
              {Top, High,
               T("WMV8 1500 kbit/s, MP3 128 kbit/s 44.1 kHz stereo",
                 "WMV8 1500 kbit/s, MP3 128 kbit/s 44,1 kHz stéréo",
                 "WMV8 1500 kbit/s, MP3 128 kbit/s 44,1 kHz Stereo",
                 "WMV8 1500 kbit/s, MP3 128 kbit/s 44,1 kHz stereo"),
               [] {
                 WmvSettings.VideoBitRatePresetWmv8 = 1500;
                 WmvSettings.VideoBitRateSpecifyWmv8 = 1500;
                 WmvSettings.AudioBitRateUseAutoSetMp3 = false;
                 WmvSettings.AudioBitRatePresetMp3 = 128;
                 WmvSettings.AudioSampleRateMp3 = 2;
               }}};
    case ofRM:
      return {{Standard, StandardKind,
               T("RealVideo 768 kbit/s, AC-3 256 kbit/s 48 kHz stereo",
                 "RealVideo 768 kbit/s, AC-3 256 kbit/s 48 kHz stéréo",
                 "RealVideo 768 kbit/s, AC-3 256 kbit/s 48 kHz Stereo",
                 "RealVideo 768 kbit/s, AC-3 256 kbit/s 48 kHz stereo"),
               [] {}},
              {Top, High,
               T("RealVideo 1500 kbit/s, AC-3 384 kbit/s 48 kHz stereo",
                 "RealVideo 1500 kbit/s, AC-3 384 kbit/s 48 kHz stéréo",
                 "RealVideo 1500 kbit/s, AC-3 384 kbit/s 48 kHz Stereo",
                 "RealVideo 1500 kbit/s, AC-3 384 kbit/s 48 kHz stereo"),
               [] {
                 RmSettings.VideoBitRatePresetRm10 = 1500;
                 RmSettings.VideoBitRateSpecifyRm10 = 1500;
                 RmSettings.AudioBitRatePresetAC3 = 384;
               }}};
    case ofSWF:
      return {{Standard, StandardKind,
               T("Flash video 768 kbit/s, MP3 22.05 kHz stereo",
                 "vidéo Flash 768 kbit/s, MP3 22,05 kHz stéréo",
                 "Flash-Video 768 kbit/s, MP3 22,05 kHz Stereo",
                 "video Flash 768 kbit/s, MP3 22,05 kHz stereo"),
               [] {}},
              {Top, High,
               T("Flash video 1500 kbit/s, MP3 128 kbit/s 44.1 kHz stereo",
                 "vidéo Flash 1500 kbit/s, MP3 128 kbit/s 44,1 kHz stéréo",
                 "Flash-Video 1500 kbit/s, MP3 128 kbit/s 44,1 kHz Stereo",
                 "video Flash 1500 kbit/s, MP3 128 kbit/s 44,1 kHz stereo"),
               [] {
                 SwfSettings.VideoBitRatePresetFlv = 1500;
                 SwfSettings.VideoBitRateSpecifyFlv = 1500;
                 SwfSettings.AudioBitRateUseAutoSetMp3 = false;
                 SwfSettings.AudioBitRatePresetMp3 = 128;
                 SwfSettings.AudioSampleRateMp3 = 2;
               }}};
    case ofVOB:
      return {{{"Standard (PAL)", "Standard (PAL)", "Standard (PAL)", "Standard (PAL)",
                "Standard (PAL)"},
               StandardKind,
               T("MPEG-2 720x576 (4:3) 25 fps 6000 kbit/s, AC-3 384 kbit/s",
                 "MPEG-2 720x576 (4:3) 25 images/s 6000 kbit/s, AC-3 384 kbit/s",
                 "MPEG-2 720x576 (4:3) 25 Bilder/s 6000 kbit/s, AC-3 384 kbit/s",
                 "MPEG-2 720x576 (4:3) 25 fps 6000 kbit/s, AC-3 384 kbit/s"),
               // A PAL frame is shown 4:3; left at "Auto" it would be marked 5:4.
               // The rate is PAL's own: "Auto" would keep the source's.
               [] {
                 VobSettings.VideoKeepFrameRateMpeg2 = false;
                 VobSettings.VideoFrameRateMpeg2 = 3;
                 VobSettings.VideoAspectMpeg2 = 1;
               }},
              {{"USA and Japan (NTSC)", "USA et Japon (NTSC)", "USA und Japan (NTSC)",
                "USA e Giappone (NTSC)", "USA and Japan (NTSC)"},
               StandardKind,
               T("MPEG-2 720x480 (4:3) 29.97 fps 6000 kbit/s, AC-3 384 kbit/s",
                 "MPEG-2 720x480 (4:3) 29,97 images/s 6000 kbit/s, AC-3 384 kbit/s",
                 "MPEG-2 720x480 (4:3) 29,97 Bilder/s 6000 kbit/s, AC-3 384 kbit/s",
                 "MPEG-2 720x480 (4:3) 29,97 fps 6000 kbit/s, AC-3 384 kbit/s"),
               [] {
                 VobSettings.VideoHeightMpeg2 = 480;
                 VobSettings.VideoKeepFrameRateMpeg2 = false;
                 VobSettings.VideoFrameRateMpeg2 = 4;
                 VobSettings.VideoAspectMpeg2 = 1;
               }}};
    case ofASF:
      return {{Standard, StandardKind,
               T("MPEG-4 768 kbit/s, MP3 64 kbit/s 22.05 kHz stereo",
                 "MPEG-4 768 kbit/s, MP3 64 kbit/s 22,05 kHz stéréo",
                 "MPEG-4 768 kbit/s, MP3 64 kbit/s 22,05 kHz Stereo",
                 "MPEG-4 768 kbit/s, MP3 64 kbit/s 22,05 kHz stereo"),
               [] {}},
              {Top, High,
               T("MPEG-4 1500 kbit/s, MP3 128 kbit/s 44.1 kHz stereo",
                 "MPEG-4 1500 kbit/s, MP3 128 kbit/s 44,1 kHz stéréo",
                 "MPEG-4 1500 kbit/s, MP3 128 kbit/s 44,1 kHz Stereo",
                 "MPEG-4 1500 kbit/s, MP3 128 kbit/s 44,1 kHz stereo"),
               [] {
                 AsfSettings.VideoBitRatePresetMsMpeg4 = 1500;
                 AsfSettings.VideoBitRateSpecifyMsMpeg4 = 1500;
                 AsfSettings.AudioBitRatePresetMp3 = 128;
                 AsfSettings.AudioSampleRateMp3 = 2;
               }}};
    case ofAAC:
      return {{Standard, StandardKind,
               T("AAC 128 kbit/s 44.1 kHz stereo", "AAC 128 kbit/s 44,1 kHz stéréo",
                 "AAC 128 kbit/s 44,1 kHz Stereo", "AAC 128 kbit/s 44,1 kHz stereo"),
               [] {}},
              {Top, High,
               T("AAC 256 kbit/s 48 kHz stereo", "AAC 256 kbit/s 48 kHz stéréo",
                 "AAC 256 kbit/s 48 kHz Stereo", "AAC 256 kbit/s 48 kHz stereo"),
               [] {
                 AacSettings.AudioBitRatePresetAACMp4 = 256;
                 AacSettings.AudioSampleRateAACMp4 = 7;
               }}};
    case ofAC3:
      return {{Standard, StandardKind,
               T("AC-3 384 kbit/s 48 kHz stereo", "AC-3 384 kbit/s 48 kHz stéréo",
                 "AC-3 384 kbit/s 48 kHz Stereo", "AC-3 384 kbit/s 48 kHz stereo"),
               [] {}},
              {{"Surround 5.1", "Surround 5.1", "Surround 5.1", "Surround 5.1", "Surround 5.1"},
               High,
               T("AC-3 448 kbit/s 48 kHz, 6 channels", "AC-3 448 kbit/s 48 kHz, 6 canaux",
                 "AC-3 448 kbit/s 48 kHz, 6 Kanäle", "AC-3 448 kbit/s 48 kHz, 6 canali"),
               [] {
                 Ac3Settings.AudioChannelsAC3 = 2;
                 Ac3Settings.AudioBitRatePresetAC3 = 448;
               }}};
    case ofMP2:
      return {{Standard, StandardKind,
               T("MPEG-1 Layer II 160 kbit/s 44.1 kHz stereo",
                 "MPEG-1 Layer II 160 kbit/s 44,1 kHz stéréo",
                 "MPEG-1 Layer II 160 kbit/s 44,1 kHz Stereo",
                 "MPEG-1 Layer II 160 kbit/s 44,1 kHz stereo"),
               [] {}},
              {Top, High,
               T("MPEG-1 Layer II 256 kbit/s 48 kHz stereo",
                 "MPEG-1 Layer II 256 kbit/s 48 kHz stéréo",
                 "MPEG-1 Layer II 256 kbit/s 48 kHz Stereo",
                 "MPEG-1 Layer II 256 kbit/s 48 kHz stereo"),
               [] {
                 Mp2Settings.AudioBitRatePresetMp2 = 256;
                 Mp2Settings.AudioSampleRateMp2 = 3;
               }}};
    case ofMP3:
      return {{Standard, StandardKind,
               T("MP3 128 kbit/s 44.1 kHz stereo", "MP3 128 kbit/s 44,1 kHz stéréo",
                 "MP3 128 kbit/s 44,1 kHz Stereo", "MP3 128 kbit/s 44,1 kHz stereo"),
               [] {}},
              {Top, High,
               T("MP3 320 kbit/s 44.1 kHz stereo", "MP3 320 kbit/s 44,1 kHz stéréo",
                 "MP3 320 kbit/s 44,1 kHz Stereo", "MP3 320 kbit/s 44,1 kHz stereo"),
               [] { Mp3Settings.AudioBitRatePresetMp3 = 320; }}};
    case ofAMR:
      return {{{"AMR-NB narrow-band", "AMR-NB bande étroite", "AMR-NB Schmalband",
                "AMR-NB banda stretta", "AMR-NB narrow-band"},
               StandardKind,
               T("AMR-NB 12.2 kbit/s 8 kHz mono", "AMR-NB 12,2 kbit/s 8 kHz mono",
                 "AMR-NB 12,2 kbit/s 8 kHz Mono", "AMR-NB 12,2 kbit/s 8 kHz mono"),
               [] {}},
              {{"AMR-WB wide-band", "AMR-WB bande élargie", "AMR-WB Breitband",
                "AMR-WB banda larga", "AMR-WB wide-band"},
               High,
               T("AMR-WB 23.85 kbit/s 16 kHz mono", "AMR-WB 23,85 kbit/s 16 kHz mono",
                 "AMR-WB 23,85 kbit/s 16 kHz Mono", "AMR-WB 23,85 kbit/s 16 kHz mono"),
               [] {
                 AmrSettings.AudioCodec = 1;
                 AmrSettings.AudioBitRatePresetArmwb = 24;
               }}};
    case ofWAV:
      return {{Standard, StandardKind,
               T("PCM 16-bit 44.1 kHz stereo", "PCM 16 bits 44,1 kHz stéréo",
                 "PCM 16 Bit 44,1 kHz Stereo", "PCM 16 bit 44,1 kHz stereo"),
               [] {}},
              {{"Voice (8-bit)", "Voix (8 bits)", "Stimme (8 Bit)", "Voce (8 bit)",
                "Voice (8-bit)"},
               {"Small files", "Fichiers légers", "Kleine Dateien", "File leggeri", "Small files"},
               T("PCM 8-bit unsigned 22.05 kHz mono", "PCM 8 bits non signé 22,05 kHz mono",
                 "PCM 8 Bit vorzeichenlos 22,05 kHz Mono", "PCM 8 bit senza segno 22,05 kHz mono"),
               [] {
                 WavSettings.AudioCodec = 1;
                 WavSettings.AudioSampleRatePcmu8 = 3;
                 WavSettings.AudioChannelsPcmu8 = 0;
               }}};
    default:
      return {};
  }
}

// Device presets: command templates that call the encoder directly. Values
// put in for the placeholders arrive shell-quoted, so the templates leave
// them unquoted.
struct TPresetItem {
  TWords Title;
  const char* Ext;
  const char* Options;
};

struct TPresetSpec {
  const char* File;
  TWords Title;
  TWords Description;
  std::vector<TPresetItem> Items;
};

const TWords Low = {"Low quality, small file", "Basse qualité, petit fichier",
                    "Niedrige Qualität, kleine Datei", "Bassa qualità, file piccolo",
                    "Low quality, small file"};
const TWords Good = {"Good quality", "Bonne qualité", "Gute Qualität", "Buona qualità",
                     "Good quality"};
const TWords Best = {"Best quality", "Qualité maximale", "Beste Qualität", "Qualità massima",
                     "Best quality"};

const std::vector<TPresetSpec>& Presets() {
  static const std::vector<TPresetSpec> presets = {
      {"3gpp_h263_amr.ini",
       {"3GPP phone (H.263, AMR)", "Téléphone 3GPP (H.263, AMR)", "3GPP-Handy (H.263, AMR)",
        "Cellulare 3GPP (H.263, AMR)", "3GPP phone (H.263, AMR)"},
       {"Older phones", "Téléphones anciens", "Ältere Handys", "Cellulari meno recenti",
        "Older phones"},
       {{Low, "3gp",
         "-y -f 3gp -vcodec h263 -s 176x144 -b 128k -r 15 -acodec amr_nb -ac 1 -ar 8000 -ab 12"},
        {Good, "3gp",
         "-y -f 3gp -vcodec h263 -s 352x288 -b 384k -r 15 -acodec amr_nb -ac 1 -ar 8000 -ab 13"}}},
      {"3gpp_mpeg4_aac.ini",
       {"3GPP phone (MPEG-4, AAC)", "Téléphone 3GPP (MPEG-4, AAC)", "3GPP-Handy (MPEG-4, AAC)",
        "Cellulare 3GPP (MPEG-4, AAC)", "3GPP phone (MPEG-4, AAC)"},
       {"Phones with MPEG-4 video", "Téléphones avec vidéo MPEG-4", "Handys mit MPEG-4-Video",
        "Cellulari con video MPEG-4", "Phones with MPEG-4 video"},
       {{Low, "3gp",
         "-y -f 3gp -vcodec msmpeg4 -s 176x144 -b 192k -r 15 -acodec aac -ac 1 -ab 32 -ar 22050"},
        {Good, "3gp",
         "-y -f 3gp -vcodec msmpeg4 -s 320x240 -b 512k -r 25 -acodec aac -ac 2 -ab 96 -ar 44100"}}},
      {"3gp2_mpeg4_aac.ini",
       {"3GP2 phone (MPEG-4, AAC)", "Téléphone 3GP2 (MPEG-4, AAC)", "3GP2-Handy (MPEG-4, AAC)",
        "Cellulare 3GP2 (MPEG-4, AAC)", "3GP2 phone (MPEG-4, AAC)"},
       {"Phones that play 3GP2 files", "Téléphones lisant les fichiers 3GP2",
        "Handys für 3GP2-Dateien", "Cellulari che leggono i file 3GP2", "Phones that play 3GP2 files"},
       {{Low, "3g2",
         "-y -f 3g2 -vcodec msmpeg4 -s 176x144 -b 192k -r 15 -acodec aac -ac 1 -ab 32 -ar 22050"},
        {Good, "3g2",
         "-y -f 3g2 -vcodec msmpeg4 -s 320x240 -b 512k -r 25 -acodec aac -ac 2 -ab 96 -ar 44100"}}},
      {"ipod_h264.ini",
       {"iPod video (H.264, AAC)", "iPod vidéo (H.264, AAC)", "iPod Video (H.264, AAC)",
        "iPod video (H.264, AAC)", "iPod video (H.264, AAC)"},
       {"Players with H.264 video", "Baladeurs avec vidéo H.264", "Player mit H.264-Video",
        "Lettori con video H.264", "Players with H.264 video"},
       {{Good, "mp4",
         "-y -f ipod -vcodec h264 -s 320x240 -b 768k -r 25 -acodec aac -ac 2 -ab 128 -ar 44100"},
        {Best, "mp4",
         "-y -f ipod -vcodec h264 -s 640x480 -b 1500k -r 25 -acodec aac -ac 2 -ab 160 -ar 44100"}}},
      {"ipod_mpeg4.ini",
       {"iPod (MPEG-4, AAC)", "iPod (MPEG-4, AAC)", "iPod (MPEG-4, AAC)", "iPod (MPEG-4, AAC)",
        "iPod (MPEG-4, AAC)"},
       {"Older players", "Baladeurs anciens", "Ältere Player", "Lettori meno recenti",
        "Older players"},
       {{Low, "mp4",
         "-y -f ipod -vcodec msmpeg4 -s 320x240 -b 512k -r 25 -acodec aac -ac 2 -ab 96 -ar 44100"},
        {Good, "mp4",
         "-y -f ipod -vcodec msmpeg4 -s 640x480 -b 1200k -r 25 -acodec aac -ac 2 -ab 128 -ar 44100"}}},
      {"psp_h264.ini",
       {"Sony PSP (H.264, AAC)", "Sony PSP (H.264, AAC)", "Sony PSP (H.264, AAC)",
        "Sony PSP (H.264, AAC)", "Sony PSP (H.264, AAC)"},
       {"Full screen on the PSP", "Plein écran sur la PSP", "Vollbild auf der PSP",
        "Schermo intero sulla PSP", "Full screen on the PSP"},
       {{Good, "mp4",
         "-y -f psp -vcodec h264 -s 480x272 -b 768k -r 29.97 -acodec aac -ac 2 -ab 128 -ar 48000"},
        {Low, "mp4",
         "-y -f psp -vcodec h264 -s 320x240 -b 384k -r 29.97 -acodec aac -ac 2 -ab 64 -ar 48000"}}},
      {"psp_mpeg4.ini",
       {"Sony PSP (MPEG-4, AAC)", "Sony PSP (MPEG-4, AAC)", "Sony PSP (MPEG-4, AAC)",
        "Sony PSP (MPEG-4, AAC)", "Sony PSP (MPEG-4, AAC)"},
       {"Older PSP firmware", "Anciens micrologiciels de la PSP", "Ältere PSP-Firmware",
        "Firmware PSP meno recenti", "Older PSP firmware"},
       {{Good, "mp4",
         "-y -f psp -vcodec msmpeg4 -s 320x240 -b 768k -r 29.97 -acodec aac -ac 2 -ab 128 -ar 48000"},
        {Low, "mp4",
         "-y -f psp -vcodec msmpeg4 -s 320x240 -b 384k -r 29.97 -acodec aac -ac 2 -ab 64 -ar 24000"}}},
  };
  return presets;
}

void WritePresets(const std::string& folder, int lang) {
  for (const TPresetSpec& p : Presets()) {
    std::string file = folder + p.File;
    std::remove(file.c_str());
    TIniFile ini(file);
    ini.WriteString("Info", "TitleE", p.Title[lang]);
    ini.WriteString("Info", "DescriptionE", p.Description[lang]);
    int n = 0;
    for (const TPresetItem& item : p.Items) {
      std::string section = "Item" + std::to_string(++n);
      ini.WriteString(section, "TitleE", item.Title[lang]);
      ini.WriteString(section, "EXT", item.Ext);
      ini.WriteString(section, "Command1",
                      std::string("<%AppPath%>/avcore -p 5310746 -i <%InputFile%> ") + item.Options +
                          " <%OutputFile%>." + item.Ext);
    }
    ini.UpdateFile();
  }
}

void MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
    throw EKinovertError("Cannot create folder " + path);
}

}  // namespace

int main(int argc, char** argv) {
  const char* const usage = "usage: kinovert-profilegen DATA_FOLDER\n";
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::fputs(usage, stdout);
    return 0;
  }
  // An option taken for a folder would leave profile trees in "./--x"; a
  // folder whose name begins with '-' can still be given as "./-x".
  if (argc != 2 || argv[1][0] == '-') {
    std::fputs(usage, stderr);
    return 2;
  }
  std::string root = argv[1];
  if (root.empty() || root.back() != '/') root += '/';
  try {
    MakeFolder(root);
    for (int lang = 0; lang < kLanguages; ++lang) {
      std::string tree = root + Trees[lang] + "/";
      MakeFolder(tree);
      MakeFolder(tree + "default_setting/");
      WritePresets(tree + "default_setting/", lang);
      for (int format = 0; format < kOutputFormatCount; ++format) {
        std::string folder = tree + std::string(FormatFolderName(format)) + "/";
        MakeFolder(folder);
        for (const TProfileSpec& spec : SpecsFor(format)) {
          std::string file = folder + spec.Name[lang] + "." + ProfileExtension(format);
          std::remove(file.c_str());  // exact files, never merged with an old one
          DefaultProfile(format);
          spec.Tweak();
          SaveProfile(format, file);
          // The description replaces the default one in place, whatever the
          // record; French sets a no-break space before the colon, so a
          // wrapped line never starts with it.
          TIniFile ini(file);
          ini.WriteString(kProfileSection, "Description",
                          std::string(spec.Kind[lang]) + (lang == 1 ? "\u00a0: " : ": ") +
                              spec.Tech[lang]);
          ini.UpdateFile();
        }
      }
    }
  } catch (const EKinovertError& e) {
    std::fprintf(stderr, "kinovert-profilegen: %s\n", e.what());
    return 1;
  }
  return 0;
}
