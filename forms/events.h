// One event at a time: clicks and timer ticks reach the handlers through
// deliver(), which drops an event that falls due while a handler (or the modal
// box it opened) is still running.
#pragma once

#include <functional>

namespace forms {

// Runs the handler unless another one is running; false when dropped.
bool deliver(const std::function<void()> &handler);
bool handlerRunning();
// Runs once the event being handled is over (a canvas ends its painting then).
void whenEventEnds(std::function<void()> work);

} // namespace forms
