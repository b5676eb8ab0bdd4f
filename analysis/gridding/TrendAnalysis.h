#pragma once

namespace tarn {
class TNet;
}

namespace tarn::gridding {

// Trend analysis over the whole grid: rounds of four passes over the nodes
// by the parity of their 1-based column and row (odd/odd, even/even,
// even column/odd row, odd column/even row; within a pass column by column
// from the left, each column from the top). A node with a height keeps it;
// a Null node gets the average of the heights among its eight neighbours,
// rounded (halves to even) and raised to minHeight when below it, or stays
// Null when it has none. Each non-Null estimate is stored at once (later
// nodes see it) and counted. After a round with fewer than 100 counted
// nodes, throws ETarnError "E0019 ..." (what was filled stays); otherwise
// a round that left a Null node is followed by another, up to 1001 rounds.
// The squares' mean heights are brought up to date.
void TrendAnalysis(TNet& net, int minHeight);

}  // namespace tarn::gridding
