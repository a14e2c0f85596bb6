// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FileAdder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/GlobalVars.h"
#include "base/Error.h"
#include "engine/EventLoop.h"
#include "store/FileListModel.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"
#include "../media/MediaClips.h"

namespace {

std::string Names(const TFileListModel& list) {
  std::string out;
  for (const TFileRow& r : list.Rows()) out += r.Item.FileName + " ";
  return out;
}

}  // namespace

TEST(FileAdder, RowsComeInTheOrderGivenAndEditsWaitForThem) {
  TRecordingDialogs dialogs;
  TTempDir dir;
  GlobalVars.InputFileTypes = {"Media=*.wav;*.avi"};
  std::vector<std::string> paths;
  media_clips::MakeAudioOnly(dir / "clip.wav");
  for (const char* name : {"c.wav", "a.wav", "empty.avi", "b.wav"}) {
    std::string path = dir / name;
    if (std::string(name) == "empty.avi")
      WriteFileText(path, "");  // no size: rejected with a message
    else
      std::filesystem::copy_file(dir / "clip.wav", path);
    paths.push_back(path);
  }
  paths.push_back(dir / "a.wav");      // listed twice: once
  paths.push_back(dir / "none.wav");   // missing: skipped
  TEventLoop loop;
  TFileListModel list;
  TFileAdder adder(loop, list);
  std::vector<bool> busy;
  adder.OnBusyChanged = [&](bool b) { busy.push_back(b); };
  bool done = false, clearedAfter = false;
  adder.Add(paths, [&] { done = true; });
  EXPECT_TRUE(adder.Busy());
  // A Clear List given now must wait: it runs after the adds, not between them.
  adder.WhenIdle([&] {
    clearedAfter = list.Count() == 3;
    list.Clear();
  });
  ASSERT_TRUE(loop.RunUntil([&] { return !adder.Busy(); }, std::chrono::seconds(30)));
  EXPECT_TRUE(done);
  EXPECT_TRUE(clearedAfter);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_NE(dialogs.Messages[0].Text.find("empty.avi"), std::string::npos);
  // And the order, once more without the clear.
  adder.Add(paths);
  ASSERT_TRUE(loop.RunUntil([&] { return !adder.Busy(); }, std::chrono::seconds(30)));
  EXPECT_EQ(Names(list), "c.wav a.wav b.wav ");
  EXPECT_TRUE(dialogs.Cursor.size() >= 2 && dialogs.Cursor.back() == false);
  ResetGlobalVars();
}

// A waiting call that fails (a batch that cannot start) is passed on after
// the others have run, and the next add and edit go through as usual.
TEST(FileAdder, AFailingWaitingCallStopsNeitherTheOthersNorLaterAdds) {
  TRecordingDialogs dialogs;
  TTempDir dir;
  GlobalVars.InputFileTypes = {"Media=*.wav"};
  media_clips::MakeAudioOnly(dir / "a.wav");
  std::filesystem::copy_file(dir / "a.wav", dir / "b.wav");
  TEventLoop loop;
  TFileListModel list;
  TFileAdder adder(loop, list);
  adder.Add({dir / "a.wav"});
  bool ranAfter = false;
  adder.WhenIdle([] { throw EKinovertError("cannot start"); });
  adder.WhenIdle([&] { ranAfter = true; });
  std::string failure;
  try {
    loop.RunUntil([&] { return !adder.Busy(); }, std::chrono::seconds(30));
  } catch (const EKinovertError& e) {
    failure = e.what();
  }
  EXPECT_EQ(failure, "cannot start");
  EXPECT_TRUE(ranAfter);
  EXPECT_FALSE(adder.Busy());
  EXPECT_TRUE(!dialogs.Cursor.empty() && dialogs.Cursor.back() == false);
  bool cleared = false;
  adder.Add({dir / "b.wav"});
  adder.WhenIdle([&] { cleared = list.Count() == 2; });
  ASSERT_TRUE(loop.RunUntil([&] { return !adder.Busy(); }, std::chrono::seconds(30)));
  EXPECT_TRUE(cleared);
  ResetGlobalVars();
}

TEST(FileAdder, GoingAwayMidAddLeavesNothingBehind) {
  TRecordingDialogs dialogs;
  TTempDir dir;
  GlobalVars.InputFileTypes = {"Audio=*.wav"};
  std::vector<std::string> paths;
  media_clips::MakeAudioOnly(dir / "clip.wav");
  for (int i = 0; i < 20; ++i) {
    paths.push_back(dir / ("f" + std::to_string(i) + ".wav"));
    std::filesystem::copy_file(dir / "clip.wav", paths.back());
  }
  TEventLoop loop;
  TFileListModel list;
  {
    TFileAdder adder(loop, list);
    adder.Add(paths);
  }
  // Calls it posted before it went run now and must do nothing.
  loop.ProcessEvents();
  EXPECT_LE(list.Count(), 20);
  EXPECT_EQ(WaitCursorDepth(), 0);
  ResetGlobalVars();
}
