#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Gives the heap's free pages back to the system: after start-up and after
// loading the soundfont, which leave much freed memory behind.
inline void ReleaseFreedMemory()
{
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}
