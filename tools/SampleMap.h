#pragma once

namespace tarn {
class TNet;
}

namespace tarn::tool {

// Builds the bundled sample landscape into the map: a Metric grid of
// `size` x `size` nodes 30 m apart with hills, a valley holding a lake with a
// level floor, squares of every standard terrain, a few overlay objects of
// each kind and a few labels. The same size always gives the same map.
void BuildSampleMap(TNet& net, int size);

}  // namespace tarn::tool
