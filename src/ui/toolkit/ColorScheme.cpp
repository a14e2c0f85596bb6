// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/ColorScheme.h"

#include <QString>
#include <QWidget>

namespace {

struct TColors {
  const char* Face;       // edits, combo boxes, lists
  const char* Text;
  const char* Selection;
  const char* SelectedText;
  const char* Handle;     // scroll bar handles, gauge chunks
  const char* Groove;
};

constexpr TColors kLight = {"#C3F7FF", "#16222E", "#2B7BD6", "#FFFFFF", "#8FB3CC", "#E4EEF4"};
constexpr TColors kDark = {"#3F5B73", "#FFFFFF", "#F07A2E", "#FFFFFF", "#7D9AB2", "#2C4356"};

}  // namespace

const char* ColorSchemeName(TColorScheme scheme) {
  return scheme == TColorScheme::Light ? "kvoskin (internal)" : "zqvskin (internal)";
}

void ApplyColorScheme(QWidget* root, TColorScheme scheme) {
  const TColors& c = scheme == TColorScheme::Light ? kLight : kDark;
  root->setProperty("colorScheme", ColorSchemeName(scheme));
  // Only the main window's own edit-like controls take the scheme; the
  // media panel and the dialogs keep the desktop's colours.
  root->setStyleSheet(QString(R"(
#editOutputFileName, #ListViewFiles, #ListViewFormats, QComboBox[profileBox="true"] {
  background: %1; color: %2; selection-background-color: %3; selection-color: %4; border: none; }
QComboBox[profileBox="true"] { padding-left: 4px; }
QComboBox[profileBox="true"] QAbstractItemView { background: %1; color: %2;
  selection-background-color: %3; selection-color: %4; }
#ListViewFiles QScrollBar, #ListViewFormats QScrollBar { background: %6; width: 12px; height: 12px; }
#ListViewFiles QScrollBar::handle, #ListViewFormats QScrollBar::handle { background: %5; border-radius: 4px;
  min-height: 20px; min-width: 20px; margin: 2px; }
#ListViewFiles QScrollBar::add-line, #ListViewFiles QScrollBar::sub-line,
#ListViewFormats QScrollBar::add-line, #ListViewFormats QScrollBar::sub-line { width: 0; height: 0; }
QProgressBar { background: %6; border: none; border-radius: 3px; }
QProgressBar::chunk { background: %5; border-radius: 3px; }
)")
                          .arg(c.Face, c.Text, c.Selection, c.SelectedText, c.Handle, c.Groove));
}
