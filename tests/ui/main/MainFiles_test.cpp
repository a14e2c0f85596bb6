// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file list, media panel, file-information window and
// output folder.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "../../core/media/MediaClips.h"
#include "MainTesting.h"
#include "app/InfoOptions.h"
#include "app/SingleInstance.h"
#include "main/FileInfo.h"
#include "main/FileListView.h"
#include "main/MediaPanel.h"

namespace {

// Three playable clips (video, audio) made once for the whole suite.
struct TClips {
  TTempDir Dir;
  std::string Video, Audio;
  TClips() {
    Video = Dir / "clip.avi";
    Audio = Dir / "voice.wav";
    media_clips::MakeVideoWithAudio(Video);
    media_clips::MakeAudioOnly(Audio);
  }
};

const TClips& Clips() {
  static TClips clips;
  return clips;
}

// As a file manager sends them: file URLs with every byte of the name
// percent-encoded (and, from some, the same list as plain text).
void Drop(QWidget* target, const std::vector<std::string>& paths, bool asTextToo = false) {
  auto* mime = new QMimeData;
  QByteArray list;
  for (const std::string& p : paths)
    list += "file://" + QByteArray::fromStdString(p).toPercentEncoding("/") + "\r\n";
  mime->setData("text/uri-list", list);
  if (asTextToo) mime->setData("text/plain", list);
  // As a drag from a file manager arrives: entering first, then the drop.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  delete mime;
}

}  // namespace

// A file of a listed type is added when media information finds a stream
// in it: a damaged one (random bytes under a video's name) is refused here,
// as an empty one is, rather than failing in the middle of a batch.
TEST_F(MainWindowTest, AddingSkipsMissingAndUnknownFilesAndRejectsDamagedOnes) {
  TfrmMain& w = Open();
  WriteFileText(Home / "notes.txt", "text");
  WriteFileText(Home / "broken.avi", std::string(4096, 'x'));
  WriteFileText(Home / "empty.avi", "");
  AddAndWait({Clips().Video, Home / "missing.avi", Home / "notes.txt", Home / "broken.avi",
              Home / "empty.avi", Clips().Audio, Clips().Video});
  const TFileListModel& list = w.FileList();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Row(0).Item.Caption(), Clips().Video);
  EXPECT_EQ(list.Row(1).Item.Caption(), Clips().Audio);
  ASSERT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_NE(Dialogs.Messages[0].Text.find("broken.avi\" is damaged"), std::string::npos);
  EXPECT_NE(Dialogs.Messages[1].Text.find("empty.avi"), std::string::npos);
  // The last row is selected and the panel shows it.
  EXPECT_EQ(list.FirstSelected(), 1);
  auto* panel = Child<TMediaPanel>("ScrollBox");
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(Child<QLineEdit>("EditBox1")->text(), Q(Clips().Audio));
  EXPECT_EQ(Child<QLineEdit>("EditBox7")->text(), "...");  // no video in an audio file
  EXPECT_EQ(Child<QLabel>("Label6")->text(), "Summary: 2 files");
  w.Action("ActionClearList")->trigger();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(Child<QLabel>("Label6")->text(), "Summary: No files");
}

// A name that is not UTF-8 (Latin-1 here): the row, the player and the
// file-information window get its very bytes, and so does a folder of such a
// name chosen for the output; the list, the panel and the titles show
// replacement characters.
TEST_F(MainWindowTest, NameThatIsNotUtf8) {
  TfrmMain& w = Open();
  const std::string file = Home / "caf\xE9.avi";
  const QString shown = Q(Home / "caf\uFFFD.avi");
  std::filesystem::copy_file(Clips().Video, file);
  Drop(&w, {file});
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return w.FileList().Count() == 1 && !w.AddingFiles(); }, 30000));
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_EQ(w.FileList().Row(0).Item.Caption(), file);
  auto* view = Child<TFileListView>("ListViewFiles");
  EXPECT_EQ(view->model()->index(0, 0).data().toString(), shown);
  EXPECT_EQ(Child<QLineEdit>("EditBox1")->text(), shown);
  EXPECT_EQ(Child<QLineEdit>("EditBox9")->text(), "160");  // the clip's width: this file was read
  w.Action("ActionPlaySource")->trigger();
  EXPECT_EQ(Dialogs.Opened, std::vector<std::string>{file});

  TfrmFileInfo info(Window.get());
  info.ShowFile(file);
  EXPECT_EQ(info.windowTitle(), "File Information - caf\uFFFD.avi");
  EXPECT_TRUE(info.MemoInfo->toPlainText().contains(shown));

  const std::string out = Home / "sortie \xE9t\xE9";
  std::filesystem::create_directory(out);
  Dialogs.Folder = out;
  w.Action("ActionOutputBrowse")->trigger();
  EXPECT_EQ(Child<QLineEdit>("editOutputFileName")->text(), Q(Home / "sortie \uFFFDt\uFFFD"));
  w.Action("ActionOpenDestinationFolder")->trigger();
  EXPECT_EQ(Dialogs.Opened.back(), out);
  // A folder typed over it is taken as typed.
  Child<QLineEdit>("editOutputFileName")->setText(Q(Home.Path()));
  w.Action("ActionOpenDestinationFolder")->trigger();
  EXPECT_EQ(Dialogs.Opened.back(), Home.Path());
}

TEST_F(MainWindowTest, DroppedFoldersAreSkippedAndLongPathsKeptWhole) {
  TfrmMain& w = Open();
  // A path of 300 characters: folders of 60 characters nested.
  std::string deep = Home.Path();
  while (deep.size() < 240) deep += std::string(59, 'd') + "/";
  std::filesystem::create_directories(deep);
  std::string longPath = deep + std::string(300 - deep.size() - 4, 'v') + ".avi";
  ASSERT_EQ(longPath.size(), 300u);
  std::filesystem::copy_file(Clips().Video, longPath);
  Drop(&w, {Home / "skin", longPath});
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.FileList().Count() == 1 && !w.AddingFiles(); }, 30000));
  EXPECT_EQ(w.FileList().Row(0).Item.Caption(), longPath);
  EXPECT_TRUE(Dialogs.Messages.empty());
  // Dropped on the output folder's box, a file is added all the same; the
  // box does not take the link as text.
  auto* output = Child<QLineEdit>("editOutputFileName");
  const QString folder = output->text();
  Drop(output, {Clips().Audio}, true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.FileList().Count() == 2 && !w.AddingFiles(); }, 30000));
  EXPECT_EQ(output->text(), folder);
}

TEST_F(MainWindowTest, DeleteDuringAnAddWaitsForItAndTakesTheRowsSelectedThen) {
  TfrmMain& w = Open();
  std::vector<std::string> first, more;
  for (int i = 0; i < 30; ++i) {
    (i < 2 ? first : more).push_back(Home / ("c" + std::to_string(i) + ".avi"));
    std::filesystem::copy_file(Clips().Video, i < 2 ? first.back() : more.back());
  }
  w.AddInputFiles(first);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.AddingFiles(); }, 30000));
  w.SelectFileRow(0);
  w.AddInputFiles(more);
  ASSERT_TRUE(w.AddingFiles());
  // Delete now: it must wait for the whole list, not act on a half-filled
  // one, and take the row the user saw selected, not the last one the add
  // selects when it ends.
  w.Action("ActionDel")->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.AddingFiles(); }, 30000));
  QTest::qWait(10);
  ASSERT_EQ(w.FileList().Count(), 29);
  EXPECT_EQ(w.FileList().Row(0).Item.FileName, "c1.avi");
  EXPECT_EQ(w.FileList().Row(28).Item.FileName, "c29.avi");
}

// Move down takes the first selected row; the other selected rows stay
// selected, in the view as in the list.
TEST_F(MainWindowTest, MovingARowKeepsTheOtherSelectedRows) {
  TfrmMain& w = Open();
  std::vector<std::string> paths;
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    paths.push_back(Home / (std::string(name) + ".avi"));
    std::filesystem::copy_file(Clips().Video, paths.back());
  }
  AddAndWait(paths);
  auto* view = Child<TFileListView>("ListViewFiles");
  QItemSelection chosen;
  for (int row : {1, 3}) chosen.select(view->model()->index(row, 0), view->model()->index(row, 0));
  view->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  w.Action("ActionMoveDown")->trigger();
  std::string order;
  for (const TFileRow& row : w.FileList().Rows()) order += row.Item.FileName.substr(0, 1);
  EXPECT_EQ(order, "acbde");
  EXPECT_EQ(w.FileList().SelectedRows(), (std::vector<int>{2, 3}));
  std::vector<int> shown;
  for (const QModelIndex& index : view->selectionModel()->selectedRows()) shown.push_back(index.row());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<int>{2, 3}));
}

TEST_F(MainWindowTest, PanelFollowsTheSelection) {
  Open();
  AddAndWait({Clips().Video, Clips().Audio});
  auto* view = Child<TFileListView>("ListViewFiles");
  view->selectionModel()->select(view->model()->index(0, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(Child<QLineEdit>("EditBox1")->text(), Q(Clips().Video));
  EXPECT_NE(Child<QLineEdit>("EditBox7")->text(), "...");
  view->clearSelection();
  EXPECT_EQ(Child<QLineEdit>("EditBox1")->text(), "...");
  EXPECT_TRUE(Child<TMediaPanel>("ScrollBox")->isVisible());
}

TEST_F(MainWindowTest, EmptyOutputFolderBlocksOpenDestination) {
  TfrmMain& w = Open();
  Child<QLineEdit>("editOutputFileName")->setText("   ");
  w.Action("ActionOpenDestinationFolder")->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Caption, "No Folder");
  EXPECT_EQ(Dialogs.Messages[0].Text, ResStr(MSG_EMPTY_DIR));
  EXPECT_TRUE(Dialogs.Opened.empty());
  // A folder that exists opens.
  Child<QLineEdit>("editOutputFileName")->setText(Q(Home.Path()));
  w.Action("ActionOpenDestinationFolder")->trigger();
  EXPECT_EQ(Dialogs.Opened, std::vector<std::string>{Home.Path()});
}

TEST_F(MainWindowTest, OutputBrowseWritesTheFolderAtOnce) {
  TfrmMain& w = Open();
  Dialogs.Folder = "/chosen/out";
  w.Action("ActionOutputBrowse")->trigger();
  EXPECT_EQ(Child<QLineEdit>("editOutputFileName")->text(), "/chosen/out");
  EXPECT_EQ(GlobalVars.LastOutputOpenDir, "/chosen/out");
  EXPECT_NE(ReadFileText(Home / "info.ini").find("LastOutputOpenDir=/chosen/out"), std::string::npos);
}

TEST_F(MainWindowTest, AddingByDialogUsesTheTypeFilterAndRemembersTheFolder) {
  TfrmMain& w = Open();
  Dialogs.FilesToOpen = {Clips().Audio};
  w.Action("ActionInputBrowse")->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.AddingFiles() && w.FileList().Count() == 1; }, 30000));
  ASSERT_EQ(Dialogs.Opens.size(), 1u);
  EXPECT_TRUE(Dialogs.Opens[0].MultiSelect);
  EXPECT_NE(Dialogs.Opens[0].Filter.find("All Files|*.*"), std::string::npos);
  EXPECT_EQ(GlobalVars.LastInputOpenDir, Clips().Dir.Path().substr(0, Clips().Dir.Path().size() - 1));
  EXPECT_NE(ReadFileText(Home / "info.ini").find("LastInputOpenDir="), std::string::npos);
}

TEST_F(MainWindowTest, FileInformationWindow) {
  Open();
  TfrmFileInfo info(Window.get());
  info.ShowFile(Clips().Video);
  EXPECT_EQ(info.windowTitle(), "File Information - clip.avi");
  EXPECT_FALSE(info.MemoInfo->toPlainText().isEmpty());
  info.show();
  for (QSize size : {QSize(400, 250), QSize(900, 600), QSize(513, 333)}) {
    info.resize(size);
    QApplication::processEvents();
    int w = info.PanelBottom->width();
    int left = info.btnOK->geometry().left(), right = info.btnSave->geometry().right() + 1;
    EXPECT_LE(std::abs((left + right) - w), 2) << size.width();  // the pair stays centred
    EXPECT_EQ(info.btnSave->geometry().left(), info.btnOK->geometry().right() + 1 + 8);
  }
  EXPECT_GE(info.minimumWidth(), 400);
  Dialogs.FileToSave = Home / "report.txt";
  info.btnSave->click();
  std::string saved = ReadFileText(Home / "report.txt");
  EXPECT_NE(saved.find("\r\n"), std::string::npos);
  // Every line ends in CR LF, and no CR stands alone.
  for (size_t at = saved.find('\n'); at != std::string::npos; at = saved.find('\n', at + 1))
    EXPECT_EQ(saved[at - 1], '\r');
  for (size_t at = saved.find('\r'); at != std::string::npos; at = saved.find('\r', at + 1))
    EXPECT_EQ(saved[at + 1], '\n');
  EXPECT_TRUE(info.isVisible());  // saving leaves the window open
  ASSERT_EQ(Dialogs.Saves.size(), 1u);
  EXPECT_EQ(Dialogs.Saves[0].FileName, "File Info");
  EXPECT_EQ(Dialogs.Saves[0].DefaultExt, "txt");
  EXPECT_TRUE(Dialogs.Saves[0].ConfirmOverwrite);
  // A place that cannot be written is a message, not a crash.
  Dialogs.FileToSave = Home / "no/such/folder/report.txt";
  info.btnSave->click();
  ASSERT_FALSE(Dialogs.Messages.empty());
  EXPECT_NE(Dialogs.Messages.back().Text.find("Unable to write"), std::string::npos);
}

// "Open with" from a file manager while the program runs: the second start
// hands its files over the local socket and the running window lists them.
TEST_F(MainWindowTest, LaterStartsHandTheirFilesToTheRunningWindow) {
  Open();
  const std::string odd = Home / "-a clip $`x` 'q'.avi";
  std::filesystem::copy_file(Clips().Video, odd);
  const QString name = Q(Home / "socket");
  ASSERT_TRUE(Window->ListenForLaterStarts(name));

  std::atomic<int> answer{-1};
  std::thread second([&] { answer = TSingleInstance::HandToRunning(name, {odd, Clips().Audio}) ? 1 : 0; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return answer >= 0; }, 10000));
  second.join();
  EXPECT_EQ(answer, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Window->FileList().Count() == 2 && !Window->AddingFiles(); }, 30000));
  ASSERT_EQ(Window->FileList().Count(), 2);
  EXPECT_EQ(Window->FileList().Rows()[0].Item.Caption(), odd);
  EXPECT_EQ(Window->FileList().Rows()[1].Item.Caption(), Clips().Audio);

  // With nobody listening, a start keeps its files and opens its own window.
  EXPECT_FALSE(TSingleInstance::HandToRunning(Q(Home / "nobody"), {odd}, 500));
}

// A program that was killed leaves its socket file behind; the next start
// must take the name over rather than run without it.
TEST(SingleInstance, StaleSocketIsTakenOver) {
  TTempDir dir;
  const std::string path = dir / "socket";
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(std::filesystem::exists(path));

  TSingleInstance instance(Q(path), nullptr);
  EXPECT_TRUE(instance.Listening());
}

// What the desktop program takes from its command line as files: options
// skipped until "--", names made absolute, bytes kept as given.
TEST(CommandLineFiles, OptionsSkippedNamesMadeAbsolute) {
  const std::string cwd = std::filesystem::current_path().string();
  std::string notText = "clip\xff\xfe.avi";
  std::vector<std::string> args{"kinovert", "--unknown", "a b.avi", "./sub/../c.mp3", "/abs/d.wav", "",
                                "--",       "-dash.avi", "--",      notText};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  EXPECT_EQ(FilesOnCommandLine(static_cast<int>(argv.size()), argv.data()),
            (std::vector<std::string>{cwd + "/a b.avi", cwd + "/c.mp3", "/abs/d.wav", cwd + "/-dash.avi",
                                      cwd + "/--", cwd + "/" + notText}));
}

// A dialog opened from the window (More Information..., Settings, a profile
// editor) leaves the window's own controls as they were, so a drag on the
// title band afterwards moves the window by just the distance dragged.
TEST_F(MainWindowTest, TheTitleBandMovesTheWindowAfterEachDialog) {
  TfrmMain& w = Open();
  AddAndWait({Clips().Video});
  w.SelectTarget(ofAVI);
  const std::vector<std::pair<const char*, std::function<void()>>> dialogs = {
      {"More Information", [&] { emit Child<TMediaPanel>("ScrollBox")->MoreInformation(); }},
      {"Settings", [&] { w.Action("ActionSettings")->trigger(); }},
      {"profile editor", [&] { w.Action("ActionEditProfile")->trigger(); }},
  };
  QWidget* band = Child<QWidget>("ImageMain");
  for (const auto& [name, open] : dialogs) {
    SCOPED_TRACE(name);
    bool shown = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      shown = true;
      dialog->close();
    });
    open();
    EXPECT_TRUE(shown);
    for (QWidget* child : w.findChildren<QWidget*>()) {
      if (!child->isWindow()) {
        EXPECT_EQ(child->internalWinId(), 0u) << child->objectName().toStdString();
      }
    }
    const QPoint before = w.pos();
    QTest::mousePress(band, Qt::LeftButton, {}, QPoint(300, 10));
    QTest::mouseMove(band, QPoint(340, 60));
    QTest::mouseRelease(band, Qt::LeftButton, {}, QPoint(340, 60));
    EXPECT_EQ(w.pos(), before + QPoint(40, 50));
  }
}
