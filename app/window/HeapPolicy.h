#pragma once

namespace orvex {

// Makes the C library give freed memory back to the system. A redraw allocates samples, trails and
// pictures of megabytes on the sampling threads, and by default glibc keeps much of that as resident
// memory long after it was freed: after the first large block is freed it raises its threshold for
// mapping a block on its own (up to 32 MiB), so that later large blocks come from the heaps, and every
// thread that allocates gets a heap of its own (up to eight per processor), each keeping its free space.
// So large blocks are always mapped on their own, and the threads share one heap besides the main one.
// Call once at start, before the threads run. Does nothing where the C library is not glibc.
void ApplyHeapPolicy();

// Once the program has been idle for a second after a redraw or a search (the calls of this function
// stop), gives the free pages inside the heaps back to the system. Call on the GUI thread.
void TrimHeapWhenIdle();

} // namespace orvex
