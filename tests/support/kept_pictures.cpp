#include "tests/support/kept_pictures.h"

#include <algorithm>
#include <sstream>

namespace testing_support {

std::string PictureDifference::Describe() const {
  std::ostringstream out;
  if (!sameSize) return "the pictures differ in size";
  out << differing << " pixels beyond " << kKeptPictureTolerance
      << " levels; worst channel difference " << worst;
  if (firstX >= 0)
    out << ", first at (" << firstX << ", " << firstY << "): now " << std::hex << now << ", kept "
        << kept;
  return out.str();
}

PictureDifference ComparePictures(const Pixels& now, const Pixels& kept, int tolerance) {
  PictureDifference d;
  if (now.width() != kept.width() || now.height() != kept.height()) {
    d.sameSize = false;
    return d;
  }
  for (int y = 0; y < now.height(); ++y)
    for (int x = 0; x < now.width(); ++x) {
      const int distance = ColourDistance(now.at(x, y), kept.at(x, y));
      d.worst = std::max(d.worst, distance);
      if (distance <= tolerance) continue;
      if (d.differing++ == 0) {
        d.firstX = x, d.firstY = y;
        d.now = now.at(x, y), d.kept = kept.at(x, y);
      }
    }
  return d;
}

}  // namespace testing_support
