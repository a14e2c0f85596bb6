// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaInfo.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "base/Utf8.h"

// The library's own C interface, wide-character variant (the narrow one
// converts through the process locale).
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

std::wstring Wide(const std::string& text) {
  std::u32string decoded = DecodeUtf8(text);
  return std::wstring(decoded.begin(), decoded.end());
}

std::string ToUtf8(const wchar_t* text) {
  std::string out;
  if (text == nullptr) return out;
  for (; *text != 0; ++text) AppendUtf8(out, static_cast<char32_t>(*text));
  return out;
}

std::string OptionLocked(const std::string& option, const std::string& value) {
  return ToUtf8(MediaInfo_Option(nullptr, Wide(option).c_str(), Wide(value).c_str()));
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

// What one query may cost at most, however large the file and however often
// the library asks to go elsewhere in it: a damaged file ends its query with
// what was found rather than keeping the adder busy.
constexpr std::size_t kChunkSize = 64 * 1024;
constexpr std::uint64_t kMaxBytesHanded = 256ull * 1024 * 1024;
constexpr int kMaxJumps = 4096;
// Bit 3 of the answer to a chunk: the library has all it wants.
constexpr std::size_t kParsingFinished = 0x08;

class TReadOnlyFile {
 public:
  // Opening never waits: a FIFO without a writer would otherwise hold the
  // caller until one comes. Such a file is refused below anyway.
  explicit TReadOnlyFile(const std::string& name)
      : Fd_(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
  ~TReadOnlyFile() {
    if (Fd_ >= 0) ::close(Fd_);
  }
  TReadOnlyFile(const TReadOnlyFile&) = delete;
  TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

  // The size of a non-empty regular file; 0 for anything else.
  std::uint64_t RegularSize() const {
    struct stat st {};
    if (Fd_ < 0 || ::fstat(Fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) return 0;
    return static_cast<std::uint64_t>(st.st_size);
  }
  // Up to `size` bytes at `offset`; -1 on a read error.
  ssize_t ReadAt(unsigned char* into, std::size_t size, std::uint64_t offset) const {
    for (;;) {
      ssize_t n = ::pread(Fd_, into, size, static_cast<off_t>(offset));
      if (n >= 0 || errno != EINTR) return n;
    }
  }

 private:
  int Fd_;
};

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
  if (Handle_ == nullptr || fileName.empty()) return false;
  // The file is opened and read here and its bytes handed over: the library
  // takes names as text, and a name that is not UTF-8 has no text that names
  // it. Only the name it reports is the name as shown.
  TReadOnlyFile file(fileName);
  const std::uint64_t size = file.RegularSize();
  if (size == 0) return false;
  MediaInfo_Option(Handle_, L"File_FileName", Wide(ShownText(fileName)).c_str());
  MediaInfo_Open_Buffer_Init(Handle_, size, 0);
  Opened_ = true;
  std::vector<unsigned char> chunk(kChunkSize);
  std::uint64_t offset = 0, handed = 0;
  int jumps = 0;
  while (offset < size && handed < kMaxBytesHanded) {
    ssize_t n = file.ReadAt(
        chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, size - offset)),
        offset);
    if (n <= 0) break;  // a read error, or the file got shorter meanwhile
    offset += static_cast<std::uint64_t>(n);
    handed += static_cast<std::uint64_t>(n);
    if (MediaInfo_Open_Buffer_Continue(Handle_, chunk.data(), static_cast<std::size_t>(n)) &
        kParsingFinished)
      break;
    const std::uint64_t wanted = MediaInfo_Open_Buffer_Continue_GoTo_Get(Handle_);
    if (wanted == static_cast<std::uint64_t>(-1)) continue;
    if (wanted >= size || ++jumps > kMaxJumps) break;
    offset = wanted;
    MediaInfo_Open_Buffer_Init(Handle_, size, offset);
  }
  // Nothing could be read at all: as unreadable as a file one may not open.
  if (handed == 0) {
    Close();
    return false;
  }
  MediaInfo_Open_Buffer_Finalize(Handle_);
  return true;
}

std::string TMediaInfo::Get(TStreamKind kind, std::size_t streamNumber,
                            const std::string& parameter) const {
  if (!Opened_) return {};
  return ToUtf8(MediaInfo_Get(Handle_, static_cast<MediaInfo_stream_C>(kind), streamNumber,
                              Wide(parameter).c_str(), MediaInfo_Info_Text, MediaInfo_Info_Name));
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
