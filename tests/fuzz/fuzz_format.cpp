// Holds the bridge's writer to the C library's snprintf, byte for byte.
// Each input appends a few pieces into a buffer of fuzzer-chosen size (0 up
// to 255 bytes), each piece a template of literal text (with %%) around one
// conversion the writer does, compiled as the build compiles templates:
// %d %u with no length, l or ll, given extreme or fuzzer-chosen numbers;
// %s and %.*s given texts, texts that fill their field with no NUL
// (printed with a precision no larger than the field, or as a record
// field with its whole size), negative precisions and null texts. The same
// pieces go through snprintf at the same position of a second buffer;
// after every piece both buffers must hold the same bytes, past the text
// included, and the writer's position must be where snprintf's text ends.
// Then the other blocks every reply stands on: the bounded copy, against
// snprintf too, and a list reply of any count, allowance and items.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/list_reply.h"
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

// The template is made at run time from fuzzer bytes and compiled as the
// build compiles the bridge's; both sides get the same arguments, matching
// the one conversion put in it.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
template <class... A>
void Both(Pair &p, const std::string &fmt, A... a) {
    std::vector<unsigned char> compiled(bundle::format::Compile(fmt.c_str(), nullptr));
    if (compiled.empty()) abort();  // a template the writer must take
    bundle::format::Compile(fmt.c_str(), compiled.data());
    const bundle::FormatArg args[] = {bundle::FormatArg(a)..., bundle::FormatArg(0)};
    p.out.WriteArgs(compiled.data(), args);
    const int wanted = snprintf(p.libc.data() + p.pos, p.cap - p.pos, fmt.c_str(), a...);
    if (p.cap > 0 && wanted > 0) p.pos += std::min(static_cast<size_t>(wanted), p.cap - 1 - p.pos);
    if (p.out.pos() != p.pos || memcmp(p.ours.data(), p.libc.data(), p.ours.size()) != 0) {
        fprintf(stderr, "template \"%s\" into %zu bytes: writer at %zu \"%.*s\", snprintf at %zu \"%.*s\"\n", fmt.c_str(),
                p.cap, p.out.pos(), static_cast<int>(p.cap), p.ours.data(), p.pos, static_cast<int>(p.cap), p.libc.data());
        abort();
    }
}

// Literal text of the template: any bytes but NUL and %, and now and then %%.
std::string Literal(FuzzInput &in) {
    std::string s;
    for (char c : in.Text(80)) s += c == '\0' ? std::string("x") : c == '%' ? std::string("%%") : std::string(1, c);
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
    const uint8_t kind = in.U8() % 9;
    static const char *const kConversions[] = {"%d", "%u", "%ld", "%lu", "%lld", "%llu", "%s", "%.*s", "%.*s"};
    const std::string f = head + kConversions[kind] + tail;
    // A text: whole (NUL-terminated), or a field it fills with no NUL, read
    // no further than its size.
    const std::string text = kind < 6 ? "" : in.Text(300);
    const bool field = in.U8() % 2 == 0;
    const std::vector<char> bytes(text.begin(), text.end());
    const char *t = field ? (bytes.empty() ? "" : bytes.data()) : text.c_str();
    const int size = static_cast<int>(text.size());
    const int precision = field ? static_cast<int>(in.U8()) % (size + 1) : static_cast<int>(static_cast<int8_t>(in.U8()));
    switch (kind) {
        case 0: return Both(p, f, static_cast<int>(v));
        case 1: return Both(p, f, static_cast<unsigned>(v));
        case 2: return Both(p, f, static_cast<long>(v));
        case 3: return Both(p, f, static_cast<unsigned long>(v));
        case 4: return Both(p, f, v);
        case 5: return Both(p, f, static_cast<unsigned long long>(v));
        case 6: return field ? void() : Both(p, f, in.U8() == 0 ? static_cast<const char *>(nullptr) : t);
        case 7: return field && in.U8() % 2 == 0 ? Both(p, f, static_cast<bundle::FieldSize>(size), t)  // a record field
                                                 : Both(p, f, precision, t);
        default: return Both(p, f, precision, static_cast<const char *>(nullptr));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    Pair p(in.U8());
    for (int n = in.U8() % 6 + 1; n > 0; --n) Piece(p, in);

    // The bounded copy of every Java text, into a buffer of any size.
    const std::string text = in.Text(600);
    std::vector<char> ours(p.cap + kSlack, 0x5A), libc(ours);
    bundle::CopyText(ours.data(), p.cap, text.c_str());
    snprintf(libc.data(), p.cap, "%s", text.c_str());
    if (ours != libc) abort();

    // A list reply of any count and allowance, items of any length: whole
    // JSON brackets around what fits, or its fail reply.
    const int count = static_cast<int>(in.U32());
    bundle::ListReply reply(count < 0 ? count : count % 70, in.U8(), "{\"Result\":-1,\"List\":[]}");
    reply.Open("{\"Result\":0,\"List\":[");
    for (int i = in.U8() % 8; i > 0; --i) BUNDLE_WRITE(reply, "%s,", in.Text(600).c_str());
    reply.Close();
    if (strlen(reply.text()) == 0) abort();
    return 0;
}
