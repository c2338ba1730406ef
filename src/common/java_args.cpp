#include "common/java_args.h"

#include "common/writer.h"

namespace bundle {

bool CopyJstring(JNIEnv *env, jstring str, char *buf, size_t size_arg) {
    // A Java null is treated like a String whose characters cannot be had:
    // GetStringUTFChars(null) would bring the JVM down.
    if (str == nullptr) return false;
    const char *chars = env->GetStringUTFChars(str, nullptr);
    if (chars == nullptr) return false;
    // Cut on purpose: at most size_arg - 1 bytes are kept, then the NUL.
    CopyText(buf, size_arg, chars);
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

}  // namespace bundle
