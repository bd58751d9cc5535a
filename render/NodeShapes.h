#pragma once
// Points that each have their own size or are balls, and vector heads: one transform and
// one shape per node, compiled once into a display list that each paint replays.
namespace vellum {

struct SceneContext;
struct GraphPass;
struct BodyPlacement;
class ColourMap;
class PrimitiveLists;

// The list of the pass's points (balls, or points sized by their value); 0 when none can
// be made. Builds the sphere lists it calls in `shapes` first.
unsigned compilePointShapes(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
                            const ColourMap& colours, PrimitiveLists& shapes);
// The list of the cones at the vector tips, and the balls of zero vectors when shown.
unsigned compileVectorHeads(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
                            const ColourMap& colours, PrimitiveLists& shapes);

} // namespace vellum
