// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/RecordFields.h"

#include <stdexcept>

namespace {

template <class... F>
struct TOverload : F... {
  using F::operator()...;
};
// Spelled out for compilers that do not deduce it from the aggregate.
template <class... F>
TOverload(F...) -> TOverload<F...>;

}  // namespace

std::string Key(std::string_view role, std::string_view suffix) {
  std::string key(role);
  key += suffix;
  return key;
}

TProfileFieldRef TRecordFields::Field(std::string_view key) const {
  TProfileFieldRef field = ProfileField(Format_, key);
  if (std::holds_alternative<std::monostate>(field))
    throw std::logic_error("editor table names a field its record lacks: " + std::string(key));
  return field;
}

bool TRecordFields::Has(std::string_view key) const {
  return !std::holds_alternative<std::monostate>(ProfileField(Format_, key));
}

int32_t TRecordFields::Int(std::string_view key) const {
  return std::visit(
      TOverload{[](std::monostate) { return 0; },
                [&](std::string*) -> int32_t {
                  throw std::logic_error("not a number field: " + std::string(key));
                },
                [](bool* f) { return *f ? 1 : 0; },
                [](uint8_t* f) { return static_cast<int32_t>(*f); }, [](int32_t* f) { return *f; }},
      Field(key));
}

const std::string& TRecordFields::Text(std::string_view key) const {
  TProfileFieldRef field = Field(key);
  std::string** text = std::get_if<std::string*>(&field);
  if (text == nullptr) throw std::logic_error("not a text field: " + std::string(key));
  return **text;
}

void TRecordFields::SetInt(std::string_view key, int32_t value) const {
  std::visit(
      TOverload{
          [](std::monostate) {},
          [&](std::string*) { throw std::logic_error("not a number field: " + std::string(key)); },
          [&](bool* f) { *f = value != 0; }, [&](uint8_t* f) { *f = static_cast<uint8_t>(value); },
          [&](int32_t* f) { *f = value; }},
      Field(key));
}

void TRecordFields::SetText(std::string_view key, const std::string& value) const {
  TProfileFieldRef field = Field(key);
  std::string** text = std::get_if<std::string*>(&field);
  if (text == nullptr) throw std::logic_error("not a text field: " + std::string(key));
  **text = value;
}
