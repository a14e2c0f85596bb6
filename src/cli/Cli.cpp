// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

#include <algorithm>

#include "app/GlobalVars.h"

namespace {
std::vector<const TCliCommand*>& Registry() {
  static std::vector<const TCliCommand*> commands;
  return commands;
}

// Options end at "--": anything after it is a file name, even "-x.avi".
size_t EndOfOptions(const std::vector<std::string>& args) {
  auto it = std::find(args.begin(), args.end(), "--");
  return static_cast<size_t>(it - args.begin());
}
}  // namespace

TCliCommand::TCliCommand(const char* name, const char* usage, const char* summary, TRun run)
    : Name(name), Usage(usage), Summary(summary), Run(run) {
  Registry().push_back(this);
}

const std::vector<const TCliCommand*>& CliCommands() {
  auto& r = Registry();
  std::sort(r.begin(), r.end(), [](auto* a, auto* b) { return std::string_view(a->Name) < b->Name; });
  return r;
}

std::string TCliArgs::TakeOption(std::string_view name) {
  std::string flag = "--" + std::string(name);
  size_t end = EndOfOptions(Args_);
  for (size_t i = 0; i < end; ++i) {
    if (Args_[i] == flag) {
      if (i + 1 >= end) throw TUsageError{"option " + flag + " needs a value"};
      std::string value = Args_[i + 1];
      Args_.erase(Args_.begin() + static_cast<std::ptrdiff_t>(i),
                  Args_.begin() + static_cast<std::ptrdiff_t>(i + 2));
      return value;
    }
    if (Args_[i].rfind(flag + "=", 0) == 0) {
      std::string value = Args_[i].substr(flag.size() + 1);
      Args_.erase(Args_.begin() + static_cast<std::ptrdiff_t>(i));
      if (value.empty()) throw TUsageError{"option " + flag + " needs a value"};
      return value;
    }
  }
  return {};
}

bool TCliArgs::TakeFlag(std::string_view name) {
  std::string flag = "--" + std::string(name);
  size_t end = EndOfOptions(Args_);
  for (size_t i = 0; i < end; ++i) {
    if (Args_[i] == flag) {
      Args_.erase(Args_.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return false;
}

std::vector<std::string> TCliArgs::Positionals() {
  std::vector<std::string> out;
  size_t end = EndOfOptions(Args_);
  for (size_t i = 0; i < Args_.size(); ++i) {
    if (i == end) continue;
    if (i < end && Args_[i].size() > 1 && Args_[i][0] == '-')
      throw TUsageError{"unknown option " + Args_[i]};
    out.push_back(Args_[i]);
  }
  return out;
}

int TakeTarget(TCliArgs& args) {
  std::string name = args.TakeOption("target");
  if (name.empty()) throw TUsageError{"missing --target FORMAT"};
  int format = OutputFormatFromName(name);
  if (format < 0)
    throw TUsageError{"unknown target format '" + name +
                      "' (use AVI, MP4, 3GP, MPEG, MOV, WMV, RM, SWF, VOB, ASF, AAC, AC3, MP2, "
                      "MP3, AMR or WAV)"};
  return format;
}
