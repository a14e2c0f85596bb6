// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// Stream kinds of a query, numbered as the library numbers them.
enum class TStreamKind : int { General = 0, Video = 1, Audio = 2 };

// One handle of the system's libmediainfo. Every text in and out is UTF-8;
// file names are bytes.
// A handle belongs to one thread at a time; different handles may be used
// from different threads at once.
class TMediaInfo final {
 public:
  TMediaInfo();
  ~TMediaInfo();
  TMediaInfo(const TMediaInfo&) = delete;
  TMediaInfo& operator=(const TMediaInfo&) = delete;

  // Reads a file for the library. The name is bytes, whatever they are; the
  // library is only told the name as shown (ShownText) for its "CompleteName"
  // and its report. False for anything but a non-empty regular file that can
  // be read (a folder, a device, a pipe or a URL never reaches the library,
  // so nothing can block or go to the network). Any such file opens, one of
  // a format the library does not know as well: it then answers little more
  // than the name and the size.
  bool Open(const std::string& fileName);
  // The text answer for a parameter looked up by name; "" when there is none.
  std::string Get(TStreamKind kind, std::size_t streamNumber, const std::string& parameter) const;
  // The text report as the library-wide options currently ask for.
  std::string Inform() const;
  // The standard report: the library-wide "Complete" option is reset to the
  // empty value first, whatever another part of the process set it to.
  std::string StandardInform() const;
  void Close();

  // Sets a library-wide option; returns the library's answer.
  static std::string Option(const std::string& option, const std::string& value);

 private:
  void* Handle_ = nullptr;
  bool Opened_ = false;
};
