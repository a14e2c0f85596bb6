// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// An INI file held in memory with the private-profile conventions every data
// file of the program relies on:
//  - section and key names compare without regard to ASCII case;
//  - a value is the text after the first "=", trimmed of blanks;
//  - a missing key gives the caller's default; integers are signed decimals,
//    anything else gives the default; flags are integers, non-zero = true;
//  - a write replaces the first line of that key in place, appends a missing
//    key after the last entry of its section and a missing section at the end,
//    and leaves every other line (comments included) byte for byte;
//  - CR LF and LF files are read alike (any number of CRs before the LF),
//    leading UTF-8 BOMs (any number) are skipped, and the file keeps its
//    line-end style when written.
// Save() is atomic: a temporary file in the same folder is renamed over the
// old one, so a failed write never leaves a half-written file behind.
class TIniFile final {
 public:
  // Reads the file if it exists; a missing file starts empty. A file that is
  // there but cannot be used (unreadable, not a regular file, larger than a
  // data file can be) throws EKinovertError saying so, so that nothing is
  // silently taken for defaults and later written over it.
  explicit TIniFile(std::string fileName);
  // Parses text as if it had been read from fileName (nothing is read).
  static TIniFile FromText(std::string fileName, std::string_view text);

  const std::string& FileName() const { return FileName_; }
  bool Modified() const { return Modified_; }

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Section names in file order.
  std::vector<std::string> ReadSections() const;
  // Key names of a section in file order (first spelling of each key).
  std::vector<std::string> ReadSectionKeys(std::string_view section) const;
  // The entries of a section in file order as key/value pairs.
  std::vector<std::pair<std::string, std::string>> ReadSectionValues(
      std::string_view section) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int64_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Writes the file if anything changed (or it does not exist yet).
  // Throws EKinovertError("Unable to write to <file>") and leaves the old file
  // untouched when the file cannot be written completely.
  void UpdateFile();

  // The whole text as it would be written.
  std::string Text() const;

  // Parses a signed decimal integer that fills the whole (trimmed) text and
  // fits 32 bits.
  static bool ParseInteger(std::string_view text, int32_t& value);

 private:
  struct TLine {
    std::string Text;   // the line as read or written, without its line end
    std::string Key;    // lower-cased key, empty for comments and other lines
    size_t ValuePos = 0;  // where the (untrimmed) value starts in Text
  };
  struct TSection {
    std::string Name;        // as written in the file, empty for the preamble
    std::string HeaderLine;  // the "[...]" line itself
    std::vector<TLine> Lines;
    std::unordered_map<std::string, size_t> Index;  // lower-cased key -> first line
  };

  TIniFile() = default;
  const TSection* FindSection(std::string_view section) const;
  TSection* FindSection(std::string_view section);
  const TLine* FindLine(std::string_view section, std::string_view key) const;
  void Parse(std::string_view text);
  static std::string Lower(std::string_view s);

  std::string FileName_;
  std::vector<TSection> Sections_;  // [0] is the preamble before any section
  std::unordered_map<std::string, size_t> SectionIndex_;
  bool Exists_ = false;
  bool Modified_ = false;
  bool CrLf_ = false;
};
