#pragma once

#include <functional>

// Every fixed delay of the device link goes through here, so that tests can record the delays
// instead of sleeping them. The default sleeps the calling thread.
void linkPause(int milliseconds);

// Replaces the pause; an empty function restores sleeping. Set it while no transaction runs.
void setLinkPauseFunction(std::function<void(int)> pause);
