#include "config_window/decimal_double.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace lurn {

namespace {

// A natural number of any size, in 32-bit limbs, the least significant
// first and no zero limb on top.
class Natural {
public:
    explicit Natural(std::uint32_t value) {
        if (value != 0) {
            limbs_.push_back(value);
        }
    }

    bool isZero() const { return limbs_.empty(); }

    int bitLength() const {
        return limbs_.empty() ? 0
                              : static_cast<int>(32 * limbs_.size() - 32) +
                                    static_cast<int>(std::bit_width(limbs_.back()));
    }

    // This times factor, plus addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
    }

    // This divided by divisor; returns the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
            const std::uint64_t part = remainder << 32 | *limb;
            *limb = static_cast<std::uint32_t>(part / divisor);
            remainder = part % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

    void shiftLeft(int bits) {
        if (isZero()) {
            return;
        }
        if (const int within = bits % 32; within != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint32_t next = limb >> (32 - within);
                limb = limb << within | carry;
                carry = next;
            }
            if (carry != 0) {
                limbs_.push_back(carry);
            }
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
    }

    // Bits from position up, at most 64 of them.
    std::uint64_t bitsFrom(int position) const {
        std::uint64_t bits = 0;
        for (int i = std::min(bitLength(), position + 64) - 1; i >= position; --i) {
            bits = bits << 1 | bit(i);
        }
        return bits;
    }

    bool anyBitBelow(int position) const {
        for (int i = 0; i < position; ++i) {
            if (bit(i)) {
                return true;
            }
        }
        return false;
    }

    bool lessThan(const Natural& other) const {
        if (limbs_.size() != other.limbs_.size()) {
            return limbs_.size() < other.limbs_.size();
        }
        return std::lexicographical_compare(limbs_.rbegin(), limbs_.rend(), other.limbs_.rbegin(),
                                            other.limbs_.rend());
    }

    // This less other, which is not larger.
    void subtract(const Natural& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::int64_t difference =
                std::int64_t{limbs_[i]} - (i < other.limbs_.size() ? other.limbs_[i] : 0) - borrow;
            borrow = difference < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        trim();
    }

private:
    bool bit(int i) const { return (limbs_[static_cast<std::size_t>(i / 32)] >> i % 32 & 1) != 0; }

    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<std::uint32_t> limbs_;
};

// The double nearest to (whole + a fraction) x 2^exponent, where the
// fraction is more than 0 when beyond and 0 otherwise: 53 significant bits,
// none below 2^-1074, the rest rounded half to even.
double nearest(std::uint64_t whole, int exponent, bool beyond) {
    const int dropped = std::max(static_cast<int>(std::bit_width(whole)) - 53, -1074 - exponent);
    if (dropped >= 64) {
        return 0.0;
    }
    if (dropped > 0) {
        const std::uint64_t rest = whole & ((std::uint64_t{1} << dropped) - 1);
        const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
        whole >>= dropped;
        exponent += dropped;
        if (rest > half || (rest == half && (beyond || (whole & 1) != 0))) {
            ++whole;
        }
    }
    return std::ldexp(static_cast<double>(whole), exponent);
}

} // namespace

double decimalToDouble(std::string_view digits, long exponent) {
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    const long magnitude = static_cast<long>(digits.size()) + exponent;
    if (digits.empty() || magnitude < -330) {
        return 0.0;
    }
    if (magnitude > 310) {
        return HUGE_VAL;
    }
    // The rounding needs no more than the first 800 digits, and whether any
    // after them is not 0: no double, nor the middle between two, has more.
    Natural number(0);
    const std::size_t kept = std::min<std::size_t>(digits.size(), 800);
    for (const char digit : digits.substr(0, kept)) {
        number.multiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    }
    exponent += static_cast<long>(digits.size() - kept);
    if (digits.find_first_not_of('0', kept) != std::string_view::npos) {
        number.multiplyAdd(10, 1);
        --exponent;
    }
    if (exponent >= 0) {
        for (long i = 0; i < exponent; ++i) {
            number.multiplyAdd(10, 0);
        }
        const int low = std::max(number.bitLength() - 64, 0);
        return nearest(number.bitsFrom(low), low, number.anyBitBelow(low));
    }
    // number / 10^-exponent: a quotient of 55 or 56 bits, and whether a
    // remainder is left.
    Natural divisor(1);
    for (long i = 0; i < -exponent; ++i) {
        divisor.multiplyAdd(10, 0);
    }
    const int scale = 55 + divisor.bitLength() - number.bitLength();
    number.shiftLeft(std::max(scale, 0));
    divisor.shiftLeft(std::max(-scale, 0));
    std::uint64_t quotient = 0;
    for (int bit = 55; bit >= 0; --bit) {
        Natural part = divisor;
        part.shiftLeft(bit);
        if (!number.lessThan(part)) {
            number.subtract(part);
            quotient |= std::uint64_t{1} << bit;
        }
    }
    return nearest(quotient, -scale, !number.isZero());
}

std::string wholeDigits(double value) {
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    if (exponent < 53) {
        significand >>= 53 - exponent; // a whole number: only zero bits go
    }
    Natural number(static_cast<std::uint32_t>(significand >> 32));
    number.shiftLeft(32);
    number.multiplyAdd(1, static_cast<std::uint32_t>(significand));
    number.shiftLeft(std::max(exponent - 53, 0));
    std::string digits;
    while (!number.isZero()) {
        digits.insert(digits.begin(), static_cast<char>('0' + number.divide(10)));
    }
    return digits;
}

} // namespace lurn
