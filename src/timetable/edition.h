#pragma once
// The two programs built from this tree read some files differently.

namespace orvel {

enum class Edition {
  Grid,     // Orvel2: the timetable in a grid
  Classic,  // Schedule: the timetable as a matrix of text boxes
};

}  // namespace orvel
