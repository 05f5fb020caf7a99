// The one flag that tells a closing launcher whether the session is ending under it.
#include "platform/SessionEnding.h"

#include <atomic>

namespace {

std::atomic<bool> g_ending{false};

} // namespace

void SetSessionEnding(bool ending)
{
    g_ending = ending;
}

bool IsSessionEnding()
{
    return g_ending;
}
