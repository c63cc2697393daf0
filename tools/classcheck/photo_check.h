// Checks of the img folder: a photo for every line, no photo without a line,
// every photo one the program can show, and the window background.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/classcheck/picture_probe.h"
#include "tools/classcheck/report.h"

namespace classcheck {

struct Photo {
  int32_t line = 0;
  PictureProbe probe;
};

struct PhotoCheck {
  std::vector<Photo> photos;         // photos of lines that have one
  std::vector<int32_t> missing;      // lines without a photo
  std::vector<std::string> orphans;  // picture files of img no line uses
  // Photos --fix rewrites: decodable, and larger than the box or turned by
  // an Orientation tag.
  std::vector<int32_t> ToFix() const;
};

// Called after each photo: done so far, how many in all.
using Progress = std::function<void(size_t done, size_t total)>;

// Photos of lines 1..lineCount under the data folder set in app/paths.h.
PhotoCheck CheckPhotos(int32_t lineCount, Report& report, const Progress& progress = {});
void CheckBackground(Report& report);

// "img\12.jpg": a photo's path as the teacher sees it in the class folder.
std::string PhotoName(int32_t line);

// "顺时针转 90°": the turn a photo's Orientation tag (2..8) asks for.
std::string TurnText(int orientation);

}  // namespace classcheck
