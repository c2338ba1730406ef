#include "fail_calloc.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp.h"

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
namespace {
// -1: disarmed (or the armed failure was handed out); n >= 0: n more of the
// bridge's allocations succeed, then one fails.
std::atomic<int> passes_left{-1};
std::atomic<size_t> made{0};
const void *callers_seen[64];
// The bridge's loaded image, once a test asked: the allocations made from
// its code are the ones counted and failed (the stand-in and the tests
// allocate too).
std::atomic<uintptr_t> bridge_lo{0}, bridge_hi{0};

void FindBridge() {
    Dl_info info;
    const auto *entry = reinterpret_cast<const void *>(&Java_com_korvanta_nestrova_voipservices_VoIPInfoQueryServiceImp_getPOTSInfoJni);
    if (bridge_hi.load() != 0 || dladdr(entry, &info) == 0) return;
    const auto base = reinterpret_cast<uintptr_t>(info.dli_fbase);  // its ELF header, then its segments
    const auto *elf = static_cast<const ElfW(Ehdr) *>(info.dli_fbase);
    const auto *segments = reinterpret_cast<const ElfW(Phdr) *>(base + elf->e_phoff);
    uintptr_t hi = 0;  // the end of the highest segment, a loaded one
    for (int i = 0; i < elf->e_phnum; ++i) hi = std::max<uintptr_t>(hi, segments[i].p_vaddr + segments[i].p_memsz);
    bridge_lo.store(base);
    bridge_hi.store(base + hi);
}

// Whether the bridge's allocation from `caller` is to fail; notes the caller.
bool Refused(const void *caller) {
    const auto at = reinterpret_cast<uintptr_t>(caller);
    if (at < bridge_lo.load(std::memory_order_relaxed) || at >= bridge_hi.load(std::memory_order_relaxed)) return false;
    const size_t k = made.fetch_add(1, std::memory_order_relaxed);
    if (k < 64) callers_seen[k] = caller;
    int left = passes_left.load(std::memory_order_relaxed);
    while (left >= 0) {
        if (passes_left.compare_exchange_weak(left, left == 0 ? -1 : left - 1, std::memory_order_relaxed)) return left == 0;
    }
    return false;
}
}  // namespace

extern "C" void *__libc_calloc(size_t n, size_t size);
extern "C" void *__libc_malloc(size_t size);

extern "C" void *calloc(size_t n, size_t size) noexcept {
    const bool huge = size != 0 && n > kTestHeapLimit / size;
    return huge || Refused(__builtin_return_address(0)) ? nullptr : __libc_calloc(n, size);
}

extern "C" void *malloc(size_t size) noexcept {
    return size > kTestHeapLimit || Refused(__builtin_return_address(0)) ? nullptr : __libc_malloc(size);
}

void FailCallocAfter(int passes) {
    FindBridge();
    passes_left.store(passes, std::memory_order_relaxed);
}
bool ArmedCallocFailureHandedOut() { return passes_left.exchange(-1, std::memory_order_relaxed) < 0; }
bool TakeCallocCallers(std::vector<const void *> *callers) {
    FindBridge();
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
// The sanitizers' allocators keep calloc and malloc to themselves.
void FailCallocAfter(int) {}
bool ArmedCallocFailureHandedOut() { return false; }
bool TakeCallocCallers(std::vector<const void *> *) { return false; }
#endif
