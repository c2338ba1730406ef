// The bridge's own text formatting: every reply, and every text made for
// the gateway, is written through BoundedWriter or CopyText, never through
// the C library's formatter. Byte for byte they write what snprintf would;
// neither can pass the end of its buffer.
#ifndef BUNDLE_COMMON_WRITER_H
#define BUNDLE_COMMON_WRITER_H

#include <stdarg.h>
#include <stddef.h>
#include <stdint.h>

#include <initializer_list>

namespace bundle {

// What snprintf(buf, size, "%s", text) writes: at most size - 1 bytes of
// the text, then the NUL; nothing at all when size is 0.
void CopyText(char *buf, size_t size, const char *text);

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

// Formatted writer over a buffer of `capacity` bytes, each Printf appending
// what snprintf(text() + pos(), capacity - pos(), ...) would write: the text
// is cut at the last byte, which stays a NUL, and pos() never passes it.
// Built on an array, the capacity is the array's own.
//
// The writer does its conversions itself: %%, %s, %.Ns and %.*s (a negative
// precision counts as none; a null text prints as the C library prints it),
// and %d, %i, %u with no length, l or ll. No flags, widths or other
// conversions: a format holding one ends the text where it stands
// (scripts/lint_bridge.py holds every call site to the conversions above).
class BoundedWriter {
  public:
    BoundedWriter(char *buf, size_t capacity) : buf_(buf), cap_(capacity), pos_(0) {
        if (cap_ > 0) buf_[0] = '\0';
    }
    template <size_t N>
    explicit BoundedWriter(char (&buf)[N]) : BoundedWriter(buf, N) {}

    void Printf(const char *fmt, ...) __attribute__((format(printf, 2, 3)));
    void VPrintf(const char *fmt, va_list ap) __attribute__((format(printf, 2, 0)));
    // Moves back over the last character written when it is `c`.
    bool BackOver(char c);
    size_t pos() const { return pos_; }
    const char *text() const { return buf_; }

  private:
    // Appends n bytes of `s`, or as many as fit before the last byte.
    void Put(const char *s, size_t n);

    char *buf_;
    size_t cap_;
    size_t pos_;
};

// The longest text a format can give (without the NUL), for the
// static_assert beside each fixed reply buffer: `texts` holds, in order,
// the longest text each %s or %.*s may print (a record field's size when
// printed with its size as the precision); %.Ns counts N, and the numbers
// their longest decimal forms on the build's own int, long and long long.
// A format with a conversion the writer does not do, or more texts than
// `texts` names, counts as too long for any buffer.
constexpr size_t LongestText(const char *fmt, std::initializer_list<size_t> texts = {}) {
    size_t n = 0;
    const size_t *next = texts.begin();
    for (const char *p = fmt; *p != '\0'; ++p) {
        if (*p != '%') {
            ++n;
            continue;
        }
        ++p;
        if (*p == '%') {
            ++n;
            continue;
        }
        size_t precision = SIZE_MAX;  // taken from `texts`
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                ++p;
            } else {
                precision = 0;
                for (; *p >= '0' && *p <= '9'; ++p) precision = precision * 10 + static_cast<size_t>(*p - '0');
            }
        }
        int longs = 0;
        for (; *p == 'l' && longs < 2; ++p) ++longs;
        const size_t digits = longs == 0 ? 10 : longs == 1 && sizeof(long) == 4 ? 10 : 20;
        if (*p == 's' && longs == 0) {
            if (precision == SIZE_MAX && next == texts.end()) return SIZE_MAX;
            n += precision != SIZE_MAX ? precision : *next++;
        } else if ((*p == 'd' || *p == 'i') && precision == SIZE_MAX) {
            n += digits + 1;  // and the sign
        } else if (*p == 'u' && precision == SIZE_MAX) {
            n += digits;
        } else {
            return SIZE_MAX;
        }
    }
    return n;
}

}  // namespace bundle

#endif  // BUNDLE_COMMON_WRITER_H
