// The bridge's formatter against the C library's snprintf, byte for byte,
// on the build's own C library (the host's, and the gateway's under the
// target build), into buffers of every size from none to past the text.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "common/writer.h"

namespace {

const char *volatile g_null = nullptr;  // a null text the compiler cannot see
#define R10 "rrrrrrrrrr"
#define R100 R10 R10 R10 R10 R10 R10 R10 R10 R10 R10

struct Case {
    const char *format;
    std::function<void(char *, size_t)> ours, libc;
};
#define BOTH(...) \
    Case{#__VA_ARGS__, [](char *b, size_t n) { BUNDLE_WRITE(bundle::BoundedWriter(b, n), __VA_ARGS__); }, \
         [](char *b, size_t n) { snprintf(b, n, __VA_ARGS__); }}

TEST(Writer, WritesWhatSnprintfWrites) {
    static const char field[4] = {'a', 'b', 'c', 'd'};  // fills its field, no NUL
    // Record fields, read by the writer a word at a time: one filled to its
    // last byte, one with a NUL in its second word and bytes after it.
    static char full[26];
    memset(full, 'f', sizeof full);
    static const char part[24] = "0123456789\0ABCDEFGHIJKL";
    const Case cases[] = {
        BOTH("{\"Result\":0,\"UsStats\":%llu,\"DsStats\":%llu}", ULLONG_MAX, 0ULL),
        BOTH("%d|%d|%u|%d", INT_MIN, INT_MAX, UINT_MAX, 0),
        BOTH("%ld %lu %ld", LONG_MIN, ULONG_MAX, LONG_MAX),
        BOTH("%lld %llu %llu %lld", LLONG_MIN, 4294967296ULL, 10000000000000000000ULL, 4294967295LL),
        BOTH("a%%b%sc%%", "text"),
        BOTH("%.*s|%.*s|%.*s!", 4, field, 0, "z", -1, "negative precision is none"),
        BOTH("[%s][%.*s][%.*s][%.*s]", g_null, 3, g_null, 6, g_null, 5, g_null),
        BOTH("<%.*s|%.*s|%.*s>", BUNDLE_FIELD(full), BUNDLE_FIELD(part), BUNDLE_FIELD(field)),
        // Runs and texts of every length, cut by buffers of every size.
        BOTH("<" R100 R100 R100 "|%s>", R100 R100 R100),
    };
    for (const Case &c : cases) {
        char want[640], got[640];
        for (size_t n = 0; n <= 620; ++n) {
            memset(want, 0x5A, sizeof want);
            memset(got, 0x5A, sizeof got);
            c.libc(want, n);
            c.ours(got, n);
            ASSERT_EQ(memcmp(want, got, sizeof want), 0) << c.format << " into " << n << " bytes: \"" << got << "\"";
        }
    }
}

// LongestText at build time: texts as long as they may print, and no bound
// where it cannot tell one.
static_assert(bundle::LongestText("{\"A\":\"%.*s\",\"B\":%s,%%}", {16, 5}) == 15 + 16 + 5, "");
static_assert(bundle::LongestText("%s %s", {1}) == SIZE_MAX, "a text with no bound");
static_assert(bundle::LongestText("%x") == SIZE_MAX, "a conversion the writer does not do");

}  // namespace
