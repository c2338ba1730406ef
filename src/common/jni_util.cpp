#include "common/jni_util.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace bundle {

namespace {

// What snprintf(buf, size, "%s", text) writes (at most size - 1 bytes of
// the text, then the NUL), without the printf machinery around the copy.
void CopyCut(char *buf, size_t size, const char *text) {
    if (size == 0) return;
    const size_t n = strnlen(text, size - 1);
    memcpy(buf, text, n);
    buf[n] = '\0';
}

}  // namespace

bool CopyJstring(JNIEnv *env, jstring str, char *buf, size_t size_arg) {
    // A Java null is treated like a String whose characters cannot be had:
    // GetStringUTFChars(null) would bring the JVM down.
    if (str == nullptr) return false;
    const char *chars = env->GetStringUTFChars(str, nullptr);
    if (chars == nullptr) return false;
    // Cut on purpose: at most size_arg - 1 bytes are kept, then the NUL.
    CopyCut(buf, size_arg, chars);
    env->ReleaseStringUTFChars(str, chars);
    return true;
}

BorrowedString::BorrowedString(JNIEnv *env, jstring str)
    : env_(env),
      str_(str),
      chars_(str != nullptr ? env->GetStringUTFChars(str, nullptr) : nullptr) {}

void BorrowedString::Release() {
    if (chars_ != nullptr) {
        env_->ReleaseStringUTFChars(str_, chars_);
        chars_ = nullptr;
    }
}

ByteArrayElements::ByteArrayElements(JNIEnv *env, jbyteArray array)
    : env_(env),
      array_(array),
      elems_(array != nullptr ? env->GetByteArrayElements(array, nullptr) : nullptr) {}

void ByteArrayElements::Release() {
    if (elems_ != nullptr) {
        env_->ReleaseByteArrayElements(array_, elems_, 0);
        elems_ = nullptr;
    }
}

jsize ArrayLength(JNIEnv *env, jobjectArray array) {
    return array != nullptr ? env->GetArrayLength(array) : 0;
}

int MacListToTable(JNIEnv *env, jobjectArray macs, jsize n, char *table, size_t width,
                   const char *element_error_line, int log_level) {
    // More elements than slots: only the first 64 are read, and the
    // platform is told the number actually in the table.
    const int count = ClampCount(n, kMacTableSlots);
    // A Java null array: no element can be had, and its length is taken as 0.
    if (macs == nullptr) {
        zivra_printf(log_level, "%s", element_error_line);
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        // The element reference goes back on every path, the early stop
        // included, so a long list never piles up local references.
        ScopedLocalRef element(env, macs, i);
        BorrowedString chars(env, static_cast<jstring>(element.get()));
        if (!chars.ok()) {
            zivra_printf(log_level, "%s", element_error_line);
            break;
        }
        // Cut on purpose: a slot keeps at most width - 2 characters.
        CopyCut(table + static_cast<size_t>(i) * width, width - 1, chars.get());
    }
    return count;
}

int SingleEmptyMeansNone(int count, char *table, size_t width, const char *line) {
    if (count != 1 || table[0] != '\0') return count;
    memset(table, 0, static_cast<size_t>(kMacTableSlots) * width);
    if (line != nullptr) BRIDGE_LOG("%s", line);
    return 0;
}

void MacTextToBytes(const char *text, unsigned char (&bytes)[6]) {
    unsigned int group[6] = {0, 0, 0, 0, 0, 0};
    // The gateway's own MAC scan: groups after the first one that does not
    // scan are not read and go out as 0, so no conversion error is reported.
    // NOLINTNEXTLINE(cert-err34-c)
    const int scanned = sscanf(text, "%02x:%02x:%02x:%02x:%02x:%02x", &group[0], &group[1], &group[2],
                               &group[3], &group[4], &group[5]);
    for (int i = 0; i < 6; ++i) bytes[i] = i < scanned ? static_cast<unsigned char>(group[i] & 0xFFu) : 0;
}

void BoundedWriter::Printf(const char *fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    VPrintf(fmt, ap);
    va_end(ap);
}

void BoundedWriter::VPrintf(const char *fmt, va_list ap) {
    if (pos_ + 1 >= cap_) return;
    // List items are mostly record texts: copied here, the same bytes as
    // vsnprintf's at a fraction of its cost. Anything else goes to vsnprintf.
    if (AppendText(fmt, ap)) return;
    const int wanted = vsnprintf(buf_ + pos_, cap_ - pos_, fmt, ap);
    if (wanted <= 0) return;
    const size_t room = cap_ - 1 - pos_;
    pos_ += static_cast<size_t>(wanted) < room ? static_cast<size_t>(wanted) : room;
}

bool BoundedWriter::AppendText(const char *fmt, va_list ap) {
    va_list args;
    va_copy(args, ap);
    char *out = buf_ + pos_;
    char *const last = buf_ + cap_ - 1;  // the byte that stays a NUL
    bool done = true;
    for (const char *p = fmt; *p != '\0' && out < last;) {
        if (*p != '%') {  // a run of literal text, up to the next conversion
            const char *end = strchr(p, '%');
            const size_t len = end != nullptr ? static_cast<size_t>(end - p) : strlen(p);
            const size_t room = static_cast<size_t>(last - out);
            memcpy(out, p, len < room ? len : room);
            out += len < room ? len : room;
            p += len;
            continue;
        }
        if (p[1] == '%') {
            *out++ = '%';
            p += 2;
            continue;
        }
        const bool precision = p[1] == '.' && p[2] == '*' && p[3] == 's';
        if (!precision && p[1] != 's') {  // a conversion left to vsnprintf
            done = false;
            break;
        }
        const int max = precision ? va_arg(args, int) : -1;
        const char *text = va_arg(args, const char *);
        if (text == nullptr) {  // printed by vsnprintf's own rule
            done = false;
            break;
        }
        p += precision ? 4 : 2;
        // At most the precision (a negative one counts as none), and no
        // more than fits before the last byte.
        const size_t room = static_cast<size_t>(last - out);
        const size_t len = strnlen(text, max >= 0 && static_cast<size_t>(max) < room ? static_cast<size_t>(max)
                                                                                      : room);
        memcpy(out, text, len);
        out += len;
    }
    va_end(args);
    // Bytes written before a format turned out to be vsnprintf's are
    // written over by it, from the same position.
    if (!done) return false;
    *out = '\0';
    pos_ = static_cast<size_t>(out - buf_);
    return true;
}

bool BoundedWriter::BackOver(char c) {
    if (pos_ == 0 || buf_[pos_ - 1] != c) return false;
    --pos_;
    buf_[pos_] = '\0';
    return true;
}

char *HeapListBuffer(int count, size_t per_item, size_t *size) {
    const size_t slots = static_cast<size_t>(count > 0 ? count : 0) + 1;
    *size = 0;
    if (per_item == 0 || slots > SIZE_MAX / per_item) return nullptr;
    char *buf = static_cast<char *>(calloc(slots, per_item));
    if (buf != nullptr) *size = slots * per_item;
    return buf;
}

char *HeapText(const char *text, size_t size) {
    char *copy = static_cast<char *>(calloc(size, 1));
    if (copy != nullptr) CopyCut(copy, size, text);
    return copy;
}

namespace {
constexpr size_t kEmptyListBytes = 32;
// Prefix (at most 31 characters), the closing "]}" and the NUL.
constexpr size_t kListFrameBytes = 32 + 2 + 1;
}  // namespace

ListReply::ListReply(int count, size_t per_item, const char *fail_reply)
    : buf_(nullptr), cap_(0), fail_reply_(fail_reply), out_(nullptr, 0), items_(0) {
    const size_t c = count > 0 ? static_cast<size_t>(count) : 0;
    // Counts come from the platform: a product that would not fit size_t
    // (on the gateway's 32-bit size_t, a few million items) is no buffer
    // size at all, and is answered like a failed allocation.
    if (per_item != 0 && c > (SIZE_MAX - kListFrameBytes) / per_item) return;
    const size_t body = c > 0 ? c * per_item : kEmptyListBytes;
    cap_ = body + kListFrameBytes;
    buf_ = static_cast<char *>(calloc(cap_, 1));
    if (buf_ == nullptr) cap_ = 0;
    out_ = BoundedWriter(buf_, cap_);
}

ListReply::~ListReply() { free(buf_); }

void ListReply::Open(const char *prefix) { out_.Printf("%s", prefix); }

void ListReply::Item(const char *fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    out_.VPrintf(fmt, ap);
    va_end(ap);
    ++items_;
}

void ListReply::Close() {
    if (items_ > 0) out_.BackOver(',');
    out_.Printf("]}");
}

void ListReply::Fail() {
    out_ = BoundedWriter(buf_, cap_);
    out_.Printf("%s", fail_reply_);
    items_ = 0;
}

const char *ListReply::text() const { return buf_ != nullptr ? buf_ : fail_reply_; }

}  // namespace bundle
