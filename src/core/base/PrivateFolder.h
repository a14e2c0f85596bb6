// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A fresh folder that only this user can enter (mode 0700), made under
// $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp, and removed with everything in
// it when the object goes. Files one run writes for its children live here,
// so two runs never share them and a read-only program folder still works.
class TPrivateFolder final {
 public:
  // Throws EKinovertError when no such folder can be made.
  explicit TPrivateFolder(const std::string& prefix);
  ~TPrivateFolder();
  TPrivateFolder(const TPrivateFolder&) = delete;
  TPrivateFolder& operator=(const TPrivateFolder&) = delete;

  // Ends with "/".
  const std::string& Path() const { return Path_; }

 private:
  std::string Path_;
};
