#pragma once
// Frames hold the controls of their form that lie within their bounds: such a control is shown
// and takes input only while every frame around it is visible and enabled. Both backends follow
// this rule, so that a disabled frame makes its controls inert on either. A control that a frame
// holds by name (Frame::Hold) follows its holders instead, whatever its position.
#include "platform/ui/widget.h"

namespace orvel::ui {

// `inner` lies within `outer`, edges included; nothing lies within an empty rectangle.
bool LiesWithin(const Bounds& inner, const Bounds& outer);

// The widget's own state and that of every frame of its form around it.
bool ShownVisible(const Widget& widget);
bool ShownEnabled(const Widget& widget);

}  // namespace orvel::ui
