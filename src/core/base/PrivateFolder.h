// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A fresh folder that only this user can enter (mode 0700), made under
// $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp, and removed with everything in
// it when the object goes. Files one run writes for its children live here,
// so two runs never share them and a read-only program folder still works.
// The folder stays locked while the object lives; one of ours whose maker
// ended without removing it (killed outright) is removed when the next one
// with the same prefix is made.
class TPrivateFolder final {
 public:
  // Throws EKinovertError when no such folder can be made.
  explicit TPrivateFolder(const std::string& prefix);
  ~TPrivateFolder();
  TPrivateFolder(const TPrivateFolder&) = delete;
  TPrivateFolder& operator=(const TPrivateFolder&) = delete;

  // Ends with "/".
  const std::string& Path() const { return Path_; }

  // Removes the abandoned folders of this prefix now (a program's start).
  static void RemoveAbandoned(const std::string& prefix);

 private:
  std::string Path_;
  int Lock_ = -1;
};
