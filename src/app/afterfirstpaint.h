#pragma once

#include <functional>

class QWidget;

// Runs the action once the widget has been painted for the first time: for what the
// widget need not have in its first frame, so that the frame comes sooner.
void afterFirstPaint(QWidget &widget, std::function<void()> action);
