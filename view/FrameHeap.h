#pragma once
// Heap settings for drawing frames with a software rasteriser.
namespace view {

// Keeps freed heap memory in the process instead of handing it back to the
// system. Mesa's software rasteriser allocates its per-frame triangle bins
// (megabytes for a 7×7×7 cube) and frees them at the next clear; with the C
// library's default trimming every frame would fault those pages in afresh.
void KeepFreedHeapForFrames();

}  // namespace view
