// Yielding to the event loop from inside long work, as the old DoEvents statement did.
#pragma once

namespace tervala::rt {

// Delivers pending events: posted events (queued calls, repaints) on every call, and input and due timers
// at least every few milliseconds. A handler run from here may call doEvents again. Cheap when idle, so it
// may follow every row of a load.
void doEvents();

} // namespace tervala::rt
