#pragma once

// The number of handles this process holds now, registry keys included, as
// the system's handle table lists them.
int OwnHandleCount();
