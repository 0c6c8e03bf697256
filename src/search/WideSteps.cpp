#include "search/WideSteps.h"

#ifdef VELLUMARK_AVX2
#include <cpuid.h>
#include <immintrin.h>

namespace vellumark {

namespace {

__attribute__((target("xsave"))) bool AskAvx2() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX)) return false;
    if ((_xgetbv(0) & 6) != 6) return false;  // the XMM and YMM state
    return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & bit_AVX2);
}

}  // namespace

bool HasAvx2() {
    static const bool has = AskAvx2();
    return has;
}

}  // namespace vellumark

#endif
