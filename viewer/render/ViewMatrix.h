#pragma once

#include <array>
#include <cmath>

namespace tarn {

// A 4 x 4 matrix, column-major, as OpenGL keeps it.
using TViewMatrix = std::array<double, 16>;

// left x right, the way OpenGL combines a projection with a model-view
// matrix. With `absolute`, each entry is the sum of its terms' absolute
// values instead: the scale of what rounding the product can add up to.
inline TViewMatrix MatrixProduct(const TViewMatrix& left, const TViewMatrix& right, bool absolute = false)
{
    TViewMatrix product{};
    for (std::size_t column = 0; column < 4; ++column)
        for (std::size_t row = 0; row < 4; ++row) {
            double sum = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                const double term = left[k * 4 + row] * right[column * 4 + k];
                sum += absolute ? std::abs(term) : term;
            }
            product[column * 4 + row] = sum;
        }
    return product;
}

}  // namespace tarn
