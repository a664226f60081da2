#pragma once

// Series of long flights take megabytes each and are rebuilt on every refresh.
// By default the C library hands such blocks back to the system when they are
// freed, and every rebuild then pays for faulting fresh pages in again (tens of
// milliseconds for a million samples). This keeps freed memory for reuse; the
// programs call it once at start.
void KeepFreedMemoryForReuse();
