// Allocation failures on demand for the unit tests: the test binary
// replaces calloc and malloc, which the bridge takes its heap blocks from;
// the calls made from the bridge's own code are counted and, when a test
// arms it, failed (the stand-in and the tests allocate too). Unless a test
// arms it, every call goes straight to the C library. Sanitizer builds
// bring their own allocator and leave the replacement out; a test then
// sees that its armed failure was not handed out.
#ifndef BUNDLE_TESTS_FAIL_CALLOC_H
#define BUNDLE_TESTS_FAIL_CALLOC_H

#include <cstddef>
#include <vector>

// The largest block the test binary's heap hands out, like a gateway's
// heap that has no block of a gigabyte: a reply buffer sized from a count
// the platform made up is refused, not mapped and filled for minutes.
// Under AddressSanitizer its own allocator keeps the same limit.
constexpr size_t kTestHeapLimit = size_t{256} << 20;

// Lets `passes` callocs succeed and fails the next one.
void FailCallocAfter(int passes);
// Where the callocs made since the last call came from (the return address
// of each, at most 64): the bridge takes all its heap blocks with calloc.
// False where the sanitizer's allocator leaves them unseen.
bool TakeCallocCallers(std::vector<const void *> *callers);
// True once the armed failure was handed out; disarms in any case.
bool ArmedCallocFailureHandedOut();

#define SKIP_UNLESS_CALLOC_FAILED()                                            \
    do {                                                                       \
        if (!ArmedCallocFailureHandedOut())                                    \
            GTEST_SKIP() << "calloc cannot be made to fail in this build";     \
    } while (0)

#endif  // BUNDLE_TESTS_FAIL_CALLOC_H
