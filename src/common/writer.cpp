#include "common/writer.h"

#include <string.h>

namespace bundle {

namespace {

// v / 10 in place, giving back v % 10, with 32-bit divisions only: on the
// gateway's 32-bit processor a 64-bit division is a call into the
// compiler's support library, which the library does not link.
unsigned DivMod10(unsigned long long *v) {
    const uint32_t hi = static_cast<uint32_t>(*v >> 32);
    const uint32_t lo = static_cast<uint32_t>(*v);
    const uint32_t mid = (hi % 10u) << 16 | lo >> 16;   // below 10 << 16
    const uint32_t low = (mid % 10u) << 16 | (lo & 0xFFFFu);
    *v = static_cast<unsigned long long>(hi / 10u) << 32 | (mid / 10u) << 16 | low / 10u;
    return low % 10u;
}

// The decimal digits of v, written backwards from `end`; their start.
char *Digits(unsigned long long v, char *end) {
    char *d = end;
    while (v > UINT32_MAX) *--d = static_cast<char>('0' + DivMod10(&v));
    for (uint32_t w = static_cast<uint32_t>(v);; w /= 10u) {
        *--d = static_cast<char>('0' + w % 10u);
        if (w < 10u) break;
    }
    return d;
}

}  // namespace

void CopyText(char *buf, size_t size, const char *text) {
    if (size == 0) return;
    const size_t n = strnlen(text, size - 1);
    memcpy(buf, text, n);
    buf[n] = '\0';
}

void BoundedWriter::Put(const char *s, size_t n) {
    const size_t room = cap_ - 1 - pos_;
    if (n > room) n = room;
    memcpy(buf_ + pos_, s, n);
    pos_ += n;
}

void BoundedWriter::Printf(const char *fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    VPrintf(fmt, ap);
    va_end(ap);
}

void BoundedWriter::VPrintf(const char *fmt, va_list ap) {
    if (cap_ == 0) return;
    va_list args;
    va_copy(args, ap);
    // Once the last byte is reached nothing more can be written, and the
    // rest of the format is not read.
    for (const char *p = fmt; *p != '\0' && pos_ + 1 < cap_;) {
        if (*p != '%') {  // a run of literal text, up to the next conversion
            const char *end = strchr(p, '%');
            const size_t len = end != nullptr ? static_cast<size_t>(end - p) : strlen(p);
            Put(p, len);
            p += len;
            continue;
        }
        ++p;
        if (*p == '%') {
            Put(p++, 1);
            continue;
        }
        long precision = -1;
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                precision = va_arg(args, int);
                ++p;
            } else {
                precision = 0;
                // Held below 2^31 as the C library holds it; far above any buffer.
                for (; *p >= '0' && *p <= '9'; ++p) {
                    if (precision < 0x7FFFFFF) precision = precision * 10 + (*p - '0');
                }
            }
        }
        int longs = 0;
        for (; *p == 'l' && longs < 2; ++p) ++longs;
        if (*p == 's' && longs == 0) {
            const char *text = va_arg(args, const char *);
            if (text == nullptr) text = precision < 0 || precision >= 6 ? "(null)" : "";
            // No byte past what fits is read: a field with no NUL is read
            // to its precision at most.
            size_t most = cap_ - 1 - pos_;
            if (precision >= 0 && static_cast<unsigned long>(precision) < most) most = static_cast<size_t>(precision);
            Put(text, strnlen(text, most));
        } else if ((*p == 'd' || *p == 'i' || *p == 'u') && precision < 0) {
            unsigned long long v;
            bool negative = false;
            if (*p == 'u') {
                v = longs == 0 ? va_arg(args, unsigned) : longs == 1 ? va_arg(args, unsigned long)
                                                                    : va_arg(args, unsigned long long);
            } else {
                const long long s = longs == 0 ? va_arg(args, int) : longs == 1 ? va_arg(args, long)
                                                                               : va_arg(args, long long);
                negative = s < 0;
                v = negative ? 0ULL - static_cast<unsigned long long>(s) : static_cast<unsigned long long>(s);
            }
            char digits[21];
            char *d = Digits(v, digits + sizeof digits);
            if (negative) *--d = '-';
            Put(d, static_cast<size_t>(digits + sizeof digits - d));
        } else {
            break;  // a conversion the writer does not do: the text ends here
        }
        ++p;
    }
    va_end(args);
    buf_[pos_] = '\0';
}

bool BoundedWriter::BackOver(char c) {
    if (pos_ == 0 || buf_[pos_ - 1] != c) return false;
    --pos_;
    buf_[pos_] = '\0';
    return true;
}

}  // namespace bundle
