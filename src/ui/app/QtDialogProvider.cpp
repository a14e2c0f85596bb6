// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtDialogProvider.h"

#include <QApplication>
#include <QDir>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "lang/ResStr.h"
#include "toolkit/PathText.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Texts hold CR LF line breaks, as the language files write them.
QString Lines(const std::string& text) {
  QString t = Q(text);
  t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

QWidget* Owner() { return QApplication::activeWindow(); }

QMessageBox::Icon IconOf(int flags) {
  switch (flags & MB_ICON_MASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QMessageBox::Icon IconOf(TMsgDlgKind kind) {
  switch (kind) {
    case mdWarning: return QMessageBox::Warning;
    case mdError: return QMessageBox::Critical;
    case mdInformation: return QMessageBox::Information;
    case mdConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

struct TButtonRole {
  int Id;
  TMsgKey Caption;
  QMessageBox::ButtonRole Role;
};

// The buttons of each MB_ button set, in the order they are shown.
std::vector<TButtonRole> ButtonsOf(int flags) {
  switch (flags & MB_BUTTONS_MASK) {
    case MB_OKCANCEL: return {{IDOK, MSG_OK, QMessageBox::AcceptRole}, {IDCANCEL, MSG_CANCEL, QMessageBox::RejectRole}};
    case MB_YESNOCANCEL:
      return {{IDYES, MSG_YES, QMessageBox::YesRole},
              {IDNO, MSG_NO, QMessageBox::NoRole},
              {IDCANCEL, MSG_CANCEL, QMessageBox::RejectRole}};
    case MB_YESNO: return {{IDYES, MSG_YES, QMessageBox::YesRole}, {IDNO, MSG_NO, QMessageBox::NoRole}};
    default: return {{IDOK, MSG_OK, QMessageBox::AcceptRole}};
  }
}

// A beep goes with every box that has an icon, as the desktop's own do.
void Beep(int kind) {
  if (kind != MB_OK) QApplication::beep();
}

bool WaitCursorShown = false;

}  // namespace

TNormalCursorWhileOpen::TNormalCursorWhileOpen() {
  if (QApplication::overrideCursor() != nullptr) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    Changed_ = true;
  }
}

TNormalCursorWhileOpen::~TNormalCursorWhileOpen() {
  if (Changed_) QApplication::restoreOverrideCursor();
}

int TQtDialogProvider::MessageBox(const std::string& text, const std::string& caption, int flags) {
  QMessageBox box(IconOf(flags), Q(caption), Lines(text), QMessageBox::NoButton, Owner());
  // Texts hold file names, which are shown as they are, never as markup.
  box.setTextFormat(Qt::PlainText);
  std::vector<std::pair<QAbstractButton*, int>> answers;
  std::vector<TButtonRole> buttons = ButtonsOf(flags);
  for (const TButtonRole& b : buttons) answers.emplace_back(box.addButton(Q(ResStr(b.Caption)), b.Role), b.Id);
  size_t def = (flags & MB_DEFBUTTON2) != 0 && answers.size() > 1 ? 1 : 0;
  box.setDefaultButton(qobject_cast<QPushButton*>(answers[def].first));
  // Esc and the close box give the cautious answer: Cancel, else No, else OK.
  int escape = buttons.back().Id;
  for (auto& [button, id] : answers)
    if (id == escape) box.setEscapeButton(button);
  Beep(flags & MB_ICON_MASK);
  TNormalCursorWhileOpen normal;
  box.exec();
  for (auto& [button, id] : answers)
    if (box.clickedButton() == button) return id;
  return escape;
}

TModalResult TQtDialogProvider::MessageDialog(const TMessageDialogRequest& request) {
  QMessageBox box(IconOf(request.Kind), Q(request.Caption), Lines(request.Text), QMessageBox::NoButton,
                  Owner());
  box.setTextFormat(Qt::PlainText);
  std::vector<std::pair<QPushButton*, TMsgDlgBtn>> buttons;
  // A dialog unit is about a quarter of an average character.
  int minWidth = request.ButtonWidth * box.fontMetrics().averageCharWidth() / 4;
  for (const auto& b : request.Buttons) {
    QString caption;
    if (!b.Caption.empty()) {
      caption = Q(b.Caption);
    } else {
      switch (b.Button) {
        case mbYes: caption = Q(ResStr(MSG_YES)); break;
        case mbNo: caption = Q(ResStr(MSG_NO)); break;
        case mbOK: caption = Q(ResStr(MSG_OK)); break;
        case mbCancel: caption = Q(ResStr(MSG_CANCEL)); break;
        default: caption = QString::number(b.Button); break;
      }
    }
    QPushButton* button = box.addButton(caption, QMessageBox::ActionRole);
    button->setMinimumWidth(std::max(minWidth, button->sizeHint().width()));
    buttons.emplace_back(button, b.Button);
  }
  // Enter gives the answer that loses nothing, never "Stop now" or "Yes".
  for (auto& [button, id] : buttons)
    if (id == request.DefaultButton) box.setDefaultButton(button);
  for (auto& [button, id] : buttons)
    if (id == mbCancel || (id == mbNo && buttons.size() == 2)) box.setEscapeButton(button);
  Beep(request.Beep);
  TNormalCursorWhileOpen normal;
  box.exec();
  for (auto& [button, id] : buttons)
    if (box.clickedButton() == button) return ButtonResult(id);
  return mrCancel;
}

bool TQtDialogProvider::BrowseForFolder(const TBrowseRequest& request, std::string& path) {
  TNormalCursorWhileOpen normal;
  QUrl chosen =
      QFileDialog::getExistingDirectoryUrl(Owner(), Q(request.Title), UrlOfLocalPath(request.Path));
  std::string folder = LocalPathOf(chosen);
  if (folder.empty()) return false;
  path = folder;
  return true;
}

QString QtFileFilter(const std::string& classic) {
  QStringList parts;
  for (const TFileFilter& f : ParseFileFilter(classic)) {
    QStringList patterns;
    for (const std::string& p : f.Patterns) patterns << Q(p);
    // "*.*" means every file here, extension or not.
    QString list = patterns.join(QLatin1Char(' ')).replace(QLatin1String("*.*"), QLatin1String("*"));
    // A description that names its patterns itself, "Text Files (*.txt)",
    // would show them twice once Qt's own group follows.
    QString description = Q(f.Description).trimmed();
    if (description.endsWith(QLatin1Char(')'))) {
      const qsizetype open = description.lastIndexOf(QLatin1Char('('));
      if (open > 0) description = description.left(open).trimmed();
    }
    parts << QStringLiteral("%1 (%2)").arg(description, list);
  }
  return parts.join(QLatin1String(";;"));
}

bool TQtDialogProvider::OpenFiles(const TFileDialogRequest& request, std::vector<std::string>& files) {
  QFileDialog dialog(Owner(), Q(request.Title), QString(), QtFileFilter(request.Filter));
  dialog.setDirectoryUrl(UrlOfLocalPath(request.Folder));
  dialog.setFileMode(request.MultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly);
  TNormalCursorWhileOpen normal;
  if (dialog.exec() != QDialog::Accepted) return false;
  for (const QUrl& url : dialog.selectedUrls())
    if (std::string file = LocalPathOf(url); !file.empty()) files.push_back(file);
  return !files.empty();
}

bool TQtDialogProvider::SaveFile(const TFileDialogRequest& request, std::string& file) {
  QString start = Q(request.Folder);
  if (!request.FileName.empty()) start = QDir(start).filePath(Q(request.FileName));
  QFileDialog dialog(Owner(), Q(request.Title), start, QtFileFilter(request.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(Q(request.DefaultExt));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
  TNormalCursorWhileOpen normal;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty()) return false;
  file = LocalPathOf(dialog.selectedUrls().front());
  return !file.empty();
}

void TQtDialogProvider::ShellOpen(const std::string& target) {
  // A path is opened as a file: its name may hold characters an address
  // would read otherwise, and bytes that are no text at all.
  QUrl url = target.rfind('/', 0) == 0 ? UrlOfLocalPath(target) : QUrl(Q(target));
  QDesktopServices::openUrl(url);
}

// Core counts the nesting; here the cursor is simply on or off.
void TQtDialogProvider::SetWaitCursor(bool busy) {
  if (busy == WaitCursorShown) return;
  WaitCursorShown = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}
