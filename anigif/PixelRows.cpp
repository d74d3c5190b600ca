#include "anigif/PixelRows.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ANIGIF_X86_KERNELS 1
#include <immintrin.h>
#endif

namespace anigif {

namespace {

constexpr uint32_t opaqueBlack = 0xFF000000u;

void copyRow(uint32_t* out, const uint8_t* in, int width, const uint32_t* colours) {
    for (int x = 0; x < width; ++x)
        out[x] = colours[in[x]];
}

// Weather loops are see-through over most of a frame, so whole runs of 16 see-through indices
// are skipped at once.
void overlayRow(uint32_t* out, const uint8_t* in, int width, const uint32_t* colours,
                uint8_t transparent) {
    int x = 0;
#ifdef __SSE2__
    const __m128i see = _mm_set1_epi8(char(transparent));
    for (; x + 16 <= width; x += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        const unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, see)));
        if (mask == 0xFFFFu)
            continue;
        if (mask == 0) {
            copyRow(out + x, in + x, 16, colours);
            continue;
        }
        for (int i = 0; i < 16; ++i)
            if (!(mask & (1u << i)))
                out[x + i] = colours[in[x + i]];
    }
#endif
    for (; x < width; ++x)
        if (in[x] != transparent)
            out[x] = colours[in[x]];
}

void portableRow(uint32_t* out, const uint8_t* in, int width, const uint32_t* colours,
                 int transparent) {
    if (transparent < 0)
        copyRow(out, in, width, colours);
    else
        overlayRow(out, in, width, colours, uint8_t(transparent));
}

#ifdef ANIGIF_X86_KERNELS

__attribute__((target("avx2"))) void avx2Row(uint32_t* out, const uint8_t* in, int width,
                                             const uint32_t* colours, int transparent) {
    int x = 0;
    const __m256i see8 = _mm256_set1_epi8(char(transparent));
    // -1 matches no index, so nothing is kept when the frame has no see-through colour.
    const __m256i see32 = _mm256_set1_epi32(transparent);
    for (; x + 32 <= width; x += 32) {
        if (transparent >= 0) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + x));
            if (unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, see8))) == 0xFFFFFFFFu)
                continue;
        }
        for (int g = 0; g < 32; g += 8) {
            const __m256i idx =
                _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + x + g)));
            const __m256i colour =
                _mm256_i32gather_epi32(reinterpret_cast<const int*>(colours), idx, 4);
            __m256i* o = reinterpret_cast<__m256i*>(out + x + g);
            const __m256i kept = _mm256_cmpeq_epi32(idx, see32);
            _mm256_storeu_si256(o, _mm256_blendv_epi8(colour, _mm256_loadu_si256(o), kept));
        }
    }
    portableRow(out + x, in + x, width - x, colours, transparent);
}

#define ANIGIF_VBMI __attribute__((target("avx512f,avx512bw,avx512vbmi")))

// Byte `plane[idx]` for 64 indices: two 128-entry permutes, chosen by the index's top bit.
ANIGIF_VBMI inline __m512i lookup64(const uint8_t* plane, __m512i idx, __mmask64 upperHalf) {
    const __m512i lower =
        _mm512_permutex2var_epi8(_mm512_load_si512(plane), idx, _mm512_load_si512(plane + 64));
    const __m512i upper = _mm512_permutex2var_epi8(_mm512_load_si512(plane + 128), idx,
                                                   _mm512_load_si512(plane + 192));
    return _mm512_mask_blend_epi8(upperHalf, lower, upper);
}

// Picks 128-bit lanes of a and b: _mm512_shuffle_i32x4 in its zero-masked form, as the plain
// form makes GCC 12 warn about the undefined value it starts from.
template <int selection> ANIGIF_VBMI inline __m512i lanes(__m512i a, __m512i b) {
    return _mm512_maskz_shuffle_i32x4(__mmask16(0xFFFF), a, b, selection);
}

ANIGIF_VBMI void vbmiRow(uint32_t* out, const uint8_t* in, int width,
                         const PreparedColours& colours, int transparent) {
    int x = 0;
    const __m512i see = _mm512_set1_epi8(char(transparent));
    const __m512i alpha = _mm512_set1_epi8(char(0xFF));
    for (; x + 64 <= width; x += 64) {
        const __m512i v = _mm512_loadu_si512(in + x);
        const __mmask64 shown = transparent < 0 ? ~__mmask64(0) : _mm512_cmpneq_epi8_mask(v, see);
        if (!shown)
            continue;
        const __mmask64 upperHalf = _mm512_movepi8_mask(v);
        const __m512i b = lookup64(colours.blue.data(), v, upperHalf);
        const __m512i g = lookup64(colours.green.data(), v, upperHalf);
        const __m512i r = lookup64(colours.red.data(), v, upperHalf);
        // Interleave the planes into B G R A pixels. The unpacks work per 128-bit lane, so
        // p0..p3 hold four pixels of each lane; the lane shuffles put them back in order.
        const __m512i bgLo = _mm512_unpacklo_epi8(b, g), bgHi = _mm512_unpackhi_epi8(b, g);
        const __m512i raLo = _mm512_unpacklo_epi8(r, alpha), raHi = _mm512_unpackhi_epi8(r, alpha);
        const __m512i p0 = _mm512_unpacklo_epi16(bgLo, raLo);
        const __m512i p1 = _mm512_unpackhi_epi16(bgLo, raLo);
        const __m512i p2 = _mm512_unpacklo_epi16(bgHi, raHi);
        const __m512i p3 = _mm512_unpackhi_epi16(bgHi, raHi);
        const __m512i t0 = lanes<0x44>(p0, p1);
        const __m512i t1 = lanes<0x44>(p2, p3);
        const __m512i t2 = lanes<0xEE>(p0, p1);
        const __m512i t3 = lanes<0xEE>(p2, p3);
        _mm512_mask_storeu_epi32(out + x, __mmask16(shown), lanes<0x88>(t0, t1));
        _mm512_mask_storeu_epi32(out + x + 16, __mmask16(shown >> 16), lanes<0xDD>(t0, t1));
        _mm512_mask_storeu_epi32(out + x + 32, __mmask16(shown >> 32), lanes<0x88>(t2, t3));
        _mm512_mask_storeu_epi32(out + x + 48, __mmask16(shown >> 48), lanes<0xDD>(t2, t3));
    }
    portableRow(out + x, in + x, width - x, colours.argb.data(), transparent);
}

#endif

} // namespace

void PreparedColours::set(const ColorTable& table) {
    fill(opaqueBlack);
    const int count = std::clamp<int>(int(table[kColorCountEntry]), 0, 256);
    for (int i = 0; i < count; ++i)
        argb[size_t(i)] = opaqueBlack | (table[size_t(i)] & 0x00FFFFFFu);
    for (size_t i = 0; i < 256; ++i) {
        blue[i] = uint8_t(argb[i]);
        green[i] = uint8_t(argb[i] >> 8);
        red[i] = uint8_t(argb[i] >> 16);
    }
}

void PreparedColours::fill(uint32_t colour) {
    argb.fill(colour);
    blue.fill(uint8_t(colour));
    green.fill(uint8_t(colour >> 8));
    red.fill(uint8_t(colour >> 16));
}

bool rowKernelSupported(RowKernel kernel) {
    switch (kernel) {
    case RowKernel::Portable:
        return true;
#ifdef ANIGIF_X86_KERNELS
    case RowKernel::Avx2:
        return __builtin_cpu_supports("avx2");
    case RowKernel::Avx512Vbmi:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi");
#else
    default:
        return false;
#endif
    }
    return false;
}

RowKernel fastestRowKernel() {
    static const RowKernel fastest = rowKernelSupported(RowKernel::Avx512Vbmi)
                                         ? RowKernel::Avx512Vbmi
                                     : rowKernelSupported(RowKernel::Avx2) ? RowKernel::Avx2
                                                                           : RowKernel::Portable;
    return fastest;
}

void drawRow(RowKernel kernel, uint32_t* out, const uint8_t* in, int width,
             const PreparedColours& colours, int transparent) {
#ifdef ANIGIF_X86_KERNELS
    if (kernel == RowKernel::Avx512Vbmi)
        return vbmiRow(out, in, width, colours, transparent);
    if (kernel == RowKernel::Avx2)
        return avx2Row(out, in, width, colours.argb.data(), transparent);
#else
    (void)kernel;
#endif
    portableRow(out, in, width, colours.argb.data(), transparent);
}

} // namespace anigif
