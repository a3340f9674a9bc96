#pragma once
// The median of a benchmark's repeated measurements.
#include <algorithm>
#include <vector>

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
