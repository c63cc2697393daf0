#include "platform/files.h"

#include <windows.h>

#include "platform/handles.h"

namespace platform {

Bytes ReadWholeFile(const std::string& path) {
  UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 || size.QuadPart > 0x7FFFFFFF)
    return {};
  Bytes bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    DWORD want = static_cast<DWORD>(bytes.size() - done);
    if (!::ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) return {};
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

namespace {

bool WriteContents(const std::string& path, const uint8_t* data, size_t size, bool flush) {
  UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  size_t done = 0;
  while (done < size) {
    DWORD written = 0;
    if (!::WriteFile(file.get(), data + done, static_cast<DWORD>(size - done), &written, nullptr) ||
        written == 0)
      return false;
    done += written;
  }
  // On disk before anything refers to it, so a power cut cannot leave the
  // renamed file empty.
  return !flush || ::FlushFileBuffers(file.get());
}

}  // namespace

bool WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
  return WriteContents(path, data, size, false);
}

bool WriteWholeFileAtomically(const std::string& path, const uint8_t* data, size_t size) {
  std::string temp = path + "." + std::to_string(::GetCurrentProcessId()) + "." +
                     std::to_string(::GetCurrentThreadId()) + ".tmp";
  if (!WriteContents(temp, data, size, true)) {
    ::DeleteFileA(temp.c_str());
    return false;
  }
  if (!::MoveFileExA(temp.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(temp.c_str());
    return false;
  }
  return true;
}

int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return -1;
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool DirectoryExists(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ModuleDirectory() {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string path(buffer, n);
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string EnvironmentVariable(const char* name) {
  DWORD needed = ::GetEnvironmentVariableA(name, nullptr, 0);
  if (needed == 0) return {};
  std::string value(needed, '\0');
  DWORD n = ::GetEnvironmentVariableA(name, value.data(), needed);
  value.resize(n < needed ? n : 0);
  return value;
}

}  // namespace platform
