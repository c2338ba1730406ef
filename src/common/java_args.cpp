#include "common/java_args.h"

#include "common/log.h"
#include "common/writer.h"

namespace bundle {

bool CopyJstring(JNIEnv *env, jstring str, char *buf, size_t size_arg) {
    // A Java null is treated like a String whose characters cannot be had:
    // GetStringUTFChars(null) would bring the JVM down.
    if (str == nullptr) return false;
    const char *chars = env->GetStringUTFChars(str, nullptr);
    if (chars == nullptr) return false;
    // Cut on purpose: at most size_arg - 1 bytes are kept, then the NUL.
    CopyTextHere(buf, size_arg, chars);
    env->ReleaseStringUTFChars(str, chars);
    return true;
}

BorrowedString::BorrowedString(JNIEnv *env, jstring str)
    : env_(env), str_(str), chars_(str != nullptr ? env->GetStringUTFChars(str, nullptr) : nullptr) {}

void BorrowedString::Release() {
    if (chars_ != nullptr) {
        env_->ReleaseStringUTFChars(str_, chars_);
        chars_ = nullptr;
    }
}

ByteArrayElements::ByteArrayElements(JNIEnv *env, jbyteArray array)
    : env_(env), array_(array), elems_(array != nullptr ? env->GetByteArrayElements(array, nullptr) : nullptr) {}

void ByteArrayElements::Release() {
    if (elems_ != nullptr) {
        env_->ReleaseByteArrayElements(array_, elems_, 0);
        elems_ = nullptr;
    }
}

jsize ArrayLength(JNIEnv *env, jobjectArray array) { return array != nullptr ? env->GetArrayLength(array) : 0; }

// Here rather than beside the MAC tables, so that each element's guards are
// made in line, not called.
int StringsToTable(JNIEnv *env, jobjectArray array, jsize n, char *table, int slots, size_t width,
                   const char *element_error_line, int log_level) {
    // More elements than slots: only the first ones are read, and the
    // platform is told the number actually in the table.
    const int count = ClampCount(n, slots);
    // A Java null array: no element can be had, and its length is taken as 0.
    if (array == nullptr) {
        zivra_printf(log_level, "%s", element_error_line);
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        // The element reference goes back on every path, the early stop
        // included, so a long list never piles up local references.
        ScopedLocalRef element(env, array, i);
        BorrowedString chars(env, static_cast<jstring>(element.get()));
        if (!chars.ok()) {
            zivra_printf(log_level, "%s", element_error_line);
            break;
        }
        // Cut on purpose: a slot keeps at most width - 2 characters.
        CopyTextHere(table + static_cast<size_t>(i) * width, width - 1, chars.get());
    }
    return count;
}

}  // namespace bundle
