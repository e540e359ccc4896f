#pragma once
// What the control panel needs of the schedule window, whichever edition draws it: the grid
// edition's FrmSchedule implements it, the classic edition's text-box window will too. Only
// actions on the window itself are here; the process-wide values live in ProgramState.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "timetable/timetable.h"

namespace orvel::panel {

class ScheduleWindow {
 public:
  virtual ~ScheduleWindow() = default;

  // The window, for its place (Left, Top), its layer and its layered attributes.
  virtual ui::Form& form() = 0;

  // Lock: the timetable takes no input while locked.
  virtual void ApplyLock(bool locked) = 0;
  // Fold to today's column (read from the clock now) or show every column again.
  virtual void ApplyFold(bool folded) = 0;
  // The frame around the cells; an edition whose frame waits for a rebuild does nothing.
  virtual void ApplyFrame(bool framed) = 0;
  // Layered window: constant alpha (aORc 0) or colour key (aORc 1).
  virtual void transparency(int aORc, ui::Colour colour, int alpha) = 0;

  // Font name, size and text effect of the grid; the classic edition has none of them.
  virtual bool HasFonts() const = 0;
  virtual std::string GridFontName() const = 0;
  virtual float GridFontSize() const = 0;
  virtual int GridTextEffect() const = 0;
  virtual void SetGridFontName(const std::string& name) = 0;
  virtual void SetGridFontSize(float points) = 0;
  virtual void SetGridTextEffect(int effect) = 0;

  // The calendar area as the window keeps it: "0" 上海, "1" 其他.
  virtual std::string& AreaTag() = 0;

  // TimerSchedule (the schedule clock) and Timerduration (the idle check).
  virtual ui::Timer& ClockTimer() = 0;
  virtual ui::Timer& IdleTimer() = 0;
  // Every cell of the timetable white, as when highlighting stops.
  virtual void PaintCellsWhite() = 0;

  // Reads scdFileName from "scd" with the edition's reader and makes it the current file. On a
  // failed read: the edition's own message, the empty default timetable and the default file
  // name; false then.
  virtual bool LoadTimetableFile(const std::string& scdFileName) = 0;
  // An empty timetable of rows × cols cells (within Timetable::WithSize's bounds).
  virtual void NewTimetable(std::int16_t rows, std::int16_t cols) = 0;
  // The cells as they stand, for saving; nothing if the window holds no valid table.
  virtual std::optional<Timetable> CurrentTimetable() const = 0;
};

}  // namespace orvel::panel
