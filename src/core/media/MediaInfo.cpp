// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaInfo.h"

#include <locale.h>
#include <sys/stat.h>

#include <cstddef>
#include <mutex>
#include <sstream>

// The library's own C interface, wide-character variant (the narrow one
// converts through the process locale and mangles UTF-8 names).
#define UNICODE
#include <MediaInfoDLL/MediaInfoDLL_Static.h>
#undef UNICODE

namespace {

// Library-wide options and the reports that depend on them are one critical
// section, so a standard report cannot pick up another thread's "Complete".
std::mutex& OptionMutex() {
  static std::mutex m;
  return m;
}

// Decodes UTF-8; a malformed sequence becomes U+FFFD rather than stopping,
// and `valid` tells whether that happened.
std::wstring FromUtf8(const std::string& text, bool* valid = nullptr) {
  if (valid != nullptr) *valid = true;
  std::wstring out;
  out.reserve(text.size());
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* end = p + text.size();
  while (p < end) {
    unsigned c = *p++;
    if (c < 0x80) {
      out.push_back(static_cast<wchar_t>(c));
      continue;
    }
    int more = c >= 0xC2 && c <= 0xDF   ? 1
               : c >= 0xE0 && c <= 0xEF ? 2
               : c >= 0xF0 && c <= 0xF4 ? 3
                                        : 0;
    bool ok = more > 0 && end - p >= more;
    unsigned value = ok ? c & (0x3Fu >> more) : 0;
    for (int i = 0; ok && i < more; ++i) {
      if ((p[i] & 0xC0) != 0x80) ok = false;
      value = (value << 6) | (p[i] & 0x3Fu);
    }
    static constexpr unsigned kMin[] = {0, 0x80, 0x800, 0x10000};
    if (ok && (value < kMin[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)))
      ok = false;
    if (!ok) {
      out.push_back(static_cast<wchar_t>(0xFFFD));
      if (valid != nullptr) *valid = false;
      continue;  // resume at the next byte: only the lead byte is dropped
    }
    p += more;
    out.push_back(static_cast<wchar_t>(value));
  }
  return out;
}

void AppendUtf8(std::string& out, unsigned c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string ToUtf8(const wchar_t* text) {
  std::string out;
  if (text == nullptr) return out;
  for (; *text != 0; ++text) AppendUtf8(out, static_cast<unsigned>(*text));
  return out;
}

// The library turns a wide path back into bytes through the C locale of the
// calling thread; a program that never called setlocale would lose every
// non-ASCII name. A UTF-8 locale on this thread only leaves the rest of the
// process alone.
class TUtf8ThreadLocale {
 public:
  TUtf8ThreadLocale() {
    static const locale_t utf8 = [] {
      locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
      if (l == static_cast<locale_t>(nullptr))
        l = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(nullptr));
      return l;
    }();
    if (utf8 != static_cast<locale_t>(nullptr)) Previous_ = uselocale(utf8);
  }
  ~TUtf8ThreadLocale() {
    if (Previous_ != static_cast<locale_t>(nullptr)) uselocale(Previous_);
  }
  TUtf8ThreadLocale(const TUtf8ThreadLocale&) = delete;
  TUtf8ThreadLocale& operator=(const TUtf8ThreadLocale&) = delete;

 private:
  locale_t Previous_ = static_cast<locale_t>(nullptr);
};

std::string OptionLocked(const std::string& option, const std::string& value) {
  return ToUtf8(MediaInfo_Option(nullptr, FromUtf8(option).c_str(), FromUtf8(value).c_str()));
}

// Current library versions answer the older parameter names the program asks
// for ("Codec/String", "PlayTime/String3") only in legacy mode. The standard
// report is the same either way.
void EnableLegacyNames() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::lock_guard lock(OptionMutex());
    OptionLocked("Legacy", "1");
  });
}

bool IsRegularFile(const std::string& fileName) {
  struct stat st {};
  return ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

TMediaInfo::TMediaInfo() {
  EnableLegacyNames();
  Handle_ = MediaInfo_New();
}

TMediaInfo::~TMediaInfo() {
  Close();
  if (Handle_ != nullptr) MediaInfo_Delete(Handle_);
}

bool TMediaInfo::Open(const std::string& fileName) {
  Close();
  if (Handle_ == nullptr || fileName.empty() || !IsRegularFile(fileName)) return false;
  // A name that is not UTF-8 cannot be passed on as text; replacing its bad
  // bytes could name, and describe, a different file.
  bool valid = false;
  std::wstring wideName = FromUtf8(fileName, &valid);
  if (!valid) return false;
  TUtf8ThreadLocale utf8;
  Opened_ = MediaInfo_Open(Handle_, wideName.c_str()) != 0;
  return Opened_;
}

bool TMediaInfo::Recognised() const {
  return !Get(TStreamKind::General, 0, "Format").empty();
}

std::string TMediaInfo::Get(TStreamKind kind, std::size_t streamNumber,
                            const std::string& parameter) const {
  if (!Opened_) return {};
  return ToUtf8(MediaInfo_Get(Handle_, static_cast<MediaInfo_stream_C>(kind), streamNumber,
                              FromUtf8(parameter).c_str(), MediaInfo_Info_Text,
                              MediaInfo_Info_Name));
}

std::string TMediaInfo::Inform() const {
  if (!Opened_) return {};
  std::lock_guard lock(OptionMutex());
  return ToUtf8(MediaInfo_Inform(Handle_, 0));
}

std::string TMediaInfo::StandardInform() const {
  if (!Opened_) return {};
  std::lock_guard lock(OptionMutex());
  OptionLocked("Complete", "");
  return ToUtf8(MediaInfo_Inform(Handle_, 0));
}

void TMediaInfo::Close() {
  if (Opened_) MediaInfo_Close(Handle_);
  Opened_ = false;
}

std::string TMediaInfo::Option(const std::string& option, const std::string& value) {
  EnableLegacyNames();
  std::lock_guard lock(OptionMutex());
  return OptionLocked(option, value);
}
