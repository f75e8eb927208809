#include "rules/ExtendedReal.h"

#include <cmath>

namespace {

// An unsigned 128-bit integer: just the operations the rounding needs.
struct Wide {
    quint64 high = 0;
    quint64 low = 0;

    static Wide of(quint64 value) { return {0, value}; }
    bool isZero() const { return high == 0 && low == 0; }

    int bitLength() const {
        auto length = [](quint64 v) {
            int bits = 0;
            while (v) {
                ++bits;
                v >>= 1;
            }
            return bits;
        };
        return high ? 64 + length(high) : length(low);
    }
    Wide shiftedLeft(int bits) const {
        if (bits == 0)
            return *this;
        if (bits >= 64)
            return {low << (bits - 64), 0};
        return {(high << bits) | (low >> (64 - bits)), low << bits};
    }
    Wide shiftedRight(int bits) const {
        if (bits == 0)
            return *this;
        if (bits >= 128)
            return {};
        if (bits >= 64)
            return {0, high >> (bits - 64)};
        return {high >> bits, (low >> bits) | (high << (64 - bits))};
    }
    // The bits below "bits" are not all zero.
    bool losesBitsBelow(int bits) const {
        return !shiftedRight(bits).shiftedLeft(bits).equals(*this);
    }
    bool equals(const Wide& other) const { return high == other.high && low == other.low; }
    bool lessThan(const Wide& other) const {
        return high != other.high ? high < other.high : low < other.low;
    }
    Wide plus(const Wide& other) const {
        const quint64 sumLow = low + other.low;
        return {high + other.high + (sumLow < low ? 1 : 0), sumLow};
    }
    Wide minus(const Wide& other) const { // other must not exceed this
        return {high - other.high - (low < other.low ? 1 : 0), low - other.low};
    }
    Wide plusOne() const { return plus(of(1)); }

    static Wide product(quint64 a, quint64 b) {
        const quint64 a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
        const quint64 p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        const quint64 middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
        return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
                (middle << 32) | (p00 & 0xFFFFFFFFu)};
    }
    // Long division by a 32-bit divisor, one 32-bit limb at a time.
    Wide dividedBy(quint32 divisor, quint64& remainder) const {
        const quint64 limbs[4] = {high >> 32, high & 0xFFFFFFFFu, low >> 32, low & 0xFFFFFFFFu};
        quint64 quotient[4] = {};
        remainder = 0;
        for (int i = 0; i < 4; ++i) {
            const quint64 current = (remainder << 32) | limbs[i];
            quotient[i] = current / divisor;
            remainder = current % divisor;
        }
        return {(quotient[0] << 32) | quotient[1], (quotient[2] << 32) | quotient[3]};
    }
};

// The value's bits rounded to "bits" significant bits, ties to even; "exponent" is adjusted.
quint64 roundToBits(const Wide& value, int bits, int& exponent) {
    const int length = value.bitLength();
    if (length <= bits) {
        exponent -= bits - length;
        return value.shiftedLeft(bits - length).low;
    }
    const int dropped = length - bits;
    Wide kept = value.shiftedRight(dropped);
    const Wide rest = value.minus(kept.shiftedLeft(dropped));
    const Wide half = Wide::of(1).shiftedLeft(dropped - 1);
    const bool roundUp = half.lessThan(rest) || (rest.equals(half) && (kept.low & 1));
    exponent += dropped;
    if (roundUp) {
        kept = kept.plusOne();
        if (kept.bitLength() > bits) { // carried into a new top bit
            kept = kept.shiftedRight(1);
            ++exponent;
        }
    }
    return kept.low;
}

} // namespace

ExtendedReal ExtendedReal::fromDouble(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return {};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto significand = quint64(std::ldexp(fraction, 53));
    return {value < 0, significand << 11, exponent - 64};
}

ExtendedReal ExtendedReal::operator*(quint32 factor) const {
    if (significand_ == 0 || factor == 0)
        return {};
    int exponent = exponent_;
    const quint64 rounded = roundToBits(Wide::product(significand_, factor), 64, exponent);
    return {negative_, rounded, exponent};
}

ExtendedReal ExtendedReal::operator/(quint32 divisor) const {
    if (significand_ == 0)
        return {};
    quint64 remainder = 0;
    Wide quotient = Wide{significand_, 0}.dividedBy(divisor, remainder);
    // A remainder only needs to show below the rounding position: jam it into the last bit.
    if (remainder != 0)
        quotient.low |= 1;
    int exponent = exponent_ - 64;
    const quint64 rounded = roundToBits(quotient, 64, exponent);
    return {negative_, rounded, exponent};
}

ExtendedReal ExtendedReal::operator+(const ExtendedReal& other) const {
    if (other.significand_ == 0)
        return *this;
    if (significand_ == 0)
        return other;
    const bool thisLarger = exponent_ > other.exponent_ ||
                            (exponent_ == other.exponent_ && significand_ >= other.significand_);
    const ExtendedReal& large = thisLarger ? *this : other;
    const ExtendedReal& small = thisLarger ? other : *this;
    // 62 guard bits below the 64 kept ones, the lost bits of the smaller operand jammed into
    // the last of them: enough for a correctly rounded sum or difference.
    const Wide a = Wide::of(large.significand_).shiftedLeft(62);
    Wide b = Wide::of(small.significand_).shiftedLeft(62);
    const int shift = large.exponent_ - small.exponent_;
    const Wide shifted = b.shiftedRight(shift);
    b = shifted;
    if (shift >= 128 || Wide::of(small.significand_).shiftedLeft(62).losesBitsBelow(shift))
        b.low |= 1;
    const Wide result = large.negative_ == small.negative_ ? a.plus(b) : a.minus(b);
    if (result.isZero())
        return {};
    int exponent = large.exponent_ - 62;
    const quint64 rounded = roundToBits(result, 64, exponent);
    return {large.negative_, rounded, exponent};
}

ExtendedReal ExtendedReal::truncated() const {
    if (significand_ == 0 || exponent_ >= 0)
        return *this;
    if (exponent_ <= -64)
        return {};
    const int fractionBits = -exponent_;
    const quint64 whole = (significand_ >> fractionBits) << fractionBits;
    return whole == 0 ? ExtendedReal() : ExtendedReal(negative_, whole, exponent_);
}

double ExtendedReal::toDouble() const {
    if (significand_ == 0)
        return 0.0;
    int exponent = exponent_;
    const quint64 rounded = roundToBits(Wide::of(significand_), 53, exponent);
    const double magnitude = std::ldexp(double(rounded), exponent);
    return negative_ ? -magnitude : magnitude;
}
