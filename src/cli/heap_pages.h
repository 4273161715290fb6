// The heap of the terminal program on large pages. A computation touches
// about a megabyte of fresh heap (the matrices of the network), and on the
// virtual machines the program runs on each first touch of a 4 KiB page
// costs some ten microseconds: a third of a short run. Backed by 2 MiB
// transparent huge pages, that memory costs one fault per 2 MiB.
#pragma once

namespace ombrel {

// Call first thing in main. Where the system offers transparent huge pages
// on request (Linux with the GNU C library), the next 4 MiB of the heap are
// marked for them and the heap is kept rather than given back; elsewhere,
// or when any step is refused, nothing changes. Only speed depends on it.
void PlaceHeapOnHugePages();

}  // namespace ombrel
