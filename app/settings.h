// pz.ini: five numbers that tune the draw, created with defaults on first start.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Creates pz.ini with its defaults when it does not exist (an existing file is
// never rewritten), then reads the five values into the draw settings, and
// the switches a teacher may add (fair rounds, the pick log).
void LoadSettings();

// The creating half of LoadSettings.
void CreateSettingsFileIfMissing();
// The reading half of LoadSettings.
void ReadSettings();

// A setting's text as a number: full-width characters folded to ASCII, the
// longest decimal prefix taken (after leading blanks), truncated toward zero
// and held within the 32-bit range. Anything without a decimal prefix is 0.
int32_t SettingTextToNumber(const std::string& text);

// Folds the full-width (GB2312 row 3) forms of ASCII, and a few symbols of
// row 1, to their ASCII bytes.
std::string FoldFullWidth(const std::string& text);

}  // namespace app
