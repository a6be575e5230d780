// Prints a few thousand results of the number texts, the stage model, the axis scaling and the
// display rounding for inputs drawn from a fixed seed, every double as its exact bit pattern.
// Built for Linux and for Windows; the two outputs must be identical byte for byte.

#include "numerics/FloatError.h"
#include "numerics/NumberText.h"
#include "numerics/Rounding.h"
#include "numerics/StageModel.h"
#include "plot/Chart.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// SplitMix64: the same sequence from every compiler and C library, unlike the standard
// distributions.
class Random {
  public:
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // 0 ≤ result < n.
    unsigned Below(unsigned n) { return static_cast<unsigned>(Next() % n); }
    // A normal double with a random fraction and a binary exponent in [lo, hi], put together
    // from its bits.
    double Scaled(int lo, int hi) {
        const auto exponent = static_cast<std::uint64_t>(
            lo + 1023 + static_cast<int>(Below(static_cast<unsigned>(hi - lo + 1))));
        return std::bit_cast<double>(exponent << 52 | Next() >> 12);
    }
    // 10^lo … 10^hi, about evenly in the logarithm: a mantissa in [1, 10) times or divided by an
    // exact power of ten, each a single rounded operation (no pow, whose last bit differs
    // between C libraries). lo ≥ −22 and hi ≤ 22.
    double Decades(int lo, int hi) {
        const double mantissa = 1 + 9 * (static_cast<double>(Next() >> 11) / 9007199254740992.0);
        const int k = lo + static_cast<int>(Below(static_cast<unsigned>(hi - lo)));
        double power = 1;
        for (int i = 0; i < (k < 0 ? -k : k); ++i)
            power *= 10;
        return k < 0 ? mantissa / power : mantissa * power;
    }
    // x or −x.
    double Signed(double x) { return Below(2) ? -x : x; }

  private:
    std::uint64_t state_ = 20240517;
};

std::string out;

void Put(std::string_view text) {
    out += text;
}

void PutBits(double x) {
    std::array<char, 16> digits{};
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), bits, 16).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    out += ' ';
    out.append(16 - length, '0');
    out.append(digits.data(), length);
}

void PutInt(long long n) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    out += ' ';
    out.append(digits.data(), end);
}

// Runs one computation; a floating-point error is part of the result.
template <class F> void Guarded(F&& compute) {
    try {
        compute();
    } catch (const FloatingPointError& e) {
        Put(" error: ");
        Put(e.what());
    }
    out += '\n';
}

char32_t Comma() {
    return U',';
}

double AnyValue(Random& r) {
    switch (r.Below(7)) {
    case 0:
        return std::bit_cast<double>(r.Next()); // anything, NaNs and infinities included
    case 1:
        return r.Scaled(-1022, 1023);
    case 2:
        return static_cast<double>(static_cast<int>(r.Below(2000001)) - 1000000) / 1000;
    case 3:
        return r.Signed(r.Decades(-6, 17));
    case 4:
        return std::bit_cast<double>(r.Next() >> 12); // subnormal
    default:
        return r.Signed(r.Scaled(-40, 60));
    }
}

void DumpNumberToText(Random& r) {
    for (int i = 0; i < 1200; ++i) {
        const double x = AnyValue(r);
        Put("NumberToText");
        PutBits(x);
        Guarded([&] { Put(" " + NumberToText(x)); });
    }
}

std::string Digits(Random& r, unsigned most) {
    std::string s;
    for (unsigned n = 1 + r.Below(most); n > 0; --n)
        s += static_cast<char>('0' + r.Below(10));
    return s;
}

// Well-formed numbers, most of the time, with a character now and then that makes them
// malformed.
std::string AnyText(Random& r, char separator) {
    static constexpr std::string_view kNoise[] = {"", " ", "  ", "+", "-", "e", ".", ",", "x", "1"};
    std::string s(r.Below(3), ' ');
    if (r.Below(3) == 0)
        s += r.Below(2) ? '-' : '+';
    s += Digits(r, 20);
    if (r.Below(2))
        s += separator + Digits(r, 20);
    if (r.Below(3) == 0) {
        s += r.Below(2) ? 'E' : 'e';
        if (r.Below(2))
            s += r.Below(2) ? '-' : '+';
        s += Digits(r, 4);
    }
    s.append(r.Below(3), ' ');
    if (r.Below(8) == 0) {
        const std::string_view noise = kNoise[r.Below(std::size(kNoise))];
        s.insert(r.Below(static_cast<unsigned>(s.size()) + 1), noise);
    }
    return s;
}

// A fallback no text of the dump spells, so a refused text shows as such.
constexpr double kRefused = -7.25;

void DumpTextToNumber(Random& r) {
    for (int i = 0; i < 1200; ++i) {
        const bool comma = i % 4 == 3;
        SetDecimalSeparatorSource(comma ? &Comma : nullptr);
        // Every other text is one the program wrote itself, read back.
        const std::string text = i % 2 ? NumberToText(AnyValue(r)) : AnyText(r, comma ? ',' : '.');
        Put("TextToNumber [" + text + "]");
        Guarded([&] { PutBits(TextToNumber(text, kRefused)); });
    }
    SetDecimalSeparatorSource(nullptr);
}

StageParameters AnyStage(Random& r) {
    StageParameters p{};
    p.R1 = r.Decades(1, 7);
    p.R2 = r.Decades(0, 6);
    p.R3 = r.Decades(1, 7);
    p.R4 = r.Decades(1, 7);
    p.R5 = r.Decades(0, 6);
    p.C1 = r.Decades(-9, -4);
    p.C2 = r.Decades(-13, -8);
    p.C3 = r.Decades(-9, -4);
    p.C4 = r.Decades(-13, -8);
    p.C5 = r.Decades(-13, -8);
    p.k0 = r.Decades(0, 7);
    p.f1 = r.Decades(4, 9);
    // Now and then a value the calculation refuses or that fails part-way.
    switch (r.Below(40)) {
    case 0:
        p.C2 = 0;
        break;
    case 1:
        p.k0 = 0.5;
        break;
    case 2:
        p.R1 = 0;
        break;
    default:
        break;
    }
    return p;
}

void DumpStageGain(Random& r) {
    for (int i = 0; i < 1200; ++i) {
        const StageParameters p = AnyStage(r);
        const double f = r.Below(50) == 0 ? 0.0 : r.Decades(-1, 9);
        Put("StageGain");
        for (double x : {p.R1, p.R2, p.R3, p.R4, p.R5, p.C1, p.C2, p.C3, p.C4, p.C5, p.k0, p.f1, f})
            PutBits(x);
        Put(" =");
        Guarded([&] {
            const TComplex g = StageGain(f, p);
            PutBits(g.Re);
            PutBits(g.Im);
        });
    }
}

void DumpAxisRange(Random& r) {
    for (int i = 0; i < 600; ++i) {
        std::vector<double> series(r.Below(40));
        const double scale = r.Decades(-8, 12);
        const unsigned signs = r.Below(3); // all positive, all negative, mixed
        for (double& x : series) {
            x = scale * r.Decades(-3, 0);
            if (signs == 1 || (signs == 2 && r.Below(2)))
                x = -x;
        }
        if (!series.empty() && r.Below(10) == 0)
            series[r.Below(static_cast<unsigned>(series.size()))] = 0;
        const auto n = static_cast<std::int32_t>(r.Below(13));
        Put("AxisRange");
        PutInt(n);
        for (double x : series)
            PutBits(x);
        Put(" =");
        Guarded([&] {
            double step = -1, axisMin = -1, axisMax = -1;
            AxisRange(series, n, step, axisMin, axisMax);
            PutBits(step);
            PutBits(axisMin);
            PutBits(axisMax);
        });
    }
}

void DumpRoundSignificant(Random& r) {
    for (int i = 0; i < 1200; ++i) {
        const unsigned digits = i % 3 ? 5 : 1 + r.Below(9);
        const double x = r.Below(4) ? r.Signed(r.Decades(-12, 18)) : AnyValue(r);
        Put("RoundSignificant");
        PutInt(digits);
        PutBits(x);
        Guarded([&] { PutBits(RoundSignificant(digits, x)); });
    }
}

} // namespace

int main() {
    SetFloatingPointMode();
    Random r;
    DumpNumberToText(r);
    DumpTextToNumber(r);
    DumpStageGain(r);
    DumpAxisRange(r);
    DumpRoundSignificant(r);
#ifdef _WIN32
    // Byte for byte: no carriage returns added.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0
               ? 0
               : 1;
}
