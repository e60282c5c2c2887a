#pragma once

// Counts the objects of this library that are alive, so the host knows when
// the library may be unloaded. Every public class and every card holds one.
class LiveObject {
public:
    LiveObject();
    LiveObject(const LiveObject&);
    LiveObject& operator=(const LiveObject&) = default;
    ~LiveObject();

    static int count();
};
