// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileListModel.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/GlobalVars.h"
#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

namespace {

TMediaStrings Readable(const std::string& size = "100") {
  TMediaStrings m;
  m.fill("x");
  m[msFileSize] = size;
  m[msAudioCount] = m[msVideoCount] = "1";
  return m;
}

// A list of rows named a, b, c, ... with the given rows selected.
TFileListModel ListOf(int count, std::vector<int> selected = {}) {
  TFileListModel list;
  for (int i = 0; i < count; ++i) list.Append(std::string("/in/") + static_cast<char>('a' + i), Readable());
  list.SetSelection(selected, selected.empty() ? -1 : selected.front());
  return list;
}

std::string Names(const TFileListModel& list) {
  std::string out;
  for (const TFileRow& r : list.Rows()) out += r.Item.FileName;
  return out;
}

}  // namespace

TEST(FileListModel, AddingSkipsMissingUnknownAndListedPathsAndRejectsUnreadable) {
  TRecordingDialogs dialogs;
  TTempDir dir;
  GlobalVars.InputFileTypes = {"Video=*.avi;*.mp4"};
  WriteFileText(dir / "clip.avi", "x");
  WriteFileText(dir / "notes.txt", "x");
  TFileListModel list;
  EXPECT_EQ(list.Check(dir / "missing.avi"), TAddResult::Missing);
  EXPECT_EQ(list.Check(dir.Path()), TAddResult::Folder);  // a folder is no file
  EXPECT_EQ(list.Check(dir / "notes.txt"), TAddResult::UnknownType);
  EXPECT_EQ(list.Check(dir / "clip.avi"), TAddResult::Added);
  EXPECT_EQ(list.Append(dir / "clip.avi", Readable()), TAddResult::Added);
  // The same path again is skipped; another letter case is another file.
  EXPECT_EQ(list.Check(dir / "clip.avi"), TAddResult::Duplicate);
  EXPECT_EQ(list.Append(dir / "clip.avi", Readable()), TAddResult::Duplicate);
  EXPECT_EQ(list.Append(dir / "CLIP.avi", Readable()), TAddResult::Added);
  TMediaStrings unreadable = Readable();
  unreadable[msFileSize] = "";
  EXPECT_EQ(list.Append(dir / "broken.avi", unreadable), TAddResult::Rejected);
  // Name and size, but no stream to convert: random bytes, a cut-off file.
  TMediaStrings streamless = Readable();
  streamless[msAudioCount] = streamless[msVideoCount] = "";
  EXPECT_EQ(list.Append(dir / "random.avi", streamless), TAddResult::Rejected);
  EXPECT_EQ(list.Count(), 2);
  ASSERT_EQ(dialogs.Messages.size(), 2u);
  EXPECT_EQ(dialogs.Messages[0].Caption, "Error");
  EXPECT_NE(dialogs.Messages[0].Text.find(dir / "broken.avi"), std::string::npos);
  EXPECT_NE(dialogs.Messages[1].Text.find(dir / "random.avi"), std::string::npos);
  EXPECT_EQ(list.Row(0).Item.FilePath, dir.Path());
  EXPECT_EQ(list.Row(0).Picture, 0);
  ResetGlobalVars();
}

TEST(FileListModel, DeletingSelectsTheRowThatTookTheLowestPlace) {
  struct TCase {
    int Count;
    std::vector<int> Selected;
    std::string Left;
    int SelectedAfter;
  };
  const TCase cases[] = {
      {5, {1, 3}, "ace", 1},   // rows 2 and 4 of five: the new row 2 is selected
      {3, {2}, "ab", 1},       // the only selected last row: the new last row
      {3, {0, 1, 2}, "", -1},  // all of them: nothing left to select
      {3, {}, "abc", -1},      // nothing selected: nothing happens
  };
  for (const TCase& c : cases) {
    TFileListModel list = ListOf(c.Count, c.Selected);
    EXPECT_EQ(list.DeleteSelected(), !c.Selected.empty());
    EXPECT_EQ(Names(list), c.Left);
    EXPECT_EQ(list.FirstSelected(), c.SelectedAfter);
    EXPECT_EQ(list.SelectedRows().size(), c.SelectedAfter < 0 ? 0u : 1u);
  }
}

TEST(FileListModel, MovingUpDownAndDragging) {
  struct TCase {
    const char* Name;
    std::vector<int> Selected;
    bool (*Act)(TFileListModel&);
    bool Moved;
    const char* Order;
    int Focus;
  };
  const TCase cases[] = {
      {"up", {2}, [](TFileListModel& l) { return l.MoveUp(); }, true, "acbd", 1},
      {"down", {1}, [](TFileListModel& l) { return l.MoveDown(); }, true, "acbd", 2},
      {"up on the first row", {0}, [](TFileListModel& l) { return l.MoveUp(); }, false, "abcd", 0},
      {"down on the last row", {3}, [](TFileListModel& l) { return l.MoveDown(); }, false, "abcd", 3},
      {"up without a selection", {}, [](TFileListModel& l) { return l.MoveUp(); }, false, "abcd", -1},
      {"the first selected row moves", {3, 1}, [](TFileListModel& l) { return l.MoveUp(); }, true, "bacd", 0},
      {"drop onto a row goes before it", {0}, [](TFileListModel& l) { return l.DropFocusedRow(2); }, true, "bacd", 1},
      {"drop upwards", {3}, [](TFileListModel& l) { return l.DropFocusedRow(1); }, true, "adbc", 1},
      {"drop below the last row", {1}, [](TFileListModel& l) { return l.DropFocusedRow(-1); }, true, "acdb", 3},
      {"drop onto itself", {1}, [](TFileListModel& l) { return l.DropFocusedRow(1); }, false, "abcd", 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFileListModel list = ListOf(4, c.Selected);
    EXPECT_EQ(c.Act(list), c.Moved);
    EXPECT_EQ(Names(list), c.Order);
    EXPECT_EQ(list.Focus(), c.Focus);
    if (c.Moved) {
      EXPECT_TRUE(list.IsSelected(c.Focus));
    }
  }
}

TEST(FileListModel, SelectFileRowClampsAndSelectAll) {
  TFileListModel list = ListOf(3, {0, 1});
  list.SelectFileRow(7);
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
  EXPECT_EQ(list.Focus(), 2);
  list.SelectAll();
  EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0, 1, 2}));
  TFileListModel empty;
  empty.SelectFileRow(0);
  EXPECT_EQ(empty.FirstSelected(), -1);
}

TEST(FileListModel, SummaryAndStates) {
  EXPECT_EQ(ListOf(0).SummaryText(), "Summary: No files");
  EXPECT_EQ(ListOf(1).SummaryText(), "Summary: One file");
  EXPECT_EQ(ListOf(5).SummaryText(), "Summary: 5 files");
  // 0 idle, 1 failed, 2 done, 3 converting → pictures 0, 3, 2, 1.
  const std::pair<int, int> states[] = {{0, 0}, {1, 3}, {2, 2}, {3, 1}, {9, 0}};
  TFileListModel list = ListOf(2);
  for (auto [state, picture] : states) {
    EXPECT_TRUE(list.SetFileState("/in/b", state));
    EXPECT_EQ(list.Row(1).Picture, picture) << state;
    EXPECT_EQ(list.Row(0).Picture, 0);
  }
  EXPECT_FALSE(list.SetFileState("/in/B", 2));  // the caption must match exactly
}

// A view is told of each change of the rows before it happens (the rows are
// still the old ones then) and once it is done; a move is one move.
TEST(FileListModel, ViewsAreToldBeforeAndAfterEachChange) {
  struct TLog final : TFileListListener {
    const TFileListModel* List = nullptr;
    std::vector<std::string> Events;
    void Note(const std::string& what, int a, int b) {
      Events.push_back(what + " " + std::to_string(a) + " " + std::to_string(b) + " " + Names(*List));
    }
    void RowsAboutToBeInserted(int first, int count) override { Note("insert?", first, count); }
    void RowsInserted(int first, int count) override { Note("inserted", first, count); }
    void RowsAboutToBeRemoved(int first, int count) override { Note("remove?", first, count); }
    void RowsRemoved(int first, int count) override { Note("removed", first, count); }
    void RowAboutToBeMoved(int from, int before) override { Note("move?", from, before); }
    void RowMoved(int from, int before) override { Note("moved", from, before); }
  };
  struct TCase {
    const char* Action;
    std::function<void(TFileListModel&)> Run;
    std::vector<std::string> Events;
  };
  const TCase cases[] = {
      {"append", [](TFileListModel& l) { l.Append("/in/d", Readable()); },
       {"insert? 3 1 abc", "inserted 3 1 abcd"}},
      {"delete rows 0 and 2",
       [](TFileListModel& l) {
         l.SetSelection({0, 2}, 0);
         l.DeleteSelected();
       },
       {"remove? 2 1 abc", "removed 2 1 ab", "remove? 0 1 ab", "removed 0 1 b"}},
      {"clear", [](TFileListModel& l) { l.Clear(); }, {"remove? 0 3 abc", "removed 0 3 "}},
      {"down",
       [](TFileListModel& l) {
         l.SetSelection({0}, 0);
         l.MoveDown();
       },
       {"move? 0 2 abc", "moved 0 2 bac"}},
      {"up",
       [](TFileListModel& l) {
         l.SetSelection({2}, 2);
         l.MoveUp();
       },
       {"move? 2 1 abc", "moved 2 1 acb"}},
      {"dropped below the last row",
       [](TFileListModel& l) {
         l.SetSelection({0}, 0);
         l.DropFocusedRow(-1);
       },
       {"move? 0 3 abc", "moved 0 3 bca"}},
      {"up on the first row: nothing",
       [](TFileListModel& l) {
         l.SetSelection({0}, 0);
         l.MoveUp();
       },
       {}},
  };
  for (const TCase& c : cases) {
    TFileListModel list = ListOf(3);
    TLog log;
    log.List = &list;
    list.SetListener(&log);
    c.Run(list);
    EXPECT_EQ(log.Events, c.Events) << c.Action;
  }
}
