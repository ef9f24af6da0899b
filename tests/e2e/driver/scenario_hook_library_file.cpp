// The hook library as built: qlbxhook.dll beside the program exports the ordinals 1-7 and no
// names, and its shared section MY_CLIPD holds 154052 bytes.
#include <windows.h>

#include <cstring>

#include "tests/e2e/driver/data_files.h"
#include "tests/e2e/driver/failure.h"
#include "tests/e2e/driver/scenarios.h"
#include "tests/e2e/driver/text.h"

namespace qb::e2e {
namespace {

template <class T>
T At(const std::string& file, std::size_t offset) {
  expect(offset + sizeof(T) <= file.size(), "the library file ends early");
  T value;
  std::memcpy(&value, file.data() + offset, sizeof(T));
  return value;
}

struct Section {
  std::string name;
  IMAGE_SECTION_HEADER header;
};

std::size_t FileOffset(const std::vector<Section>& sections, DWORD rva) {
  for (const Section& s : sections) {
    const DWORD size = std::max(s.header.Misc.VirtualSize, s.header.SizeOfRawData);
    if (rva >= s.header.VirtualAddress && rva < s.header.VirtualAddress + size) {
      return rva - s.header.VirtualAddress + s.header.PointerToRawData;
    }
  }
  expect(false, "an address outside every section");
  return 0;
}

}  // namespace

void runHookLibraryFileScenario(const ScenarioContext& context) {
  const std::wstring folder = context.program.substr(0, context.program.find_last_of(L'\\') + 1);
  const std::optional<std::string> read = readFileBytes(folder + L"qlbxhook.dll");
  expect(read.has_value(), "cannot read " + toUtf8(folder) + "qlbxhook.dll");
  const std::string& file = *read;
  const auto headers = At<LONG>(file, offsetof(IMAGE_DOS_HEADER, e_lfanew));
  const auto nt = At<IMAGE_NT_HEADERS64>(file, static_cast<std::size_t>(headers));
  expect(nt.Signature == IMAGE_NT_SIGNATURE, "not a PE file");
  std::vector<Section> sections;
  const std::size_t first = static_cast<std::size_t>(headers) + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                            nt.FileHeader.SizeOfOptionalHeader;
  for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
    const auto header = At<IMAGE_SECTION_HEADER>(file, first + i * sizeof(IMAGE_SECTION_HEADER));
    sections.push_back({std::string(reinterpret_cast<const char*>(header.Name),
                                    strnlen(reinterpret_cast<const char*>(header.Name), 8)),
                        header});
  }

  const IMAGE_DATA_DIRECTORY exports = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  expect(exports.VirtualAddress != 0, "the library exports nothing");
  const auto directory = At<IMAGE_EXPORT_DIRECTORY>(file, FileOffset(sections, exports.VirtualAddress));
  expect(directory.Base == 1 && directory.NumberOfFunctions == 7,
         "the exports are ordinals " + std::to_string(directory.Base) + ".." +
             std::to_string(directory.Base + directory.NumberOfFunctions - 1));
  expect(directory.NumberOfNames == 0,
         "the library exports " + std::to_string(directory.NumberOfNames) + " name(s)");
  const std::size_t functions = FileOffset(sections, directory.AddressOfFunctions);
  for (DWORD i = 0; i < directory.NumberOfFunctions; ++i) {
    expect(At<DWORD>(file, functions + i * sizeof(DWORD)) != 0,
           "ordinal " + std::to_string(i + 1) + " has no function");
  }

  const Section* shared = nullptr;
  for (const Section& s : sections) {
    if (s.name == "MY_CLIPD") shared = &s;
  }
  expect(shared != nullptr, "the library has no section MY_CLIPD");
  expect(shared->header.Misc.VirtualSize == 154052,
         "MY_CLIPD holds " + std::to_string(shared->header.Misc.VirtualSize) + " bytes");
  const DWORD wanted = IMAGE_SCN_MEM_SHARED | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
  expect((shared->header.Characteristics & wanted) == wanted,
         "MY_CLIPD is not readable, writable and shared");
}

}  // namespace qb::e2e
