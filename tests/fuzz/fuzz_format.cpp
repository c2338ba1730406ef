// Holds the bridge's writer to the C library's snprintf, byte for byte.
// Each input appends a few pieces into a buffer of fuzzer-chosen size (0 up
// to 255 bytes), each piece a format of literal text (with %%) around one
// conversion the writer does: %d %i %u with no length, l or ll, given
// extreme or fuzzer-chosen numbers; %s, %.Ns and %.*s given texts, texts
// that fill their field with no NUL (printed with a precision no larger
// than the field), negative precisions and null texts. The same pieces go
// through snprintf at the same position of a second buffer; after every
// piece both buffers must hold the same bytes, past the text included, and
// the writer's position must be where snprintf's text ends.
#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/writer.h"
#include "fuzz_input.h"

namespace {

constexpr size_t kSlack = 16;  // bytes past the buffer, which neither may touch

struct Pair {
    explicit Pair(size_t cap) : ours(cap + kSlack, 0x5A), libc(cap + kSlack, 0x5A), cap(cap), out(ours.data(), cap) {}
    std::vector<char> ours, libc;
    size_t cap, pos = 0;
    bundle::BoundedWriter out;
};

// The format is made at run time from fuzzer bytes; both sides are handed
// the same arguments, matching the one conversion put in it.
#pragma clang diagnostic ignored "-Wformat-nonliteral"
void Both(Pair &p, const char *fmt, ...) {
    va_list a, b;
    va_start(a, fmt);
    va_copy(b, a);
    p.out.VPrintf(fmt, a);
    const int wanted = vsnprintf(p.libc.data() + p.pos, p.cap - p.pos, fmt, b);
    va_end(b);
    va_end(a);
    if (p.cap > 0 && wanted > 0) p.pos += std::min(static_cast<size_t>(wanted), p.cap - 1 - p.pos);
    if (p.out.pos() != p.pos || memcmp(p.ours.data(), p.libc.data(), p.ours.size()) != 0) {
        fprintf(stderr, "format \"%s\" into %zu bytes: writer at %zu \"%.*s\", snprintf at %zu \"%.*s\"\n", fmt, p.cap,
                p.out.pos(), static_cast<int>(p.cap), p.ours.data(), p.pos, static_cast<int>(p.cap), p.libc.data());
        abort();
    }
}

// Literal text of the format: any bytes but NUL and %, and now and then %%.
std::string Literal(FuzzInput &in) {
    std::string s;
    for (char c : in.Text(12)) s += c == '\0' ? std::string("x") : c == '%' ? std::string("%%") : std::string(1, c);
    return s;
}

long long Number(FuzzInput &in) {
    static const long long kExtremes[] = {0, 1, -1, 9, 10, -10, INT_MIN, INT_MAX, UINT_MAX, 4294967296LL,
                                          LLONG_MIN, LLONG_MAX, 999999999999LL, 1000000000000000000LL};
    const uint8_t pick = in.U8();
    if (pick < sizeof kExtremes / sizeof kExtremes[0]) return kExtremes[pick];
    return static_cast<long long>(static_cast<uint64_t>(in.U32()) << 32 | in.U32()) >> (pick % 64);
}

void Piece(Pair &p, FuzzInput &in) {
    const std::string head = Literal(in), tail = Literal(in);
    const long long v = Number(in);
    const uint8_t kind = in.U8() % 13;
    static const char *const kNumbers[] = {"%d", "%i", "%u", "%ld", "%li", "%lu", "%lld", "%lli", "%llu"};
    if (kind < 9) {
        const std::string f = head + kNumbers[kind] + tail;
        switch (kind) {
            case 0: case 1: Both(p, f.c_str(), static_cast<int>(v)); break;
            case 2: Both(p, f.c_str(), static_cast<unsigned>(v)); break;
            case 3: case 4: Both(p, f.c_str(), static_cast<long>(v)); break;
            case 5: Both(p, f.c_str(), static_cast<unsigned long>(v)); break;
            case 6: case 7: Both(p, f.c_str(), v); break;
            default: Both(p, f.c_str(), static_cast<unsigned long long>(v)); break;
        }
        return;
    }
    // A text: whole (NUL-terminated), or a field it fills with no NUL.
    const std::string text = in.Text(300);
    const bool field = in.U8() % 2 == 0;
    const std::vector<char> bytes(text.begin(), text.end());  // no NUL after a field's last byte
    const char *t = field ? (bytes.empty() ? "" : bytes.data()) : text.c_str();
    const int room = static_cast<int>(text.size());  // a field is read no further than this
    const int precision = field ? static_cast<int>(in.U8()) % (room + 1) : static_cast<int>(static_cast<int8_t>(in.U8()));
    switch (kind) {
        case 9:
            if (field) return;  // a bare %s needs its NUL
            Both(p, (head + "%s" + tail).c_str(), in.U8() == 0 ? nullptr : t);
            break;
        case 10: Both(p, (head + "%.*s" + tail).c_str(), precision, t); break;
        case 11: Both(p, (head + "%." + std::to_string(precision < 0 ? -precision : precision) + "s" + tail).c_str(), t);
            break;
        default: Both(p, (head + "%.*s" + tail).c_str(), precision, static_cast<const char *>(nullptr)); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    Pair p(in.U8());
    for (int n = in.U8() % 6 + 1; n > 0; --n) Piece(p, in);
    return 0;
}
