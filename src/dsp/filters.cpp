#include "dsp/filters.h"

void SmoothingFilter(std::vector<double>& series)
{
    for (size_t i = 1; i < series.size(); ++i)
        series[i] = series[i] * 0.125 + series[i - 1] * 0.875;
}
