// Building blocks shared by the native methods of the gateway's Java
// services: argument conversion, reply building and log lines.
//
// Everything here is header-light and allocation-free except ListReply,
// and nothing needs the C++ runtime: no exceptions, no RTTI, no operator new.
#ifndef BUNDLE_COMMON_JNI_UTIL_H
#define BUNDLE_COMMON_JNI_UTIL_H

#include <jni.h>
#include <stdarg.h>
#include <stddef.h>

#include "platform/zivra.h"

// Every bridge log line goes to the platform at level 2 unless a method
// says otherwise. The format stays a literal at the call site, so the
// compiler checks its conversions against the arguments.
#define BRIDGE_LOG(...) zivra_printf(2, __VA_ARGS__)

namespace bundle {

// ---------------------------------------------------------------------------
// Strings
// ---------------------------------------------------------------------------

// Copies the characters of a Java String into `buf` keeping at most
// `size_arg` - 1 bytes of its modified UTF-8 text, always NUL-terminated.
// The characters are released before returning, so the next argument is
// converted (and the platform called) with nothing held.
// Returns false, leaving `buf` untouched, when the characters cannot be had;
// a Java null counts as such and never reaches GetStringUTFChars.
bool CopyJstring(JNIEnv *env, jstring str, char *buf, size_t size_arg);

// Compile-time checked form: the size argument can never exceed the buffer.
template <size_t N, size_t B>
inline bool JstringToPchar(JNIEnv *env, jstring str, char (&buf)[B]) {
    static_assert(N >= 1 && N <= B, "size argument larger than the buffer");
    return CopyJstring(env, str, buf, N);
}

// The JVM's own characters of a String, handed to the platform without a
// copy and released when the guard goes out of scope; draw its scope so
// that it ends right after the platform call. A Java null yields null
// characters without calling into the JVM.
class BorrowedString {
  public:
    BorrowedString(JNIEnv *env, jstring str);
    ~BorrowedString() { Release(); }
    BorrowedString(const BorrowedString &) = delete;
    BorrowedString &operator=(const BorrowedString &) = delete;

    const char *get() const { return chars_; }
    bool ok() const { return chars_ != nullptr; }
    // Releases now rather than at the end of the scope.
    void Release();

  private:
    JNIEnv *env_;
    jstring str_;
    const char *chars_;
};

// The elements of a Java byte[] (GetByteArrayElements, null isCopy), given
// back with mode 0 (copied into the Java array, then freed) when the guard
// goes out of scope or at Release(); draw its scope so that it ends right
// after the platform call. A Java null yields null elements without calling
// into the JVM.
class ByteArrayElements {
  public:
    ByteArrayElements(JNIEnv *env, jbyteArray array);
    ~ByteArrayElements() { Release(); }
    ByteArrayElements(const ByteArrayElements &) = delete;
    ByteArrayElements &operator=(const ByteArrayElements &) = delete;

    jbyte *get() const { return elems_; }
    bool ok() const { return elems_ != nullptr; }
    void Release();

  private:
    JNIEnv *env_;
    jbyteArray array_;
    jbyte *elems_;
};

// A local reference released when the guard goes out of scope.
class ScopedLocalRef {
  public:
    ScopedLocalRef(JNIEnv *env, jobject ref) : env_(env), ref_(ref) {}
    // Element `index` of an object array, taken here and dropped with the guard.
    ScopedLocalRef(JNIEnv *env, jobjectArray array, jsize index)
        : env_(env), ref_(env->GetObjectArrayElement(array, index)) {}
    ~ScopedLocalRef() {
        if (ref_ != nullptr) env_->DeleteLocalRef(ref_);
    }
    ScopedLocalRef(const ScopedLocalRef &) = delete;
    ScopedLocalRef &operator=(const ScopedLocalRef &) = delete;
    jobject get() const { return ref_; }

  private:
    JNIEnv *env_;
    jobject ref_;
};

// Java booleans arrive as one byte: any nonzero value is true.
inline const char *BoolText(jboolean value, const char *if_true, const char *if_false) {
    return value != 0 ? if_true : if_false;
}

// ---------------------------------------------------------------------------
// MAC list arguments
// ---------------------------------------------------------------------------

constexpr int kMacTableSlots = 64;
constexpr size_t kWideMacSlot = 32;    // at most 30 characters kept
constexpr size_t kNarrowMacSlot = 20;  // at most 18 characters kept

// Length of a String[] argument; a Java null counts as an empty array.
jsize ArrayLength(JNIEnv *env, jobjectArray array);

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
int MacListToTable(JNIEnv *env, jobjectArray macs, jsize n, char *table, size_t width,
                   const char *element_error_line, int log_level = 2);

// Java sends String[] {""} to mean "no MAC": when `count` is 1 and slot 0
// is empty, the table is zeroed again, `line` is logged (when given) and 0
// is returned. Any other count is returned unchanged.
int SingleEmptyMeansNone(int count, char *table, size_t width, const char *line);

template <size_t W>
inline int MacListToTable(JNIEnv *env, jobjectArray macs, jsize n,
                          char (&table)[kMacTableSlots][W], const char *element_error_line,
                          int log_level = 2) {
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

// ---------------------------------------------------------------------------
// Replies
// ---------------------------------------------------------------------------

// A count reported by the platform, limited to the records its table holds:
// below zero counts as none, above the table as a full table.
inline int ClampCount(int count, int capacity) {
    if (count < 0) return 0;
    return count > capacity ? capacity : count;
}

// Formatted writer over a fixed buffer that can never pass its end:
// snprintf reports the length it would have written, so the running
// position is clamped to the last byte, which always stays a NUL.
class BoundedWriter {
  public:
    BoundedWriter(char *buf, size_t capacity) : buf_(buf), cap_(capacity), pos_(0) {
        if (cap_ > 0) buf_[0] = '\0';
    }
    void Printf(const char *fmt, ...) __attribute__((format(printf, 2, 3)));
    void VPrintf(const char *fmt, va_list ap) __attribute__((format(printf, 2, 0)));
    // Moves back over the last character written when it is `c`.
    bool BackOver(char c);
    size_t pos() const { return pos_; }
    const char *text() const { return buf_; }

  private:
    // VPrintf for a format of literal text, %%, %s and %.*s alone; false,
    // with nothing taken as written, for any other conversion or a null text.
    bool AppendText(const char *fmt, va_list ap);

    char *buf_;
    size_t cap_;
    size_t pos_;
};

// A zeroed heap buffer of (count + 1) * per_item bytes for the reply of a
// list the gateway hands back on its own heap, count being the entries it
// reports (none below zero). Every entry is listed, so the count is not
// cut; a count whose size a size_t cannot hold (on the gateway's 32-bit
// size_t, some 14 million rules) gives null, as an exhausted heap does.
// `size` receives the bytes taken.
char *HeapListBuffer(int count, size_t per_item, size_t *size);

// A copy of `text` in a zeroed heap buffer of `size` bytes (at most size - 1
// bytes kept), for the replies that live on the heap like their lists and
// are freed with them; null when the heap is exhausted.
char *HeapText(const char *text, size_t size);

// A JSON list reply built item by item in a heap buffer sized from the
// record count: `{"Result":0,"List":[`, one item per record (each item text
// ends with a comma), the last comma overwritten by `]}`.
//
// The buffer holds count * per_item bytes (32 when count < 1) plus room for
// the prefix, the closing `]}` and the NUL, so every reply whose items fit
// their allowance stays whole. Should the allocation fail, the reply is the
// method's fail reply, kept as a literal, so Java still gets valid JSON.
class ListReply {
  public:
    ListReply(int count, size_t per_item, const char *fail_reply);
    ~ListReply();
    ListReply(const ListReply &) = delete;
    ListReply &operator=(const ListReply &) = delete;

    // The success prefix, for instance {"Result":0,"List":[
    void Open(const char *prefix);
    void Item(const char *fmt, ...) __attribute__((format(printf, 2, 3)));
    // Overwrites the trailing comma of the last item (if any) with `]}`.
    void Close();
    // Replaces whatever was written with the fail reply.
    void Fail();
    const char *text() const;

  private:
    char *buf_;
    size_t cap_;
    const char *fail_reply_;
    BoundedWriter out_;
    int items_;
};

}  // namespace bundle

#endif  // BUNDLE_COMMON_JNI_UTIL_H
