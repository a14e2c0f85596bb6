// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dialogs.h"

#include <cstdio>
#include <utility>

#include "app/GlobalVars.h"
#include "base/TextUtil.h"
#include "base/Utf8.h"

namespace {

TConsoleDialogProvider ConsoleProvider;
TDialogProvider* Provider = &ConsoleProvider;
int WaitDepth = 0;

// A text that already says what it is ("Error: ...") is not labelled twice.
// A file name in the text may be any bytes and the text table writes its line
// breaks as CR LF; the terminal gets neither as they are.
void PrintMessage(const std::string& caption, const std::string& text) {
  if (caption.empty() || text.rfind(caption, 0) == 0)
    std::fprintf(stderr, "%s\n", ShownMessage(text).c_str());
  else
    std::fprintf(stderr, "%s: %s\n", ShownName(caption).c_str(), ShownMessage(text).c_str());
}

}  // namespace

TModalResult ButtonResult(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return mrYes;
    case mbNo:
      return mrNo;
    case mbOK:
      return mrOk;
    case mbCancel:
      return mrCancel;
    case mbAbort:
      return mrAbort;
    case mbRetry:
      return mrRetry;
    case mbIgnore:
      return mrIgnore;
    case mbAll:
      return mrAll;
    case mbNoToAll:
      return mrNoToAll;
    case mbYesToAll:
      return mrYesToAll;
    case mbHelp:
      return mrNone;
  }
  return mrNone;
}

int MessageDialogBeep(TMsgDlgKind kind) {
  switch (kind) {
    case mdWarning:
      return MB_ICONEXCLAMATION;
    case mdError:
      return MB_ICONHAND;
    case mdConfirmation:
      return MB_ICONQUESTION;
    default:
      return MB_OK;
  }
}

int MessageDialogButtonWidth(const std::string& languageFile) {
  return SameTextIgnoringCase(languageFile, "french.ini") ? 110 : 70;
}

TMessageDialogRequest MakeMessageDialogRequest(const std::string& text, const std::string& caption,
                                               TMsgDlgKind kind, int lastButton,
                                               const std::vector<std::string>& captions,
                                               TMsgDlgButtons buttons) {
  TMessageDialogRequest r;
  r.Text = text;
  r.Caption = caption;
  r.Kind = kind;
  r.ButtonWidth = MessageDialogButtonWidth(GlobalVars.LanguageFile);
  r.Beep = MessageDialogBeep(kind);
  for (int b = 0; b < kMsgDlgBtnCount; ++b) {
    if ((buttons & (1u << b)) == 0) continue;
    size_t i = r.Buttons.size();
    std::string label;
    if (static_cast<int>(i) <= lastButton && i < captions.size()) label = captions[i];
    r.Buttons.push_back({static_cast<TMsgDlgBtn>(b), label});
  }
  r.DefaultButton = CautiousButton(r.Buttons);
  return r;
}

TMsgDlgBtn CautiousButton(const std::vector<TMessageDialogRequest::TButton>& buttons) {
  for (TMsgDlgBtn cautious : {mbCancel, mbNo, mbAbort, mbOK})
    for (const auto& b : buttons)
      if (b.Button == cautious) return cautious;
  return buttons.empty() ? mbOK : buttons.front().Button;
}

int TConsoleDialogProvider::MessageBox(const std::string& text, const std::string& caption,
                                       int flags) {
  PrintMessage(caption, text);
  switch (flags & MB_BUTTONS_MASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
      return IDCANCEL;
    case MB_YESNO:
      return IDNO;
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    default:
      return IDOK;
  }
}

TModalResult TConsoleDialogProvider::MessageDialog(const TMessageDialogRequest& request) {
  PrintMessage(request.Caption, request.Text);
  return request.Buttons.empty() ? mrNone : ButtonResult(CautiousButton(request.Buttons));
}

bool TConsoleDialogProvider::BrowseForFolder(const TBrowseRequest&, std::string&) {
  return false;
}

bool TConsoleDialogProvider::OpenFiles(const TFileDialogRequest&, std::vector<std::string>&) {
  return false;
}

bool TConsoleDialogProvider::SaveFile(const TFileDialogRequest&, std::string&) { return false; }

void TConsoleDialogProvider::ShellOpen(const std::string&) {}

void TConsoleDialogProvider::SetWaitCursor(bool) {}

TDialogProvider& DialogProvider() {
  return *Provider;
}

void SetDialogProvider(TDialogProvider* provider) {
  Provider = provider != nullptr ? provider : &ConsoleProvider;
}

TScopedDialogProvider::TScopedDialogProvider(TDialogProvider& provider) : Previous_(Provider) {
  SetDialogProvider(&provider);
}

TScopedDialogProvider::~TScopedDialogProvider() {
  SetDialogProvider(Previous_);
}

int MessageBoxText(const std::string& text, const std::string& caption, int flags) {
  return Provider->MessageBox(text, caption, flags);
}

TModalResult MessageDialog(const std::string& text, const std::string& caption, TMsgDlgKind kind,
                           int lastButton, const std::vector<std::string>& captions,
                           TMsgDlgButtons buttons) {
  return Provider->MessageDialog(
      MakeMessageDialogRequest(text, caption, kind, lastButton, captions, buttons));
}

bool BrowseForFolder(std::string& path, const std::string& title, int flags,
                     const std::string& root) {
  TBrowseRequest request{title, flags, root, path};
  std::string chosen = path;
  if (!Provider->BrowseForFolder(request, chosen)) return false;
  path = chosen;
  return true;
}

bool OpenFilesDialog(const TFileDialogRequest& request, std::vector<std::string>& files) {
  std::vector<std::string> chosen;
  if (!Provider->OpenFiles(request, chosen) || chosen.empty()) return false;
  files = std::move(chosen);
  return true;
}

bool SaveFileDialog(const TFileDialogRequest& request, std::string& file) {
  std::string chosen;
  if (!Provider->SaveFile(request, chosen) || chosen.empty()) return false;
  file = std::move(chosen);
  return true;
}

std::vector<TFileFilter> ParseFileFilter(const std::string& classic) {
  std::vector<TFileFilter> filters;
  std::vector<std::string> pieces = SplitText(classic, '|');
  for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
    TFileFilter f;
    f.Description = std::string(TrimBlanks(pieces[i]));
    for (const std::string& p : SplitText(pieces[i + 1], ';')) {
      std::string_view pattern = TrimBlanks(p);
      if (!pattern.empty()) f.Patterns.emplace_back(pattern);
    }
    if (!f.Description.empty() && !f.Patterns.empty()) filters.push_back(std::move(f));
  }
  return filters;
}

void ShellOpen(const std::string& target) {
  if (target.find_first_not_of(" \t") == std::string::npos) return;
  TWaitCursor wait;
  Provider->ShellOpen(target);
}

void BeginWaitCursor() {
  ++WaitDepth;
  Provider->SetWaitCursor(true);
}

void EndWaitCursor() {
  if (WaitDepth == 0) return;
  if (--WaitDepth == 0) Provider->SetWaitCursor(false);
}

int WaitCursorDepth() {
  return WaitDepth;
}
