// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ResStr.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "base/Error.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"

namespace {

struct TMsgEntry {
  TMsgKey Key;
  const char* Name;
  const char* Text;
};

#define K(key, text) TMsgEntry{key, #key, text}

// The English defaults, in load order. The line-break sequences of the texts
// other components quote are kept as they are: callers and tests rely on the
// exact bytes. tools/lang/make_lang_files.py holds the same table with
// the translations and writes the shipped language files from it.
constexpr std::array<TMsgEntry, kMsgKeyCount> kEntries{{
    K(MSG_EXIT, "Exit"),
    K(MSG_TOAVI, "To AVI"),
    K(MSG_TOMP4, "To MP4"),
    K(MSG_TO3GP, "To 3GP"),
    K(MSG_TOMPEG, "To MPEG"),
    K(MSG_TOMOV, "To MOV"),
    K(MSG_TOWMV, "To WMV"),
    K(MSG_TORM, "To RM"),
    K(MSG_TOSWF, "To SWF"),
    K(MSG_TOOTHERS, "To Others"),
    K(MSG_BURNDVD, "Burn DVD"),
    K(MSG_INPUTFILENAME, "Input File Name:"),
    K(MSG_OUTPUTDIR, "Output Directory:"),
    K(MSG_PRPFILE, "Profile:"),
    K(MSG_BROWSE, "Browse..."),
    K(MSG_EDIT_PROFILE, "Edit Profile"),
    K(MSG_EMPTY_STR, "..."),
    K(MSG_STATUS_NOFILES, "Summary: No files"),
    K(MSG_STATUS_ONEFILE, "Summary: One file"),
    K(MSG_STATUS_FILES, "Summary: %d files"),
    K(MSG_FORMAT_ERROR, "An error occurred while adding a file:\r\n\r\nThe file \"%s\" is damaged or the format is not supported."),
    K(MSG_NO_DAT_FILE, "Cannot find \"%s\".\r\n\r\nPlease reinstall this program and try again."),
    K(MSG_NOENCODER, "The file \"%s\" couldn't be found."),
    K(MSG_NOFILES, "There are no files to encode!"),
    K(MSG_Error, "Error"),
    K(MSG_HINT, "Hint"),
    K(MSG_FILE_EXISTS, "File \"%s\" already exists.\r\n\r\nAre you sure you want to overwrite it?"),
    K(MSG_OVERWRITE, "Overwrite file?"),
    K(MSG_CREATE_DIR_ERROR, "The profile folder could not be created!"),
    K(MSG_CREATEDIR, "Create folder"),
    K(MSG_SURE_TO_CREATEDIR, "The output folder does not exist. Do you want to create it?"),
    K(MSG_FAIL_TO_CREATEDIR, "The folder could not be created! Please check that the path of the output folder is correct."),
    K(MSG_FAIL_CREATEDIR, "Failed"),
    K(MSG_EMPTY, "No Folder"),
    K(MSG_EMPTY_DIR, "You must choose an output folder first!"),
    K(MSG_TRAY_ENCODING_DONE, "Finished converting"),
    K(MSG_TRAY_ENCODING_START, "Starting..."),
    K(MSG_TRAY_MENU_STOPENCODING, "Stop converting..."),
    K(MSG_TRAY_MENU_EXIT, "Exit program"),
    K(MSG_TRAY_HINT, "%s: %d%%"),
    K(MSG_ID_ENC_IN_PROGRESS, "Encoding in progress"),
    K(MSG_ID_STOP_ENC, "Encoding will stop when the current file is done..."),
    K(MSG_ID_BATCH, "Batch="),
    K(MSG_ID_OUTPUT, "Output file: %s"),
    K(MSG_ID_WORKING, "Working on file %d of %d: %s"),
    K(MSG_LABEL_ENCODINGFINISHED, "Encoding finished"),
    K(MSG_FILE_INFO, "File Information - %s"),
    K(MSG_SELECT_FOLDER, "Please select a folder!"),
    K(MSG_RENAMEFAILD_TITLE, "Rename Failed"),
    K(MSG_RENAMEFAILD, "Rename failed! Please check whether a profile with this name already exists."),
    K(MSG_LAST_PROFILE, "This is the last profile; it cannot be deleted!"),
    K(MSG_LAST_PROFILE_TITLE, "Cannot Be Deleted"),
    K(MSG_SURE_DELETE_PROFILE, "Are you sure you want to delete the profile \"%s\"?"),
    K(MSG_SURE_DELETE_PROFILE_TITLE, "Delete Profile"),
    K(MSG_CONVERTING, "Converting"),
    K(MSG_CLEARLIST, "Clear List"),
    K(MSG_SEL_ALL, "Select All"),
    K(MSG_CONVERT, "Convert"),
    K(MSG_PLAY_SOURCE, "Play Source"),
    K(MSG_OPEN_DES_FOLDER, "Open Destination Folder..."),
    K(MSG_SETTINGS, "Settings..."),
    K(MSG_HELP_CONTENT, "Help Contents"),
    K(MSG_QUICK_START, "Quick Start..."),
    K(MSG_ONLINE_RES, "Online Resources..."),
    K(MSG_TECH_SUPPORT, "Contact Technical Support..."),
    K(MSG_ABOUT, "About..."),
    K(MSG_GENERAL, "General"),
    K(MSG_COMPLETENAME, "Complete Name:"),
    K(MSG_FILESIZE, "File Size:"),
    K(MSG_FORMAT, "Format:"),
    K(MSG_PLAYTIME, "Play Time:"),
    K(MSG_AUDIOCOUNT, "Audio Count:"),
    K(MSG_VIDEOCOUNT, "Video Count:"),
    K(MSG_VIDEO, "Video"),
    K(MSG_VCODE, "Codec:"),
    K(MSG_WIDTH, "Width"),
    K(MSG_HEIGHT, "Height"),
    K(MSG_VBITRATE, "Bitrate:"),
    K(MSG_ADPECTRATIO, "Aspect Ratio:"),
    K(MSG_FRAMERATE, "Frame Rate:"),
    K(MSG_AUDIO, "Audio"),
    K(MSG_ACODEC, "Codec:"),
    K(MSG_ABITRATE, "Bitrate:"),
    K(MSG_CHANNELS, "Channels:"),
    K(MSG_SAMPLINGRATE, "Sampling Rate:"),
    K(MSG_TRAY_CONVERT_COMPLETE, "Conversion complete!"),
    K(MSG_MOREINFO, "More Information..."),
    K(MSG_ADD_PROFILE, "Add..."),
    K(MSG_DEL_PROFILE, "Delete"),
    K(MSG_REN_PROFILE, "Rename..."),
    K(MSG_ADD_FILES, "Add Files..."),
    K(MSG_DEL_FILES, "Delete"),
    K(MSG_NO_DESCRIPTION, "No Description"),
    K(MSG_LANG, "Languages"),
    K(MSG_SHOW_WINDOW, "Show window"),
    K(MSG_NO_DAT_FILE_TITLE, "File Not Found"),
    K(MSG_YES, "Yes"),
    K(MSG_NO, "No"),
    K(MSG_TOVOB, "To VOB"),
    K(MSG_TOASF, "To ASF"),
    K(MSG_TOAAC, "To AAC"),
    K(MSG_TOAC3, "To AC3"),
    K(MSG_TOMP2, "To MP2"),
    K(MSG_TOMP3, "To MP3"),
    K(MSG_TOAMR, "To AMR"),
    K(MSG_TOWAV, "To WAV"),
    K(MSG_CAPTURE, "Capture"),
    K(MSG_APPLICATION_TITLE, nullptr),  // the edition's
    K(MSG_APPLICATION_VERSION, "version:"),
    K(MSG_ID_STATUS, "Status="),
    K(MSG_TRAY_INFO, "%s Information"),
    K(MSG_OK, "OK"),
    K(MSG_CANCEL, "Cancel"),
    K(MSG_ALLFILES, "All Files"),
    K(MSG_PROFILE_EDITOR, "%s Profile Editor"),
    K(MSG_DESCIPTION, "Description:"),
    K(MSG_PROFILE_GENERAL, "General"),
    K(MSG_TIME_CONTROL, "Time Control"),
    K(MSG_ENABLE_TIME_CONTROL, "Enable time control"),
    K(MSG_START_TIME, "Start time:"),
    K(MSG_HH_MN, "hh:mm:ss.xxx"),
    K(MSG_END_TIME, "End time:"),
    K(MSG_DURATION, "Duration:"),
    K(MSG_DIVX, "Divx"),
    K(MSG_XVID, "Xvid"),
    K(MSG_MSMPEG4, "Ms-mpeg4"),
    K(MSG_MSMPEG4v2, "Ms-mpeg4v2"),
    K(MSG_H263, "H263"),
    K(MSG_H263P, "H263P"),
    K(MSG_H264, "H264"),
    K(MSG_HUFFYUV, "huffYUV"),
    K(MSG_MJPEG, "M-JPEG"),
    K(MSG_SVQ1, "Svq1"),
    K(MSG_FLV, "Flv"),
    K(MSG_MPEG1, "Mpeg-1"),
    K(MSG_MPEG2, "Mpeg-2"),
    K(MSG_DV, "DV"),
    K(MSG_MP2, "Mp2"),
    K(MSG_MP3, "Mp3"),
    K(MSG_PCM16LE, "WAV (PCM 16-bit little-endian)"),
    K(MSG_PCMU8, "WAV (PCM 8-bit unsigned)"),
    K(MSG_AC3, "AC3"),
    K(MSG_SAVE, "Save"),
    K(MSG_CLOSE, "Close"),
    K(MSG_FORMAT_AVI, "AVI"),
    K(MSG_FORMAT_MP4, "MP4"),
    K(MSG_FORMAT_3GP, "3GP"),
    K(MSG_FORMAT_MPEG, "MPEG"),
    K(MSG_FORMAT_MOV, "MOV"),
    K(MSG_FORMAT_WMV, "WMV"),
    K(MSG_FORMAT_RM, "RM"),
    K(MSG_FORMAT_SWF, "SWF"),
    K(MSG_FORMAT_ASF, "ASF"),
    K(MSG_FORMAT_VOB, "VOB"),
    K(MSG_FORMAT_AAC, "AAC"),
    K(MSG_FORMAT_AC3, "AC3"),
    K(MSG_FORMAT_MP2, "MP2"),
    K(MSG_FORMAT_MP3, "MP3"),
    K(MSG_FORMAT_AMR, "AMR"),
    K(MSG_FORMAT_WAV, "WAV"),
    K(MSG_AUDIO_CODEC, "Audio Codec"),
    K(MSG_DISABLE_AUDIO, "Disable Audio"),
    K(MSG_DISABLE_AUDIO_DETAIL, "Encode without an audio track"),
    K(MSG_VIDEO_CODEC, "Video Codec"),
    K(MSG_SAME_Q, "Same Quality"),
    K(MSG_SAME_Q_DETAIL, "Keep the quality of the source"),
    K(MSG_VIDEO_PAGE, "Video"),
    K(MSG_FORMAT_PROPERTIES, "%s format properties"),
    K(MSG_VIDEO_BITRATE, "Video Bitrate"),
    K(MSG_PRESET_QUALITY, "Preset quality"),
    K(MSG_SPECIFY_SETTINGS, "Specify bitrate"),
    K(MSG_LOW_Q, "Low quality,\nsmall size"),
    K(MSG_HIGH_Q, "High quality,\nlarge size"),
    K(MSG_CURRNET_BITRATE, "Current bitrate:"),
    K(MSG_CONFIGURE, "Configure..."),
    K(MSG_VIDEO_SIZE, "Video Size"),
    K(MSG_KEEP_SOURCE_DIM, "Keep source dimensions"),
    K(MSG_CHANGE_DIM, "Change dimensions"),
    K(MSG_VIDEO_DIM, "Dimensions:"),
    K(MSG_VWIDTH, "Width:"),
    K(MSG_VHEIGHT, "Height:"),
    K(MSG_FRAMETRATE, "Frame Rate"),
    K(MSG_FRAMERATE_AUTO, "Auto"),
    K(MSG_CHANGE_FRAMERATE, "Change frame rate"),
    K(MSG_ASPECT, "Aspect Ratio"),
    K(MSG_ASPECT_AUTO, "Auto"),
    K(MSG_AUDIO_PAGE, "Audio"),
    K(MSG_ACHANNELS, "Audio Channels"),
    K(MSG_CHANNELS_1, "1 (mono)"),
    K(MSG_CHANNELS_2, "2 (stereo)"),
    K(MSG_CHANNELS_6, "6 (5.1 AC3 48000 Hz)"),
    K(MSG_SAMPLERATE, "Sample Rate"),
    K(MSG_AUDIO_BITRATE, "Audio Bitrate"),
    K(MSG_AUDIO_BITRATE_AUTO, "Auto"),
    K(MSG_RV7, "Real Video 7"),
    K(MSG_WMV7, "WMV7"),
    K(MSG_WMV8, "WMV8"),
    K(MSG_AAC, "AAC"),
    K(MSG_AMRNB, "AMR Narrow-Band"),
    K(MSG_AMRWB, "AMR Wide-Band"),
    K(MSG_ALAW, "A-Law"),
    K(MSG_PCM16BE, "WAV (PCM 16-bit big-endian)"),
    K(MSG_TYPE, "Type"),
    K(MSG_TYPE_IPOD, "Apple iPod"),
    K(MSG_TYPE_PSP, "Sony PSP"),
    K(MSG_TYPE_MOBILE, "Mobile Movie"),
    K(MSG_TYPE_MP4, "Mp4"),
    K(MSG_DVD_PAGE, "DVD"),
    K(MSG_PRESET_FORMATS, "Preset Formats"),
    K(MSG_USE_PRESET_FORMATS, "Use preset formats"),
    K(MSG_TARGET_FORMAT, "Target format"),
    K(MSG_TARGET_FORMAT_AUTO, "Auto"),
    K(MSG_TARGET_FORMAT_NTSC, "NTSC"),
    K(MSG_TARGET_FORMAT_PAL, "PAL"),
    K(MSG_CHANGE_ASPECT, "Change aspect"),
    K(MSG_ASPECT1, "1:1 (square pixels)"),
    K(MSG_ASPECT2, "4:3 (standard TV)"),
    K(MSG_ASPECT3, "16:9 (widescreen TV)"),
    K(MSG_3GP_TYPE1, "3gp (Nokia/NEC/Siemens)"),
    K(MSG_3GP_TYPE2, "3gp (Sony Ericsson)"),
    K(MSG_3GP_TYPE3, "3gp2 (Sony Ericsson)"),
    K(MSG_BITTATE_FORMAT, "%s"),
    K(MSG_ENTER_VIDEOBITRATE, "Please enter the video bitrate"),
    K(MSG_ENTER_VIDEOBITRATE_TITLE, "Enter value"),
    K(MSG_MP4SELECTED_TITLE, "MPEG-4 Video Codec selected"),
    K(MSG_MP4SELECTED, "ATTENTION!\n\rThe MPEG-4 video codec provides better video quality and a wider choice of video sizes than H.263.\n\r\n\rMPEG-4 is supported by the Nokia N70/N90 and others.\n\r\n\rHowever, some mobile phone models MAY NOT support the MPEG-4 video codec.\n\rIf the converted clip does NOT play on your phone, try the H.263 video codec instead."),
    K(MSG_AMRNBSELECTED_TITLE, "AMR-WB Audio Codec selected"),
    K(MSG_AMRNBSELECTED, "ATTENTION!\n\rThe Adaptive Multi-Rate Wideband (AMR-WB) speech codec CANNOT be played by QuickTime.\n\r\n\rAMR wide-band provides better audio quality than AMR narrow-band, but it is still a mono speech codec.\n\rSome mobile phone models MAY NOT play AMR wide-band inside a 3gp video clip.\n\rIf NO sound plays on your phone, try the AMR narrow-band codec instead."),
    K(MSG_AACSELECTED_TITLE, "AAC Audio Codec selected"),
    K(MSG_AACSELECTED, "ATTENTION!\n\rThe AAC audio codec provides better audio quality than AMR narrow-band and AMR wide-band, and it supports stereo.\n\r\n\rAAC is supported by the Nokia N70/N90 and others.\n\r\n\rHowever, some mobile phone models MAY NOT play AAC sound inside a 3gp video clip.\n\rIf NO sound plays on your phone, try the AMR narrow-band audio codec instead."),
    K(MSG_MOBILE, "Mobile"),
    K(MSG_IPOD_PSP, "iPod/PSP"),
    K(MSG_PSP_FULLSCR, "PSP Full Screen"),
    K(MSG_INVAILD_VALUE, "The value you entered is not valid. Error at position %d."),
    K(MSG_INVAILD_VALUE_TITLE, "Invalid Value"),
    K(MSG_INVAILD_VALUE_BETWEEN, "The value you entered is not valid. Please make sure the value is between %d and %d!"),
    K(MSG_INVAILD_VALUE_BETWEEN_TITLE, "Invalid Value"),
    K(MSG_INVALID_FILE_NAME_TITLE, "Invalid File Name"),
    K(MSG_INVALID_FILE_NAME, "The name you entered is not valid. Please note that a file name cannot contain any of the following characters:\n\r\n\r\\ / : * ? \" < > |"),
    K(MSG_PROFILE_NAME, "Profile Name"),
    K(MSG_ENTER_PROFILE_NAME, "Enter the profile name:"),
    K(MSG_FILEINFO_CAPTION, "File Information"),
    K(MSG_SAVE_FILE_INFO, "Save File Info..."),
    K(MSG_TEXTFILE, "Text Files"),
    K(MSG_FILE_INFO_FILE, "File Info"),
    K(MSG_SETTINGS_TITLE, "Settings"),
    K(MSG_GENERAL_PAGE, "General"),
    K(MSG_THREADPRIORITY, "Thread Priority"),
    K(MSG_IDLE, "Idle"),
    K(MSG_NORMAL, "Normal"),
    K(MSG_HIGH, "High"),
    K(MSG_REALTIME, "Realtime"),
    K(MSG_SHUTDOWN_REAL_DOES, "\"Shut down the computer\" really does:"),
    K(MSG_CLOSE_APP, "Close %s"),
    K(MSG_SHUTDOWN, "Shut down"),
    K(MSG_LOGOFF, "Log off"),
    K(MSG_RESTART, "Restart"),
    K(MSG_HIBERNATE, "Hibernate"),
    K(MSG_SUSPEMD, "Suspend"),
    K(MSG_DIRECTSHOW, "DirectShow"),
    K(MSG_USE_DIRECTSHOW, "Use DirectShow"),
    K(MSG_ABORTENCODING, "Do you want to stop encoding now or stop encoding when the currently processed file is done?"),
    K(MSG_QUESTION, "Question"),
    K(MSG_BTN_NOW, "Stop now"),
    K(MSG_BTN_DONE, "When done"),
    K(MSG_CONVERTING_IN, "Conversion in progress..."),
    K(MSG_REMAINING_TIME, "Remaining time:"),
    K(MSG_ELAPSED_TIME, "Elapsed time:"),
    K(MSG_ESTIMATED_TIME, "Estimated time:"),
    K(MSG_STOP_WHEN_DONE, "Encoding will stop when the current file is done..."),
    K(MSG_DEL_AFTER, "Delete source file after encoding"),
    K(MSG_SHUTDOWN_AFTER, "Shut down the computer when done"),
    K(MSG_SEND_TO_TRAY, "Send to tray"),
    K(MSG_TRAY_MIN, "The program has been minimized. Double-click its icon in the notification area to restore it."),
    K(MSG_PLEASE_WAIT, "Please wait..."),
    K(MSG_PREPARING, "Preparing"),
    K(MSG_LABEL_TIMEOUT, "Time left: %d"),
    K(MSG_SHUTDOWN_TITLE, "Shutdown"),
    K(MSG_WARNING, "Warning!"),
    K(MSG_WARNING_DETAIL, "If you don't press Cancel now, %s will shut down the computer."),
    K(MSG_TIME_LEFT, "Time left:"),
    K(MSG_ABOUT_CAPTIAON, "About"),
    K(MSG_COPYRIGHT, "Copyright (C) 2026 the Kinovert developers"),
    K(MSG_HOMEPAGE, nullptr),  // the edition's
    K(MSG_SUPPORT_MAIL, nullptr),  // the edition's
    K(MSG_COPYRIGHT_WARNING, "This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or later. It comes with ABSOLUTELY NO WARRANTY."),
    K(MSG_DELETE_PROFILE_FAILED, "The profile file \"%s\" could not be deleted."),
    K(MSG_CONVERT_TO, "Convert to"),
    K(MSG_MOVE_UP, "Move up"),
    K(MSG_MOVE_DOWN, "Move down"),
    K(MSG_MINIMIZE, "Minimize"),
    K(MSG_HELP, "Help"),
    K(MSG_PROFILE_MENU, "Profile actions"),
    K(MSG_NO_HELP, "The help page \"%s\" could not be found."),
    K(MSG_NO_TRAY, "This desktop has no notification area, so the program has been minimized instead."),
    K(MSG_SOURCE_KEPT, "The file \"%s\" has been converted, but it could not be deleted:\r\n\r\n%s"),
    K(MSG_NO_PROFILE_CHOSEN, "There is no profile to convert with. Choose one in the list first, or add one."),
    K(MSG_LANGUAGE_MISSING, "The file \"%s\" of the language chosen in the settings cannot be found, so the program uses \"%s\" instead."),
    K(MSG_PROFILES_READ_ONLY, "Your profile folder \"%s\" could not be written (%s). The profiles shipped with the program are used instead; they cannot be changed."),
    K(MSG_OUTPUT_SHORT, "The file \"%s\" has been converted, but the output lasts only %s of the %s the source states: the source may be incomplete."),
    K(MSG_SOURCE_CHANGED, "The file \"%s\" has been converted, but it changed while it was read (is it still being copied?): the output may be incomplete."),
    K(MSG_PRESET_REFUSED, "The device preset \"%s\" cannot be used: %s."),
    K(MSG_SOURCE_NOT_DELETED, "The source has not been deleted."),
    K(MSG_BATCH_ALL_CONVERTED, "All files converted (%d of %d)."),
    K(MSG_BATCH_SOME_FAILED, "%d of %d files converted, %d failed."),
    K(MSG_BATCH_STOPPED, "Stopped: %d of %d files converted."),
    K(MSG_BATCH_STOPPED_FAILED, "Stopped: %d of %d files converted, %d failed."),
    K(MSG_FILE_FAILED, "%s failed: %s"),
    K(MSG_REASON_KILLED, "the encoder was stopped from outside (killed by signal %d, %s)"),
    K(MSG_REASON_FOLDER_GONE, "the output folder \"%s\" was removed during the conversion"),
    K(MSG_REASON_EXIT_STATUS, "the encoder ended with exit status %d"),
    K(MSG_REASON_WROTE_ELSEWHERE, "the device preset wrote \"%s\" instead of \"%s\""),
    K(MSG_REASON_PRESET_NO_OUTPUT, "the device preset wrote nothing into \"%s\""),
    K(MSG_REASON_OUTPUT_GONE, "the output file \"%s\" no longer exists"),
    K(MSG_REASON_NO_OUTPUT, "the encoder wrote no output"),
    K(MSG_WARNING_DETAIL_CLOSE, "If you don't press Cancel now, %s will close."),
    K(MSG_WARNING_DETAIL_LOGOFF, "If you don't press Cancel now, %s will log you off."),
    K(MSG_WARNING_DETAIL_RESTART, "If you don't press Cancel now, %s will restart the computer."),
    K(MSG_WARNING_DETAIL_HIBERNATE, "If you don't press Cancel now, %s will hibernate the computer."),
    K(MSG_WARNING_DETAIL_SUSPEND, "If you don't press Cancel now, %s will suspend the computer."),
    K(MSG_SOURCE_FILES, "Source files"),
    K(MSG_PRIORITY_NOT_ALLOWED, "This user may not raise priorities: the encoder will run at normal priority."),
    K(MSG_NAME_TOO_LONG, "The name you entered is too long for a file name. Please choose a shorter name."),
    K(MSG_WIDTH_RANGE, "This width is not possible: %s takes widths from %d to %d pixels."),
    K(MSG_HEIGHT_RANGE, "This height is not possible: %s takes heights from %d to %d pixels."),
    K(MSG_FRAMERATE_AUTO_FIXED, "Auto (always %s fps)"),
    K(MSG_TIME_REFUSED_TITLE, "Invalid Time"),
    K(MSG_TIME_NOT_A_TIME, "\"%s\" is not a time. Type hours:minutes:seconds (for example 1:02:03.5), minutes:seconds (2:30) or seconds (90 or 1.5). The previous value has been restored."),
    K(MSG_TIME_TOO_LONG, "%s is too long: a time may be at most 200:00:00.000 (200 hours). The previous value has been restored."),
    K(MSG_TIME_END_BEFORE_START, "The end time %s lies before the start time %s. The previous value has been restored."),
    K(MSG_HELP_HOME_LINK, "Kinovert Help"),
    K(MSG_HELP_SUPPORT_LINK, "Troubleshooting and reporting a fault"),
}};

#undef K

constexpr bool EntriesInKeyOrder() {
  for (size_t i = 0; i < kEntries.size(); ++i)
    if (static_cast<size_t>(kEntries[i].Key) != i) return false;
  return true;
}
static_assert(EntriesInKeyOrder(), "the default table must list every key in enum order");

constexpr std::string_view kSection = "LANGRES";

using TTexts = std::array<std::string, kMsgKeyCount>;

constexpr std::array<TEditionTexts, 4> kEditions{{
    {"Kinovert Video Converter"},
    {"Kinovert 3GP Converter"},
    {"Kinovert PSP Converter"},
    {"Kinovert iPod Converter"},
}};

TTexts DefaultTexts() {
  TTexts t;
  for (size_t i = 0; i < kEntries.size(); ++i)
    if (kEntries[i].Text != nullptr) t[i] = kEntries[i].Text;
  t[MSG_APPLICATION_TITLE] = EditionTexts(KINOVERT_EDITION).Title;
  t[MSG_HOMEPAGE] = BuiltHomePage().empty() ? t[MSG_HELP_HOME_LINK] : ShownAddress(BuiltHomePage());
  t[MSG_SUPPORT_MAIL] = BuiltSupportAddress().empty() ? t[MSG_HELP_SUPPORT_LINK]
                                                      : ShownAddress(BuiltSupportAddress());
  return t;
}

// Function-local statics: other components may ask for texts while their own
// statics are being initialised.
TTexts& Texts() {
  static TTexts texts = DefaultTexts();
  return texts;
}

const TTexts& Defaults() {
  static const TTexts defaults = DefaultTexts();
  return defaults;
}

bool ValidKey(TMsgKey key) { return key >= 0 && key < kMsgKeyCount; }

bool IsEditionKey(TMsgKey key) {
  return key == MSG_APPLICATION_TITLE || key == MSG_HOMEPAGE || key == MSG_SUPPORT_MAIL;
}

const std::string& Empty() {
  static const std::string empty;
  return empty;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view kIni = ".ini";

bool HasIniExtension(std::string_view name) {
  return name.size() > kIni.size() &&
         SameTextIgnoringCase(name.substr(name.size() - kIni.size()), kIni);
}

// The entries of a folder that are (or link to) regular files; none when the
// folder cannot be read.
std::vector<std::string> FileNamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
  }
  return names;
}

}  // namespace

const std::string& ResStr(TMsgKey key) {
  return ValidKey(key) ? Texts()[static_cast<size_t>(key)] : Empty();
}

const std::string& DefaultResStr(TMsgKey key) {
  return ValidKey(key) ? Defaults()[static_cast<size_t>(key)] : Empty();
}

const TEditionTexts& EditionTexts(int edition) {
  return kEditions[edition >= 0 && edition < 4 ? static_cast<size_t>(edition) : 0];
}

std::string_view BuiltHomePage() {
  return KINOVERT_HOME_PAGE;
}

std::string_view BuiltSupportAddress() {
  return KINOVERT_SUPPORT_ADDRESS;
}

std::string ShownAddress(std::string_view address) {
  constexpr std::string_view kMail = "mailto:";
  if (address.size() > kMail.size() && SameTextIgnoringCase(address.substr(0, kMail.size()), kMail))
    address.remove_prefix(kMail.size());
  return std::string(address);
}

std::string_view MsgKeyName(TMsgKey key) {
  return ValidKey(key) ? kEntries[static_cast<size_t>(key)].Name : std::string_view{};
}

std::optional<TMsgKey> FindMsgKey(std::string_view name) {
  for (const TMsgEntry& e : kEntries)
    if (SameTextIgnoringCase(e.Name, name)) return e.Key;
  return std::nullopt;
}

std::string NormaliseText(std::string_view text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;

  std::string collapsed;
  collapsed.reserve(e - b);
  for (size_t i = b; i < e; ++i) {
    if (IsBlank(text[i])) {
      while (i + 1 < e && IsBlank(text[i + 1])) ++i;
      collapsed += ' ';
    } else {
      collapsed += text[i];
    }
  }

  std::string out;
  out.reserve(collapsed.size());
  for (size_t i = 0; i < collapsed.size(); ++i) {
    if (collapsed.compare(i, 3, "#13") == 0) {
      out += "\r\n";
      i += 2;
    } else {
      out += collapsed[i];
    }
  }
  return out;
}

bool LoadLanguage(const std::string& path) {
  std::optional<TIniFile> read;
  try {
    read.emplace(FindFileIgnoringCase(FolderPart(path), FileNamePart(path)));
  } catch (const EKinovertError&) {
    return false;  // no data file (a folder, a FIFO, a huge file): the texts stay
  }
  return LoadLanguageFrom(*read);
}

bool LoadLanguageFrom(const TIniFile& ini) {
  if (!ini.SectionExists(kSection)) return false;
  TTexts& texts = Texts();
  for (const TMsgEntry& e : kEntries) {
    // The product's title and addresses are the edition's own: an old or a
    // downloaded language file must not name another product or address.
    if (IsEditionKey(e.Key)) continue;
    // A key the file lacks is skipped rather than re-read with its current
    // text as default: normalising a text the file never held could alter it.
    if (!ini.ValueExists(kSection, e.Name)) continue;
    texts[static_cast<size_t>(e.Key)] =
        DataFileText(NormaliseText(ini.ReadString(kSection, e.Name, {})));
  }
  return true;
}

void ResetLanguage() { Texts() = Defaults(); }

std::vector<std::string> ListLanguageFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (std::string& name : FileNamesIn(folder))
    if (HasIniExtension(name)) files.push_back(std::move(name));
  // Names equal but for letter case keep a fixed order too.
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    std::string la = LowerCaseAscii(a), lb = LowerCaseAscii(b);
    return la != lb ? la < lb : a < b;
  });
  return files;
}

std::string LanguageCaption(std::string_view fileName) {
  std::string caption(HasIniExtension(fileName) ? fileName.substr(0, fileName.size() - kIni.size())
                                                : fileName);
  for (char& c : caption)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return caption;
}

std::string LanguageFileOfCaption(std::string_view caption) {
  std::string file;
  for (char c : caption)
    if (c != '&') file += c;
  return file + std::string(kIni);
}

bool IsCurrentLanguage(std::string_view caption, std::string_view languageFile) {
  return SameTextIgnoringCase(LanguageFileOfCaption(caption), languageFile);
}
