#pragma once

#include <stdexcept>
#include <string>

namespace monocl {

// The faults the computation can run into. They end the running recompute at
// the operation that raised them; whatever was written before stays written.
class MonoclError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MathError : public MonoclError {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };

    explicit MathError(Kind kind);
    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// A text that the recompute cannot turn into a real number.
class ConversionError : public MonoclError {
public:
    explicit ConversionError(const std::string& text);
    const std::string& text() const noexcept { return m_text; }

private:
    std::string m_text;
};

const char* mathErrorMessage(MathError::Kind kind) noexcept;

} // namespace monocl
