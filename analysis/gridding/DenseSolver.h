#pragma once

#include <cstddef>
#include <vector>

namespace tarn::gridding {

// Solves a small symmetric positive semi-definite system A x = b directly
// (Cholesky). A direction in which A is (numerically) singular gets x = 0
// there instead of a division by zero, which for the spline's energy means
// a part of the surface that no known node pins down is left unchanged.
class DenseSolver {
public:
    // `matrix` holds size x size entries, row by row.
    DenseSolver(std::vector<double> matrix, std::size_t size);

    std::vector<double> solve(std::vector<double> rhs) const;

private:
    std::size_t size_;
    std::vector<double> factor_;  // lower triangle, row by row
    std::vector<bool> dropped_;
};

}  // namespace tarn::gridding
