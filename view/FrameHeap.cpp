#include "view/FrameHeap.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace view {

void KeepFreedHeapForFrames() {
#if defined(__GLIBC__)
  // Up to 64 MB of free memory may stay at the top of the heap, and blocks
  // below 32 MB (the library's own largest automatic threshold) come from the
  // heap rather than from fresh mappings.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

}  // namespace view
