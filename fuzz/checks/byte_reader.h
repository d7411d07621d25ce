#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace lorvane::fuzz {

// Takes decisions and texts from a fuzzer's bytes, front to back. Once the bytes run out every
// decision is 0 and every text empty, so any input, also an empty one, is a complete session.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Empty() const { return position_ >= bytes_.size(); }

    std::uint8_t Byte() { return Empty() ? 0 : bytes_[position_++]; }

    bool Flag() { return (Byte() & 1) != 0; }

    // A number from 0 to count - 1; 0 when count is 0.
    std::size_t Below(std::size_t count) { return count == 0 ? 0 : Byte() % count; }

    // A text of up to maxLength bytes: a length byte, then that many bytes.
    std::string Text(std::size_t maxLength) {
        const std::size_t length = std::min<std::size_t>(Byte(), maxLength);
        const std::size_t available =
            std::min(length, bytes_.size() - std::min(position_, bytes_.size()));
        std::string text(reinterpret_cast<const char*>(bytes_.data()) + position_, available);
        position_ += available;
        return text;
    }

    // Eight bytes as the bit pattern of a double (little end first); missing bytes are 0.
    double Double() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        }
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Everything not read yet.
    std::string Rest() {
        if (Empty()) {
            return {};
        }
        std::string rest(reinterpret_cast<const char*>(bytes_.data()) + position_,
                         bytes_.size() - position_);
        position_ = bytes_.size();
        return rest;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace lorvane::fuzz
