#include <gtest/gtest.h>

#include "app/sdl/pacing_report.h"

namespace vantorix::sdl {
namespace {

constexpr std::uint64_t kMicroseconds = 1'000'000;

TEST(SdlPacingReport, MeasuresIntervalsJitterPaintsAndProcessorShare) {
  PacingReport report(kMicroseconds, 1);  // 64 intervals
  ASSERT_TRUE(report.enabled());
  std::uint64_t now = 0;
  double cpu = 0;
  report.tick(now, cpu);
  // 63 intervals on time and one 2 ms late: the late one is the p99.
  for (int i = 0; i < 64; ++i) {
    EXPECT_FALSE(report.ready());
    now += i == 10 ? 17'625 : 15'625;
    cpu += 0.0015625;  // a tenth of each interval
    report.paintTook(i == 20 ? 3'000 : 1'000);
    report.tick(now, cpu);
  }
  ASSERT_TRUE(report.ready());
  const PacingSummary summary = report.summarize();
  EXPECT_FALSE(report.ready());  // reported once
  EXPECT_EQ(summary.intervals, 64);
  EXPECT_NEAR(summary.meanIntervalMs, 15.625 + 2.0 / 64, 1e-9);
  EXPECT_NEAR(summary.p99JitterMs, 2.0, 1e-9);
  EXPECT_NEAR(summary.maxJitterMs, 2.0, 1e-9);
  EXPECT_EQ(summary.paints, 64);
  EXPECT_NEAR(summary.meanPaintMs, 1.0 + 2.0 / 64, 1e-9);
  EXPECT_NEAR(summary.maxPaintMs, 3.0, 1e-9);
  EXPECT_NEAR(summary.cpuShare, 0.1, 0.001);
}

// The time the clock stood still (a box, a quit question) is no interval.
TEST(SdlPacingReport, ABreakInTheRunIsNoInterval) {
  PacingReport report(kMicroseconds, 1);
  report.tick(0, 0);
  report.tick(15'625, 0);
  report.breakRun();
  report.tick(5'000'000, 0);
  report.tick(5'015'625, 0);
  const PacingSummary summary = report.summarize();
  EXPECT_EQ(summary.intervals, 2);
  EXPECT_NEAR(summary.meanIntervalMs, 15.625, 1e-9);
}

TEST(SdlPacingReport, OffUnlessAsked) {
  PacingReport report(kMicroseconds, 0);
  EXPECT_FALSE(report.enabled());
  report.tick(0, 0);
  report.tick(15'625, 0);
  EXPECT_FALSE(report.ready());
}

}  // namespace
}  // namespace vantorix::sdl
