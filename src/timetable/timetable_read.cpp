#include "timetable/timetable_read.h"

namespace orvel {

bool EditionShows(int rows, int cols, Edition edition) {
  if (rows < 1 || rows > kMaxRows || cols < 1 || cols > kMaxCols) return false;
  return edition == Edition::Grid || rows <= kMaxClassicCells / cols;
}

}  // namespace orvel
