// The pick log, switched on by the teacher ([记录] 保存=1 in pz.ini): each
// name a draw lands on is appended to 点名记录.csv beside the class list,
// with the date and time and its line number, for Excel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace app {

// The log's first row, written when it creates the file.
std::string PickLogHeading();

// One row: "YYYY-MM-DD HH:MM:SS,<line>,<name>" and CR LF. A name holding a
// comma, a quote or a line end is quoted; one that Excel would take for a
// formula (starting with = + - or @) is kept as text with a leading quote.
std::string PickLogRow(const SYSTEMTIME& when, int32_t line, const std::string& name);

// Appends the row to the log at `path`, creating it with its heading; never
// rewrites what is there. False when the log cannot be written (a read-only
// folder, the file open in Excel): the draw goes on regardless.
bool AppendPickLog(const std::string& path, const std::string& row);

// Logs the landing of a draw now, when the teacher asked for the log.
void LogPick(int32_t line);

}  // namespace app
