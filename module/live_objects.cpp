#include "module/live_objects.h"

#include <atomic>

namespace {
std::atomic<int> liveCount{0};
}

LiveObject::LiveObject()
{
    ++liveCount;
}

LiveObject::LiveObject(const LiveObject&)
{
    ++liveCount;
}

LiveObject::~LiveObject()
{
    --liveCount;
}

int LiveObject::count()
{
    return liveCount.load();
}
