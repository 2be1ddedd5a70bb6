#pragma once
// The two kinds of error the program raises on purpose. C++ does not trap
// floating-point faults, so the code checks where a fault could arise and
// throws one of these; the application-wide handler turns them into messages.

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace larkspan {

// Division by zero, overflow or an invalid operation (the logarithm of a
// non-positive number, a result that is not a finite number).
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, Overflow, InvalidOperation };
    ArithmeticError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// A text that cannot be read as the value it should hold; what() is the
// message the user is shown.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws Overflow (or InvalidOperation for NaN) unless x is finite.
inline double checkedFinite(double x, const char* where = "result")
{
    if (std::isnan(x))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation, std::string("invalid operation in ") + where);
    if (std::isinf(x))
        throw ArithmeticError(ArithmeticError::Kind::Overflow, std::string("overflow in ") + where);
    return x;
}

// a / b, raising DivisionByZero when b is 0 and Overflow when the quotient
// is not finite.
inline double checkedDivide(double a, double b, const char* where = "division")
{
    if (b == 0.0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero, std::string("division by zero in ") + where);
    return checkedFinite(a / b, where);
}

// ln(x) for x > 0; InvalidOperation otherwise.
inline double checkedLog(double x, const char* where = "logarithm")
{
    if (!(x > 0.0))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation, std::string("logarithm of a non-positive number in ") + where);
    return std::log(x);
}

// A real converted to a 32-bit integer, dropping the fraction (towards
// zero); Overflow when it does not fit.
inline std::int32_t truncToInt32(double x, const char* where = "conversion")
{
    checkedFinite(x, where);
    const double t = std::trunc(x);
    if (t < static_cast<double>(std::numeric_limits<std::int32_t>::min())
        || t > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        throw ArithmeticError(ArithmeticError::Kind::Overflow, std::string("integer overflow in ") + where);
    return static_cast<std::int32_t>(t);
}

// The same, rounding to the nearest integer, halves to the even neighbour
// (the default rounding of the floating-point unit).
inline std::int32_t roundToInt32(double x, const char* where = "conversion")
{
    checkedFinite(x, where);
    return truncToInt32(std::nearbyint(x), where);
}

} // namespace larkspan
