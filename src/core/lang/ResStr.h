// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every user-visible text by key, in the fixed order a language file is read.
enum TMsgKey : int {
  MSG_EXIT,
  MSG_TOAVI,
  MSG_TOMP4,
  MSG_TO3GP,
  MSG_TOMPEG,
  MSG_TOMOV,
  MSG_TOWMV,
  MSG_TORM,
  MSG_TOSWF,
  MSG_TOOTHERS,
  MSG_BURNDVD,
  MSG_INPUTFILENAME,
  MSG_OUTPUTDIR,
  MSG_PRPFILE,
  MSG_BROWSE,
  MSG_EDIT_PROFILE,
  MSG_EMPTY_STR,
  MSG_STATUS_NOFILES,
  MSG_STATUS_ONEFILE,
  MSG_STATUS_FILES,
  MSG_FORMAT_ERROR,
  MSG_NO_DAT_FILE,
  MSG_NOENCODER,
  MSG_NOFILES,
  MSG_Error,
  MSG_HINT,
  MSG_FILE_EXISTS,
  MSG_OVERWRITE,
  MSG_CREATE_DIR_ERROR,
  MSG_CREATEDIR,
  MSG_SURE_TO_CREATEDIR,
  MSG_FAIL_TO_CREATEDIR,
  MSG_FAIL_CREATEDIR,
  MSG_EMPTY,
  MSG_EMPTY_DIR,
  MSG_TRAY_ENCODING_DONE,
  MSG_TRAY_ENCODING_START,
  MSG_TRAY_MENU_STOPENCODING,
  MSG_TRAY_MENU_EXIT,
  MSG_TRAY_HINT,
  MSG_ID_ENC_IN_PROGRESS,
  MSG_ID_STOP_ENC,
  MSG_ID_BATCH,
  MSG_ID_OUTPUT,
  MSG_ID_WORKING,
  MSG_LABEL_ENCODINGFINISHED,
  MSG_FILE_INFO,
  MSG_SELECT_FOLDER,
  MSG_RENAMEFAILD_TITLE,
  MSG_RENAMEFAILD,
  MSG_LAST_PROFILE,
  MSG_LAST_PROFILE_TITLE,
  MSG_SURE_DELETE_PROFILE,
  MSG_SURE_DELETE_PROFILE_TITLE,
  MSG_CONVERTING,
  MSG_CLEARLIST,
  MSG_SEL_ALL,
  MSG_CONVERT,
  MSG_PLAY_SOURCE,
  MSG_OPEN_DES_FOLDER,
  MSG_SETTINGS,
  MSG_HELP_CONTENT,
  MSG_QUICK_START,
  MSG_ONLINE_RES,
  MSG_TECH_SUPPORT,
  MSG_ABOUT,
  MSG_GENERAL,
  MSG_COMPLETENAME,
  MSG_FILESIZE,
  MSG_FORMAT,
  MSG_PLAYTIME,
  MSG_AUDIOCOUNT,
  MSG_VIDEOCOUNT,
  MSG_VIDEO,
  MSG_VCODE,
  MSG_WIDTH,
  MSG_HEIGHT,
  MSG_VBITRATE,
  MSG_ADPECTRATIO,
  MSG_FRAMERATE,
  MSG_AUDIO,
  MSG_ACODEC,
  MSG_ABITRATE,
  MSG_CHANNELS,
  MSG_SAMPLINGRATE,
  MSG_TRAY_CONVERT_COMPLETE,
  MSG_MOREINFO,
  MSG_ADD_PROFILE,
  MSG_DEL_PROFILE,
  MSG_REN_PROFILE,
  MSG_ADD_FILES,
  MSG_DEL_FILES,
  MSG_NO_DESCRIPTION,
  MSG_LANG,
  MSG_SHOW_WINDOW,
  MSG_NO_DAT_FILE_TITLE,
  MSG_YES,
  MSG_NO,
  MSG_TOVOB,
  MSG_TOASF,
  MSG_TOAAC,
  MSG_TOAC3,
  MSG_TOMP2,
  MSG_TOMP3,
  MSG_TOAMR,
  MSG_TOWAV,
  MSG_CAPTURE,
  MSG_APPLICATION_TITLE,
  MSG_APPLICATION_VERSION,
  MSG_ID_STATUS,
  MSG_TRAY_INFO,
  MSG_OK,
  MSG_CANCEL,
  MSG_ALLFILES,
  MSG_PROFILE_EDITOR,
  MSG_DESCIPTION,
  MSG_PROFILE_GENERAL,
  MSG_TIME_CONTROL,
  MSG_ENABLE_TIME_CONTROL,
  MSG_START_TIME,
  MSG_HH_MN,
  MSG_END_TIME,
  MSG_DURATION,
  MSG_DIVX,
  MSG_XVID,
  MSG_MSMPEG4,
  MSG_MSMPEG4v2,
  MSG_H263,
  MSG_H263P,
  MSG_H264,
  MSG_HUFFYUV,
  MSG_MJPEG,
  MSG_SVQ1,
  MSG_FLV,
  MSG_MPEG1,
  MSG_MPEG2,
  MSG_DV,
  MSG_MP2,
  MSG_MP3,
  MSG_PCM16LE,
  MSG_PCMU8,
  MSG_AC3,
  MSG_SAVE,
  MSG_CLOSE,
  MSG_FORMAT_AVI,
  MSG_FORMAT_MP4,
  MSG_FORMAT_3GP,
  MSG_FORMAT_MPEG,
  MSG_FORMAT_MOV,
  MSG_FORMAT_WMV,
  MSG_FORMAT_RM,
  MSG_FORMAT_SWF,
  MSG_FORMAT_ASF,
  MSG_FORMAT_VOB,
  MSG_FORMAT_AAC,
  MSG_FORMAT_AC3,
  MSG_FORMAT_MP2,
  MSG_FORMAT_MP3,
  MSG_FORMAT_AMR,
  MSG_FORMAT_WAV,
  MSG_AUDIO_CODEC,
  MSG_DISABLE_AUDIO,
  MSG_DISABLE_AUDIO_DETAIL,
  MSG_VIDEO_CODEC,
  MSG_SAME_Q,
  MSG_SAME_Q_DETAIL,
  MSG_VIDEO_PAGE,
  MSG_FORMAT_PROPERTIES,
  MSG_VIDEO_BITRATE,
  MSG_PRESET_QUALITY,
  MSG_SPECIFY_SETTINGS,
  MSG_LOW_Q,
  MSG_HIGH_Q,
  MSG_CURRNET_BITRATE,
  MSG_CONFIGURE,
  MSG_VIDEO_SIZE,
  MSG_KEEP_SOURCE_DIM,
  MSG_CHANGE_DIM,
  MSG_VIDEO_DIM,
  MSG_VWIDTH,
  MSG_VHEIGHT,
  MSG_FRAMETRATE,
  MSG_FRAMERATE_AUTO,
  MSG_CHANGE_FRAMERATE,
  MSG_ASPECT,
  MSG_ASPECT_AUTO,
  MSG_AUDIO_PAGE,
  MSG_ACHANNELS,
  MSG_CHANNELS_1,
  MSG_CHANNELS_2,
  MSG_CHANNELS_6,
  MSG_SAMPLERATE,
  MSG_AUDIO_BITRATE,
  MSG_AUDIO_BITRATE_AUTO,
  MSG_RV7,
  MSG_WMV7,
  MSG_WMV8,
  MSG_AAC,
  MSG_AMRNB,
  MSG_AMRWB,
  MSG_ALAW,
  MSG_PCM16BE,
  MSG_TYPE,
  MSG_TYPE_IPOD,
  MSG_TYPE_PSP,
  MSG_TYPE_MOBILE,
  MSG_TYPE_MP4,
  MSG_DVD_PAGE,
  MSG_PRESET_FORMATS,
  MSG_USE_PRESET_FORMATS,
  MSG_TARGET_FORMAT,
  MSG_TARGET_FORMAT_AUTO,
  MSG_TARGET_FORMAT_NTSC,
  MSG_TARGET_FORMAT_PAL,
  MSG_CHANGE_ASPECT,
  MSG_ASPECT1,
  MSG_ASPECT2,
  MSG_ASPECT3,
  MSG_3GP_TYPE1,
  MSG_3GP_TYPE2,
  MSG_3GP_TYPE3,
  MSG_BITTATE_FORMAT,
  MSG_ENTER_VIDEOBITRATE,
  MSG_ENTER_VIDEOBITRATE_TITLE,
  MSG_MP4SELECTED_TITLE,
  MSG_MP4SELECTED,
  MSG_AMRNBSELECTED_TITLE,
  MSG_AMRNBSELECTED,
  MSG_AACSELECTED_TITLE,
  MSG_AACSELECTED,
  MSG_MOBILE,
  MSG_IPOD_PSP,
  MSG_PSP_FULLSCR,
  MSG_INVAILD_VALUE,
  MSG_INVAILD_VALUE_TITLE,
  MSG_INVAILD_VALUE_BETWEEN,
  MSG_INVAILD_VALUE_BETWEEN_TITLE,
  MSG_INVALID_FILE_NAME_TITLE,
  MSG_INVALID_FILE_NAME,
  MSG_PROFILE_NAME,
  MSG_ENTER_PROFILE_NAME,
  MSG_FILEINFO_CAPTION,
  MSG_SAVE_FILE_INFO,
  MSG_TEXTFILE,
  MSG_FILE_INFO_FILE,
  MSG_SETTINGS_TITLE,
  MSG_GENERAL_PAGE,
  MSG_THREADPRIORITY,
  MSG_IDLE,
  MSG_NORMAL,
  MSG_HIGH,
  MSG_REALTIME,
  MSG_SHUTDOWN_REAL_DOES,
  MSG_CLOSE_APP,
  MSG_SHUTDOWN,
  MSG_LOGOFF,
  MSG_RESTART,
  MSG_HIBERNATE,
  MSG_SUSPEMD,
  MSG_DIRECTSHOW,
  MSG_USE_DIRECTSHOW,
  MSG_ABORTENCODING,
  MSG_QUESTION,
  MSG_BTN_NOW,
  MSG_BTN_DONE,
  MSG_CONVERTING_IN,
  MSG_REMAINING_TIME,
  MSG_ELAPSED_TIME,
  MSG_ESTIMATED_TIME,
  MSG_STOP_WHEN_DONE,
  MSG_DEL_AFTER,
  MSG_SHUTDOWN_AFTER,
  MSG_SEND_TO_TRAY,
  MSG_TRAY_MIN,
  MSG_PLEASE_WAIT,
  MSG_PREPARING,
  MSG_LABEL_TIMEOUT,
  MSG_SHUTDOWN_TITLE,
  MSG_WARNING,
  MSG_WARNING_DETAIL,
  MSG_TIME_LEFT,
  MSG_ABOUT_CAPTIAON,
  MSG_COPYRIGHT,
  MSG_HOMEPAGE,
  MSG_SUPPORT_MAIL,
  MSG_COPYRIGHT_WARNING,
  // Our own keys, read after the classic ones.
  MSG_DELETE_PROFILE_FAILED,
  MSG_CONVERT_TO,
  MSG_MOVE_UP,
  MSG_MOVE_DOWN,
  MSG_MINIMIZE,
  MSG_HELP,
  MSG_PROFILE_MENU,
  MSG_NO_HELP,
  MSG_NO_TRAY,
  MSG_SOURCE_KEPT,
  MSG_NO_PROFILE_CHOSEN,
  MSG_WIDTH_RANGE,
  MSG_HEIGHT_RANGE,
  MSG_FRAMERATE_AUTO_FIXED,
  MSG_TIME_REFUSED_TITLE,
  MSG_TIME_NOT_A_TIME,
  MSG_TIME_TOO_LONG,
  MSG_TIME_END_BEFORE_START,
  MSG_HELP_HOME_LINK,
  MSG_HELP_SUPPORT_LINK,
  kMsgKeyCount
};

// The current text of a key: the English default until a language file
// replaces it. An out-of-range key gives an empty text.
const std::string& ResStr(TMsgKey key);

// The built-in English text of a key, whatever language is loaded.
const std::string& DefaultResStr(TMsgKey key);

// What an edition (0..3; any other index is edition 0) shows as itself: its
// product title. The default of MSG_APPLICATION_TITLE is that of the edition
// the program is built as, and no language file changes it.
struct TEditionTexts {
  const char* Title;
};
const TEditionTexts& EditionTexts(int edition);

// The home page and support addresses the build names (KINOVERT_HOME_PAGE,
// KINOVERT_SUPPORT_ADDRESS); empty when it names none. MSG_HOMEPAGE and
// MSG_SUPPORT_MAIL show them (a mail address without "mailto:"), or, for an
// address the build does not name, the English name of the help page opened
// instead (the texts of MSG_HELP_HOME_LINK and MSG_HELP_SUPPORT_LINK); no
// language file changes them.
std::string_view BuiltHomePage();
std::string_view BuiltSupportAddress();
// An address as the About box shows it: a mail address without "mailto:".
std::string ShownAddress(std::string_view address);

// "MSG_EXIT" for MSG_EXIT; empty for an out-of-range key.
std::string_view MsgKeyName(TMsgKey key);

// The key of that name, compared without regard to ASCII case as language
// files compare their keys.
std::optional<TMsgKey> FindMsgKey(std::string_view name);

// Overwrites the table from section LANGRES of a language file, one read per
// key in load order; keys the file lacks keep their current text, so switching
// languages never falls back to English. MSG_APPLICATION_TITLE, MSG_HOMEPAGE
// and MSG_SUPPORT_MAIL are never read: they are always the edition's. Values
// are normalised (NormaliseText) and taken as UTF-8, or as Windows-1252 when
// they are not valid UTF-8 (files written by older editors). A missing or
// unreadable file, or one without the section, changes nothing and gives false.
// When no file has exactly that name, a file of the same folder whose name
// differs only in ASCII case is read: a menu caption "DEUTSCH" stands for
// "Deutsch.ini" on a case-sensitive file system too.
bool LoadLanguage(const std::string& path);
// The same from a language file already in memory.
bool LoadLanguageFrom(const class TIniFile& ini);

// The language-file conventions: leading and trailing blanks dropped, every
// run of blanks (spaces, tabs) reduced to one space, then each "#13" replaced
// by CR LF.
std::string NormaliseText(std::string_view text);

// Back to the English defaults (start-up state).
void ResetLanguage();

// The language menu. Its items are the "*.ini" files of the language folder
// (extension in any case), sorted by name ignoring case.
std::vector<std::string> ListLanguageFiles(const std::string& folder);
// The caption of a file's item: the base name in capitals, "deutsch.ini" -> "DEUTSCH".
std::string LanguageCaption(std::string_view fileName);
// The LanguageFile setting an item stands for: the caption without "&", plus ".ini".
std::string LanguageFileOfCaption(std::string_view caption);
// Whether an item is the checked one: its file equals languageFile ignoring case.
bool IsCurrentLanguage(std::string_view caption, std::string_view languageFile);
