// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FormatText.h"

std::string FormatText(const std::string& format, std::initializer_list<std::string> args) {
  std::string out;
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      char d = format[i + 1];
      if (d == '%') {
        out += '%';
        ++i;
        continue;
      }
      if ((d == 's' || d == 'd') && next != args.end()) {
        out += *next++;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}
