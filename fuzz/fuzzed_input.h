#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

// Reads the fuzzer's bytes as a sequence of decisions. Once the bytes run out
// every read yields zero, so a target never has to check for the end.
class FuzzedInput
{
public:
    FuzzedInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return used_ >= size_; }
    std::size_t remaining() const { return empty() ? 0 : size_ - used_; }

    std::uint8_t byte() { return empty() ? 0 : data_[used_++]; }

    // The next sizeof(T) bytes as a T, zero-padded at the end of the input.
    template <typename T> T raw()
    {
        static_assert(std::is_trivially_copyable_v<T>);
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // A value from 0 to `count` - 1 (0 when `count` is 0).
    std::uint32_t below(std::uint32_t count)
    {
        if (count <= 1)
            return 0;
        const auto wide = count > 256 ? raw<std::uint32_t>() : std::uint32_t{byte()};
        return wide % count;
    }

    bool flag() { return (byte() & 1) != 0; }

    // A normalized parameter value as a careless or hostile host may send it:
    // mostly inside 0 to 1, sometimes on its ends, beyond them, or not a number.
    double normalized()
    {
        switch (byte() % 16)
        {
        case 0:
            return 0.0;
        case 1:
            return 1.0;
        case 2:
            return std::numeric_limits<double>::quiet_NaN();
        case 3:
            return std::numeric_limits<double>::infinity();
        case 4:
            return -std::numeric_limits<double>::infinity();
        case 5:
            return raw<double>();
        case 6:
            return -static_cast<double>(byte()) / 16.0;
        case 7:
            return 1.0 + static_cast<double>(byte()) / 16.0;
        default:
            return static_cast<double>(raw<std::uint16_t>()) / 65535.0;
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// Stops the run the way a fuzzer reports a crash, with the reason on stderr.
[[noreturn]] inline void fuzzFailure(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
