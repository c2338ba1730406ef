// MAC list arguments: a String[] of MAC texts copied into the gateway's
// 64-slot MAC tables, the String[] {""} rule, and the scan of one MAC text
// into the six raw bytes the gateway wants.
#ifndef BUNDLE_COMMON_MAC_TABLE_H
#define BUNDLE_COMMON_MAC_TABLE_H

#include <jni.h>
#include <stddef.h>

#include "common/java_args.h"

namespace bundle {

constexpr int kMacTableSlots = 64;
constexpr size_t kWideMacSlot = 32;    // at most 30 characters kept
constexpr size_t kNarrowMacSlot = 20;  // at most 18 characters kept

// Converts the elements of `macs` (whose length the caller read as `n`)
// into consecutive `width`-byte slots of a zeroed 64-slot table, each copy
// keeping at most width - 2 characters. An element whose characters cannot
// be had (or a Java null element or array) ends the conversion with
// `element_error_line`; the slots after it stay empty. Every element
// reference and its characters are released before the next one is taken.
//
// The error line goes out at `log_level` (2, the bridge's usual level,
// unless the method logs at another).
//
// Returns the count to give the platform: n, except that an array of more
// than 64 elements is cut to the table's 64 slots (the rest are never
// read), a negative n counts as 0 and a null array as 0.
inline int MacListToTable(JNIEnv *env, jobjectArray macs, jsize n, char *table, size_t width,
                          const char *element_error_line, int log_level = 2) {
    return StringsToTable(env, macs, n, table, kMacTableSlots, width, element_error_line, log_level);
}

// Java sends String[] {""} to mean "no MAC": when `count` is 1 and slot 0
// is empty, the table is zeroed again, `line` is logged (when given) and 0
// is returned. Any other count is returned unchanged.
int SingleEmptyMeansNone(int count, char *table, size_t width, const char *line);

template <size_t W>
inline int MacListToTable(JNIEnv *env, jobjectArray macs, jsize n, char (&table)[kMacTableSlots][W],
                          const char *element_error_line, int log_level = 2) {
    return MacListToTable(env, macs, n, &table[0][0], W, element_error_line, log_level);
}

template <size_t W>
inline int SingleEmptyMeansNone(int count, char (&table)[kMacTableSlots][W], const char *line) {
    return SingleEmptyMeansNone(count, &table[0][0], W, line);
}

// MAC text to the six raw bytes the gateway wants: one or two hex digits per
// group (either case), single colons between; the scan stops at the first
// character that does not fit and groups not read stay 0. A malformed text
// is not refused here: the gateway judges the bytes it gets.
void MacTextToBytes(const char *text, unsigned char (&bytes)[6]);

}  // namespace bundle

#endif  // BUNDLE_COMMON_MAC_TABLE_H
