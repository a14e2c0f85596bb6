// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "app/Dialogs.h"

// Core's dialogs as Qt shows them: message boxes with the icon, buttons and
// beep the flags ask for, the folder and file dialogs, the desktop's handler
// for documents and addresses, and the wait cursor. Each dialog is modal
// over the window that is active when it opens.
class TQtDialogProvider final : public TDialogProvider {
 public:
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  TModalResult MessageDialog(const TMessageDialogRequest& request) override;
  bool BrowseForFolder(const TBrowseRequest& request, std::string& path) override;
  bool OpenFiles(const TFileDialogRequest& request, std::vector<std::string>& files) override;
  bool SaveFile(const TFileDialogRequest& request, std::string& file) override;
  void ShellOpen(const std::string& target) override;
  void SetWaitCursor(bool busy) override;
};

// While a modal dialog is open over a busy program, the pointer is the normal
// one: the user is asked something and must see that clicks are welcome.
class TNormalCursorWhileOpen final {
 public:
  TNormalCursorWhileOpen();
  ~TNormalCursorWhileOpen();
  TNormalCursorWhileOpen(const TNormalCursorWhileOpen&) = delete;
  TNormalCursorWhileOpen& operator=(const TNormalCursorWhileOpen&) = delete;

 private:
  bool Changed_ = false;
};

// The Qt form of a classic filter: "Description (*.a *.b);;…".
QString QtFileFilter(const std::string& classic);
