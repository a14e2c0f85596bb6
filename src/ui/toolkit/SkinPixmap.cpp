// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/SkinPixmap.h"

#include "app/ProgramFolder.h"
#include "app/SkinLayout.h"

namespace {

QPixmap Load(const std::string& path, qreal deviceRatio) {
  if (path.empty()) return {};
  if (deviceRatio >= 1.5) {
    std::string twin = path;
    size_t dot = twin.find_last_of('.');
    if (dot != std::string::npos && dot > twin.find_last_of('/')) {
      twin.insert(dot, "@2x");
      QPixmap big(QString::fromStdString(twin));
      if (!big.isNull()) {
        big.setDevicePixelRatio(2.0);
        return big;
      }
    }
  }
  return QPixmap(QString::fromStdString(path));
}

}  // namespace

QPixmap LoadSkinPixmap(const std::string& skinFile, const std::string& picture, qreal deviceRatio) {
  return Load(SkinPictureFile(skinFile, picture), deviceRatio);
}

QPixmap LoadSkinFolderPixmap(const std::string& fileName, qreal deviceRatio) {
  return LoadSkinPixmap(SkinFilePath(), fileName, deviceRatio);
}
