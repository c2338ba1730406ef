#include "common/list_reply.h"

#include <stdint.h>
#include <stdlib.h>

namespace bundle {

char *ReplyBlock(size_t size) {
    char *block = static_cast<char *>(malloc(size > 0 ? size : 1));
    if (block != nullptr) block[0] = '\0';
    return block;
}

char *HeapListBuffer(int count, size_t per_item, size_t *size) {
    const size_t slots = static_cast<size_t>(count > 0 ? count : 0) + 1;
    *size = 0;
    if (per_item == 0 || slots > SIZE_MAX / per_item) return nullptr;
    char *buf = ReplyBlock(slots * per_item);
    if (buf != nullptr) *size = slots * per_item;
    return buf;
}

char *HeapText(const char *text, size_t size) {
    char *copy = static_cast<char *>(calloc(size, 1));
    if (copy != nullptr) CopyText(copy, size, text);
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
    buf_ = ReplyBlock(cap_);
    if (buf_ == nullptr) cap_ = 0;
    out_ = BoundedWriter(buf_, cap_);
}

ListReply::~ListReply() { free(buf_); }

void ListReply::Open(const char *prefix) { out_.Append(prefix); }

void ListReply::Close() {
    if (items_ > 0) out_.BackOver(',');
    out_.Literal("]}");
}

void ListReply::Fail() {
    out_ = BoundedWriter(buf_, cap_);
    out_.Append(fail_reply_);
    items_ = 0;
}

const char *ListReply::text() const { return buf_ != nullptr ? buf_ : fail_reply_; }

}  // namespace bundle
