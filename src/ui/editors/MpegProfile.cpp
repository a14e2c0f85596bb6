// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/MpegProfile.h"

#include <QTabWidget>

#include "app/GlobalVars.h"
#include "editors/DvdPage.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/GeneralTab.h"
#include "editors/PresetFormatsGroup.h"

TfrmMPEGProfile::TfrmMPEGProfile(QWidget* owner) : TProfileEditor(*FindEditorDesc(ofMPEG), owner) {
  Presets_ = new TPresetFormatsGroup(State(), GeneralTab());
  GeneralTab()->InsertAboveLists(Presets_);
  Dvd_ = new TDvdPage(*State().Mpeg, Tabs());
  Tabs()->addTab(Dvd_, LangText(MSG_DVD_PAGE));
  connect(Presets_, &TPresetFormatsGroup::Edited, this, &TfrmMPEGProfile::SyncAll);
  connect(Dvd_, &TDvdPage::Edited, this, &TfrmMPEGProfile::SyncAll);
}

void TfrmMPEGProfile::SyncAll() {
  TProfileEditor::SyncAll();
  Presets_->Sync();
  Dvd_->Sync();
  ShowTab(Tabs(), Dvd_, State().DvdTabVisible());
}
