#include "analysis/gridding/DenseSolver.h"

#include <algorithm>
#include <cmath>

namespace tarn::gridding {

namespace {

// A pivot this much smaller than the largest diagonal counts as zero.
constexpr double kSingularRatio = 1e-10;

}  // namespace

DenseSolver::DenseSolver(std::vector<double> matrix, std::size_t size)
    : size_(size), factor_(std::move(matrix)), dropped_(size, false)
{
    double largest = 0;
    for (std::size_t i = 0; i < size_; ++i)
        largest = std::max(largest, factor_[i * size_ + i]);
    const double threshold = largest * kSingularRatio;
    for (std::size_t j = 0; j < size_; ++j) {
        double pivot = factor_[j * size_ + j];
        for (std::size_t k = 0; k < j; ++k)
            pivot -= factor_[j * size_ + k] * factor_[j * size_ + k];
        if (pivot <= threshold) {
            dropped_[j] = true;
            for (std::size_t i = j; i < size_; ++i)
                factor_[i * size_ + j] = 0;
            continue;
        }
        const double root = std::sqrt(pivot);
        factor_[j * size_ + j] = root;
        for (std::size_t i = j + 1; i < size_; ++i) {
            double value = factor_[i * size_ + j];
            for (std::size_t k = 0; k < j; ++k)
                value -= factor_[i * size_ + k] * factor_[j * size_ + k];
            factor_[i * size_ + j] = value / root;
        }
    }
}

std::vector<double> DenseSolver::solve(std::vector<double> rhs) const
{
    for (std::size_t i = 0; i < size_; ++i) {
        if (dropped_[i]) {
            rhs[i] = 0;
            continue;
        }
        for (std::size_t k = 0; k < i; ++k)
            rhs[i] -= factor_[i * size_ + k] * rhs[k];
        rhs[i] /= factor_[i * size_ + i];
    }
    for (std::size_t i = size_; i-- > 0;) {
        if (dropped_[i]) {
            rhs[i] = 0;
            continue;
        }
        for (std::size_t k = i + 1; k < size_; ++k)
            rhs[i] -= factor_[k * size_ + i] * rhs[k];
        rhs[i] /= factor_[i * size_ + i];
    }
    return rhs;
}

}  // namespace tarn::gridding
