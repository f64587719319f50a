#include "framework/core/float_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace fw {

namespace {

// Unsigned integer of any size, 32 bits a limb, least significant first, no leading zero limbs.
class BigNum {
 public:
  explicit BigNum(uint64_t v = 0) {
    for (; v; v >>= 32) limbs_.push_back(static_cast<uint32_t>(v));
  }

  bool IsZero() const { return limbs_.empty(); }

  int BitLength() const {
    if (limbs_.empty()) return 0;
    int bits = 32 * static_cast<int>(limbs_.size() - 1);
    for (uint32_t top = limbs_.back(); top; top >>= 1) ++bits;
    return bits;
  }

  // this = this * factor + addend
  void MulAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (uint32_t& limb : limbs_) {
      carry += uint64_t{limb} * factor;
      limb = static_cast<uint32_t>(carry);
      carry >>= 32;
    }
    if (carry) limbs_.push_back(static_cast<uint32_t>(carry));
  }

  // this *= base^exponent, as many factors at a time as fit in a limb
  void MulPow(uint32_t base, int exponent) {
    while (exponent > 0) {
      uint32_t factor = 1;
      for (; exponent > 0 && factor <= UINT32_MAX / base; --exponent) factor *= base;
      MulAdd(factor, 0);
    }
  }

  void ShiftLeft(int bits) {
    if (IsZero() || bits <= 0) return;
    const int limbs = bits / 32, rest = bits % 32;
    if (rest) {
      uint32_t carry = 0;
      for (uint32_t& limb : limbs_) {
        uint32_t next = limb >> (32 - rest);
        limb = (limb << rest) | carry;
        carry = next;
      }
      if (carry) limbs_.push_back(carry);
    }
    limbs_.insert(limbs_.begin(), static_cast<size_t>(limbs), 0);
  }

  void ShiftRightOne() {
    for (size_t i = 0; i < limbs_.size(); ++i) {
      uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0;
      limbs_[i] = (limbs_[i] >> 1) | high;
    }
    Trim();
  }

  // Divides by a small divisor and returns the remainder.
  uint32_t DivSmall(uint32_t divisor) {
    uint64_t rest = 0;
    for (size_t i = limbs_.size(); i-- > 0;) {
      uint64_t cur = (rest << 32) | limbs_[i];
      limbs_[i] = static_cast<uint32_t>(cur / divisor);
      rest = cur % divisor;
    }
    Trim();
    return static_cast<uint32_t>(rest);
  }

  friend int Compare(const BigNum& a, const BigNum& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (size_t i = a.limbs_.size(); i-- > 0;)
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
  }

  // this -= other, where other <= this
  void Subtract(const BigNum& other) {
    int64_t borrow = 0;
    for (size_t i = 0; i < limbs_.size(); ++i) {
      int64_t cur = int64_t{limbs_[i]} - (i < other.limbs_.size() ? other.limbs_[i] : 0) - borrow;
      borrow = cur < 0;
      limbs_[i] = static_cast<uint32_t>(cur + (borrow << 32));
    }
    Trim();
  }

 private:
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }

  std::vector<uint32_t> limbs_;
};

// Enough significant digits to decide any rounding: a halfway point between two doubles has at
// most 767. The digits beyond are replaced by one non-zero digit if any of them is non-zero.
constexpr size_t kMaxDigits = 800;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double FromBits(uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// (q + a fraction, non-zero if sticky) * 2^exp2 rounded to the nearest double, ties to even.
// q has 63 or 64 significant bits. False if the result is infinite or zero.
bool RoundToDouble(uint64_t q, int exp2, bool sticky, bool negative, double& value) {
  const int length = q >> 63 ? 64 : 63;
  const int top = length - 1 + exp2;                // exponent of the leading bit
  const int keep = top >= -1022 ? 53 : top + 1075;  // significant bits a double has there
  if (keep < 0) return false;                       // below half the smallest double
  const int drop = length - keep;                   // 10 to 64
  uint64_t m = drop < 64 ? q >> drop : 0;
  const bool half = (q >> (drop - 1)) & 1;
  const bool rest = sticky || (q & ((uint64_t{1} << (drop - 1)) - 1)) != 0;
  if (half && (rest || (m & 1))) ++m;
  // A rounding carry into the next power of two lands in the exponent field by itself.
  uint64_t bits = top >= -1022 ? (uint64_t(top + 1023) << 52) + m - (uint64_t{1} << 52) : m;
  if (bits == 0 || bits >= 0x7FF0000000000000u) return false;
  value = FromBits(bits | (negative ? uint64_t{1} << 63 : 0));
  return true;
}

}  // namespace

bool ParseDouble(std::string_view text, double& value) {
  size_t pos = 0;
  const bool negative = pos < text.size() && text[pos] == '-';
  if (negative) ++pos;
  std::string digits;  // significant digits, no leading zeros
  int64_t scale = 0;   // value = digits * 10^scale
  bool sticky = false, any = false;
  auto take = [&](char c, bool fraction) {
    any = true;
    if (digits.empty() && c == '0') {
      if (fraction) --scale;
    } else if (digits.size() < kMaxDigits) {
      digits += c;
      if (fraction) --scale;
    } else {
      sticky = sticky || c != '0';
      if (!fraction) ++scale;
    }
  };
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) take(text[pos], false);
  if (pos < text.size() && text[pos] == '.')
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) take(text[pos], true);
  if (!any) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    const bool minus = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    if (pos == text.size() || !IsDigit(text[pos])) return false;
    int64_t exponent = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
      exponent = std::min<int64_t>(exponent * 10 + (text[pos] - '0'), 100000);  // far past any double
    scale += minus ? -exponent : exponent;
  }
  if (pos != text.size()) return false;
  if (digits.empty()) {
    value = negative ? -0.0 : 0.0;
    return true;
  }
  if (sticky) {
    digits += '1';
    --scale;
  }
  // The leading digit's power of ten: beyond 308 the value exceeds every double, below -325
  // it is less than half the smallest one.
  const int64_t lead = static_cast<int64_t>(digits.size()) - 1 + scale;
  if (lead > 308 || lead < -325) return false;

  // value = num / den exactly; then q = num * 2^k / den with 63 or 64 bits, and the remainder.
  BigNum num, den(1);
  for (char c : digits) num.MulAdd(10, static_cast<uint32_t>(c - '0'));
  if (scale >= 0)
    num.MulPow(10, static_cast<int>(scale));
  else
    den.MulPow(10, static_cast<int>(-scale));
  const int k = 63 - num.BitLength() + den.BitLength();
  if (k >= 0)
    num.ShiftLeft(k);
  else
    den.ShiftLeft(-k);
  den.ShiftLeft(63);
  uint64_t q = 0;
  for (int bit = 63; bit >= 0; --bit, den.ShiftRightOne()) {
    if (Compare(num, den) >= 0) {
      num.Subtract(den);
      q |= uint64_t{1} << bit;
    }
  }
  return RoundToDouble(q, -k, !num.IsZero(), negative, value);
}

std::string FormatDouble(double value, int precision) {
  precision = std::clamp(precision, 1, 17);
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  std::string out = bits >> 63 ? "-" : "";
  const int field = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  if (field) mantissa |= uint64_t{1} << 52;
  const int exp2 = (field ? field : 1) - 1075;  // value = mantissa * 2^exp2

  // All the decimal digits of the value: mantissa * 2^exp2, or mantissa * 5^-exp2 / 10^-exp2.
  std::string digits;
  int point = 0;  // value = 0.digits * 10^point
  if (mantissa) {
    BigNum n(mantissa);
    int exp10 = 0;
    if (exp2 >= 0) {
      n.ShiftLeft(exp2);
    } else {
      n.MulPow(5, -exp2);
      exp10 = exp2;
    }
    while (!n.IsZero()) {
      uint32_t chunk = n.DivSmall(1000000000);
      for (int i = 0; i < 9; ++i, chunk /= 10) digits += static_cast<char>('0' + chunk % 10);
    }
    while (digits.back() == '0') digits.pop_back();  // leading zeros of the top chunk
    std::reverse(digits.begin(), digits.end());
    point = static_cast<int>(digits.size()) + exp10;
  } else {
    digits = "0";
    point = 1;
  }

  // Rounded to `precision` digits, ties to even.
  if (digits.size() > static_cast<size_t>(precision)) {
    const char next = digits[precision];
    const bool more = digits.find_first_not_of('0', precision + 1) != std::string::npos;
    digits.resize(precision);
    if (next > '5' || (next == '5' && (more || (digits.back() - '0') % 2))) {
      int i = precision - 1;
      for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++point;
      }
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);  // "%g" drops trailing zeros
  if (digits.empty()) digits = "0";

  const int exponent = point - 1;
  if (exponent < -4 || exponent >= precision) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    out += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (point <= 0) {
    out += "0." + std::string(static_cast<size_t>(-point), '0') + digits;
  } else if (digits.size() <= static_cast<size_t>(point)) {
    out += digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
  } else {
    out += digits.substr(0, static_cast<size_t>(point)) + "." + digits.substr(static_cast<size_t>(point));
  }
  return out;
}

}  // namespace fw
