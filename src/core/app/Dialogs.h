// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Message boxes, the folder browser, opening documents and the wait cursor.
// Core decides what to ask; a TDialogProvider shows it. The default provider
// has no windows (kinovert-cli, tests); the desktop program installs its own,
// and tests install recording ones.

// Message box flags and answers, with the classic message-box values; a
// provider maps them onto its toolkit's buttons and icons.
inline constexpr int MB_OK = 0x0;
inline constexpr int MB_OKCANCEL = 0x1;
inline constexpr int MB_ABORTRETRYIGNORE = 0x2;
inline constexpr int MB_YESNOCANCEL = 0x3;
inline constexpr int MB_YESNO = 0x4;
inline constexpr int MB_RETRYCANCEL = 0x5;
inline constexpr int MB_ICONHAND = 0x10;
inline constexpr int MB_ICONERROR = MB_ICONHAND;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONEXCLAMATION = 0x30;
inline constexpr int MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr int MB_ICONINFORMATION = 0x40;
inline constexpr int MB_DEFBUTTON2 = 0x100;
inline constexpr int MB_BUTTONS_MASK = 0xF;
inline constexpr int MB_ICON_MASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Folder browser flags callers pass on.
inline constexpr int BIF_RETURNONLYFSDIRS = 0x1;
inline constexpr int BIF_NEWDIALOGSTYLE = 0x40;

enum TMsgDlgKind : int { mdWarning = 0, mdError, mdInformation, mdConfirmation, mdCustom };

// The buttons a message dialog can have, in the order the dialog creates them.
enum TMsgDlgBtn : int {
  mbYes = 0,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp
};
inline constexpr int kMsgDlgBtnCount = 11;
using TMsgDlgButtons = unsigned;  // a set: bit (1 << TMsgDlgBtn)
constexpr TMsgDlgButtons ButtonSet(std::initializer_list<TMsgDlgBtn> buttons) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn b : buttons) set |= 1u << b;
  return set;
}

// Modal results of dialogs.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10
};
// What pressing the button returns (mrNone for Help).
TModalResult ButtonResult(TMsgDlgBtn button);

// Which beep goes with a message dialog: MB_ICONEXCLAMATION for a warning,
// MB_ICONHAND for an error, MB_ICONQUESTION for a confirmation, MB_OK otherwise.
int MessageDialogBeep(TMsgDlgKind kind);

// Button width in dialog units: French captions are longer.
int MessageDialogButtonWidth(const std::string& languageFile);

// A message dialog as core has decided it; the provider only shows it.
struct TMessageDialogRequest {
  struct TButton {
    TMsgDlgBtn Button;
    std::string Caption;  // empty: the toolkit's own caption
  };
  std::string Text;
  std::string Caption;
  TMsgDlgKind Kind = mdInformation;
  std::vector<TButton> Buttons;  // in creation order
  // Pressed by Enter: the answer that loses nothing (see CautiousButton).
  TMsgDlgBtn DefaultButton = mbOK;
  int ButtonWidth = 70;
  int Beep = MB_OK;
};

// Of the buttons, the answer that changes nothing: Cancel, else No, else
// Abort, else OK, else the first one. A question that may stop work,
// overwrite or delete something gets it as its default, and a program
// without windows takes it as the answer.
TMsgDlgBtn CautiousButton(const std::vector<TMessageDialogRequest::TButton>& buttons);

// The request for text, caption and kind with the given button set; the i-th
// created button gets captions[i] when that is not empty, for i up to
// lastButton. Captions beyond the buttons are ignored. Its default button is
// the cautious one.
TMessageDialogRequest MakeMessageDialogRequest(const std::string& text, const std::string& caption,
                                               TMsgDlgKind kind, int lastButton,
                                               const std::vector<std::string>& captions,
                                               TMsgDlgButtons buttons);

struct TBrowseRequest {
  std::string Title;
  int Flags = 0;
  std::string Root;  // empty: the whole file system
  std::string Path;  // selected on opening
};

// The classic filter text "Description|*.a;*.b|…|All Files|*.*" as pairs of
// description and patterns; a description without patterns is dropped.
struct TFileFilter {
  std::string Description;
  std::vector<std::string> Patterns;  // "*.a", "*.b"
};
std::vector<TFileFilter> ParseFileFilter(const std::string& classic);

struct TFileDialogRequest {
  std::string Title;
  std::string Folder;     // where the dialog opens
  std::string FileName;   // proposed name (save)
  std::string Filter;     // classic filter text, see ParseFileFilter
  std::string DefaultExt; // added to a saved name without extension ("txt")
  bool MultiSelect = false;
  bool ConfirmOverwrite = false;  // save: ask before replacing a file
};

class TDialogProvider {
 public:
  virtual ~TDialogProvider() = default;
  // flags: MB_* buttons and icon; returns an ID* answer.
  virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
  virtual TModalResult MessageDialog(const TMessageDialogRequest& request) = 0;
  // True and the chosen folder in path on OK; false and path untouched otherwise.
  virtual bool BrowseForFolder(const TBrowseRequest& request, std::string& path) = 0;
  // True and the chosen files in dialog order on OK.
  virtual bool OpenFiles(const TFileDialogRequest& request, std::vector<std::string>& files) = 0;
  // True and the chosen file on OK (overwrite already confirmed when asked).
  virtual bool SaveFile(const TFileDialogRequest& request, std::string& file) = 0;
  // Opens a document, address or "mailto:" target with the desktop's handler.
  virtual void ShellOpen(const std::string& target) = 0;
  virtual void SetWaitCursor(bool busy) = 0;
};

// Without windows: messages go to stderr and every question gets its most
// cautious answer (Cancel, else No, else Abort, else OK), so nothing is
// overwritten or deleted unasked. Browsing is cancelled; opening does nothing.
class TConsoleDialogProvider : public TDialogProvider {
 public:
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  TModalResult MessageDialog(const TMessageDialogRequest& request) override;
  bool BrowseForFolder(const TBrowseRequest& request, std::string& path) override;
  bool OpenFiles(const TFileDialogRequest& request, std::vector<std::string>& files) override;
  bool SaveFile(const TFileDialogRequest& request, std::string& file) override;
  void ShellOpen(const std::string& target) override;
  void SetWaitCursor(bool busy) override;
};

// The provider in use; nullptr brings back the console one. The caller keeps
// ownership and must restore the previous provider before freeing its own.
TDialogProvider& DialogProvider();
void SetDialogProvider(TDialogProvider* provider);

// Installs a provider for the lifetime of the guard (tests, the GUI's main).
class TScopedDialogProvider {
 public:
  explicit TScopedDialogProvider(TDialogProvider& provider);
  ~TScopedDialogProvider();
  TScopedDialogProvider(const TScopedDialogProvider&) = delete;
  TScopedDialogProvider& operator=(const TScopedDialogProvider&) = delete;

 private:
  TDialogProvider* Previous_;
};

int MessageBoxText(const std::string& text, const std::string& caption, int flags);
// The button width follows GlobalVars.LanguageFile.
TModalResult MessageDialog(const std::string& text, const std::string& caption, TMsgDlgKind kind,
                           int lastButton, const std::vector<std::string>& captions,
                           TMsgDlgButtons buttons);
bool BrowseForFolder(std::string& path, const std::string& title, int flags,
                     const std::string& root);
bool OpenFilesDialog(const TFileDialogRequest& request, std::vector<std::string>& files);
bool SaveFileDialog(const TFileDialogRequest& request, std::string& file);
// Nothing for a blank target; the wait cursor shows during the call.
void ShellOpen(const std::string& target);

// Nestable wait cursor: Begin always shows it and deepens; End does nothing at
// depth 0, else goes up one level and brings the normal cursor back at 0.
void BeginWaitCursor();
void EndWaitCursor();
int WaitCursorDepth();

class TWaitCursor {
 public:
  TWaitCursor() { BeginWaitCursor(); }
  ~TWaitCursor() { EndWaitCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};
