// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorDesc.h"

std::string ControlSuffix(const TVideoBlockDesc& block) {
  return std::string(block.ControlSuffix.empty() ? block.Suffix : block.ControlSuffix);
}

std::string PageName(const TVideoBlockDesc& block) {
  return block.PageName.empty() ? "TabSheet" + ControlSuffix(block) : std::string(block.PageName);
}

std::string PageName(const TAudioBlockDesc& block) {
  return std::string(block.PageName.empty() ? "TabSheet" + std::string(block.Suffix)
                                            : std::string(block.PageName));
}
