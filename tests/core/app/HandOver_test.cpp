// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandOver.h"

#include <gtest/gtest.h>

namespace {

std::string Number(uint32_t n) {
  std::string out;
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((n >> shift) & 0xFF);
  return out;
}

// A message framed around a payload as given.
std::string Framed(const std::string& payload) {
  return Number(static_cast<uint32_t>(payload.size())) + payload;
}

}  // namespace

TEST(HandOver, FilesGoThereAndBackByteForByte) {
  const std::vector<std::vector<std::string>> lists = {
      {},
      {"/videos/clip.avi"},
      {"/a b/'$x`.mp4", std::string("/not-utf8-\xff\xfe.avi"), "/-dash.avi"},
  };
  for (const auto& files : lists) {
    const std::string message = PackHandOver(files);
    EXPECT_EQ(HandOverMessageSize(message), static_cast<int64_t>(message.size()));
    std::vector<std::string> back = {"left over"};
    EXPECT_TRUE(UnpackHandOver(message, back));
    EXPECT_EQ(back, files);
  }
}

TEST(HandOver, AnythingButOneWellFormedMessageIsRefused) {
  const std::string good = PackHandOver({"/a.avi", "/b.avi"});
  const std::string name = Number(6) + "/a.avi";
  const struct {
    const char* Why;
    std::string Message;
  } cases[] = {
      {"empty", ""},
      {"length only", Number(0)},
      {"cut short", good.substr(0, good.size() - 1)},
      {"bytes after it", good + "x"},
      {"length says more than there is", Number(100) + Number(0)},
      {"count says more than there is", Framed(Number(2) + name)},
      {"count beyond any payload", Framed(Number(0xFFFFFFFF) + name)},
      {"name longer than the rest", Framed(Number(1) + Number(60) + "/a.avi")},
      {"a null name", Framed(Number(1) + Number(0xFFFFFFFF))},
      {"an empty name", Framed(Number(1) + Number(0))},
      {"a relative name", Framed(Number(1) + Number(5) + "a.avi")},
      {"a NUL in a name", Framed(Number(1) + Number(6) + std::string("/a\0avi", 6))},
      {"junk after the names", Framed(Number(1) + name + "zz")},
      {"over the limit", Number(kMaxHandOverBytes + 1) + std::string(16, 'x')},
  };
  for (const auto& c : cases) {
    std::vector<std::string> files = {"kept?"};
    EXPECT_FALSE(UnpackHandOver(c.Message, files)) << c.Why;
    EXPECT_TRUE(files.empty()) << c.Why;
  }
}

TEST(HandOver, TheLengthTellsHowMuchToWaitFor) {
  EXPECT_EQ(HandOverMessageSize(""), 0);
  EXPECT_EQ(HandOverMessageSize(Number(10).substr(0, 3)), 0);
  EXPECT_EQ(HandOverMessageSize(Number(10)), 14);
  EXPECT_EQ(HandOverMessageSize(Number(kMaxHandOverBytes)), int64_t{kMaxHandOverBytes} + 4);
  // 64 MB announced: refused before a byte of it is waited for.
  EXPECT_EQ(HandOverMessageSize(Number(64u << 20)), -1);
  EXPECT_EQ(HandOverMessageSize(Number(0xFFFFFFFF)), -1);
}
