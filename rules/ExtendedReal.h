#pragma once

#include <QtGlobal>

// Arithmetic in the 80-bit extended format (64-bit significand, rounding to nearest even),
// done in software so that every compiler gives the same results; where long double is only
// 64 bits wide it would otherwise round differently. Only what the amount rules need.
class ExtendedReal {
public:
    ExtendedReal() = default;
    static ExtendedReal fromDouble(double value);

    ExtendedReal operator+(const ExtendedReal& other) const;
    ExtendedReal operator*(quint32 factor) const;
    ExtendedReal operator/(quint32 divisor) const;
    // The whole part, cutting off the fraction (towards zero).
    ExtendedReal truncated() const;
    // Rounded to the nearest double (ties to even).
    double toDouble() const;

private:
    ExtendedReal(bool negative, quint64 significand, int exponent)
        : negative_(negative), significand_(significand), exponent_(exponent) {}

    bool negative_ = false;
    quint64 significand_ = 0; // top bit set unless the value is zero
    int exponent_ = 0;        // value = significand * 2^exponent
};
