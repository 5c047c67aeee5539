#include "fft.h"

#include <cmath>
#include <utility>

namespace render
{

void fft(std::vector<std::complex<float>>& data)
{
    const size_t n = data.size();
    for (size_t i = 1, j = 0; i < n; ++i)
    {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(data[i], data[j]);
    }
    for (size_t length = 2; length <= n; length <<= 1)
    {
        const double angle = -2.0 * 3.14159265358979323846 / static_cast<double>(length);
        const std::complex<float> step(static_cast<float>(std::cos(angle)),
                                       static_cast<float>(std::sin(angle)));
        for (size_t start = 0; start < n; start += length)
        {
            std::complex<float> w(1.0f, 0.0f);
            for (size_t k = 0; k < length / 2; ++k)
            {
                const std::complex<float> even = data[start + k];
                const std::complex<float> odd = data[start + k + length / 2] * w;
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
                w *= step;
            }
        }
    }
}

} // namespace render
