#pragma once
// Reads a fuzzer's bytes as a stream of small values; past the end every read gives zero.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Bool() { return Byte() & 1; }
    // Small counts and their edges (-1, 0, 1 ...), kept small so each run stays fast.
    std::int16_t Count() { return static_cast<std::int16_t>(static_cast<int>(Byte() % 14) - 2); }
    // Interesting floats (0, tiny, huge, infinity, NaN) or any bit pattern.
    float Float() {
        static const float kTable[] = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, 3.25f, 1e-45f, 1e-30f, 1e30f,
                                       __builtin_inff(), -__builtin_inff(), __builtin_nanf("")};
        const std::uint8_t pick = Byte();
        if (pick < sizeof kTable / sizeof kTable[0]) return kTable[pick];
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = bits << 8 | Byte();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    std::int32_t Int() {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits = bits << 8 | Byte();
        return static_cast<std::int32_t>(bits);
    }
    // A string of up to 255 raw bytes.
    std::string Text() {
        std::size_t length = Byte();
        if (length > size_ - std::min(pos_, size_)) length = size_ - std::min(pos_, size_);
        std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }
    // The rest of the input.
    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(data_ + std::min(pos_, size_)), size_ - std::min(pos_, size_));
        pos_ = size_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
