#include "core/fft_plans.h"

#include <fftw3.h>

#include <map>
#include <mutex>
#include <new>
#include <tuple>

namespace monocl {

template <class T>
FftBuffer<T>::FftBuffer(std::size_t count)
    : m_data(static_cast<T*>(fftw_malloc(sizeof(T) * (count ? count : 1)))), m_size(count)
{
    if (!m_data)
        throw std::bad_alloc();
    for (std::size_t i = 0; i < count; ++i)
        new (&m_data[i]) T();
}

template <class T>
void FftBuffer<T>::Free::operator()(T* p) const
{
    fftw_free(p);
}

template class FftBuffer<double>;
template class FftBuffer<Complex>;

namespace fft {

namespace {

enum class Kind { Forward, RealForward, RealBackward };

// Plans are made on scratch buffers with FFTW_ESTIMATE, which looks at no
// data and takes microseconds, and then run on the caller's buffers.
fftw_plan makePlan(Kind kind, int rows, int cols)
{
    const std::size_t n = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    FftBuffer<Complex> c(n);
    FftBuffer<double> r(n);
    auto* cc = reinterpret_cast<fftw_complex*>(c.data());
    switch (kind) {
    case Kind::Forward:
        return fftw_plan_dft_2d(rows, cols, cc, cc, FFTW_FORWARD, FFTW_ESTIMATE);
    case Kind::RealForward:
        return fftw_plan_dft_r2c_2d(rows, cols, r.data(), cc, FFTW_ESTIMATE);
    case Kind::RealBackward:
        return fftw_plan_dft_c2r_2d(rows, cols, cc, r.data(), FFTW_ESTIMATE);
    }
    return nullptr;
}

// The plans made in the run, kept for the next transform of their size and
// given back to FFTW when the program ends.
struct KeptPlans
{
    std::mutex lock;
    std::map<std::tuple<Kind, int, int>, fftw_plan> plans;

    ~KeptPlans()
    {
        for (auto& [key, plan] : plans)
            if (plan)
                fftw_destroy_plan(plan);
        fftw_cleanup();
    }
};

fftw_plan keptPlan(Kind kind, int rows, int cols)
{
    static KeptPlans kept;
    const std::lock_guard<std::mutex> guard(kept.lock);
    fftw_plan& plan = kept.plans[{kind, rows, cols}];
    if (!plan)
        plan = makePlan(kind, rows, cols);
    return plan;
}

fftw_complex* raw(FftBuffer<Complex>& b) { return reinterpret_cast<fftw_complex*>(b.data()); }

} // namespace

void forward(FftBuffer<Complex>& data, int rows, int cols)
{
    fftw_execute_dft(keptPlan(Kind::Forward, rows, cols), raw(data), raw(data));
}

void realForward(FftBuffer<double>& in, FftBuffer<Complex>& out, int rows, int cols)
{
    fftw_execute_dft_r2c(keptPlan(Kind::RealForward, rows, cols), in.data(), raw(out));
}

void realBackward(FftBuffer<Complex>& in, FftBuffer<double>& out, int rows, int cols)
{
    // A complex-to-real transform overwrites its input; the callers are done
    // with it.
    fftw_execute_dft_c2r(keptPlan(Kind::RealBackward, rows, cols), raw(in), out.data());
}

int goodSize(int atLeast)
{
    for (int n = atLeast < 1 ? 1 : atLeast;; ++n) {
        int m = n;
        for (int p : {2, 3, 5, 7})
            while (m % p == 0)
                m /= p;
        if (m == 1)
            return n;
    }
}

} // namespace fft

} // namespace monocl
