#include "macros/sysdate_store.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "history/file_helpers.h"

namespace qb {

const char* const kPresetSysdateDefinitions[3] = {
    "<@@SYSDATE><@AMPM1/> <@hh20/>:<@mm10/>:<@ss10/><@@/SYSDATE>",
    "<@@SYSDATE><@YY2/>/<@MM10/>/<@DD10/>(<@YOBI1/>)<@@/SYSDATE>",
    "<@@SYSDATE><@YY2/>/<@MM10/>/<@DD10/>(<@YOBI1/>) <@AMPM1/> <@hh20/>:<@mm10/>:<@ss10/><@@/SYSDATE>",
};

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiUpper(c);
  return result;
}

// The number after "sysd" (leading digits only); -1 when there are none.
int DefinitionNumber(std::string_view name) {
  if (name.size() < 5) return -1;
  int number = 0;
  bool any = false;
  for (std::size_t i = 4; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
    if (number < 100000000) number = number * 10 + (name[i] - '0');
    any = true;
  }
  return any ? number : -1;
}

}  // namespace

SysdateStore::SysdateStore(FileSystem& fs, Ui& ui, std::string dataHome)
    : fs_(fs), ui_(ui), dataHome_(std::move(dataHome)) {}

std::vector<std::string> SysdateStore::storedNames() {
  std::vector<std::string> names;
  for (const FileEntry& entry : fs_.list(folder() + "\\sysd*.cln")) {
    if (!entry.isFolder) names.push_back(entry.name);
  }
  // Highest name first, whatever order the volume lists them in (names compare without case).
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return Upper(a) > Upper(b); });
  return names;
}

int SysdateStore::m_SysdateGet(SysdateDefinitions& definitions, int startIndex) {
  definitions = SysdateDefinitions{};
  int index = std::max(0, startIndex);
  for (const std::string& name : storedNames()) {
    if (index >= kMaxSysdateDefinitions) break;
    std::string content;
    std::string errorText;
    if (ReadWholeFile(fs_, folder() + "\\" + name, content, errorText) != 0) {
      ui_.showMessage("ﾌｧｲﾙの読み込みに失敗しました(m_SysdateGet)", MessageIcon::kStop);
      continue;
    }
    const std::size_t prefix = std::string_view(kSysdateRecordPrefix).size();
    definitions.macroTexts[index] = content.size() > prefix ? content.substr(prefix) : "";
    definitions.fileNames[index] = name;
    ++index;
  }
  definitions.count = index;
  return 0;
}

std::string SysdateStore::nextFreeName() {
  std::set<int> used;
  for (const std::string& name : storedNames()) used.insert(DefinitionNumber(name));
  int number = 0;
  while (used.count(number) != 0) ++number;
  char name[32];
  std::snprintf(name, sizeof name, "sysd%04d.cln", number);
  return name;
}

int SysdateStore::m_SysdateSave(std::string_view fileName, std::string_view macroText) {
  const std::string name = fileName.empty() ? nextFreeName() : std::string(fileName);
  const std::string path = folder() + "\\" + name;
  const std::string content = std::string(kSysdateRecordPrefix) + std::string(macroText);
  FileFailure failure;
  if (CreateFolderPath(fs_, folder()) != 0) {
    failure = FileError{};
  } else if (fs_.attributes(path)) {
    failure = fs_.replaceAtomically(path, content);
  } else {
    failure = fs_.writeNew(path, content);
  }
  if (failure) {
    ui_.showMessage("ﾌｧｲﾙの書き込みに失敗しました(m_SysdateSave)", MessageIcon::kStop);
    return -1;
  }
  return 0;
}

int SysdateStore::remove(std::string_view fileName) {
  if (fileName.empty() || fs_.remove(folder() + "\\" + std::string(fileName))) {
    ui_.showMessage("ﾌｧｲﾙの削除に失敗しました(OnMc2Del)", MessageIcon::kStop);
    return -1;
  }
  return 0;
}

int SysdateStore::storePresetsIfEmpty() {
  if (!storedNames().empty()) return 0;
  for (const char* preset : kPresetSysdateDefinitions) {
    if (m_SysdateSave("", preset) != 0) return -1;
  }
  return 0;
}

}  // namespace qb
