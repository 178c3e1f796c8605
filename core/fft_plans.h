#pragma once

#include <complex>
#include <cstddef>
#include <memory>

namespace monocl {

// A buffer FFTW may work in: aligned as its plans expect, so that a plan
// made once runs on any buffer of its size.
template <class T>
class FftBuffer {
public:
    FftBuffer() = default;
    explicit FftBuffer(std::size_t count);
    T* data() { return m_data.get(); }
    const T* data() const { return m_data.get(); }
    T& operator[](std::size_t i) { return m_data[i]; }
    const T& operator[](std::size_t i) const { return m_data[i]; }
    std::size_t size() const { return m_size; }

private:
    struct Free {
        void operator()(T* p) const;
    };
    std::unique_ptr<T[], Free> m_data;
    std::size_t m_size = 0;
};

using Complex = std::complex<double>;

// Two-dimensional transforms of rows x cols (row-major), by plans made once
// for each size and kept for the program's life. Safe from any thread: the
// plans are made under a lock, and FFTW runs a kept plan on new buffers from
// several threads at once.
namespace fft {

// In place, forward (the exponent's sign negative), not normalised.
void forward(FftBuffer<Complex>& data, int rows, int cols);
// Real rows x cols into rows x (cols / 2 + 1) complex.
void realForward(FftBuffer<double>& in, FftBuffer<Complex>& out, int rows, int cols);
// Back to real; times rows * cols, as FFTW leaves it.
void realBackward(FftBuffer<Complex>& in, FftBuffer<double>& out, int rows, int cols);

// The smallest n >= at_least whose only prime factors are 2, 3, 5 and 7,
// the sizes FFTW transforms fastest.
int goodSize(int atLeast);

} // namespace fft

} // namespace monocl
