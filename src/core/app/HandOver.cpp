// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandOver.h"

namespace {

void PutNumber(std::string& out, uint32_t n) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((n >> shift) & 0xFF);
}

// Reads a number and moves past it; false when fewer than four bytes are left.
bool TakeNumber(std::string_view& in, uint32_t& n) {
  if (in.size() < 4) return false;
  n = 0;
  for (int i = 0; i < 4; ++i) n = (n << 8) | static_cast<unsigned char>(in[static_cast<size_t>(i)]);
  in.remove_prefix(4);
  return true;
}

bool IsFullPath(std::string_view name) {
  return !name.empty() && name.front() == '/' && name.find('\0') == std::string_view::npos;
}

}  // namespace

std::string PackHandOver(const std::vector<std::string>& files) {
  std::string payload;
  PutNumber(payload, static_cast<uint32_t>(files.size()));
  for (const std::string& f : files) {
    PutNumber(payload, static_cast<uint32_t>(f.size()));
    payload += f;
  }
  std::string message;
  PutNumber(message, static_cast<uint32_t>(payload.size()));
  return message + payload;
}

int64_t HandOverMessageSize(std::string_view head) {
  uint32_t length = 0;
  if (!TakeNumber(head, length)) return 0;
  if (length > kMaxHandOverBytes) return -1;
  return int64_t{length} + 4;
}

bool UnpackHandOver(std::string_view message, std::vector<std::string>& files) {
  files.clear();
  uint32_t length = 0, count = 0;
  if (!TakeNumber(message, length) || length > kMaxHandOverBytes || length != message.size() ||
      !TakeNumber(message, count) || count > message.size() / 4)
    return false;
  std::vector<std::string> names;
  names.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t size = 0;
    if (!TakeNumber(message, size) || size > message.size()) return false;
    std::string_view name = message.substr(0, size);
    if (!IsFullPath(name)) return false;
    names.emplace_back(name);
    message.remove_prefix(size);
  }
  if (!message.empty()) return false;
  files = std::move(names);
  return true;
}
