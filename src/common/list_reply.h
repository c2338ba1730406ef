// Replies that live on the heap: list replies sized from a record count,
// the heap buffer of a list the gateway hands back on its own heap, and
// heap copies of fixed replies.
#ifndef BUNDLE_COMMON_LIST_REPLY_H
#define BUNDLE_COMMON_LIST_REPLY_H

#include <stddef.h>

#include "common/writer.h"

namespace bundle {

// A heap block of `size` bytes (at least 1) for a reply that a
// BoundedWriter writes, which ends its text with a NUL itself: the block
// is not zeroed, as zeroing a list's tens of kilobytes costs as much as
// writing its text. Null when the heap is exhausted.
char *ReplyBlock(size_t size);

// A reply block of (count + 1) * per_item bytes for the reply of a list
// the gateway hands back on its own heap, count being the entries it
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
// The reply block holds count * per_item bytes (32 when count < 1) plus room for
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
    // One item, its template ending with a comma: use BUNDLE_WRITE.
    void Write(const unsigned char *compiled, std::initializer_list<FormatArg> args) {
        out_.WriteArgs(compiled, args.begin());
        ++items_;
    }
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

#endif  // BUNDLE_COMMON_LIST_REPLY_H
