// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <string>

// An edit box for a folder path that keeps the path's bytes beside the text
// it shows: a name that is not UTF-8 is shown with replacement characters,
// yet the path read back is the one that was set, as long as the user has
// not typed another.
class TPathEdit final : public QLineEdit {
  Q_OBJECT
 public:
  explicit TPathEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

  void SetPath(const std::string& path);
  // The path set when the text is still the one shown for it; otherwise the
  // text as typed.
  std::string Path() const;

 private:
  std::string Path_;
};
