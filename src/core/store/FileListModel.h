// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "store/FileList.h"

// The state picture of a row for a file state as the batch reports it
// (0 idle, 1 failed, 2 done, 3 converting); other states show idle.
int FileStatePicture(int state);

// A selection by the rows' paths, which stay true while rows are added or
// moved in between.
struct TListSelection {
  std::vector<std::string> Paths;
  std::string Focus;
};

// One row of the file list: its file, the index of its state picture, and
// why its file failed in the last batch.
struct TFileRow {
  TFileItem Item;
  int Picture = 0;
  std::string Reason;
};

// What a view of the list is told. A change of the rows is told twice: just
// before it happens, while the rows are still the old ones, and once it is
// done (a Qt model must announce a change before it is made).
class TFileListListener {
 public:
  virtual ~TFileListListener() = default;
  virtual void RowsAboutToBeInserted(int /*first*/, int /*count*/) {}
  virtual void RowsInserted(int /*first*/, int /*count*/) {}
  virtual void RowsAboutToBeRemoved(int /*first*/, int /*count*/) {}
  virtual void RowsRemoved(int /*first*/, int /*count*/) {}
  // Row `from` goes before row `before`, both indices of the list as it is
  // before the move (`before` == Count(): to the end).
  virtual void RowAboutToBeMoved(int /*from*/, int /*before*/) {}
  virtual void RowMoved(int /*from*/, int /*before*/) {}
  virtual void RowChanged(int /*row*/) {}
  virtual void SelectionChanged() {}
};

// The main window's file list without a window: the rows in order, which of
// them are selected and which has the focus mark, and every rule of adding,
// removing and ordering. Views show it and hand it the user's actions.
class TFileListModel final {
 public:
  void SetListener(TFileListListener* listener) { Listener_ = listener; }

  int Count() const { return static_cast<int>(Rows_.size()); }
  const TFileRow& Row(int index) const { return Rows_[static_cast<size_t>(index)]; }
  const std::vector<TFileRow>& Rows() const { return Rows_; }

  // The checks an added path goes through before media information is
  // asked: CheckInputPath, and a path already listed exactly (letter case
  // counts) is skipped.
  TAddResult Check(const std::string& path) const;
  // Appends a file whose media strings are known: rejected, with the
  // "damaged or not supported" message, when they give no complete name or
  // no size; skipped when the path was listed meanwhile.
  TAddResult Append(const std::string& path, const TMediaStrings& media);
  // Check, media information, Append, in one go.
  TAddResult Add(const std::string& path);

  // Selection and focus.
  bool IsSelected(int row) const;
  void SetSelected(int row, bool selected);
  void SetSelection(const std::vector<int>& rows, int focus);
  std::vector<int> SelectedRows() const;
  TListSelection SelectionByPath() const;
  // Selects the rows still listed under those paths, and nothing else.
  void RestoreSelection(const TListSelection& selection);
  int FirstSelected() const;  // -1 when none
  int Focus() const { return Focus_; }
  // Deselects everything, then selects and focuses the row, or the last row
  // when the index lies beyond it; nothing on an empty list.
  void SelectFileRow(int index);
  void SelectAll();

  // Removes the selected rows (last first) and selects the row that took the
  // lowest one's place, or the last row. False when nothing was selected.
  bool DeleteSelected();
  void Clear();
  // The first selected row one up or down; false (and nothing changes) with
  // no selection, for the first row up or the last row down.
  bool MoveUp();
  bool MoveDown();
  // The focused row dropped on `target` (-1: below the last row) goes before
  // the target row, or to the end. False when nothing moved.
  bool DropFocusedRow(int target);

  // The picture of the first row whose caption is exactly the path; false
  // when no row has it. Any state but failed takes the row's reason away.
  bool SetFileState(const std::string& path, int state);
  // Why the file of that row failed; false when no row has the path.
  bool SetFileReason(const std::string& path, const std::string& reason);

  // "Summary: No files", "Summary: One file", "Summary: 5 files".
  std::string SummaryText() const;

 private:
  bool MoveRow(int from, int insertAt);
  void Changed() const;

  std::vector<TFileRow> Rows_;
  std::vector<bool> Selected_;
  int Focus_ = -1;
  TFileListListener* Listener_ = nullptr;
};
