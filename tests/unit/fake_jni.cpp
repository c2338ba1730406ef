#include "fake_jni.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

#include "sim/zivra_sim.h"

namespace {

// Every slot of the function table starts as a trap that names its index;
// the nine functions the bridge may use are then put in place.
template <size_t I>
void Trap() {
    std::fprintf(stderr, "FakeJni: JNI function in slot %zu is not one the bridge may call\n", I);
    std::abort();
}

constexpr size_t kSlots = sizeof(JNINativeInterface_) / sizeof(void *);

template <size_t... I>
void FillTraps(void **slots, std::index_sequence<I...>) {
    ((slots[I] = reinterpret_cast<void *>(&Trap<I>)), ...);
}

}  // namespace

FakeJni::FakeJni() {
    static_assert(sizeof(JNINativeInterface_) % sizeof(void *) == 0, "table of pointers");
    FillTraps(reinterpret_cast<void **>(&table_), std::make_index_sequence<kSlots>());
    table_.GetStringUTFChars = &FakeJni::GetStringUTFChars;
    table_.ReleaseStringUTFChars = &FakeJni::ReleaseStringUTFChars;
    table_.NewStringUTF = &FakeJni::NewStringUTF;
    table_.GetArrayLength = &FakeJni::GetArrayLength;
    table_.GetObjectArrayElement = &FakeJni::GetObjectArrayElement;
    table_.DeleteLocalRef = &FakeJni::DeleteLocalRef;
    table_.GetByteArrayElements = &FakeJni::GetByteArrayElements;
    table_.GetByteArrayRegion = &FakeJni::GetByteArrayRegion;
    table_.ReleaseByteArrayElements = &FakeJni::ReleaseByteArrayElements;
    env_wrapper_.env.functions = &table_;
    env_wrapper_.self = this;
}

FakeJni::~FakeJni() {
    for (auto &kv : chars_out_) std::free(const_cast<char *>(kv.first));
    for (auto &kv : bytes_out_) std::free(kv.first);
}

FakeJni *FakeJni::Enter(JNIEnv *env, const char *function) {
    FakeJni *self = reinterpret_cast<Env *>(env)->self;
    self->trace_.push_back(function);
    return self;
}

bool FakeJni::Null(const void *ref, const char *function) {
    if (ref == nullptr) Misuse(std::string(function) + "(null): the JVM would crash");
    return ref == nullptr;
}

FakeJni::Obj *FakeJni::Get(jobject o) const {
    // Handles are addresses of Obj; going through void * keeps strict-
    // alignment targets from flagging the cast from the byte-aligned _jobject.
    return static_cast<Obj *>(static_cast<void *>(o));
}

jobject FakeJni::Add(Kind kind, std::string utf, bool refuse, std::vector<jobject> elements,
                     std::vector<int8_t> bytes) {
    objects_.push_back({kind, std::move(utf), refuse, std::move(elements), std::move(bytes)});
    return reinterpret_cast<jobject>(&objects_.back());
}

void FakeJni::Misuse(const std::string &what) { misuse_.push_back(what); }

jstring FakeJni::Str(const std::string &utf) { return static_cast<jstring>(Add(Kind::kString, utf)); }

jstring FakeJni::BadStr() { return static_cast<jstring>(Add(Kind::kString, "", true)); }

jobjectArray FakeJni::Arr(const std::vector<jstring> &elements) {
    return static_cast<jobjectArray>(Add(Kind::kArray, "", false, {elements.begin(), elements.end()}));
}

jobjectArray FakeJni::Strs(const std::vector<std::string> &texts) {
    std::vector<jstring> elements;
    for (const auto &t : texts) elements.push_back(Str(t));
    return Arr(elements);
}

jbyteArray FakeJni::Bytes(const std::vector<int8_t> &bytes, bool refuse_elements) {
    return static_cast<jbyteArray>(Add(Kind::kBytes, "", refuse_elements, {}, bytes));
}

std::string FakeJni::Text(jstring s) const {
    return s == nullptr ? "<null>" : Get(s)->utf;
}

std::vector<int8_t> FakeJni::Contents(jbyteArray a) const { return Get(a)->bytes; }

std::string FakeJni::Leaks() const {
    std::ostringstream out;
    if (!chars_out_.empty()) out << chars_out_.size() << " string characters not released; ";
    if (!bytes_out_.empty()) out << bytes_out_.size() << " byte-array elements not released; ";
    int refs = 0;
    for (const auto &kv : refs_out_) refs += kv.second;
    if (refs != 0) out << refs << " array element references not deleted; ";
    return out.str();
}

const char *JNICALL FakeJni::GetStringUTFChars(JNIEnv *env, jstring s, jboolean *isCopy) {
    FakeJni *self = Enter(env, "GetStringUTFChars");
    if (isCopy != nullptr) self->Misuse("GetStringUTFChars with a non-null isCopy");
    if (self->Null(s, "GetStringUTFChars")) return nullptr;
    Obj *o = self->Get(s);
    if (o->kind != Kind::kString) {
        self->Misuse("GetStringUTFChars on a non-String");
        return nullptr;
    }
    if (o->refuse) return nullptr;
    // An exact-size heap copy, so a read past its NUL shows under ASan.
    char *chars = static_cast<char *>(std::malloc(o->utf.size() + 1));
    std::memcpy(chars, o->utf.c_str(), o->utf.size() + 1);
    self->chars_out_[chars] = s;
    return chars;
}

void JNICALL FakeJni::ReleaseStringUTFChars(JNIEnv *env, jstring s, const char *chars) {
    FakeJni *self = Enter(env, "ReleaseStringUTFChars");
    auto it = self->chars_out_.find(chars);
    if (it == self->chars_out_.end()) {
        self->Misuse("ReleaseStringUTFChars of characters never handed out");
        return;
    }
    if (it->second != s) self->Misuse("ReleaseStringUTFChars with another String");
    self->release_points_.push_back(zsim::Calls().size());
    std::free(const_cast<char *>(chars));
    self->chars_out_.erase(it);
}

jstring JNICALL FakeJni::NewStringUTF(JNIEnv *env, const char *utf) {
    FakeJni *self = Enter(env, "NewStringUTF");
    return self->Null(utf, "NewStringUTF") ? nullptr : self->Str(utf);
}

jsize JNICALL FakeJni::GetArrayLength(JNIEnv *env, jarray a) {
    FakeJni *self = Enter(env, "GetArrayLength");
    if (self->Null(a, "GetArrayLength")) return 0;
    Obj *o = self->Get(a);
    return static_cast<jsize>(o->kind == Kind::kBytes ? o->bytes.size() : o->elements.size());
}

jobject JNICALL FakeJni::GetObjectArrayElement(JNIEnv *env, jobjectArray a, jsize i) {
    FakeJni *self = Enter(env, "GetObjectArrayElement");
    if (self->Null(a, "GetObjectArrayElement")) return nullptr;
    Obj *o = self->Get(a);
    if (i < 0 || static_cast<size_t>(i) >= o->elements.size()) {
        self->Misuse("GetObjectArrayElement index " + std::to_string(i) + " out of bounds");
        return nullptr;
    }
    jobject element = o->elements[static_cast<size_t>(i)];
    if (element != nullptr) ++self->refs_out_[element];
    return element;
}

void JNICALL FakeJni::DeleteLocalRef(JNIEnv *env, jobject ref) {
    FakeJni *self = Enter(env, "DeleteLocalRef");
    if (ref == nullptr) return;  // allowed by JNI, does nothing
    auto it = self->refs_out_.find(ref);
    if (it == self->refs_out_.end() || it->second == 0) {
        self->Misuse("DeleteLocalRef of a reference never handed out");
        return;
    }
    --it->second;
}

jbyte *JNICALL FakeJni::GetByteArrayElements(JNIEnv *env, jbyteArray a, jboolean *isCopy) {
    FakeJni *self = Enter(env, "GetByteArrayElements");
    if (isCopy != nullptr) self->Misuse("GetByteArrayElements with a non-null isCopy");
    if (self->Null(a, "GetByteArrayElements")) return nullptr;
    Obj *o = self->Get(a);
    if (o->refuse) return nullptr;
    jbyte *elems = static_cast<jbyte *>(std::malloc(o->bytes.size() + 1));
    if (!o->bytes.empty()) std::memcpy(elems, o->bytes.data(), o->bytes.size());
    self->bytes_out_[elems] = a;
    return elems;
}

void JNICALL FakeJni::GetByteArrayRegion(JNIEnv *env, jbyteArray a, jsize start, jsize len,
                                         jbyte *buf) {
    FakeJni *self = Enter(env, "GetByteArrayRegion");
    if (self->Null(a, "GetByteArrayRegion")) return;
    Obj *o = self->Get(a);
    if (start < 0 || len < 0 || static_cast<size_t>(start) + static_cast<size_t>(len) > o->bytes.size()) {
        self->Misuse("GetByteArrayRegion out of bounds");
        return;
    }
    if (len > 0) std::memcpy(buf, o->bytes.data() + start, static_cast<size_t>(len));
}

void JNICALL FakeJni::ReleaseByteArrayElements(JNIEnv *env, jbyteArray a, jbyte *elems, jint mode) {
    FakeJni *self = Enter(env, "ReleaseByteArrayElements");
    auto it = self->bytes_out_.find(elems);
    if (it == self->bytes_out_.end() || it->second != a) {
        self->Misuse("ReleaseByteArrayElements of elements never handed out");
        return;
    }
    Obj *o = self->Get(a);
    if ((mode == 0 || mode == JNI_COMMIT) && !o->bytes.empty()) std::memcpy(o->bytes.data(), elems, o->bytes.size());
    if (mode != JNI_COMMIT) {
        std::free(elems);
        self->bytes_out_.erase(it);
    }
}
