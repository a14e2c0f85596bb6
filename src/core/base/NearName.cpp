// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NearName.h"

#include <algorithm>

#include "base/TextUtil.h"

size_t EditDistance(std::string_view a, std::string_view b) {
  const std::string x = LowerCaseAscii(a), y = LowerCaseAscii(b);
  const size_t n = x.size(), m = y.size();
  // Three rows are enough: a swap looks back two rows.
  std::vector<size_t> before(m + 1), last(m + 1), row(m + 1);
  for (size_t j = 0; j <= m; ++j) last[j] = j;
  for (size_t i = 1; i <= n; ++i) {
    row[0] = i;
    for (size_t j = 1; j <= m; ++j) {
      const size_t change = x[i - 1] == y[j - 1] ? 0 : 1;
      row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + change});
      if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
        row[j] = std::min(row[j], before[j - 2] + 1);
    }
    std::swap(before, last);
    std::swap(last, row);
  }
  return last[m];
}

std::string NearestName(std::string_view name, const std::vector<std::string>& candidates) {
  const size_t allowed = name.size() / 4;
  const std::string lowered = LowerCaseAscii(name);
  const std::string* best = nullptr;
  size_t bestDistance = 0;
  for (const std::string& c : candidates) {
    const size_t d = EditDistance(name, c);
    const bool prefix = name.size() >= 3 && LowerCaseAscii(c).rfind(lowered, 0) == 0;
    if (d > allowed && !prefix) continue;
    if (best == nullptr || d < bestDistance) {
      best = &c;
      bestDistance = d;
    }
  }
  return best == nullptr ? std::string() : *best;
}
