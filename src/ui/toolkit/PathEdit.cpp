// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/PathEdit.h"

#include "toolkit/PathText.h"

void TPathEdit::SetPath(const std::string& path) {
  Path_ = path;
  setText(ShownName(path));
}

std::string TPathEdit::Path() const {
  if (text() == ShownName(Path_)) return Path_;
  return text().toUtf8().toStdString();
}
