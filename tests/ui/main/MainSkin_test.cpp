// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-edited skin can neither hide the window nor hold up the start.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QScreen>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "MainTesting.h"
#include "app/SkinLayout.h"
#include "base/IniFile.h"
#include "toolkit/SkinPixmap.h"

namespace {

std::string SkinFile(const TTempDir& home) {
  return home / "skin/kvo/skin/skin.ini";
}

void SetSkinValues(const TTempDir& home,
                   const std::vector<std::pair<const char*, std::string>>& values) {
  TIniFile ini(SkinFile(home));
  for (const auto& [key, value] : values) ini.WriteString("MAINFORM", key, value);
  ini.UpdateFile();
}

// Opens the FIFO's other end if the code under test is still stuck on it
// after a long while, so that a regression fails instead of hanging.
class TFifoWatch {
 public:
  explicit TFifoWatch(std::string fifo) : Fifo_(std::move(fifo)), Thread_([this] { Watch(); }) {}
  ~TFifoWatch() {
    {
      std::lock_guard<std::mutex> lock(Mutex_);
      Done_ = true;
    }
    Wake_.notify_all();
    Thread_.join();
  }
  bool HadToUnblock() const { return Unblocked_; }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(Mutex_);
    if (Wake_.wait_for(lock, std::chrono::seconds(30), [this] { return Done_; })) return;
    Unblocked_ = true;
    int fd = ::open(Fifo_.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  std::string Fifo_;
  std::mutex Mutex_;
  std::condition_variable Wake_;
  bool Done_ = false;
  std::atomic<bool> Unblocked_{false};
  std::thread Thread_;
};

// A PNG header that claims the given size, with no picture behind it.
std::string PngClaiming(uint32_t width, uint32_t height) {
  auto crc = [](const std::string& bytes) {
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
      c ^= b;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
  };
  auto be = [](uint32_t n) {
    std::string s;
    for (int shift = 24; shift >= 0; shift -= 8) s += static_cast<char>((n >> shift) & 0xFF);
    return s;
  };
  std::string ihdr = "IHDR" + be(width) + be(height) + std::string("\x08\x06\x00\x00\x00", 5);
  std::string iend = "IEND";
  return std::string("\x89PNG\r\n\x1a\n", 8) + be(13) + ihdr + be(crc(ihdr)) + be(0) + iend +
         be(crc(iend));
}

}  // namespace

// A width or height of 0 or less would leave the window unmapped while the
// program runs on (every later start then hands its files to a window no
// one can see); the default size holds instead, and the window is shown on
// the screen wherever its stored place says.
TEST_F(MainWindowTest, ZeroOrNegativeSkinSizesStillShowTheWindowOnTheScreen) {
  SetSkinValues(Home, {{"ImageMainWidth", "0"}, {"ImageMainHeight", "-3"}});
  WriteFileText(Home / "info.ini", "[Form]\nx=-5000\ny=-267\n");
  TfrmMain& w = Open();
  EXPECT_EQ(w.size(), QSize(754, 571));
  EXPECT_TRUE(w.isVisible());
  const QRect screen = w.screen()->geometry();
  EXPECT_TRUE(screen.contains(w.frameGeometry())) << w.x() << "," << w.y();
}

// A FIFO named as a skin picture would block the start before any window
// shows; a picture that claims a huge size would take gigabytes. Neither is
// loaded, and the window starts without them.
TEST_F(MainWindowTest, SkinPicturesThatAreNoPicturesAreLeftOut) {
  const std::string folder = Home / "skin/kvo/skin/";
  ASSERT_EQ(::mkfifo((folder + "fifo.png").c_str(), 0600), 0);
  WriteFileText(folder + "huge.png", PngClaiming(30000, 30000));
  EXPECT_TRUE(LoadSkinPixmap(SkinFile(Home), "HUGE.PNG", 1.0).isNull());
  {
    TFifoWatch watch(folder + "fifo.png");
    EXPECT_TRUE(LoadSkinPixmap(SkinFile(Home), "FIFO.PNG", 2.0).isNull());
    EXPECT_FALSE(watch.HadToUnblock());
  }
  SetSkinValues(Home, {{"ImageMainPic", "fifo.png"}});
  TFifoWatch watch(folder + "fifo.png");
  TfrmMain& w = Open();
  EXPECT_FALSE(watch.HadToUnblock());
  EXPECT_EQ(w.size(), QSize(754, 571));
}
