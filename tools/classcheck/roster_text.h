// Reading ming.txt whatever editor saved it: the encoding it was saved in, its
// lines as the teacher meant them, and the same lines as code page 936 text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace classcheck {

using Bytes = std::vector<uint8_t>;

enum class Encoding { kGbk, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };

// Byte-order marks first; then UTF-16 without a mark (a zero in most high
// bytes); then UTF-8 when the text is valid UTF-8 and not plain ASCII;
// everything else is code page 936.
Encoding DetectEncoding(const Bytes& bytes);
const char* EncodingName(Encoding encoding);

struct RosterText {
  Encoding encoding = Encoding::kGbk;
  // The lines split at CR LF, lone LF and lone CR alike; a final line end adds
  // no line. For code page 936 text they stop at the first zero byte, as the
  // program's reading does.
  std::vector<std::string> lines;    // code page 936 (unrepresentable ones lossy)
  int32_t crlf = 0, lf = 0, cr = 0;  // line ends of each kind
  bool finalLineEnd = false;
  std::vector<int32_t> unrepresentable;  // lines with characters 936 lacks
  std::vector<int32_t> invalid;          // lines with bytes that are no 936 text
};

RosterText ReadRosterText(const Bytes& bytes);

// The lines joined with CR LF (and a final CR LF when the file had one).
Bytes JoinCrLf(const RosterText& text);

}  // namespace classcheck
