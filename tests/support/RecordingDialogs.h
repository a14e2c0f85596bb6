// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/Dialogs.h"

// A dialog provider for tests: installed for its lifetime, it records every
// request and answers from queues (then with the defaults below), so window
// and core tests run without a person.
class TRecordingDialogs final : public TDialogProvider {
 public:
  struct TMessage {
    std::string Text;
    std::string Caption;
    int Flags = 0;
  };

  TRecordingDialogs() : Use_(*this) {}

  int MessageBox(const std::string& text, const std::string& caption, int flags) override {
    Messages.push_back({text, caption, flags});
    if (OnMessage) OnMessage(Messages.back());
    return Next(BoxAnswers, DefaultBoxAnswer);
  }
  TModalResult MessageDialog(const TMessageDialogRequest& request) override {
    Dialogs.push_back(request);
    if (OnDialog) OnDialog(request);
    return Next(DialogAnswers, DefaultDialogAnswer);
  }
  bool BrowseForFolder(const TBrowseRequest& request, std::string& path) override {
    Browses.push_back(request);
    if (Folder.empty()) return false;
    path = Folder;
    return true;
  }
  bool OpenFiles(const TFileDialogRequest& request, std::vector<std::string>& files) override {
    Opens.push_back(request);
    files = FilesToOpen;
    return !files.empty();
  }
  bool SaveFile(const TFileDialogRequest& request, std::string& file) override {
    Saves.push_back(request);
    file = FileToSave;
    return !file.empty();
  }
  void ShellOpen(const std::string& target) override { Opened.push_back(target); }
  void SetWaitCursor(bool busy) override { Cursor.push_back(busy); }

  // Answers, taken front first; when a queue is empty the default answers.
  std::deque<int> BoxAnswers;
  int DefaultBoxAnswer = IDOK;
  std::deque<TModalResult> DialogAnswers;
  TModalResult DefaultDialogAnswer = mrCancel;
  std::string Folder;                    // browse: empty = cancelled
  std::vector<std::string> FilesToOpen;  // open: empty = cancelled
  std::string FileToSave;                // save: empty = cancelled
  // Called while a box is "open" (to act during a modal question).
  std::function<void(const TMessage&)> OnMessage;
  std::function<void(const TMessageDialogRequest&)> OnDialog;

  std::vector<TMessage> Messages;
  std::vector<TMessageDialogRequest> Dialogs;
  std::vector<TBrowseRequest> Browses;
  std::vector<TFileDialogRequest> Opens;
  std::vector<TFileDialogRequest> Saves;
  std::vector<std::string> Opened;
  std::vector<bool> Cursor;

 private:
  template <class T>
  static T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T answer = queue.front();
    queue.pop_front();
    return answer;
  }
  TScopedDialogProvider Use_;
};
