// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ProfileEditors.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/GlobalVars.h"
#include "app/DialogPlacement.h"
#include "editors/MpegProfile.h"
#include "editors/ProfileEditor.h"
#include "editors/TgpProfile.h"
#include "profiles/ProfileSettings.h"

std::unique_ptr<TProfileEditor> CreateProfileEditor(QWidget* owner, int outputFormat) {
  if (outputFormat == of3GP) return std::make_unique<TfrmTGPProfile>(owner);
  if (outputFormat == ofMPEG) return std::make_unique<TfrmMPEGProfile>(owner);
  const TEditorDesc* desc = FindEditorDesc(outputFormat);
  if (desc == nullptr) return nullptr;
  return std::make_unique<TProfileEditor>(*desc, owner);
}

bool RunProfileEditor(QWidget* owner, int outputFormat) {
  std::unique_ptr<TProfileEditor> editor = CreateProfileEditor(owner, outputFormat);
  if (editor == nullptr) return false;
  editor->LoadControls();
  CentreOverOwner(editor.get(), owner);
  if (editor->exec() != QDialog::Accepted) return false;
  editor->SaveControls();
  return true;
}

bool EditProfileFromEnvironment(QWidget* owner) {
  const char* value = std::getenv("KINOVERT_EDIT_PROFILE");
  if (value == nullptr || *value == '\0') return false;
  const std::string text(value);
  const size_t colon = text.find(':');
  const int format = colon == std::string::npos ? -1 : OutputFormatFromName(text.substr(0, colon));
  if (format < 0 || colon + 1 >= text.size()) {
    std::fprintf(stderr, "KINOVERT_EDIT_PROFILE: expected <format>:<file>, got \"%s\"\n", value);
    return true;
  }
  const std::string file = text.substr(colon + 1);
  DefaultProfile(format);
  std::error_code error;
  if (std::filesystem::exists(file, error)) LoadProfile(format, file);
  if (RunProfileEditor(owner, format)) SaveProfile(format, file);
  return true;
}
