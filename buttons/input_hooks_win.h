#pragma once

// The Windows low-level keyboard and mouse hooks, free of Qt. The handlers run on the thread
// that installed the hooks, inside the hook procedures: they must return quickly.
struct LowLevelHandlers
{
    void (*keyboard)(void *context, int hookCode, unsigned message, unsigned scanCode, unsigned flags);
    void (*mouse)(void *context, unsigned message, unsigned x, unsigned y);
    void *context;
};

// Installs both hooks for the whole desktop, removing earlier ones first. When either cannot be
// installed neither stays installed and the result is false.
bool installLowLevelHooks(const LowLevelHandlers &handlers);
void removeLowLevelHooks();
