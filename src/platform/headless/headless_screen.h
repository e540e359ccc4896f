#pragma once
// The screen and text measurement, fixed and simple so that tests can compute every width.
//
// Text metrics: an em is the font size in points × 20 twips; every ASCII character is half an
// em wide and every other character (counted as UTF-8 code points) one em. Bold changes nothing.
// The text height is size × 20 × 4/3 twips, rounded to whole twips (9 pt: 240 twips).
#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui/services.h"

namespace orvel::headless {

class HeadlessMetrics : public ui::TextMetrics {
 public:
  double TextWidth(const ui::Font& font, const std::string& text) const override;
  double TextHeight(const ui::Font& font) const override;
};

// A monitor: its place on the desktop in pixels and the twips a pixel of its own DPI.
struct HeadlessMonitor {
  int leftPx = 0, topPx = 0, widthPx = 0, heightPx = 0;
  double twipsPerPixel = 15;
};

// Default: one monitor of 1024 × 768 pixels at 15 twips per pixel, the system's DPI too.
class HeadlessScreen : public ui::Screen {
 public:
  double WidthTwips() const override { return monitors_.front().widthPx * twipsPerPixel_; }
  double HeightTwips() const override { return monitors_.front().heightPx * twipsPerPixel_; }
  double TwipsPerPixelX() const override { return twipsPerPixel_; }
  double TwipsPerPixelY() const override { return twipsPerPixel_; }
  std::vector<ui::Bounds> Monitors() const override;
  // As a test has set them, else the monitors' rectangles.
  std::vector<ui::Bounds> WorkAreas() const override;
  // The monitor the form's rectangle overlaps most, or the nearest one.
  double TwipsPerPixelOf(const ui::Form& form) const override;
  // The rectangle of that monitor, twips.
  ui::Bounds MonitorOf(const ui::Form& form) const;
  // Over every monitor: the union of their rectangles, twips.
  ui::Bounds Desktop() const;

  // One monitor at the system's DPI.
  void Set(int widthPx, int heightPx, double twipsPerPixel) {
    twipsPerPixel_ = twipsPerPixel;
    monitors_ = {HeadlessMonitor{0, 0, widthPx, heightPx, twipsPerPixel}};
    KeepRects();
  }
  // Several monitors, the primary first, each with its own DPI; the system's DPI stays.
  void SetMonitors(std::vector<HeadlessMonitor> monitors) {
    if (monitors.empty()) return;
    monitors_ = std::move(monitors);
    KeepRects();
  }
  // Each monitor's work area in twips, in the order of the monitors (a taskbar docked on one);
  // set again with the monitors, which clears them.
  void SetWorkAreas(std::vector<ui::Bounds> areas) { workAreas_ = std::move(areas); }

 private:
  std::size_t MonitorIndexOf(const ui::Form& form) const;
  // The monitors' rectangles in twips, kept with the monitors.
  void KeepRects();
  double twipsPerPixel_ = 15;
  std::vector<HeadlessMonitor> monitors_{HeadlessMonitor{0, 0, 1024, 768, 15}};
  std::vector<ui::Bounds> rects_{ui::Bounds{0, 0, 1024 * 15, 768 * 15}};
  std::vector<ui::Bounds> workAreas_;
};

}  // namespace orvel::headless
