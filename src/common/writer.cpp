#include "common/writer.h"

#include <string.h>

namespace bundle {

namespace {

#if UINTPTR_MAX > UINT32_MAX
// n bytes from s to d, no byte more, with word moves that may overlap
// instead of a call: most runs and texts of a reply are a few bytes long.
inline __attribute__((always_inline)) void Copy(char *d, const char *s, size_t n) {
    if (n <= 16) {
        if (n >= 8) {
            memcpy(d, s, 8);
            memcpy(d + n - 8, s + n - 8, 8);
        } else if (n >= 4) {
            memcpy(d, s, 4);
            memcpy(d + n - 4, s + n - 4, 4);
        } else if (n > 0) {  // one to three bytes: first, middle, last
            d[0] = s[0];
            d[n / 2] = s[n / 2];
            d[n - 1] = s[n - 1];
        }
        return;
    }
    if (n <= 32) {
        memcpy(d, s, 16);
        memcpy(d + n - 16, s + n - 16, 16);
        return;
    }
    for (; n > 32; n -= 32, d += 32, s += 32) {
        memcpy(d, s, 16);
        memcpy(d + 16, s + 16, 16);
    }
    // The last 32 bytes, some of them copied already.
    memcpy(d + n - 32, s + n - 32, 16);
    memcpy(d + n - 16, s + n - 16, 16);
}
#else
// On the gateway, where flash counts more than a call, the C library's.
inline void Copy(char *d, const char *s, size_t n) { memcpy(d, s, n); }
#endif

#if UINTPTR_MAX > UINT32_MAX
// On a 64-bit host a 64-bit division by a constant is a multiplication:
// digits go two at a time from a table of the hundred pairs, in 32-bit
// pieces of eight that do not wait on each other.
constexpr char kPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";
constexpr unsigned long long kPowersOf10[20] = {
    1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL, 10000000ULL, 100000000ULL, 1000000000ULL,
    10000000000ULL, 100000000000ULL, 1000000000000ULL, 10000000000000ULL, 100000000000000ULL,
    1000000000000000ULL, 10000000000000000ULL, 100000000000000000ULL, 1000000000000000000ULL,
    10000000000000000000ULL};

unsigned DigitCount(unsigned long long v) {
    v |= 1;  // the same count, and a bit set
    const unsigned guess = static_cast<unsigned>(64 - __builtin_clzll(v)) * 1233 >> 12;
    return guess + 1 - (v < kPowersOf10[guess] ? 1 : 0);
}

// The two digits of x, below 100.
const char *Pair(uint32_t x) { return kPairs + 2 * static_cast<size_t>(x); }

// The digits of w below `end`, two at a time.
void Pairs(uint32_t w, char *end) {
    for (; w >= 100; w /= 100) {
        end -= 2;
        memcpy(end, Pair(w % 100), 2);
    }
    if (w >= 10) {
        end -= 2;
        memcpy(end, Pair(w), 2);
    } else {
        *--end = static_cast<char>('0' + w);
    }
}

// Eight digits of w (below 10^8) ending at `end`, zeros in front, as two
// halves of four.
void Eight(uint32_t w, char *end) {
    const uint32_t hi = w / 10000, lo = w - hi * 10000;
    memcpy(end - 8, Pair(hi / 100), 2);
    memcpy(end - 6, Pair(hi % 100), 2);
    memcpy(end - 4, Pair(lo / 100), 2);
    memcpy(end - 2, Pair(lo % 100), 2);
}

// The decimal digits of v, written backwards from `end`.
void Digits(unsigned long long v, char *end) {
    for (; v >= 100000000; end -= 8) {
        const unsigned long long q = v / 100000000;
        Eight(static_cast<uint32_t>(v - q * 100000000), end);
        v = q;
    }
    Pairs(static_cast<uint32_t>(v), end);
}
#else
// How many decimal digits v has.
unsigned DigitCount(unsigned long long v) {
    unsigned n = 1;
    for (unsigned long long p = 10; n < 20 && v >= p; p *= 10) ++n;
    return n;
}

// The decimal digits of v, written backwards from `end`. On the gateway's
// 32-bit processor a 64-bit division would be a call into the compiler's
// support library, which the library does not link: a value past 32 bits
// is divided with 32-bit divisions over 16-bit pieces, the rest as a
// 32-bit value.
void Digits(unsigned long long v, char *end) {
    while (v > UINT32_MAX) {
        const uint32_t hi = static_cast<uint32_t>(v >> 32);
        const uint32_t lo = static_cast<uint32_t>(v);
        const uint32_t mid = (hi % 10u) << 16 | lo >> 16;  // below 10 << 16
        const uint32_t low = (mid % 10u) << 16 | (lo & 0xFFFFu);
        *--end = static_cast<char>('0' + low % 10u);
        v = static_cast<unsigned long long>(hi / 10u) << 32 | (mid / 10u) << 16 | low / 10u;
    }
    for (uint32_t w = static_cast<uint32_t>(v);; w = w / 10u) {
        const uint32_t q = w / 10u;
        *--end = static_cast<char>('0' + (w - q * 10u));
        if (q == 0) break;
    }
}
#endif

constexpr auto kText = format::CompileTemplate<format::Compile("%s", nullptr)>("%s");

}  // namespace

void CopyText(char *buf, size_t size, const char *text) { CopyTextHere(buf, size, text); }

void BoundedWriter::WriteArgs(const unsigned char *compiled, const FormatArg *args) {
    if (cap_ == 0) return;
    char *out = buf_ + pos_;
    char *const last = buf_ + cap_ - 1;  // the byte that stays a NUL
    const unsigned char *piece = compiled + 1;
    const char *run = reinterpret_cast<const char *>(compiled + 1 + 2 * static_cast<size_t>(compiled[0]));
    // Once the last byte is reached nothing more can be written, and the
    // rest of the template is not looked at.
    for (;; piece += 2) {
        size_t room = static_cast<size_t>(last - out);
        const size_t len = piece[0];
        Copy(out, run, len < room ? len : room);
        out += len < room ? len : room;
        run += len;
        const unsigned char conversion = piece[1];
        if (conversion == format::kEnd || out == last) break;
        room = static_cast<size_t>(last - out);
        if (conversion == format::kTextPrecision && args->field_size()) {
            // A whole record field: read a word at a time while a whole word
            // lies within both the field and the room left.
            const size_t size = static_cast<size_t>(static_cast<uint32_t>(args->uword()));
            const char *field = args[1].text();
            args += 2;
            const size_t most = size < room ? size : room;
            size_t n = 0;
            bool ended = false;
            for (; n + 8 <= most; n += 8) {
                uint64_t w;
                memcpy(&w, field + n, 8);
                const uint64_t zero =
                    ~(((w & 0x7F7F7F7F7F7F7F7FULL) + 0x7F7F7F7F7F7F7F7FULL) | w | 0x7F7F7F7F7F7F7F7FULL);
                if (zero != 0) {
                    const size_t k = static_cast<size_t>(__builtin_ctzll(zero)) / 8;  // the first byte is the lowest
                    Copy(out + n, field + n, k);
                    n += k;
                    ended = true;
                    break;
                }
                memcpy(out + n, &w, 8);
            }
            if (!ended) {
                while (n < most && field[n] != '\0') {
                    out[n] = field[n];
                    ++n;
                }
            }
            out += n;
        } else if (conversion == format::kText || conversion == format::kTextPrecision) {
            const long precision = conversion == format::kTextPrecision ? static_cast<int>((args++)->word()) : -1;
            const char *text = (args++)->text();
            if (text == nullptr) text = precision < 0 || precision >= 6 ? "(null)" : "";
            // No byte past what fits, or past the precision, is read: a
            // field with no NUL is read to its size at most.
            const size_t most =
                precision >= 0 && static_cast<unsigned long>(precision) < room ? static_cast<size_t>(precision) : room;
            const size_t n = strnlen(text, most);
            Copy(out, text, n);
            out += n;
        } else if (conversion != format::kNone) {
            const FormatArg &a = *args++;
            unsigned long long v = 0;
            bool negative = false;
            switch (conversion) {
                case format::kInt:
                case format::kLong: {
                    const long long s = conversion == format::kInt ? static_cast<int>(a.word()) : a.word();
                    negative = s < 0;
                    v = negative ? 0ULL - static_cast<unsigned long long>(s) : static_cast<unsigned long long>(s);
                    break;
                }
                case format::kLongLong: {
                    const long long s = a.wide();
                    negative = s < 0;
                    v = negative ? 0ULL - static_cast<unsigned long long>(s) : static_cast<unsigned long long>(s);
                    break;
                }
                case format::kUInt:
                    v = static_cast<unsigned>(a.uword());
                    break;
                case format::kULong:
                    v = a.uword();
                    break;
                default:
                    v = a.uwide();
                    break;
            }
            // Written in place where the whole number fits, else cut from a
            // copy made aside.
            const size_t n = DigitCount(v) + (negative ? 1 : 0);
            if (n <= room) {
                Digits(v, out + n);
                if (negative) *out = '-';
                out += n;
            } else {
                char whole[21];
                Digits(v, whole + n);
                if (negative) whole[0] = '-';
                Copy(out, whole, room);
                out += room;
            }
        }
    }
    *out = '\0';
    pos_ = static_cast<size_t>(out - buf_);
}

void BoundedWriter::Append(const char *text) {
    const FormatArg arg(text);
    WriteArgs(kText.bytes, &arg);
}

bool BoundedWriter::BackOver(char c) {
    if (pos_ == 0 || buf_[pos_ - 1] != c) return false;
    --pos_;
    buf_[pos_] = '\0';
    return true;
}

}  // namespace bundle
