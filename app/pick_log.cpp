#include "app/pick_log.h"

#include <cstdio>

#include "app/globals.h"
#include "app/paths.h"
#include "platform/handles.h"

namespace app {
namespace {

std::string CsvField(const std::string& text) {
  std::string field = text;
  if (!field.empty() && (field[0] == '=' || field[0] == '+' || field[0] == '-' || field[0] == '@'))
    field.insert(field.begin(), '\'');
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

bool WriteAll(HANDLE file, const std::string& text) {
  DWORD written = 0;
  return ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

}  // namespace

std::string PickLogHeading() { return "时间,行号,姓名\r\n"; }

std::string PickLogRow(const SYSTEMTIME& when, int32_t line, const std::string& name) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u", when.wYear, when.wMonth,
                when.wDay, when.wHour, when.wMinute, when.wSecond);
  return std::string(stamp) + "," + std::to_string(line) + "," + CsvField(name) + "\r\n";
}

bool AppendPickLog(const std::string& path, const std::string& row) {
  // Appending only: whatever the log holds stays as it is, and a file held
  // open by another program is given up at once rather than waited for.
  platform::UniqueHandle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const bool created = ::GetLastError() != ERROR_ALREADY_EXISTS;
  if (created && !WriteAll(file.get(), PickLogHeading())) return false;
  return WriteAll(file.get(), row);
}

void LogPick(int32_t line) {
  if (line < 1 || line > RosterCount) return;
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  AppendPickLog(PickLogPath(), PickLogRow(now, line, RosterName(line)));
}

}  // namespace app
