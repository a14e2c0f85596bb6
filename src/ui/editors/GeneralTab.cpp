// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/GeneralTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "editors/EditorState.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/TimeGroup.h"

namespace {

QString Name(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TMsgKey GroupTitle(TListRole role) {
  switch (role) {
    case TListRole::Type:
      return MSG_TYPE;
    case TListRole::Video:
      return MSG_VIDEO_CODEC;
    case TListRole::Audio:
      break;
  }
  return MSG_AUDIO_CODEC;
}

}  // namespace

TGeneralTab::TGeneralTab(TEditorState& state, QWidget* parent) : QWidget(parent), State_(state) {
  setObjectName(QStringLiteral("TabSheetGeneral"));
  Layout_ = new QVBoxLayout(this);

  auto* description = new QHBoxLayout;
  QLabel* label = NewLabel(LangText(MSG_DESCIPTION), QStringLiteral("LabelDescription"), this);
  Description_ = new QLineEdit(this);
  Description_->setObjectName(QStringLiteral("EditDescription"));
  label->setBuddy(Description_);
  description->addWidget(label);
  description->addWidget(Description_, 1);
  Layout_->addLayout(description);
  connect(Description_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Guarded([&] { State_.Description = text.toStdString(); });
  });

  for (size_t i = 0; i < state.Desc().Lists.size(); ++i) {
    Combos_.push_back(nullptr);
    Groups_.push_back(nullptr);
  }
  ListsAt_ = Layout_->count();
  if (QWidget* type = NewListSide(TListRole::Type)) Layout_->addWidget(type);
  AddCodecRow(TListRole::Video, "VideoSameQuality", QStringLiteral("GroupBoxSameQuality"),
              QStringLiteral("CheckBoxSameQuality"), MSG_SAME_Q, MSG_SAME_Q_DETAIL);
  AddCodecRow(TListRole::Audio, "AudioDisableAudio", QStringLiteral("GroupBoxDisableAudio"),
              QStringLiteral("CheckBoxDisableAudio"), MSG_DISABLE_AUDIO, MSG_DISABLE_AUDIO_DETAIL);

  Time_ = new TTimeGroup(state, this);
  connect(Time_, &TTimeGroup::Edited, this, &TGeneralTab::Edited);
  Layout_->addWidget(Time_);
  Layout_->addStretch();
}

void TGeneralTab::AddCodecRow(TListRole role, std::string_view flag, const QString& groupName,
                              const QString& boxName, TMsgKey title, TMsgKey detail) {
  auto* row = new QHBoxLayout;
  if (QWidget* lists = NewListSide(role)) {
    CodecChoices_.push_back(lists);
    row->addWidget(lists, 1);
  }
  if (State_.HasFlag(flag)) {
    CodecChoices_.push_back(NewFlagGroup(flag, groupName, boxName, title, detail));
    row->addWidget(CodecChoices_.back(), 1);
  } else {
    row->addStretch(1);  // audio-only editors: the list keeps half the width
  }
  Layout_->addLayout(row);
}

QWidget* TGeneralTab::NewListSide(TListRole role) {
  std::vector<QGroupBox*> groups;
  const auto& lists = State_.Desc().Lists;
  for (size_t i = 0; i < lists.size(); ++i) {
    const TListDesc& list = lists[i];
    if (list.Role != role) continue;
    QGroupBox* group = NewGroup(LangText(GroupTitle(role)), Name(list.GroupName), this);
    QComboBox* combo = NewCombo(Name(list.ComboName), group);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (const TListItem& item : list.Items) combo->addItem(LangText(item.Text));
    (new QVBoxLayout(group))->addWidget(combo);
    Combos_[i] = combo;
    Groups_[i] = group;
    groups.push_back(group);
    connect(combo, &QComboBox::activated, this, [this, key = list.Key](int index) {
      Guarded([&] {
        State_.PickListItem(key, index);
        Changed();
      });
    });
  }
  if (groups.size() <= 1) return groups.empty() ? nullptr : groups.front();
  auto* stack = new QStackedWidget(this);
  stack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  for (QGroupBox* group : groups) stack->addWidget(group);
  Stacks_[static_cast<int>(role)] = stack;
  return stack;
}

QWidget* TGeneralTab::NewFlagGroup(std::string_view key, const QString& groupName,
                                   const QString& boxName, TMsgKey title, TMsgKey detail) {
  QGroupBox* group = NewGroup(LangText(title), groupName, this);
  auto* box = new QCheckBox(LangText(detail), group);
  box->setObjectName(boxName);
  (new QVBoxLayout(group))->addWidget(box);
  Flags_[key] = box;
  connect(box, &QCheckBox::toggled, this, [this, key](bool on) {
    Guarded([&] {
      State_.SetFlag(key, on);
      Changed();
    });
  });
  return group;
}

void TGeneralTab::InsertAboveLists(QWidget* group) {
  Layout_->insertWidget(ListsAt_, group);
}

void TGeneralTab::Changed() {
  Sync();
  emit Edited();
}

void TGeneralTab::Sync() {
  if (Description_->text() != QString::fromStdString(State_.Description))
    Description_->setText(QString::fromStdString(State_.Description));
  const auto& lists = State_.Desc().Lists;
  for (size_t i = 0; i < lists.size(); ++i) {
    SelectQuietly(Combos_[i], State_.ListIndex(lists[i].Key));
    if (lists[i].Role == TListRole::Audio) Groups_[i]->setEnabled(State_.AudioListsEnabled());
  }
  for (const auto& [role, stack] : Stacks_) {
    const int front = State_.FrontList(static_cast<TListRole>(role));
    if (front >= 0) stack->setCurrentWidget(Groups_[static_cast<size_t>(front)]);
  }
  for (const auto& [key, box] : Flags_) {
    const QSignalBlocker block(box);
    box->setChecked(State_.Flag(key));
  }
  for (QWidget* choice : CodecChoices_)
    if (choice->isHidden() == State_.CodecChoicesVisible())
      choice->setVisible(State_.CodecChoicesVisible());
  Time_->Sync();
}

void TGeneralTab::FinishEditing() {
  Time_->FinishEditing();
}
