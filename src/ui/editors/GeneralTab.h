// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <map>
#include <string_view>
#include <vector>

#include "editors/EditorDesc.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QStackedWidget;
class QVBoxLayout;
class TEditorState;
class TTimeGroup;

// The General tab: description, the type and codec lists (lists of one role
// lie on top of each other), same quality, disable audio and time control.
class TGeneralTab final : public QWidget {
  Q_OBJECT

 public:
  TGeneralTab(TEditorState& state, QWidget* parent);
  void Sync();
  void FinishEditing();
  // Where an editor adds a group of its own above the lists.
  void InsertAboveLists(QWidget* group);

 signals:
  void Edited();

 private:
  // The lists of a role beside the check box group of flag (when the editor has it).
  void AddCodecRow(TListRole role, std::string_view flag, const QString& groupName,
                   const QString& boxName, TMsgKey title, TMsgKey detail);
  QWidget* NewListSide(TListRole role);
  QWidget* NewFlagGroup(std::string_view key, const QString& groupName, const QString& boxName,
                        TMsgKey title, TMsgKey detail);
  void Changed();

  TEditorState& State_;
  QVBoxLayout* Layout_;
  int ListsAt_ = 0;
  QLineEdit* Description_;
  std::vector<QComboBox*> Combos_;  // by list, in the editor's list order
  std::vector<QGroupBox*> Groups_;
  std::map<int, QStackedWidget*> Stacks_;  // by role, where lists lie on top of each other
  std::map<std::string_view, QCheckBox*> Flags_;
  std::vector<QWidget*> CodecChoices_;  // hidden while preset formats replace them
  TTimeGroup* Time_;
};
