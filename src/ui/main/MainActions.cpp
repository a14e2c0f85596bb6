// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's actions and menus, the target choice, the languages and
// the help: the tables in core say what exists; this file binds them.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>

#include "app/ActionTable.h"
#include "app/BuildConstants.h"
#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/Guarded.h"
#include "app/ProgramFolder.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"
#include "main/AboutBox.h"
#include "main/Main.h"
#include "main/FileListView.h"
#include "main/MediaPanel.h"
#include "store/TargetTable.h"
#include "toolkit/ImageButton.h"
#include "toolkit/PathText.h"

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The format names the "Convert to" entries show, in OutputFormat order.
constexpr TMsgKey kFormatNames[kOutputFormatCount] = {
    MSG_FORMAT_AVI, MSG_FORMAT_MP4, MSG_FORMAT_3GP, MSG_FORMAT_MPEG, MSG_FORMAT_MOV, MSG_FORMAT_WMV,
    MSG_FORMAT_RM,  MSG_FORMAT_SWF, MSG_FORMAT_VOB, MSG_FORMAT_ASF,  MSG_FORMAT_AAC, MSG_FORMAT_AC3,
    MSG_FORMAT_MP2, MSG_FORMAT_MP3, MSG_FORMAT_AMR, MSG_FORMAT_WAV};

}  // namespace

QAction* TfrmMain::Action(std::string_view name) const {
  auto it = Actions_.find(name);
  return it == Actions_.end() ? nullptr : it->second;
}

QMenu* TfrmMain::Menu(std::string_view name) const {
  auto it = Menus_.find(name);
  return it == Menus_.end() ? nullptr : it->second;
}

void TfrmMain::CreateActions() {
  // What each action does; every body runs inside the exception boundary.
  const std::map<std::string_view, std::function<void()>> effects = {
      {"ActionExit",
       [this] {
         ExitWithoutSaving_ = true;
         QApplication::exit(0);
       }},
      {"ActionToMP4", [this] { PopupAtPointer("PopupMenuMP4"); }},
      {"ActionTo3GP", [this] { PopupAtPointer("PopupMenu3GP"); }},
      {"ActionToOthers", [this] { PopupAtPointer("PopupMenuOtherFormats"); }},
      {"ActionBurnDVD", [this] { OpenSiblingTool("zemdisc"); }},
      {"ActionCapture", [this] { OpenSiblingTool("zemcap"); }},
      {"ActionInputBrowse", [this] { AddFilesByDialog(); }},
      {"ActionAdd", [this] { AddFilesByDialog(); }},
      {"ActionDel", [this] { DeleteSelectedFiles(); }},
      {"ActionClearList", [this] { ClearList(); }},
      {"ActionSelectAll", [this] { List_.SelectAll(); }},
      {"ActionMoveUp", [this] { MoveFile(true); }},
      {"ActionMoveDown", [this] { MoveFile(false); }},
      {"ActionOutputBrowse", [this] { OutputBrowse(); }},
      {"ActionPlaySource", [this] { PlaySource(); }},
      {"ActionOpenDestinationFolder", [this] { OpenDestinationFolder(); }},
      {"ActionProfileMore", [this] { PopupAtPointer("PopupMenuProfile"); }},
      {"ActionConvert", [this] { ActionConvertExecute(); }},
      {"ActionSettings", [this] { ShowSettings(); }},
      {"ActionEditProfile", [this] { RunProfileAction(&TProfileStore::EditProfile); }},
      {"ActionAddNewProfile", [this] { RunProfileAction(&TProfileStore::AddProfile); }},
      {"ActionRenameProfile", [this] { RunProfileAction(&TProfileStore::RenameProfile); }},
      {"ActionDeleteProfile", [this] { Store_.DeleteProfile(GlobalVars.OutputFormat); }},
      {"ActionMin", [this] { showMinimized(); }},
      {"ActionHelp", [this] { PopupAtPointer("PopupMenuHelp"); }},
      {"ActionClose", [this] { close(); }},
      {"ActionHelpContent", [this] { ShowHelp(kHelpIntroductionTopic); }},
      {"ActionQuickStart", [this] { ShowHelp(kHelpQuickStartTopic); }},
      {"ActionOnlineResources", [] { ShellOpen(HomePageAddress()); }},
      {"ActionContactTechnicalSupport", [] { ShellOpen(SupportAddress()); }},
      {"ActionAbout", [this] { ShowAbout(); }},
  };
  for (const TActionInfo& info : MainActions()) {
    auto* action = new QAction(this);
    action->setObjectName(Q(info.Name));
    if (!info.Shortcut.empty()) {
      action->setShortcut(QKeySequence(Q(info.Shortcut)));
      // Delete removes files only while the file list has the focus.
      action->setShortcutContext(info.ListShortcut ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
    }
    if (info.ListShortcut)
      ListViewFiles_->addAction(action);
    else
      addAction(action);
    std::function<void()> effect;
    if (auto it = effects.find(info.Name); it != effects.end()) effect = it->second;
    for (const TTargetInfo& t : Targets) {
      if (t.ActionName == info.Name && !OpensMenu(t.ActionName)) {
        int format = t.Format;
        effect = [this, format] { SelectTarget(format); };
      }
    }
    if (effect) connect(action, &QAction::triggered, this, [effect] { Guarded(effect); });
    Actions_.emplace(std::string(info.Name), action);
  }
  // The To Others entries are radio entries: the current target is checked.
  for (const TTargetInfo& t : Targets)
    if (t.InOthersMenu) Action(t.ActionName)->setCheckable(true);
}

void TfrmMain::CreateMenus() {
  LanguagesMI_ = new QMenu(this);
  LanguagesMI_->setObjectName("LanguagesMI");
  LanguageGroup_ = new QActionGroup(this);
  LanguageGroup_->setExclusive(true);

  // "Convert to": every target in reach, though the toolbar is hidden.
  auto* convertTo = new QMenu(this);
  convertTo->setObjectName("ConvertToMI");
  ConvertToGroup_ = new QActionGroup(this);
  ConvertToGroup_->setExclusive(true);
  for (const TTargetInfo& t : Targets) {
    QAction* entry = convertTo->addAction(QString());
    entry->setObjectName(QStringLiteral("ConvertTo%1").arg(Q(OutputFormatNames[t.Format])));
    entry->setCheckable(true);
    ConvertToGroup_->addAction(entry);
    int format = t.Format;
    connect(entry, &QAction::triggered, this, [this, format] {
      Guarded([&] {
        const TTargetInfo* target = TargetOf(format);
        if (QAction* a = Action(target->ActionName); a != nullptr && a->isEnabled()) a->trigger();
        SelectTarget(GlobalVars.OutputFormat);  // a menu left without a choice changes nothing
      });
    });
    ConvertToEntries_[static_cast<size_t>(format)] = entry;
  }
  Menus_.emplace("ConvertToMI", convertTo);

  for (const TMenuInfo& info : MainMenus()) {
    auto* menu = new QMenu(this);
    menu->setObjectName(Q(info.Name));
    for (std::string_view entry : info.Entries) {
      if (entry == kSeparator)
        menu->addSeparator();
      else if (entry == kLanguagesSubmenu)
        menu->addMenu(LanguagesMI_);
      else if (entry == kConvertToSubmenu)
        menu->addMenu(convertTo);
      else
        menu->addAction(Action(entry));
    }
    Menus_.emplace(std::string(info.Name), menu);
  }
  // The device menus are filled from the device presets.
  for (const char* name : {"PopupMenuMP4", "PopupMenu3GP"}) {
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    Menus_.emplace(name, menu);
  }
}

void TfrmMain::BindButtons() {
  static constexpr const char* toolbar[11] = {"ActionExit",   "ActionToAVI", "ActionToMP4", "ActionTo3GP",
                                              "ActionToMPEG", "ActionToMOV", "ActionToWMV", "ActionToRM",
                                              "ActionToSWF",  "ActionToOthers", "ActionBurnDVD"};
  static constexpr const char* main[9] = {"ActionInputBrowse", "ActionMoveUp",      "ActionMoveDown",
                                          "ActionAdd",         "ActionDel",         "ActionOutputBrowse",
                                          "ActionEditProfile", "ActionProfileMore", "ActionConvert"};
  static constexpr const char* system[3] = {"ActionMin", "ActionHelp", "ActionClose"};
  for (size_t i = 0; i < 11; ++i) ToolbarButtons_[i]->SetAction(Action(toolbar[i]));
  for (size_t i = 0; i < 9; ++i) MainButtons_[i]->SetAction(Action(main[i]));
  for (size_t i = 0; i < 3; ++i) SystemButtons_[i]->SetAction(Action(system[i]));
}

// Menus of buttons open where the pointer is, as the actions ask.
void TfrmMain::PopupAtPointer(std::string_view menu) {
  if (QMenu* m = Menu(menu)) m->popup(QCursor::pos());
}

// -------------------------------------------------------------------- targets

void TfrmMain::SelectTarget(int outputFormat) {
  const TTargetInfo* target = TargetOf(outputFormat);
  if (target == nullptr) return;
  for (const TActionState& s : TargetActionStates(outputFormat)) {
    if (QAction* a = Action(s.Name)) {
      a->setEnabled(s.Enabled);
      if (a->isCheckable()) a->setChecked(s.Checked);
    }
  }
  // One profile box is in front; the rest are out of sight and out of the Tab order.
  for (auto& [name, box] : ProfileBoxes_) box->setVisible(name == target->FrontBoxName);
  ProfileBoxes_[std::string(target->FrontBoxName)]->raise();
  GlobalVars.OutputFormat = static_cast<uint8_t>(outputFormat);
  ConvertToEntries_[static_cast<size_t>(outputFormat)]->setChecked(true);
}

// A press on the background where the current target's (inert) toolbar
// button is opens that button's menu.
void TfrmMain::ToolbarClickThrough(QWidget*, const QPoint& localPos) {
  std::string_view current = ToolbarActionName(GlobalVars.OutputFormat);
  if (!OpensMenu(current)) return;
  for (TImageButton* b : ToolbarButtons_) {
    if (b->Action() == nullptr || b->Action()->objectName() != Q(current)) continue;
    QRect r = b->geometry();
    if (localPos.x() > r.left() && localPos.x() < r.right() + 1 && localPos.y() > r.top() &&
        localPos.y() < r.bottom() + 1) {
      if (current == kOthersActionName)
        PopupAtPointer("PopupMenuOtherFormats");
      else
        PopupAtPointer(current == "ActionToMP4" ? "PopupMenuMP4" : "PopupMenu3GP");
    }
  }
}

// -------------------------------------------------------------------- languages

bool TfrmMain::ApplyLanguage() {
  if (!LoadLanguageTypeFile()) return false;
  setWindowTitle(Q(ApplicationTitle()));
  Labels_[0]->setText(Q(ResStr(MSG_APPLICATION_TITLE)));
  Labels_[1]->setText(Q(ApplicationVersionText()));
  for (const TActionInfo& info : MainActions()) {
    QAction* a = Action(info.Name);
    a->setText(Q(ActionCaption(info)));
    // Buttons with a picture only still say what they do.
    a->setToolTip(Q(ActionTip(info)));
  }
  Labels_[2]->setText(Q(ResStr(MSG_INPUTFILENAME)));
  Labels_[3]->setText(Q(ResStr(MSG_OUTPUTDIR)));
  Labels_[4]->setText(Q(ResStr(MSG_PRPFILE)));
  LanguagesMI_->setTitle(Q(ResStr(MSG_LANG)));
  Menu("ConvertToMI")->setTitle(Q(ResStr(MSG_CONVERT_TO)));
  for (const TTargetInfo& t : Targets)
    ConvertToEntries_[static_cast<size_t>(t.Format)]->setText(Q(ResStr(kFormatNames[t.Format])));
  ScrollBox_->ApplyLanguage();
  UpdateSummary();
  PlaceLabels();
  return true;
}

void TfrmMain::BuildLanguageMenu() {
  for (QAction* a : LanguageGroup_->actions()) {
    LanguageGroup_->removeAction(a);
    delete a;
  }
  LanguagesMI_->clear();
  for (const std::string& file : ListLanguageFiles(LanguageFolder())) {
    // The caption's bytes ride along: a file name need not be UTF-8 text.
    QAction* entry = LanguagesMI_->addAction(ShownName(LanguageCaption(file)));
    entry->setData(QByteArray::fromStdString(LanguageCaption(file)));
    entry->setCheckable(true);
    entry->setChecked(IsCurrentLanguage(LanguageCaption(file), GlobalVars.LanguageFile));
    LanguageGroup_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, entry] { Guarded([&] { SwitchLanguage(entry); }); });
  }
}

void TfrmMain::SwitchLanguage(QAction* entry) {
  GlobalVars.LanguageFile = LanguageFileOfCaption(entry->data().toByteArray().toStdString());
  LoadLanguage(LanguageFolder() + GlobalVars.LanguageFile);
  // Without the new language's type file the program cannot go on: the
  // message has been shown, and the program ends.
  if (!ApplyLanguage()) {
    ExitWithoutSaving_ = true;
    QApplication::exit(1);
    return;
  }
  entry->setChecked(true);
}

// -------------------------------------------------------------------- summary

void TfrmMain::UpdateSummary() {
  Labels_[5]->setText(Q(List_.SummaryText()));
  Labels_[5]->adjustSize();
}

// -------------------------------------------------------------------- help, tools, about

void TfrmMain::ShowHelp(const char* topic) {
  std::string path = HelpTopicPath(topic);
  if (FileSize64(path) < 0) {
    MessageBoxText(FormatText(ResStr(MSG_NO_HELP), {path}), ResStr(MSG_NO_DAT_FILE_TITLE),
                   MB_OK | MB_ICONINFORMATION);
    return;
  }
  ShellOpen(path);
}

// The capture and disc tools are programs of their own beside ours; when one
// is not installed its action does nothing.
void TfrmMain::OpenSiblingTool(const char* name) {
  std::string path = ProgramFolder() + name;
  if (FileSize64(path) >= 0) ShellOpen(path);
}

void TfrmMain::ShowAbout() {
  TAboutBox about(this);
  about.exec();
}
