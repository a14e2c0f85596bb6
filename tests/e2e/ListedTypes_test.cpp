// SPDX-License-Identifier: GPL-3.0-or-later
// Every input type the shipped type files list, as far as FFmpeg can write
// it: a one-second file is added to the file list and converts, and the
// desktop entry claims exactly the media types of those files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#ifdef KINOVERT_TEST_MIME_TYPES
#include <QMimeDatabase>
#endif

#include "E2eSupport.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/TypeFile.h"
#include "base/TextUtil.h"
#include "store/FileListModel.h"
#include "support/RecordingDialogs.h"

namespace fs = std::filesystem;

namespace {

using TArgs = std::vector<std::string>;

TArgs Join(std::initializer_list<TArgs> parts) {
  TArgs all;
  for (const TArgs& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const TArgs V = {"-f", "lavfi", "-i", "testsrc=size=176x144:rate=25:duration=1"};
const TArgs Pal = {"-f", "lavfi", "-i", "testsrc=size=720x576:rate=25:duration=1"};
TArgs Sine(int rate) {
  return {"-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=" + std::to_string(rate) + ":duration=1"};
}
const TArgs A = Sine(44100);
const TArgs Amr = Join({Sine(8000), {"-ac", "1", "-c:a", "libopencore_amrnb"}});

// How FFmpeg writes a clip of each type: the format it guesses from the
// extension, or the muxer whose files carry that extension, and codecs the
// format takes.
struct TWritable {
  const char* Ext;
  TArgs Args;
};
const std::vector<TWritable>& Writable() {
  static const std::vector<TWritable> table = {
      {"avi", Join({V, A})},
      {"divx", Join({V, A, {"-f", "avi"}})},
      {"xvid", Join({V, A, {"-f", "avi"}})},
      {"mp4", Join({V, A})},
      {"m4v", Join({V, {"-f", "m4v"}})},
      {"mkv", Join({V, A})},
      {"webm", Join({V, A, {"-c:v", "libvpx", "-c:a", "libvorbis"}})},
      {"ogv", Join({V, A})},
      {"ogm", Join({V, A, {"-f", "ogg"}})},
      {"ogx", Join({V, A, {"-f", "ogg"}})},
      {"nut", Join({V, A})},
      {"mpg", Join({V, A})},
      {"mpeg", Join({V, A})},
      {"mpe", Join({V, A, {"-f", "mpeg"}})},
      {"m1v", V},
      {"m2v", V},
      {"mpv", Join({V, {"-f", "mpeg2video"}})},
      {"m2p", Join({V, A, {"-f", "vob"}})},
      {"vob", Join({V, A})},
      {"vro", Join({V, A, {"-f", "vob"}})},
      {"dat", Join({V, A, {"-f", "vcd", "-c:v", "mpeg1video", "-c:a", "mp2"}})},
      {"ts", Join({V, A})},
      {"m2t", Join({V, A, {"-f", "mpegts"}})},
      {"m2ts", Join({V, A})},
      {"mts", Join({V, A})},
      {"tp", Join({V, A, {"-f", "mpegts"}})},
      {"trp", Join({V, A, {"-f", "mpegts"}})},
      {"evo", Join({V, A, {"-f", "vob"}})},
      {"3gp", Join({V, Amr})},
      {"3gpp", Join({V, Amr, {"-f", "3gp"}})},
      {"3g2", Join({V, Amr})},
      {"3gp2", Join({V, Amr, {"-f", "3g2"}})},
      {"flv", Join({V, A})},
      {"f4v", Join({V, A})},
      {"swf", Join({V, A})},
      {"wmv", Join({V, A})},
      {"asf", Join({V, A})},
      {"wm", Join({V, A, {"-f", "asf"}})},
      {"wtv", Join({V, A})},
      {"dvr-ms", Join({V, A, {"-f", "asf"}})},
      {"rm", Join({V, A})},
      {"rmvb", Join({V, A, {"-f", "rm"}})},
      {"rv", Join({V, A, {"-f", "rm"}})},
      {"mov", Join({V, A})},
      {"qt", Join({V, A, {"-f", "mov"}})},
      {"dv", Join({Pal, Sine(48000), {"-ac", "2"}})},
      {"dif", Join({Pal, Sine(48000), {"-ac", "2", "-f", "dv"}})},
      {"mod", Join({V, A, {"-f", "vob"}})},
      {"tod", Join({V, A, {"-f", "mpegts"}})},
      {"mxf", Join({V, Sine(48000), {"-c:v", "mpeg2video", "-c:a", "pcm_s16le"}})},
      {"gxf", Join({Pal, Sine(48000), {"-c:v", "mpeg2video", "-c:a", "pcm_s16le"}})},
      {"h261", V},
      {"h263", V},
      {"h264", V},
      {"264", V},
      {"hevc", V},
      {"h265", V},
      {"265", V},
      {"ivf", Join({V, {"-c:v", "libvpx"}})},
      {"y4m", Join({V, {"-pix_fmt", "yuv420p"}})},
      {"mjpg", V},
      {"mjpeg", V},
      {"gif", V},
      {"roq", Join({{"-f", "lavfi", "-i", "testsrc=size=128x128:rate=30:duration=1"},
                    Sine(22050),
                    {"-ac", "1"}})},
      {"mp3", A},
      {"mp2", A},
      {"mpa", Join({A, {"-f", "mp2"}})},
      {"wav", A},
      {"w64", A},
      {"aac", A},
      {"m4a", A},
      {"m4b", Join({A, {"-f", "ipod"}})},
      {"ac3", A},
      {"eac3", A},
      {"dts", Join({Sine(48000), {"-strict", "-2", "-c:a", "dca"}})},
      {"flac", A},
      {"ogg", A},
      {"oga", A},
      {"opus", Sine(48000)},
      {"spx", Join({Sine(16000), {"-c:a", "libspeex"}})},
      {"wma", A},
      {"amr", Join({Sine(8000), {"-ac", "1"}})},
      {"awb", Join({Sine(16000), {"-ac", "1", "-c:a", "libvo_amrwbenc", "-f", "amr"}})},
      {"aif", Join({A, {"-f", "aiff"}})},
      {"aiff", A},
      {"aifc", Join({A, {"-f", "aiff"}})},
      {"au", A},
      {"snd", Join({A, {"-f", "au"}})},
      {"wv", A},
      {"mka", A},
      {"tta", A},
      {"caf", A},
      {"voc", A},
      {"ra", Join({Sine(8000), {"-ac", "1", "-c:a", "real_144", "-f", "rm"}})},
  };
  return table;
}

// Listed types FFmpeg 5.1 has no muxer (or, for VC-1, no encoder) for: it
// reads them, it cannot write them.
const std::set<std::string> kReadOnly = {"nuv", "vc1", "nsv", "bik", "smk", "fli",
                                         "flc", "thp", "ape", "tak", "mpc", "shn"};

// The extensions the shipped type file lists, without "*.".
std::set<std::string> ListedExtensions() {
  std::set<std::string> out;
  for (const auto& [description, patterns] : InputFileTypeEntries())
    for (const std::string& p : SplitText(patterns, ';'))
      if (p.rfind("*.", 0) == 0) out.insert(p.substr(2));
  return out;
}

#ifdef KINOVERT_TEST_MIME_TYPES
// The types a file manager may see in a file: the name's and the content's
// when they agree (one is the other or a kind of it: WMV is ASF), the
// content's alone when the MIME database knows it and it disagrees with the
// name (a camcorder's .mod video is no tracker music).
std::vector<QMimeType> TypesOf(const QMimeDatabase& db, const std::string& file) {
  const QString path = QString::fromStdString(file);
  const QMimeType byName = db.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
  const QMimeType byContent = db.mimeTypeForFile(path, QMimeDatabase::MatchContent);
  if (byContent.isDefault()) return {byName};
  if (byName.isDefault()) return {byContent};
  if (byName.inherits(byContent.name()) || byContent.inherits(byName.name()))
    return {byName, byContent};
  return {byContent};
}

// Video or audio by its name, its icon or an alias (ASF is video/x-ms-asf too).
bool IsMedia(const QMimeType& type) {
  QStringList names = type.aliases();
  names.append(type.name());
  for (const QString& name : names)
    if (name.startsWith("video/") || name.startsWith("audio/")) return true;
  return type.genericIconName() == "video-x-generic" || type.genericIconName() == "audio-x-generic";
}

std::set<std::string> DesktopEntryTypes() {
  std::ifstream entry(KINOVERT_SOURCE_DIR "/dist/kinovert.desktop");
  std::set<std::string> out;
  for (std::string line; std::getline(entry, line);)
    if (line.rfind("MimeType=", 0) == 0)
      for (const std::string& t : SplitText(line.substr(9), ';'))
        if (!t.empty()) out.insert(t);
  return out;
}

// "Open with" offers Kinovert for a type only when a file of that type is
// one the type file lists and a batch converts: each type the desktop entry
// claims is the type of such a file, and each such file's type is claimed.
void ExpectDesktopEntryClaims(const std::vector<std::string>& converted) {
  QMimeDatabase db;
  std::set<std::string> types;
  for (const std::string& file : converted)
    for (const QMimeType& type : TypesOf(db, file))
      if (IsMedia(type)) types.insert(type.name().toStdString());
  const std::set<std::string> claimed = DesktopEntryTypes();
  std::string unclaimed, wrong;
  for (const std::string& t : types)
    if (!claimed.contains(t)) unclaimed += t + ";";
  for (const std::string& t : claimed)
    if (!types.contains(t)) wrong += t + ";";
  EXPECT_EQ(unclaimed, "") << "types of converted files the desktop entry does not claim";
  EXPECT_EQ(wrong, "") << "types the desktop entry claims that no converted file has";
}
#endif

}  // namespace

TEST(ListedTypes, EveryTypeFfmpegCanWriteIsAddedAndConverts) {
  ResetGlobalVars();
  SetProgramFolder(KINOVERT_PROGRAM_DIR);
  GlobalVars.LanguageFile = "english.ini";
  ASSERT_TRUE(LoadTypeFile());
  // The table follows the type file: a type listed later needs a row here.
  std::set<std::string> covered = kReadOnly;
  for (const TWritable& w : Writable()) EXPECT_TRUE(covered.insert(w.Ext).second) << w.Ext;
  EXPECT_EQ(covered, ListedExtensions());

  TRecordingDialogs dialogs;
  TFileListModel list;
  std::vector<std::string> clips;
  for (const TWritable& w : Writable()) {
    clips.push_back(ClipOnce(std::string("clip.") + w.Ext, w.Args));
    EXPECT_EQ(list.Add(clips.back()), TAddResult::Added) << w.Ext;
  }
  EXPECT_TRUE(dialogs.Messages.empty()) << dialogs.Messages.front().Text;
  SetProgramFolder("");
  ResetGlobalVars();

  // One batch for them all; a file that fails names itself on its line.
  TTempDir out;
  TArgs args = {"convert",  "--target", "avi",      "--profile",
                "Standard", "--output", out.Path(), "--"};
  args.insert(args.end(), clips.begin(), clips.end());
  TRunResult r = RunProgram(KINOVERT_PROGRAM_DIR "/kinovert-cli", args);
  const std::string n = std::to_string(clips.size());
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_NE(r.Err.find("Converted " + n + " of " + n + " files: 0 failed, 0 skipped."),
            std::string::npos)
      << r.Err;
  size_t played = 0;
  for (const auto& e : fs::directory_iterator(out.Path())) {
    TProbe probe = Probe(e.path().string());
    played += probe.Ok && !probe.Streams.empty();
  }
  EXPECT_EQ(played, clips.size());
#ifdef KINOVERT_TEST_MIME_TYPES
  ExpectDesktopEntryClaims(clips);
#endif
}
