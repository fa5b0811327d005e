#pragma once

#include <cstddef>
#include <vector>

namespace tivak::bench {

// What a series of repeated measurements comes to: its middle, the value that 95 % of the runs
// stay within, and the worst run.
struct SampleFigures
{
    std::size_t count = 0;
    double median = 0.0;
    double p95 = 0.0;
    double worst = 0.0;
};

// The figures of the values; all zero when there are none.
SampleFigures summarise(std::vector<double> values);

} // namespace tivak::bench
