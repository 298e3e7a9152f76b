#pragma once

// The desktop session manager's request to save before the session ends, as
// far as the program answers it. The real one wraps QSessionManager; tests
// hand in their own.
class SessionEndRequest
{
public:
    virtual ~SessionEndRequest() = default;
    // Whether the program may ask the user anything now.
    virtual bool allowsInteraction() = 0;
    // The user kept the program open: the session does not end.
    virtual void cancel() = 0;
    // Done asking.
    virtual void release() = 0;
};
