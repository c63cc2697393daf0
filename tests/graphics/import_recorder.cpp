#include "tests/graphics/import_recorder.h"

#include <cstring>

namespace graphics_test {

namespace {
constexpr size_t kThunkSize = 32;

struct Import {
  std::string name;
  void** slot;
};

std::vector<Import> FindImports(const char* dll_name) {
  std::vector<Import> imports;
  auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return imports;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name;
       ++d) {
    if (_stricmp(reinterpret_cast<char*>(base + d->Name), dll_name) != 0) continue;
    if (d->OriginalFirstThunk == 0) continue;  // names overwritten at load
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* by_name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      imports.push_back(
          {reinterpret_cast<char*>(by_name->Name), reinterpret_cast<void**>(&slots->u1.Function)});
    }
  }
  return imports;
}

void WriteSlot(void** slot, void* value) {
  DWORD old = 0;
  ::VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
  *slot = value;
  ::VirtualProtect(slot, sizeof(void*), old, &old);
}

// A thunk per import that raises its flag and jumps on to the original.
void WriteThunk(unsigned char* t, volatile LONG* flag, void** original) {
  const auto flagAddress = reinterpret_cast<uintptr_t>(const_cast<LONG*>(flag));
  const auto originalAddress = reinterpret_cast<uintptr_t>(original);
  const uint32_t one = 1;
#if defined(__i386__) || defined(_M_IX86)
  t[0] = 0xC7;  // mov dword ptr [flag], 1
  t[1] = 0x05;
  memcpy(t + 2, &flagAddress, 4);
  memcpy(t + 6, &one, 4);
  t[10] = 0xFF;  // jmp dword ptr [original]
  t[11] = 0x25;
  memcpy(t + 12, &originalAddress, 4);
#else
  // rax is free at a call's entry in the x64 convention.
  t[0] = 0x48;  // mov rax, flag
  t[1] = 0xB8;
  memcpy(t + 2, &flagAddress, 8);
  t[10] = 0xC7;  // mov dword ptr [rax], 1
  t[11] = 0x00;
  memcpy(t + 12, &one, 4);
  t[16] = 0x48;  // mov rax, original
  t[17] = 0xB8;
  memcpy(t + 18, &originalAddress, 8);
  t[26] = 0xFF;  // jmp qword ptr [rax]
  t[27] = 0x20;
#endif
}

}  // namespace

ImportRecorder::ImportRecorder(const char* dll_name) {
#if defined(__i386__) || defined(_M_IX86) || defined(__x86_64__) || defined(_M_X64)
  std::vector<Import> imports = FindImports(dll_name);
  if (imports.empty()) return;
  const size_t n = imports.size();
  flags_ = new LONG[n]();
  originals_ = new void*[n]();
  thunks_ = static_cast<unsigned char*>(
      ::VirtualAlloc(nullptr, n * kThunkSize, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
  if (!thunks_) return;
  for (size_t i = 0; i < n; ++i) {
    originals_[i] = *imports[i].slot;
    WriteThunk(thunks_ + i * kThunkSize, &flags_[i], &originals_[i]);
    index_[imports[i].name] = entries_.size();
    entries_.push_back({imports[i].name, imports[i].slot, originals_[i]});
  }
  ::FlushInstructionCache(::GetCurrentProcess(), thunks_, n * kThunkSize);
  for (size_t i = 0; i < n; ++i) WriteSlot(entries_[i].slot, thunks_ + i * kThunkSize);
#else
  (void)dll_name;
#endif
}

ImportRecorder::~ImportRecorder() {
  for (const Entry& entry : entries_) WriteSlot(entry.slot, entry.original);
  if (thunks_) ::VirtualFree(thunks_, 0, MEM_RELEASE);
  delete[] flags_;
  delete[] originals_;
}

void ImportRecorder::Clear() {
  for (size_t i = 0; i < entries_.size(); ++i) flags_[i] = 0;
}

bool ImportRecorder::Called(const std::string& function) const {
  auto it = index_.find(function);
  return it != index_.end() && flags_[it->second] != 0;
}

std::vector<std::string> ImportRecorder::CalledFunctions() const {
  std::vector<std::string> called;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (flags_[i]) called.push_back(entries_[i].name);
  }
  return called;
}

}  // namespace graphics_test
