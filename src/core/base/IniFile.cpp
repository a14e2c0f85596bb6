// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IniFile.h"

#include "base/AtomicFile.h"
#include "base/Error.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  size_t b = s.find_first_not_of(kBlanks);
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(kBlanks);
  return s.substr(b, e - b + 1);
}

// A value is one line: a line break inside it would split the key in two.
std::string OneLine(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

}  // namespace

std::string TIniFile::Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

TIniFile::TIniFile(std::string fileName) : FileName_(std::move(fileName)) {
  std::string text, problem;
  Exists_ = ReadWholeFile(FileName_, text, &problem);
  if (!problem.empty()) throw EKinovertError(problem);
  Parse(text);
}

TIniFile TIniFile::FromText(std::string fileName, std::string_view text) {
  TIniFile ini;
  ini.FileName_ = std::move(fileName);
  ini.Parse(text);
  return ini;
}

void TIniFile::Parse(std::string_view text) {
  Sections_.clear();
  SectionIndex_.clear();
  Sections_.emplace_back();  // preamble
  // Every BOM goes, not just one: a second one would hide the first section
  // (its header no longer starts the line), and since no BOM is written back
  // the file would read differently after its next save.
  while (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  size_t firstBreak = text.find('\n');
  CrLf_ = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';

  while (!text.empty()) {
    size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
    // Every CR before the LF goes: a file converted to CR LF twice ends its
    // lines in CR CR LF, and a CR left in a value spoils every number.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    std::string_view t = Trim(line);
    if (!t.empty() && t.front() == '[') {
      size_t close = t.find(']');
      if (close != std::string_view::npos) {
        TSection s;
        s.Name = std::string(Trim(t.substr(1, close - 1)));
        s.HeaderLine = std::string(line);
        std::string lower = Lower(s.Name);
        Sections_.push_back(std::move(s));
        SectionIndex_.emplace(std::move(lower), Sections_.size() - 1);  // first one wins
        continue;
      }
    }
    TSection& cur = Sections_.back();
    TLine l;
    l.Text = std::string(line);
    size_t eq = line.find('=');
    if (!t.empty() && t.front() != ';' && eq != std::string_view::npos) {
      std::string_view key = Trim(line.substr(0, eq));
      if (!key.empty()) {
        l.Key = Lower(key);
        l.ValuePos = eq + 1;
        cur.Index.emplace(l.Key, cur.Lines.size());  // the first of duplicates counts
      }
    }
    cur.Lines.push_back(std::move(l));
  }
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view section) const {
  auto it = SectionIndex_.find(Lower(Trim(section)));
  return it == SectionIndex_.end() ? nullptr : &Sections_[it->second];
}

TIniFile::TSection* TIniFile::FindSection(std::string_view section) {
  auto it = SectionIndex_.find(Lower(Trim(section)));
  return it == SectionIndex_.end() ? nullptr : &Sections_[it->second];
}

const TIniFile::TLine* TIniFile::FindLine(std::string_view section, std::string_view key) const {
  const TSection* s = FindSection(section);
  if (s == nullptr) return nullptr;
  auto it = s->Index.find(Lower(Trim(key)));
  return it == s->Index.end() ? nullptr : &s->Lines[it->second];
}

bool TIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindLine(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  const TLine* l = FindLine(section, key);
  if (l == nullptr) return std::string(defaultValue);
  return std::string(Trim(std::string_view(l->Text).substr(l->ValuePos)));
}

bool TIniFile::ParseInteger(std::string_view text, int32_t& value) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  // Read by value: leading zeros ("00000000128") are no reason to refuse.
  int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > int64_t{INT32_MAX} + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const {
  const TLine* l = FindLine(section, key);
  int32_t v = defaultValue;
  if (l == nullptr || !ParseInteger(std::string_view(l->Text).substr(l->ValuePos), v))
    return defaultValue;
  return v;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> out;
  for (size_t i = 1; i < Sections_.size(); ++i) out.push_back(Sections_[i].Name);
  return out;
}

std::vector<std::string> TIniFile::ReadSectionKeys(std::string_view section) const {
  std::vector<std::string> out;
  const TSection* s = FindSection(section);
  if (s == nullptr) return out;
  for (size_t i = 0; i < s->Lines.size(); ++i) {
    const TLine& l = s->Lines[i];
    // Only the line a read would find, so duplicates are listed once.
    if (!l.Key.empty() && s->Index.at(l.Key) == i)
      out.emplace_back(Trim(std::string_view(l.Text).substr(0, l.ValuePos - 1)));
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSectionValues(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> out;
  const TSection* s = FindSection(section);
  if (s == nullptr) return out;
  for (const TLine& l : s->Lines) {
    if (l.Key.empty()) continue;
    std::string_view text(l.Text);
    out.emplace_back(std::string(Trim(text.substr(0, l.ValuePos - 1))),
                     std::string(Trim(text.substr(l.ValuePos))));
  }
  return out;
}

void TIniFile::WriteString(std::string_view section, std::string_view key,
                           std::string_view value) {
  std::string_view k = Trim(key);
  std::string line = std::string(k) + "=" + OneLine(value);
  TSection* s = FindSection(section);
  if (s == nullptr) {
    TSection ns;
    ns.Name = std::string(Trim(section));
    ns.HeaderLine = "[" + ns.Name + "]";
    Sections_.push_back(std::move(ns));
    SectionIndex_.emplace(Lower(Sections_.back().Name), Sections_.size() - 1);
    s = &Sections_.back();
  }
  std::string lowerKey = Lower(k);
  auto it = s->Index.find(lowerKey);
  if (it != s->Index.end()) {
    TLine& l = s->Lines[it->second];
    if (l.Text == line) return;
    l.Text = std::move(line);
    l.ValuePos = k.size() + 1;
  } else {
    // After the section's last entry, so trailing blank lines and comments
    // stay where they separate this section from the next.
    size_t pos = 0;
    for (size_t i = s->Lines.size(); i > 0; --i) {
      if (!s->Lines[i - 1].Key.empty() || !Trim(s->Lines[i - 1].Text).empty()) {
        pos = i;
        break;
      }
    }
    TLine l;
    l.Text = std::move(line);
    l.Key = lowerKey;
    l.ValuePos = k.size() + 1;
    // Every entry lies before pos, so no index stored in s->Index moves.
    s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(l));
    s->Index.emplace(std::move(lowerKey), pos);
  }
  Modified_ = true;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::string TIniFile::Text() const {
  const char* eol = CrLf_ ? "\r\n" : "\n";
  std::string out;
  for (size_t i = 0; i < Sections_.size(); ++i) {
    const TSection& s = Sections_[i];
    if (i > 0) (out += s.HeaderLine) += eol;
    for (const TLine& l : s.Lines) (out += l.Text) += eol;
  }
  return out;
}

void TIniFile::UpdateFile() {
  if (Exists_ && !Modified_) return;
  if (!WriteFileAtomically(FileName_, Text()))
    throw EKinovertError("Unable to write to " + FileName_);
  Exists_ = true;
  Modified_ = false;
}
