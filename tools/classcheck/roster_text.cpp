#include "tools/classcheck/roster_text.h"

#include <windows.h>

#include <algorithm>

namespace classcheck {
namespace {

bool IsValidUtf8(const Bytes& b, size_t start, bool& anyMultibyte) {
  anyMultibyte = false;
  for (size_t i = start; i < b.size();) {
    uint8_t c = b[i];
    size_t extra = c < 0x80                   ? 0
                   : (c >= 0xC2 && c <= 0xDF) ? 1
                   : (c >= 0xE0 && c <= 0xEF) ? 2
                   : (c >= 0xF0 && c <= 0xF4) ? 3
                                              : 9;
    if (extra == 9 || i + extra >= b.size()) return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((b[i + k] & 0xC0) != 0x80) return false;
    if (extra) anyMultibyte = true;
    i += extra + 1;
  }
  return true;
}

// UTF-16 without a byte-order mark: most characters of a class list (Latin
// letters, digits, line ends) have a zero high byte; GBK text has no zeros.
bool LooksLikeUtf16(const Bytes& b, bool& bigEndian) {
  if (b.size() < 4 || b.size() % 2) return false;
  size_t units = std::min<size_t>(b.size() / 2, 512), zeroLow = 0, zeroHigh = 0;
  for (size_t u = 0; u < units; ++u) {
    zeroLow += b[2 * u] == 0;
    zeroHigh += b[2 * u + 1] == 0;
  }
  bigEndian = zeroLow > zeroHigh;
  size_t zeros = std::max(zeroLow, zeroHigh), other = std::min(zeroLow, zeroHigh);
  return zeros * 4 >= units && other * 4 < zeros;
}

std::wstring Utf16(const Bytes& b, size_t start, bool bigEndian) {
  std::wstring out;
  for (size_t i = start; i + 1 < b.size(); i += 2)
    out += static_cast<wchar_t>(bigEndian ? (b[i] << 8 | b[i + 1]) : (b[i] | b[i + 1] << 8));
  return out;
}

std::wstring Utf8(const Bytes& b, size_t start) {
  if (b.size() <= start) return {};
  const char* text = reinterpret_cast<const char*>(b.data()) + start;
  int size = static_cast<int>(b.size() - start);
  int n = ::MultiByteToWideChar(CP_UTF8, 0, text, size, nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text, size, &out[0], n);
  return out;
}

// Code page 936 bytes for `wide`; false when a character has no exact form
// there (checked by converting back, which also catches best-fit mappings).
bool ToGbk(const std::wstring& wide, std::string& out) {
  out.clear();
  if (wide.empty()) return true;
  int n = ::WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
  out.assign(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr,
                        nullptr);
  int m = ::MultiByteToWideChar(936, 0, out.data(), n, nullptr, 0);
  std::wstring back(static_cast<size_t>(m), L'\0');
  ::MultiByteToWideChar(936, 0, out.data(), n, &back[0], m);
  return back == wide;
}

bool IsValidGbk(const std::string& line) {
  if (line.empty()) return true;
  return ::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, line.data(),
                               static_cast<int>(line.size()), nullptr, 0) > 0;
}

// Splits at CR LF, LF and CR, counting each kind; `emit` takes each line.
template <typename Text, typename Emit>
void SplitLines(const Text& text, RosterText& out, Emit emit) {
  size_t cut = 0, i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      emit(text.substr(cut, i - cut));
      ++out.crlf;
      i += 2;
    } else if (text[i] == '\n' || text[i] == '\r') {
      emit(text.substr(cut, i - cut));
      ++(text[i] == '\n' ? out.lf : out.cr);
      i += 1;
    } else {
      ++i;
      continue;
    }
    cut = i;
  }
  out.finalLineEnd = cut == text.size() && !text.empty();
  if (cut < text.size()) emit(text.substr(cut));
}

}  // namespace

Encoding DetectEncoding(const Bytes& b) {
  if (b.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return Encoding::kUtf8Bom;
  if (b.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) return Encoding::kUtf16Le;
  if (b.size() >= 2 && b[0] == 0xFE && b[1] == 0xFF) return Encoding::kUtf16Be;
  bool bigEndian = false;
  if (LooksLikeUtf16(b, bigEndian)) return bigEndian ? Encoding::kUtf16Be : Encoding::kUtf16Le;
  bool multibyte = false;
  if (IsValidUtf8(b, 0, multibyte) && multibyte) return Encoding::kUtf8;
  return Encoding::kGbk;
}

const char* EncodingName(Encoding encoding) {
  switch (encoding) {
    case Encoding::kGbk: return "GBK";
    case Encoding::kUtf8: return "UTF-8";
    case Encoding::kUtf8Bom: return "UTF-8(带 BOM)";
    case Encoding::kUtf16Le: return "UTF-16 LE";
    case Encoding::kUtf16Be: return "UTF-16 BE";
  }
  return "";
}

RosterText ReadRosterText(const Bytes& bytes) {
  RosterText out;
  out.encoding = DetectEncoding(bytes);
  if (out.encoding == Encoding::kGbk) {
    std::string text(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
    SplitLines(text, out, [&out](const std::string& line) {
      out.lines.push_back(line);
      if (!IsValidGbk(line)) out.invalid.push_back(static_cast<int32_t>(out.lines.size()));
    });
    return out;
  }
  bool hasMark = bytes.size() >= 2 && (bytes[0] == 0xFF || bytes[0] == 0xFE || bytes[0] == 0xEF);
  std::wstring wide;
  switch (out.encoding) {
    case Encoding::kUtf8Bom: wide = Utf8(bytes, 3); break;
    case Encoding::kUtf8: wide = Utf8(bytes, 0); break;
    case Encoding::kUtf16Le: wide = Utf16(bytes, hasMark ? 2 : 0, false); break;
    default: wide = Utf16(bytes, hasMark ? 2 : 0, true); break;
  }
  SplitLines(wide, out, [&out](const std::wstring& line) {
    std::string gbk;
    bool exact = ToGbk(line, gbk);
    out.lines.push_back(gbk);
    if (!exact) out.unrepresentable.push_back(static_cast<int32_t>(out.lines.size()));
  });
  return out;
}

Bytes JoinCrLf(const RosterText& text) {
  Bytes out;
  for (size_t i = 0; i < text.lines.size(); ++i) {
    if (i) out.insert(out.end(), {'\r', '\n'});
    out.insert(out.end(), text.lines[i].begin(), text.lines[i].end());
  }
  if (text.finalLineEnd) out.insert(out.end(), {'\r', '\n'});
  return out;
}

}  // namespace classcheck
