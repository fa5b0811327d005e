#include "sample_figures.h"

#include <algorithm>
#include <cmath>

namespace tivak::bench {

SampleFigures summarise(std::vector<double> values)
{
    SampleFigures figures;
    figures.count = values.size();
    if (values.empty())
        return figures;
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    figures.median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    // Nearest rank: the smallest value that at least 95 % of the runs do not exceed.
    const auto rank = std::size_t(std::ceil(0.95 * double(values.size())));
    figures.p95 = values[std::max<std::size_t>(rank, 1) - 1];
    figures.worst = values.back();
    return figures;
}

} // namespace tivak::bench
