// Java arguments of the native methods: Strings copied or borrowed, byte
// arrays, array elements and lengths. Every JNI resource taken here goes
// back through a guard, so no path of an entry point returns holding one.
// Nothing here needs the C++ runtime.
#ifndef BUNDLE_COMMON_JAVA_ARGS_H
#define BUNDLE_COMMON_JAVA_ARGS_H

#include <jni.h>
#include <stddef.h>

namespace bundle {

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

// Length of a String[] argument; a Java null counts as an empty array.
jsize ArrayLength(JNIEnv *env, jobjectArray array);

// Copies the elements of a String[] (whose length the caller read as `n`)
// into consecutive `width`-byte slots of a zeroed table of `slots` slots,
// each keeping at most width - 2 characters; the MAC tables' conversion
// (mac_table.h). An element whose characters cannot be had (or a Java null
// element or array) ends the copy with `element_error_line`, at
// `log_level`. Every element and its characters go back before the next
// one is taken. Returns n held to 0..slots (a null array counts as 0).
int StringsToTable(JNIEnv *env, jobjectArray array, jsize n, char *table, int slots, size_t width,
                   const char *element_error_line, int log_level);

// A count, from Java or the platform, limited to the slots of the table it
// fills or describes: below zero counts as none, above the table as a full
// table (the elements past it are never read).
inline int ClampCount(int count, int capacity) {
    if (count < 0) return 0;
    return count > capacity ? capacity : count;
}

// Java booleans arrive as one byte: any nonzero value is true.
inline const char *BoolText(jboolean value, const char *if_true, const char *if_false) {
    return value != 0 ? if_true : if_false;
}

}  // namespace bundle

#endif  // BUNDLE_COMMON_JAVA_ARGS_H
