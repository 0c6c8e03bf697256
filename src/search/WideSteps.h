#pragma once

// Whether the scans may take eight values a step with AVX2. VELLUMARK_AVX2 is
// defined where the compiler can build such steps (x86); HasAvx2 then tells
// whether this processor runs them.
#if defined(__x86_64__) || defined(__i386__)
#define VELLUMARK_AVX2 1
#endif

namespace vellumark {

#ifdef VELLUMARK_AVX2
/// Whether the processor has AVX2 and the system keeps its registers, asked
/// at the first call (the compiler's own check would ask at every start of
/// the program, which costs in a virtual machine).
bool HasAvx2();
#endif

}  // namespace vellumark
