// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/SkinPixmap.h"

#include <QBuffer>
#include <QImageReader>

#include "app/ProgramFolder.h"
#include "app/SkinLayout.h"
#include "base/AtomicFile.h"

namespace {

// A skin picture is a small file: read like any data file (a regular file
// of bounded size; a FIFO or a device named there would never end), and
// decoded only when its own size stays within what a skin can use.
constexpr long long kMaxPictureBytes = 4LL << 20;
constexpr int kMaxPictureSide = 2 * kMaxSkinExtent;

QPixmap Read(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, nullptr, kMaxPictureBytes)) return {};
  QByteArray data = QByteArray::fromStdString(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
  return QPixmap::fromImageReader(&reader);
}

QPixmap Load(const std::string& path, qreal deviceRatio) {
  if (path.empty()) return {};
  if (deviceRatio >= 1.5) {
    std::string twin = path;
    size_t dot = twin.find_last_of('.');
    if (dot != std::string::npos && (twin.find_last_of('/') == std::string::npos || dot > twin.find_last_of('/'))) {
      twin.insert(dot, "@2x");
      QPixmap big = Read(twin);
      if (!big.isNull()) {
        big.setDevicePixelRatio(2.0);
        return big;
      }
    }
  }
  return Read(path);
}

}  // namespace

QPixmap LoadSkinPixmap(const std::string& skinFile, const std::string& picture, qreal deviceRatio) {
  return Load(SkinPictureFile(skinFile, picture), deviceRatio);
}

QPixmap LoadSkinFolderPixmap(const std::string& fileName, qreal deviceRatio) {
  return LoadSkinPixmap(SkinFilePath(), fileName, deviceRatio);
}
