#include "numerics/StageModel.h"

#include "numerics/FloatError.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Modulus(const TComplex& z) {
    return std::hypot(z.Re, z.Im);
}

TEST(OpenLoopGain, FallsToOneAtTheUnityGainFrequency) {
    for (double k0 : {1.0, 2.0, 1e3, 1e5, 1e7})
        EXPECT_NEAR(Modulus(OpenLoopGain(k0, 1e6, 1e6)), 1, 1e-12) << "k0 = " << k0;
    const TComplex k = OpenLoopGain(100000, 1e6, 1e6);
    EXPECT_GT(k.Im, 0.999); // a leading phase, close to +j
    EXPECT_LT(k.Im, 1.0);
}

TEST(OpenLoopGain, IsK0AtZeroFrequencyAndExactlyOneForUnitK0) {
    const TComplex dc = OpenLoopGain(2e5, 1e6, 0);
    EXPECT_EQ(dc.Re, 2e5);
    EXPECT_EQ(dc.Im, 0);
    for (double f : {0.0, 1.0, 1e6, 1e12}) {
        const TComplex unit = OpenLoopGain(1, 1e6, f);
        EXPECT_EQ(unit.Re, 1);
        EXPECT_EQ(unit.Im, 0);
    }
}

TEST(OpenLoopGain, BelowUnitK0IsAnInvalidOperation) {
    try {
        OpenLoopGain(0.5, 1e6, 1000);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_THROW(OpenLoopGain(1e5, 0, 1000), FloatingPointError);
}

TEST(ClosedLoopGain, ApproachesOnePlusRatioOfLegs) {
    // Resistive legs 1 kΩ to ground, 9 kΩ feedback, huge open-loop gain: 10.
    const TComplex K = ClosedLoopGain({1e9, 0}, {1000, 0}, {9000, 0});
    EXPECT_NEAR(K.Re, 10, 1e-6);
    EXPECT_NEAR(K.Im, 0, 1e-12);
}

// The stage reduced to R3 and R4: huge R2 and R5, tiny C2 and C5, huge C3 and C4.
StageParameters ResistiveLegs() {
    StageParameters p{};
    p.R1 = 100e3;
    p.R2 = 1e12;
    p.R3 = 1e3;
    p.R4 = 99e3;
    p.R5 = 1e12;
    p.C1 = 10e-6;
    p.C2 = 1e-19;
    p.C3 = 1000;
    p.C4 = 1000;
    p.C5 = 1e-19;
    p.k0 = 1e7;
    p.f1 = 1e9;
    return p;
}

TEST(StageGain, ResistiveLegsGiveOnePlusR4OverR3TimesTheCoupling) {
    const StageParameters p = ResistiveLegs();
    for (double f : {100.0, 1e3, 1e4}) {
        const double coupling = 1 / std::hypot(1, 1 / (2 * kPi * f * p.C1 * p.R1));
        const double expected = (1 + p.R4 / p.R3) * coupling;
        EXPECT_NEAR(Modulus(StageGain(f, p)), expected, expected * 1e-4) << f;
    }
}

TEST(StageGain, InputCouplingBlocksLowFrequencies) {
    const StageParameters p = ResistiveLegs();
    // Far below 1/(2π·R1·C1) ≈ 0.16 Hz the gain falls by 20 dB a decade.
    const double low = Modulus(StageGain(0.001, p));
    const double lower = Modulus(StageGain(0.0001, p));
    EXPECT_NEAR(low / lower, 10, 0.01);
}

TEST(StageGain, OpenLoopLimitsHighFrequencies) {
    StageParameters p = ResistiveLegs();
    p.f1 = 1e6; // the closed-loop gain of 100 leaves about 10 kHz of bandwidth
    EXPECT_NEAR(Modulus(StageGain(1e3, p)), 100, 1);
    EXPECT_LT(Modulus(StageGain(1e6, p)), 1.5);
}

TEST(StageGain, ZeroCapacitanceOrFrequencyDividesByZero) {
    StageParameters p = ResistiveLegs();
    p.C2 = 0;
    try {
        StageGain(1000, p);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        StageGain(0, ResistiveLegs());
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
}

// The stage as a textbook writes it, in std::complex: legs of impedances, the amplifier's pole
// k0 / (1 ± j·(f/f1)·√(k0² − 1)), "+" lagging.
double TextbookGain(const StageParameters& p, double f, int poleSign) {
    using Z = std::complex<long double>;
    const long double w = 2 * std::numbers::pi_v<long double> * f;
    const auto capacitor = [&](double c) { return Z(1) / (Z(0, 1) * w * (long double)c); };
    const auto parallel = [](Z a, Z b) { return a * b / (a + b); };
    const Z ground = parallel(capacitor(p.C2), parallel(Z(p.R3), Z(p.R2) + capacitor(p.C3)));
    const Z feedback = parallel(capacitor(p.C5), parallel(Z(p.R4), Z(p.R5) + capacitor(p.C4)));
    const long double k0 = p.k0;
    const Z open = k0 / (Z(1) + Z(0, poleSign) * (f / (long double)p.f1) * std::sqrt(k0 * k0 - 1));
    const Z closed = open / (Z(1) + open * ground / (ground + feedback));
    return static_cast<double>(std::abs(Z(p.R1) / (Z(p.R1) + capacitor(p.C1)) * closed));
}

// With C5 across R4 the sign of the pole's phase tells: 100 pF raises the program's own (leading)
// gain at 20 kHz from 45 to 79, where a real (lagging) amplifier's falls to 29.
TEST(StageGain, EitherPhaseIsTheTextbookStageWithThatPole) {
    // The typical stage (Rin of 10 MΩ merged into R1 and R3) with C5 = 100 pF.
    StageParameters p = ResistiveLegs();
    p.R1 = 100e3 * 10e6 / (100e3 + 10e6), p.R3 = 1e3 * 10e6 / (1e3 + 10e6);
    p.R2 = 1e6, p.R5 = 1e6, p.C2 = 10e-12, p.C3 = 100e-6, p.C4 = 1e-12, p.C5 = 100e-12;
    p.k0 = 1e5, p.f1 = 1e6;
    struct Case {
        OpAmpPhase phase;
        int poleSign;
        double at20kHz;
    };
    for (const auto& [phase, sign, at20kHz] :
         {Case{OpAmpPhase::Leading, -1, 78.7}, Case{OpAmpPhase::Lagging, +1, 29.4}}) {
        p.Phase = phase;
        for (double f : {10.0, 1e3, 2e4, 1e5, 1e7}) {
            const double gain = Modulus(StageGain(f, p));
            EXPECT_NEAR(gain, TextbookGain(p, f, sign), 1e-12 * gain) << f;
        }
        EXPECT_NEAR(Modulus(StageGain(2e4, p)), at20kHz, 0.05);
    }
}

TEST(StageGain, BelowUnitK0IsInvalid) {
    StageParameters p = ResistiveLegs();
    p.k0 = 0.5;
    try {
        StageGain(1000, p);
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

} // namespace
