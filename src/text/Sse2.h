#pragma once

// Byte scans take sixteen bytes at a time where the processor has SSE2 (every x86-64 one) and
// fall back to plain loops elsewhere.
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VELOMIR_HAVE_SSE2 1
#endif
