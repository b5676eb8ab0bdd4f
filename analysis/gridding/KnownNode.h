#pragma once

namespace tarn::gridding {

// A node of the area whose height is given: column from 0 at the west edge,
// row from 0 at the north (top) edge.
struct KnownNode {
    int column = 0;
    int row = 0;
    double height = 0;

    friend bool operator==(const KnownNode&, const KnownNode&) = default;
};

}  // namespace tarn::gridding
