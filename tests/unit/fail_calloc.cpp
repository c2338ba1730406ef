#include "fail_calloc.h"

#include <algorithm>
#include <atomic>
#include <cstddef>

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
namespace {
// -1: disarmed (or the armed failure was handed out); n >= 0: n more
// callocs succeed, then one fails.
std::atomic<int> passes_left{-1};
std::atomic<size_t> made{0};
const void *callers_seen[64];
}  // namespace

extern "C" void *__libc_calloc(size_t n, size_t size);
extern "C" void *calloc(size_t n, size_t size) noexcept {
    if (size != 0 && n > kTestHeapLimit / size) return nullptr;
    const size_t k = made.fetch_add(1, std::memory_order_relaxed);
    if (k < 64) callers_seen[k] = __builtin_return_address(0);
    int left = passes_left.load(std::memory_order_relaxed);
    while (left >= 0) {
        const int next = left == 0 ? -1 : left - 1;
        if (passes_left.compare_exchange_weak(left, next, std::memory_order_relaxed)) {
            if (left == 0) return nullptr;
            break;
        }
    }
    return __libc_calloc(n, size);
}

void FailCallocAfter(int passes) { passes_left.store(passes, std::memory_order_relaxed); }
bool ArmedCallocFailureHandedOut() { return passes_left.exchange(-1, std::memory_order_relaxed) < 0; }
bool TakeCallocCallers(std::vector<const void *> *callers) {
    callers->assign(callers_seen, callers_seen + std::min<size_t>(made.exchange(0), 64));
    return true;
}
#else
#if defined(__SANITIZE_ADDRESS__)
// The same heap limit, as a null result rather than a report.
extern "C" const char *__asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=256";
}
static_assert(kTestHeapLimit == size_t{256} << 20, "keep max_allocation_size_mb in step");
#endif
// The sanitizers' allocators keep calloc to themselves.
void FailCallocAfter(int) {}
bool ArmedCallocFailureHandedOut() { return false; }
bool TakeCallocCallers(std::vector<const void *> *) { return false; }
#endif
