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

struct Case {
    const char *format;
    std::function<void(char *, size_t)> ours, libc;
};
#define BOTH(...)                                                                               \
    Case {                                                                                      \
        #__VA_ARGS__, [](char *b, size_t n) { bundle::BoundedWriter(b, n).Printf(__VA_ARGS__); }, \
            [](char *b, size_t n) { snprintf(b, n, __VA_ARGS__); }                              \
    }

TEST(Writer, WritesWhatSnprintfWrites) {
    static const char field[4] = {'a', 'b', 'c', 'd'};  // fills its field, no NUL
    const Case cases[] = {
        BOTH("{\"Result\":0,\"UsStats\":%llu,\"DsStats\":%llu}", ULLONG_MAX, 0ULL),
        BOTH("%d|%i|%u|%d", INT_MIN, INT_MAX, UINT_MAX, 0),
        BOTH("%ld %lu %li", LONG_MIN, ULONG_MAX, LONG_MAX),
        BOTH("%lld %llu %llu %lli", LLONG_MIN, 4294967296ULL, 10000000000000000000ULL, 4294967295LL),
        BOTH("a%%b%sc%%", "text"),
        BOTH("%.*s|%.3s|%.0s|%.*s!", 4, field, "xy", "z", -1, "negative precision is none"),
        BOTH("[%s][%.*s][%.6s][%.5s]", g_null, 3, g_null, g_null, g_null),
        BOTH("no conversion at all"),
        BOTH("%s", ""),
    };
    for (const Case &c : cases) {
        char want[128], got[128];
        for (size_t n = 0; n <= 96; ++n) {
            memset(want, 0x5A, sizeof want);
            memset(got, 0x5A, sizeof got);
            c.libc(want, n);
            c.ours(got, n);
            ASSERT_EQ(memcmp(want, got, sizeof want), 0) << c.format << " into " << n << " bytes: \"" << got << "\"";
        }
    }
}

TEST(Writer, AppendsWithinItsBufferAndStopsAtAConversionItDoesNotDo) {
    char buf[8];
    bundle::BoundedWriter out(buf);
    out.Printf("%s", "abc");
    out.Printf("%d", -12);
    EXPECT_TRUE(out.BackOver('2'));
    out.Printf("%u%s", 345u, "zz");  // cut at the last byte
    EXPECT_STREQ(buf, "abc-134");
    EXPECT_EQ(out.pos(), 7u);
    char other[16];
    bundle::BoundedWriter(other).Printf("ab%xcd%d", 255u, 1);
    EXPECT_STREQ(other, "ab");
}

TEST(Writer, LongestTextIsNeverShortOfTheText) {
    char buf[64];
    const struct { size_t longest; std::function<void()> print; } cases[] = {
        {bundle::LongestText("%d"), [&] { bundle::BoundedWriter(buf).Printf("%d", INT_MIN); }},
        {bundle::LongestText("%u"), [&] { bundle::BoundedWriter(buf).Printf("%u", UINT_MAX); }},
        {bundle::LongestText("%ld"), [&] { bundle::BoundedWriter(buf).Printf("%ld", LONG_MIN); }},
        {bundle::LongestText("%lu"), [&] { bundle::BoundedWriter(buf).Printf("%lu", ULONG_MAX); }},
        {bundle::LongestText("%lld"), [&] { bundle::BoundedWriter(buf).Printf("%lld", LLONG_MIN); }},
        {bundle::LongestText("%llu"), [&] { bundle::BoundedWriter(buf).Printf("%llu", ULLONG_MAX); }},
    };
    for (const auto &c : cases) {
        c.print();
        EXPECT_GE(c.longest, strlen(buf)) << buf;
    }
    static_assert(bundle::LongestText("{\"A\":\"%.*s\",\"B\":%s,%.3s%%}", {16, 5}) == 15 + 16 + 5 + 3, "");
    static_assert(bundle::LongestText("%s %s", {1}) == SIZE_MAX, "a text with no bound");
    static_assert(bundle::LongestText("%x") == SIZE_MAX, "a conversion the writer does not do");
}

}  // namespace
