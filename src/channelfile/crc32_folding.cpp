#include "channelfile/crc32_folding.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {

// Powers of x modulo the reflected polynomial, for folding 512, 128, 64 and 32 bits, and the
// Barrett reduction pair (quotient, polynomial).
constexpr std::uint64_t kFold512Low = 0x154442bd4, kFold512High = 0x1c6e41596;
constexpr std::uint64_t kFold128Low = 0x1751997d0, kFold128High = 0x0ccaa009e;
constexpr std::uint64_t kFold32 = 0x163cd6124;
constexpr std::uint64_t kPolynomial = 0x1DB710641, kQuotient = 0x1F7011641;

using Target = __m128i;

#define CLMUL_TARGET __attribute__((target("pclmul,sse4.1")))

CLMUL_TARGET inline Target Constants(std::uint64_t low, std::uint64_t high) {
  return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

CLMUL_TARGET inline Target Fold(Target acc, Target constants, Target next) {
  const Target low = _mm_clmulepi64_si128(acc, constants, 0x00);
  const Target high = _mm_clmulepi64_si128(acc, constants, 0x11);
  return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

CLMUL_TARGET inline Target Load(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const Target*>(p));
}

}  // namespace

bool CarryLessCrc32Available() {
  return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}

CLMUL_TARGET std::uint32_t CarryLessCrc32(std::uint32_t reg, const std::uint8_t* data,
                                          std::size_t length) {
  Target x1 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(reg)));
  Target x2 = Load(data + 16);
  Target x3 = Load(data + 32);
  Target x4 = Load(data + 48);
  data += 64;
  length -= 64;

  const Target fold512 = Constants(kFold512Low, kFold512High);
  for (; length >= 64; data += 64, length -= 64) {
    x1 = Fold(x1, fold512, Load(data));
    x2 = Fold(x2, fold512, Load(data + 16));
    x3 = Fold(x3, fold512, Load(data + 32));
    x4 = Fold(x4, fold512, Load(data + 48));
  }

  const Target fold128 = Constants(kFold128Low, kFold128High);
  x1 = Fold(x1, fold128, x2);
  x1 = Fold(x1, fold128, x3);
  x1 = Fold(x1, fold128, x4);
  for (; length >= 16; data += 16, length -= 16) x1 = Fold(x1, fold128, Load(data));

  // 128 -> 64 bits: the low half times x^64 folds into the high half.
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, fold128, 0x10));
  // 64 -> 32 bits.
  const Target mask32 = _mm_set_epi32(0, 0, 0, -1);
  const Target folded32 =
      _mm_clmulepi64_si128(_mm_and_si128(x1, mask32), Constants(kFold32, 0), 0x00);
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 4), folded32);
  // Barrett reduction to the 32-bit remainder.
  const Target barrett = Constants(kPolynomial, kQuotient);
  Target t = _mm_clmulepi64_si128(_mm_and_si128(x1, mask32), barrett, 0x10);
  t = _mm_clmulepi64_si128(_mm_and_si128(t, mask32), barrett, 0x00);
  return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(x1, t), 1));
}

#else

bool CarryLessCrc32Available() {
  return false;
}
std::uint32_t CarryLessCrc32(std::uint32_t reg, const std::uint8_t*, std::size_t) {
  return reg;
}

#endif
