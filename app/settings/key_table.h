// Key tables as data. A settings file is described by one table: a list of entries in reading
// order, each a single key, an indexed family (the field is an array and the key a pattern), or
// families read index by index (Interleaved). The field's type gives the key's type; an array
// field gives the family's count, a two-level array field a second index inside each first one.
//
//   Key<&EnvironmentSettings::MaxFile>("MaxFile=", 300, "<=履歴の最大ﾌｧｲﾙ数(V2.00)",
//                                      AboveBecomes(500, 500)),
//   Key<&EnvironmentSettings::CLIPDIR_AR>("CLIPDIR_AR%0d=", NumberedNames{{}, "保存グループ%d"},
//                                         "<=保存の格納ﾌｫﾙﾀﾞ別名称(V2.00)"),
//
// BindKeyTable expands a table for one settings object into its keys (BoundKeyList).
#pragma once
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "app/settings/bound_key_list.h"
#include "app/settings/indexed_text.h"
#include "app/settings/key_limit.h"
#include "app/settings/setting_value.h"
#include "platform/system_info.h"

namespace qb {

// Default of an integer family: `first` for index 0, `rest` for the others.
struct FirstThen {
  std::int32_t first;
  std::int32_t rest;
};

// Default of a text family: the fixed names for the first indices, then `numbered` with the
// index + 1 in place of its "%d" ("保存グループ%d" gives "保存グループ1" for index 0).
struct NumberedNames {
  std::vector<std::string_view> fixed;
  std::string_view numbered;
};

// Default of an integer that depends on the screen size.
struct FromScreen {
  std::int32_t (*value)(ScreenSize screen);
};

// A default: the value for a key given its first index.
using DefaultRule = std::function<SettingValue(int index, ScreenSize screen)>;

namespace key_table_detail {

template <class T>
struct ArrayTraits {
  static constexpr int kCount = 0;
  using Element = T;
};
template <class T, std::size_t N>
struct ArrayTraits<std::array<T, N>> {
  static constexpr int kCount = static_cast<int>(N);
  using Element = T;
};

template <class M>
struct MemberTraits;
template <class S, class F>
struct MemberTraits<F S::*> {
  using Owner = S;
  using Field = F;
  using Row = typename ArrayTraits<F>::Element;
  static constexpr int kCount = ArrayTraits<F>::kCount;
  static constexpr int kInnerCount = ArrayTraits<Row>::kCount;
  using Value = typename ArrayTraits<Row>::Element;
};

template <auto FieldPointer>
using Traits = MemberTraits<decltype(FieldPointer)>;

template <auto FieldPointer>
FieldRef AccessField(typename Traits<FieldPointer>::Owner& settings, int first, int second) {
  auto& field = settings.*FieldPointer;
  if constexpr (Traits<FieldPointer>::kCount == 0) {
    return &field;
  } else if constexpr (Traits<FieldPointer>::kInnerCount == 0) {
    return &field.at(static_cast<std::size_t>(first));
  } else {
    return &field.at(static_cast<std::size_t>(first)).at(static_cast<std::size_t>(second));
  }
}

DefaultRule NamedDefault(NumberedNames names);

}  // namespace key_table_detail

// The default of a key of value type V, from a constant or one of the rules above.
template <class V>
class DefaultSpec {
 public:
  DefaultSpec(V value) : rule([value](int, ScreenSize) { return SettingValue(value); }) {}
  DefaultSpec(const char* text)
    requires std::same_as<V, std::string>
      : DefaultSpec(std::string(text)) {}
  DefaultSpec(FirstThen values)
    requires std::same_as<V, std::int32_t>
      : rule([values](int index, ScreenSize) {
          return SettingValue(index == 0 ? values.first : values.rest);
        }) {}
  DefaultSpec(NumberedNames names)
    requires std::same_as<V, std::string>
      : rule(key_table_detail::NamedDefault(std::move(names))) {}
  DefaultSpec(FromScreen screenRule)
    requires std::same_as<V, std::int32_t>
      : rule([screenRule](int, ScreenSize screen) { return SettingValue(screenRule.value(screen)); }) {}

  DefaultRule rule;
};

// One key pattern of a table entry, bound to a field of settings type S.
template <class S>
struct KeyMember {
  std::string_view pattern;
  FieldRef (*field)(S& settings, int first, int second);
  DefaultRule defaultValue;
  std::string_view comment;
  KeyLimit limit;
  int count = 0;       // keys per first index: 0 for a single key
  int innerCount = 0;  // second indices inside each first one: 0 for none
};

// One table entry: its members are read index by index (all members of index 0 first).
template <class S>
struct KeyEntry {
  std::vector<KeyMember<S>> members;
};

template <auto FieldPointer>
KeyMember<typename key_table_detail::Traits<FieldPointer>::Owner> Member(
    std::string_view pattern,
    DefaultSpec<typename key_table_detail::Traits<FieldPointer>::Value> value,
    std::string_view comment, KeyLimit limit = {}) {
  using Traits = key_table_detail::Traits<FieldPointer>;
  return {pattern, &key_table_detail::AccessField<FieldPointer>, std::move(value.rule), comment,
          limit,   Traits::kCount, Traits::kInnerCount};
}

// A single key, or a family when the field is an array.
template <auto FieldPointer>
KeyEntry<typename key_table_detail::Traits<FieldPointer>::Owner> Key(
    std::string_view pattern,
    DefaultSpec<typename key_table_detail::Traits<FieldPointer>::Value> value,
    std::string_view comment, KeyLimit limit = {}) {
  return {{Member<FieldPointer>(pattern, std::move(value), comment, limit)}};
}

// Families of the same count read index by index.
template <class S>
KeyEntry<S> Interleaved(std::initializer_list<KeyMember<S>> members) {
  return {std::vector<KeyMember<S>>(members)};
}

template <class S>
using KeyTable = std::vector<KeyEntry<S>>;

// The keys of `table` in reading order, bound to the fields of `settings`. Members of one entry
// with different counts are a fault of the table (std::logic_error).
template <class S>
BoundKeyList BindKeyTable(const KeyTable<S>& table, S& settings, ScreenSize screen) {
  BoundKeyList keys;
  for (const KeyEntry<S>& entry : table) {
    const int count = entry.members.empty() ? 0 : entry.members.front().count;
    for (const KeyMember<S>& member : entry.members) {
      if (member.count != count) throw std::logic_error("interleaved families of unequal size");
    }
    const int rounds = count == 0 ? 1 : count;
    for (int first = 0; first < rounds; ++first) {
      for (const KeyMember<S>& member : entry.members) {
        const int seconds = member.innerCount == 0 ? 1 : member.innerCount;
        for (int second = 0; second < seconds; ++second) {
          keys.add(BoundKey{FormatIndexed(member.pattern, first, second),
                            member.field(settings, first, second),
                            member.defaultValue(first, screen), member.comment, member.limit});
        }
      }
    }
  }
  return keys;
}

}  // namespace qb
