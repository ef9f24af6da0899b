#include "planlib/editor/block_forms.h"

#include <algorithm>

#include "base/numbers.h"
#include "planlib/editor/editor_messages.h"
#include "planlib/editor/form_tables.h"
#include "planlib/editor/path_check.h"
#include "planlib/engine/block_description.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_tags.h"

namespace qb {

namespace {

FormField FieldOf(std::string_view tag, std::string_view element, bool hasSettings) {
  const FormField* kindField = form_tables::KindField(tag, element);
  const FormField* elementField = form_tables::ElementField(element);
  FormField field = kindField != nullptr ? *kindField : elementField != nullptr ? *elementField : FormField{};
  field.element = element;
  bool shown = field.kind != FieldKind::Fixed && field.kind != FieldKind::SameAs && hasSettings;
  if (field.label.empty() && shown) {
    field.label = std::string(element);
  }
  if (field.kind == FieldKind::Choice && field.defaultValue.empty() && !field.choices.empty()) {
    field.defaultValue = std::to_string(field.choices.front().code);
  }
  if (!hasSettings && field.kind != FieldKind::SameAs) field.kind = FieldKind::Hidden;
  return field;
}

ElementForm MakeForm(std::string_view tag, std::string_view className, std::string title,
                     const std::vector<std::string_view>& elements, bool container) {
  ElementForm form;
  form.tag = tag;
  form.className = className;
  form.title = std::move(title);
  form.hasSettings = !form_tables::WithoutSettings(tag);
  form.container = container;
  form.conditionList = tag == "CONDITION";
  for (std::string_view element : elements) form.fields.push_back(FieldOf(tag, element, form.hasSettings));
  form.rules = form_tables::Rules(tag);
  return form;
}

std::vector<ElementForm> MakeBlockForms() {
  std::vector<ElementForm> forms;
  for (const BlockKind& kind : BlockKinds()) {
    forms.push_back(MakeForm(kind.tag, kind.className, "操作ブロック [" + std::string(kind.displayName) + "]",
                             kind.elements, kind.container));
  }
  return forms;
}

// The class of a condition: "CConditionK1".
constexpr std::string_view kConditionClasses[] = {"CConditionK1", "CConditionK2", "CConditionK3",
                                                  "CConditionK4", "CConditionK5", "CConditionK6",
                                                  "CConditionK7"};

std::vector<ElementForm> MakeConditionForms() {
  std::vector<ElementForm> forms;
  for (const ConditionKind& kind : ConditionKinds()) {
    forms.push_back(MakeForm(kind.tag, kConditionClasses[kind.number - 1], std::string(kind.displayName),
                             kind.elements, false));
  }
  return forms;
}

std::string ValueOf(const BlockValues& values, std::string_view element) {
  auto found = values.find(element);
  return found == values.end() ? std::string() : found->second;
}

// The reading of a block's settings names its class; the selection screen names its operation.
std::string MissingMessage(std::string_view className) {
  std::string operation = className == "CDspSelect" ? "m_DspSelect" : "m_BlockSet";
  return "操作ブロック解析中にエラーが発生しました（" + std::string(className) + "::" + operation + "）　";
}

}  // namespace

const std::vector<ElementForm>& BlockForms() {
  static const std::vector<ElementForm> forms = MakeBlockForms();
  return forms;
}

const ElementForm* FindBlockForm(std::string_view tag) {
  for (const ElementForm& form : BlockForms()) {
    if (form.tag == tag) return &form;
  }
  return nullptr;
}

const std::vector<ElementForm>& ConditionForms() {
  static const std::vector<ElementForm> forms = MakeConditionForms();
  return forms;
}

const ElementForm* FindConditionForm(int number) {
  if (number < 1 || number > static_cast<int>(ConditionForms().size())) return nullptr;
  return &ConditionForms()[static_cast<std::size_t>(number - 1)];
}

BlockValues DefaultValues(const ElementForm& form) {
  BlockValues values;
  for (const FormField& field : form.fields) values[std::string(field.element)] = field.defaultValue;
  for (const FormField& field : form.fields) {
    if (field.kind == FieldKind::SameAs) values[std::string(field.element)] = ValueOf(values, field.sameAs);
  }
  return values;
}

FormReading ReadForm(const ElementForm& form, std::string_view value) {
  FormReading reading;
  for (const FormField& field : form.fields) {
    std::optional<std::string> found = ReadElement(value, field.element);
    if (!found) {
      reading.values.clear();
      reading.message = MissingMessage(form.className);
      return reading;
    }
    reading.values[std::string(field.element)] = std::move(*found);
  }
  reading.ok = true;
  return reading;
}

std::string WriteForm(const ElementForm& form, const BlockValues& values, std::string_view conditions) {
  BlockValues written;
  for (const FormField& field : form.fields) {
    std::string value = field.kind == FieldKind::Fixed  ? field.defaultValue
                        : field.kind == FieldKind::SameAs ? ValueOf(values, field.sameAs)
                                                          : ValueOf(values, field.element);
    written[std::string(field.element)] = std::move(value);
  }
  if (const BlockKind* kind = FindBlockKind(form.tag)) return WriteBlock(*kind, written, conditions);
  for (const ConditionKind& kind : ConditionKinds()) {
    if (kind.tag == form.tag) return WriteCondition(kind, written);
  }
  return {};
}

bool IsActive(const WhenCodes& when, const BlockValues& values) {
  if (when.element.empty()) return true;
  int code = ParseLeadingInt(ValueOf(values, when.element));
  return std::find(when.codes.begin(), when.codes.end(), code) != when.codes.end();
}

EditResult CheckForm(const ElementForm& form, const BlockValues& values) {
  for (const FormField& field : form.fields) {
    if (IsTextField(field.kind) && ValueOf(values, field.element).find(kTagStart) != std::string::npos) {
      return EditResult::Refused(editor_text::kReservedWord);
    }
  }
  for (const FormRule& rule : form.rules) {
    if (!IsActive(rule.when, values)) continue;
    bool broken = rule.kind == FormRule::Kind::Required
                      ? ValueOf(values, rule.element).empty()
                      : ParseLeadingInt(ValueOf(values, rule.element)) >
                            ParseLeadingInt(ValueOf(values, rule.laterElement));
    if (broken) return EditResult::Refused(rule.message);
  }
  for (const FormField& field : form.fields) {
    if (!IsPathField(field.kind) || !IsActive(field.activeWhen, values)) continue;
    std::string message = CheckPath(field.kind, ValueOf(values, field.element));
    if (!message.empty()) return EditResult::Refused(message);
  }
  return EditResult::Done();
}

std::string DescribeForm(const ElementForm& form, const BlockValues& values, std::string_view conditions) {
  PlanRow row;
  row.openTag = OpenTag(form.tag);
  row.closeTag = CloseTag(form.tag);
  std::string text = WriteForm(form, values, conditions);
  row.value = text.substr(row.openTag.size(), text.size() - row.openTag.size() - row.closeTag.size());
  return DescribeBlock(row);
}

bool IsPathField(FieldKind kind) {
  return kind == FieldKind::OpenFilePath || kind == FieldKind::SaveFilePath || kind == FieldKind::FolderPath ||
         kind == FieldKind::ApplicationPath;
}

bool IsTextField(FieldKind kind) {
  return kind == FieldKind::Text || kind == FieldKind::MultilineText || IsPathField(kind);
}

}  // namespace qb
