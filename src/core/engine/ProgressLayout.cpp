// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ProgressLayout.h"

#include <algorithm>

namespace {

constexpr int kFrench = 1;
constexpr int kGapToCancel = 8;

}  // namespace

TButtonPlace TrayButtonPlace(int buildLanguage, int neededWidth, int cancelLeft, int minLeft) {
  const bool french = buildLanguage == kFrench;
  const int right = std::min(french ? 160 + 225 : 270 + 110, cancelLeft - kGapToCancel);
  const int width = std::max(french ? 225 : 110, neededWidth);
  const int left = std::max(minLeft, right - width);
  return {left, right - left};
}
