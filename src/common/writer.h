// The bridge's own text formatting: every reply, and every text made for
// the gateway, is written through BoundedWriter (BUNDLE_WRITE) or
// CopyText, never through the C library's formatter. Byte for byte they
// write what snprintf would; neither can pass the end of its buffer.
//
// A reply template stays one printf-style literal where it is used, and
// the compiler checks its conversions against the arguments as for printf.
// It is compiled at build time into its literal runs and conversions, so a
// call copies runs of known length and converts its arguments, without
// scanning the template for '%' as the C library does on every call.
#ifndef BUNDLE_COMMON_WRITER_H
#define BUNDLE_COMMON_WRITER_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <initializer_list>
#include <limits>

namespace bundle {

// What snprintf(buf, size, "%s", text) writes: at most size - 1 bytes of
// the text, then the NUL; nothing at all when size is 0.
void CopyText(char *buf, size_t size, const char *text);

// The same copy made where it is called: for the loops every Java text goes
// through (String arguments, MAC tables), where a call would cost as much.
inline void CopyTextHere(char *buf, size_t size, const char *text) {
    if (size == 0) return;
    const size_t n = strnlen(text, size - 1);
    memcpy(buf, text, n);
    buf[n] = '\0';
}

template <size_t N>
inline void CopyText(char (&buf)[N], const char *text) {
    CopyText(buf, N, text);
}

// A fixed reply (a literal) copied whole into its buffer: the compiler
// refuses a reply that would not fit with its NUL.
template <size_t N, size_t M>
inline void CopyWhole(char (&buf)[N], const char (&reply)[M]) {
    static_assert(M <= N, "the reply does not fit its buffer");
    CopyText(buf, N, reply);
}

namespace format {

// The conversions a template may hold: %s and %.*s (a negative precision
// counts as none; a null text prints as the C library prints it), %d, %ld,
// %lld, %u, %lu, %llu, and %% in the literal text. No flags, widths or
// other conversions: a template holding one does not compile.
enum Conversion : unsigned char {
    kNone,
    kText,
    kTextPrecision,
    kInt,
    kLong,
    kLongLong,
    kUInt,
    kULong,
    kULongLong,
    kEnd
};

// Not constexpr: reaching it while a template is compiled at build time
// fails the build, naming the fault.
inline size_t UnsupportedConversionInTemplate() { return 0; }
inline size_t TemplateTooLong() { return 0; }

// Compiles `fmt` into `out` (when not null) and gives its size in bytes:
// the number of pieces K, K pairs (length of the literal run, then the
// conversion after it; the last one kEnd), then the literal runs, %%
// already one %. A run longer than 255 bytes is split over pieces with
// no conversion.
constexpr size_t Compile(const char *fmt, unsigned char *out) {
    size_t pieces = 0, size = 0;
    for (int pass = 0; pass < 2; ++pass) {
        size_t piece = 0, at = 1 + 2 * pieces, run = 0;
        const char *p = fmt;
        for (;;) {
            unsigned char conversion = kNone;
            if (*p == '\0') {
                conversion = kEnd;
            } else if (*p != '%' || p[1] == '%') {
                if (run < 255) {
                    if (pass == 1 && out != nullptr) out[at] = static_cast<unsigned char>(*p);
                    ++at;
                    ++run;
                    p += *p == '%' ? 2 : 1;
                    continue;
                }
            } else if (p[1] == 's') {
                conversion = kText, p += 2;
            } else if (p[1] == '.' && p[2] == '*' && p[3] == 's') {
                conversion = kTextPrecision, p += 4;
            } else {
                int longs = 0;
                for (++p; *p == 'l' && longs < 2; ++p) ++longs;
                const bool is_signed = *p == 'd';
                if (!is_signed && *p != 'u') return UnsupportedConversionInTemplate();
                ++p;
                conversion = static_cast<unsigned char>((is_signed ? kInt : kUInt) + longs);
            }
            if (pass == 1 && out != nullptr) {
                out[1 + 2 * piece] = static_cast<unsigned char>(run);
                out[2 + 2 * piece] = conversion;
            }
            ++piece;
            run = 0;
            if (conversion == kEnd) break;
        }
        if (piece > 255) return TemplateTooLong();
        pieces = piece;
        size = at;
        if (pass == 1 && out != nullptr) out[0] = static_cast<unsigned char>(pieces);
    }
    return size;
}

template <size_t N>
struct Template {
    unsigned char bytes[N];
};

template <size_t N>
constexpr Template<N> CompileTemplate(const char *fmt) {
    Template<N> t{};
    Compile(fmt, t.bytes);
    return t;
}

// Never defined: only called inside sizeof, so that the compiler checks a
// template against its arguments as it checks printf.
int Check(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace format

// The size of a record's text field, as the precision of its %.*s
// (BUNDLE_FIELD): the writer may then read the whole field, past a NUL in
// it, which lets it look at several bytes at once. An int to the compiler's
// format check.
enum FieldSize : int {};

template <size_t N>
constexpr FieldSize SizeOf(const char (&)[N]) {
    static_assert(N <= 0x7FFFFFFF, "a field an int can size");
    return static_cast<FieldSize>(N);
}

// One argument of a template, as the call passes it: numbers and texts by
// value, 64-bit numbers (wider than a pointer on the gateway) by address,
// valid until the call's end. The template's conversion says which it is.
class FormatArg {
  public:
    FormatArg(int v) : word_(static_cast<uintptr_t>(static_cast<intptr_t>(v))) {}   // NOLINT
    FormatArg(long v) : word_(static_cast<uintptr_t>(static_cast<intptr_t>(v))) {}  // NOLINT
    FormatArg(unsigned v) : word_(v) {}                                             // NOLINT
    FormatArg(unsigned long v) : word_(v) {}                                        // NOLINT
    FormatArg(const long long &v) : pointer_(&v) {}                                 // NOLINT
    FormatArg(const unsigned long long &v) : pointer_(&v) {}                        // NOLINT
    FormatArg(const char *v) : pointer_(v) {}                                       // NOLINT
    // On a 64-bit little-endian host a field's size carries a mark above
    // any int; on the gateway it is an int like any other precision.
    FormatArg(FieldSize v) : word_(static_cast<uintptr_t>(v) | kFieldMark) {}  // NOLINT

    static constexpr uintptr_t kFieldMark =
        UINTPTR_MAX > UINT32_MAX &&__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? uintptr_t{1} << 40 : 0;
    // Whether this is a field's size: its word above the int's 32 bits is
    // the mark alone, never the 0 or all ones of a sign-extended int.
    bool field_size() const { return kFieldMark != 0 && (word_ & ~uintptr_t{UINT32_MAX}) == kFieldMark; }

    intptr_t word() const { return static_cast<intptr_t>(word_); }
    uintptr_t uword() const { return word_; }
    const char *text() const { return static_cast<const char *>(pointer_); }
    long long wide() const { return *static_cast<const long long *>(pointer_); }
    unsigned long long uwide() const { return *static_cast<const unsigned long long *>(pointer_); }

  private:
    union {
        uintptr_t word_;
        const void *pointer_;
    };
};

static_assert(sizeof(long) <= sizeof(uintptr_t), "a long goes by value");

// Formatted writer over a buffer of `capacity` bytes, each write appending
// what snprintf(text() + pos(), capacity - pos(), ...) would write: the text
// is cut at the last byte, which stays a NUL, and pos() never passes it.
// Built on an array, the capacity is the array's own.
class BoundedWriter {
  public:
    BoundedWriter(char *buf, size_t capacity) : buf_(buf), cap_(capacity), pos_(0) {
        if (cap_ > 0) buf_[0] = '\0';
    }
    template <size_t N>
    explicit BoundedWriter(char (&buf)[N]) : BoundedWriter(buf, N) {}

    // A compiled template with its arguments: use BUNDLE_WRITE.
    void Write(const unsigned char *compiled, std::initializer_list<FormatArg> args) {
        WriteArgs(compiled, args.begin());
    }
    void WriteArgs(const unsigned char *compiled, const FormatArg *args);
    // What "%s" writes of `text`.
    void Append(const char *text);
    // Text of its own, a literal with no %, copied with its length known
    // where it is used: the brackets and commas around list items.
    template <size_t N>
    void Literal(const char (&text)[N]) {
        Put(text, N - 1);
    }
    // Moves back over the last character written when it is `c`.
    bool BackOver(char c);
    size_t pos() const { return pos_; }
    const char *text() const { return buf_; }

  private:
    // On a 64-bit host the copy is made where it is used, without a call; on
    // the gateway, where flash counts more than a call, it is made once.
#if UINTPTR_MAX <= UINT32_MAX
    __attribute__((noinline))
#endif
    void
    Put(const char *text, size_t n) {
        if (cap_ == 0) return;
        const size_t room = cap_ - 1 - pos_;
        if (n > room) n = room;
        memcpy(buf_ + pos_, text, n);
        pos_ += n;
        buf_[pos_] = '\0';
    }

    char *buf_;
    size_t cap_;
    size_t pos_;
};

// The longest text a format can give (without the NUL), for the
// static_assert beside each fixed reply buffer: `texts` holds, in order,
// the longest text each %s or %.*s may print (a record field's size when
// printed with its size as the precision), and the numbers count their
// longest decimal forms on the build's own int, long and long long. A
// format with a conversion the writer does not do, or more texts than
// `texts` names, counts as too long for any buffer.
constexpr size_t LongestText(const char *fmt, std::initializer_list<size_t> texts = {}) {
    size_t n = 0;
    const size_t *next = texts.begin();
    for (const char *p = fmt; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '%') {
            p += *p == '%' ? 1 : 0;
            ++n;
            continue;
        }
        if (p[1] == 's' || (p[1] == '.' && p[2] == '*' && p[3] == 's')) {
            if (next == texts.end()) return SIZE_MAX;
            n += *next++;
            p += p[1] == 's' ? 1 : 3;
            continue;
        }
        int longs = 0;
        for (++p; *p == 'l' && longs < 2; ++p) ++longs;
        const size_t digits = longs == 0 || (longs == 1 && sizeof(long) == 4) ? 10 : 20;
        if (*p == 'd') {
            n += digits + 1;  // and the sign
        } else if (*p == 'u') {
            n += digits;
        } else {
            return SIZE_MAX;
        }
    }
    return n;
}

// A number's longest decimal form on this build: digits10 + 1 digits, and a
// sign for the signed ones.
template <class T>
constexpr size_t LongestNumber() {
    return std::numeric_limits<T>::digits10 + 1 + (std::numeric_limits<T>::is_signed ? 1 : 0);
}
static_assert(LongestText("%d") >= LongestNumber<int>() && LongestText("%u") >= LongestNumber<unsigned>() &&
                  LongestText("%ld") >= LongestNumber<long>() && LongestText("%lu") >= LongestNumber<unsigned long>() &&
                  LongestText("%lld") >= LongestNumber<long long>() &&
                  LongestText("%llu") >= LongestNumber<unsigned long long>(),
              "LongestText counts a number shorter than its longest form");

}  // namespace bundle

// A record text field as the arguments of its %.*s.
#define BUNDLE_FIELD(f) ::bundle::SizeOf(f), (f)

// The template compiled at build time, as a constant of the calling function.
#define BUNDLE_TEMPLATE(fmt)                                                                 \
    ([]() -> const unsigned char * {                                                         \
        static constexpr auto compiled_ =                                                    \
            ::bundle::format::CompileTemplate<::bundle::format::Compile(fmt, nullptr)>(fmt); \
        return compiled_.bytes;                                                              \
    }())

// Appends `fmt` with its arguments to `out` (a BoundedWriter, or a
// ListReply item), the format checked by the compiler as printf's is.
#define BUNDLE_WRITE(out, fmt, ...) \
    ((void)sizeof(::bundle::format::Check(fmt, ##__VA_ARGS__)), (out).Write(BUNDLE_TEMPLATE(fmt), {__VA_ARGS__}))

#endif  // BUNDLE_COMMON_WRITER_H
