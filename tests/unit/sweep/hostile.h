// A gateway platform at its worst, for the sweep and the entry-point
// fuzzer: one outcome number picks the answer every operation gives (its
// result, the counts it reports, the byte its texts and records are filled
// with, with no terminating zero, and whether its heap results come back),
// and ScriptHostilePlatform(), generated from the platform header, scripts
// every operation of the stand-in to give it.
#ifndef BUNDLE_TESTS_HOSTILE_H
#define BUNDLE_TESTS_HOSTILE_H

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sim/zivra_sim.h"

namespace hostile {

enum Trouble { kNone, kNoHeapResult, kCallocFails };  // kCallocFails + n: after n good callocs
constexpr int kRets = 4, kCounts = 6, kTroubles = kCallocFails + 2;
constexpr uint8_t kFills[] = {0x00, '7', 0xFF};
constexpr unsigned kOutcomes = kRets * kCounts * sizeof kFills * kTroubles;
constexpr size_t kLongText = 65536;

struct Outcome {
    int ret = 0;    // 0, -1, 1, or (3) the count itself
    int count = 0;  // -1, 0, capacity, capacity + 1, INT_MAX, INT_MIN
    uint8_t fill = 0;
    int trouble = kNone;
};

inline Outcome &Current() {
    static Outcome o;
    return o;
}

inline Outcome Decode(unsigned v) {
    Outcome o;
    o.ret = static_cast<int>(v % kRets);
    o.count = static_cast<int>(v / kRets % kCounts);
    o.fill = kFills[v / kRets / kCounts % sizeof kFills];
    o.trouble = static_cast<int>(v / kRets / kCounts / sizeof kFills % kTroubles);
    return o;
}

inline std::string Describe(unsigned v) {
    const Outcome o = Decode(v);
    const char *rets[kRets] = {"0", "-1", "1", "the count"};
    const char *counts[kCounts] = {"-1", "0", "capacity", "capacity+1", "INT_MAX", "INT_MIN"};
    const char *troubles[kTroubles] = {"none", "no heap result", "1st calloc fails", "2nd calloc fails"};
    return "outcome " + std::to_string(v) + " (returns " + rets[o.ret] + ", count " + counts[o.count] + ", fill " +
           std::to_string(o.fill) + ", trouble: " + troubles[o.trouble] + ")";
}

inline int Count(long cap) {
    const long values[kCounts] = {-1, 0, cap, cap + 1, INT_MAX, INT_MIN};
    const long v = values[Current().count];
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

inline int Ret(long cap) {
    const int values[kRets] = {0, -1, 1, Count(cap)};
    return values[Current().ret];
}

inline void Fill(void *p, long n) {
    if (n > 0) memset(p, Current().fill, static_cast<size_t>(n));
}
inline void Int(int *p, long cap) { *p = Count(cap); }

inline void Text(char **p) {
    if (Current().trouble == kNoHeapResult) return;
    *p = static_cast<char *>(malloc(kLongText + 1));
    Fill(*p, kLongText);
    (*p)[kLongText] = '\0';
}

// A count of heap records past this is one whose reply the bridge cannot
// have a buffer for (the test binary's heap refuses blocks above
// kTestHeapLimit, and on the gateway its size is past a 32-bit size_t):
// the bridge must never read such a table, so a table of this many
// records stands in for it.
constexpr long kHeapListMax = 4096;

// As many records as the reported count (at most `max`): a block of
// exactly that size, so that reading one record more is caught.
template <class T>
void Table(T **p, long cap, long max) {
    if (Current().trouble == kNoHeapResult) return;
    const long n = Count(cap) < 0 ? 0 : Count(cap) > max ? max : Count(cap);
    *p = static_cast<T *>(malloc(static_cast<size_t>(n) * sizeof(T)));
    Fill(*p, n * static_cast<long>(sizeof(T)));
}

template <class T>
void Block(T **p) {
    if (Current().trouble == kNoHeapResult) return;
    *p = static_cast<T *>(malloc(sizeof(T)));
    Fill(*p, static_cast<long>(sizeof(T)));
}

#include "hostile_platform.inc"

}  // namespace hostile

#endif  // BUNDLE_TESTS_HOSTILE_H
