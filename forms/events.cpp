#include "events.h"

#include <vector>

namespace forms {

namespace {
int running = 0;
std::vector<std::function<void()>> afterEvent;
} // namespace

bool deliver(const std::function<void()> &handler)
{
    if (running > 0)
        return false;
    ++running;
    struct Leave {
        ~Leave()
        {
            --running;
            for (size_t i = 0; i < afterEvent.size(); ++i)
                afterEvent[i]();
            afterEvent.clear();  // keeps its room: no allocation per tick
        }
    } leave;
    handler();
    return true;
}

bool handlerRunning() { return running > 0; }

void whenEventEnds(std::function<void()> work) { afterEvent.push_back(std::move(work)); }

} // namespace forms
