#include "platform/ui/containment.h"

#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace orvel::ui {
namespace {

// True when `test` holds for the widget and for every frame that contains it: the frames that
// hold it by name when there are any, otherwise the frames around it.
template <class Test>
bool WithFrames(const Widget& widget, Test test) {
  if (!test(widget)) return false;
  const Form* form = widget.form();
  if (!form) return true;
  const std::vector<const Frame*>& frames = form->Frames();
  bool held = false;
  for (const Frame* frame : frames)
    if (frame->Holds(widget)) {
      held = true;
      break;
    }
  for (const Frame* frame : frames) {
    if (frame == &widget) continue;
    const bool contains =
        held ? frame->Holds(widget) : LiesWithin(widget.bounds(), frame->bounds());
    if (contains && !test(*frame)) return false;
  }
  return true;
}

}  // namespace

bool LiesWithin(const Bounds& inner, const Bounds& outer) {
  return outer.width > 0 && outer.height > 0 && inner.left >= outer.left &&
         inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

bool ShownVisible(const Widget& widget) {
  return WithFrames(widget, [](const Widget& w) { return w.Visible(); });
}

bool ShownEnabled(const Widget& widget) {
  return WithFrames(widget, [](const Widget& w) { return w.Enabled(); });
}

}  // namespace orvel::ui
