// Reads fuzzer bytes as the arguments of a call: numbers, texts, arrays.
// Running out of bytes gives zeros and empty texts, never a read past the end.
#ifndef BUNDLE_TESTS_FUZZ_INPUT_H
#define BUNDLE_TESTS_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
  public:
    FuzzInput(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    uint8_t U8() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint32_t U32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | U8();
        return v;
    }
    // A text of up to `max` bytes (its length from the input), NULs included.
    std::string Text(size_t max) {
        size_t n = (static_cast<size_t>(U8()) << 8 | U8()) % (max + 1);
        if (n > size_ - pos_) n = size_ - pos_;
        std::string s(reinterpret_cast<const char *>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

  private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};

#endif  // BUNDLE_TESTS_FUZZ_INPUT_H
