#include "data/DataSet.h"

namespace vellum {

// Quadrilateral faces come in pairs: the same four nodes listed from two different
// corners. The renderer splits a quadrilateral along the diagonal from its first to
// its third corner, so the face builder picks the member of a pair whose diagonal
// joins the two corners closer in value.
const std::array<FacePattern, kFacePatternCount> kFacePatterns{{
    {3, {0, 1, 2, 0}}, // 0: 3-node triangle
    {4, {0, 1, 2, 3}}, // 1: 4-node quadrilateral, diagonal 0-2
    {4, {1, 2, 3, 0}}, // 2: 4-node quadrilateral, diagonal 1-3
    {3, {0, 3, 5, 0}}, // 3: 6-node triangle, corner at node 0
    {3, {1, 4, 3, 0}}, // 4: corner at node 1
    {3, {2, 5, 4, 0}}, // 5: corner at node 2
    {3, {3, 4, 5, 0}}, // 6: middle triangle
    {3, {0, 4, 7, 0}}, // 7: 8-node quadrilateral, corner at node 0
    {3, {1, 5, 4, 0}}, // 8: corner at node 1
    {3, {2, 6, 5, 0}}, // 9: corner at node 2
    {3, {3, 7, 6, 0}}, // 10: corner at node 3
    {4, {4, 5, 6, 7}}, // 11: middle quadrilateral, diagonal 4-6
    {4, {5, 6, 7, 4}}, // 12: middle quadrilateral, diagonal 5-7
    {3, {0, 1, 2, 0}}, // 13: tetrahedron face 1
    {3, {0, 1, 3, 0}}, // 14: face 2
    {3, {1, 2, 3, 0}}, // 15: face 3
    {3, {2, 0, 3, 0}}, // 16: face 4
    {3, {0, 1, 2, 0}}, // 17: wedge bottom
    {3, {3, 4, 5, 0}}, // 18: wedge top
    {4, {0, 1, 4, 3}}, // 19: wedge side 0-1, diagonal 0-4
    {4, {1, 4, 3, 0}}, // 20: wedge side 0-1, diagonal 1-3
    {4, {1, 2, 5, 4}}, // 21: wedge side 1-2, diagonal 1-5
    {4, {2, 5, 4, 1}}, // 22: wedge side 1-2, diagonal 2-4
    {4, {2, 0, 3, 5}}, // 23: wedge side 2-0, diagonal 2-3
    {4, {0, 3, 5, 2}}, // 24: wedge side 2-0, diagonal 0-5
    {4, {0, 1, 2, 3}}, // 25: hexahedron bottom, diagonal 0-2
    {4, {1, 2, 3, 0}}, // 26: bottom, diagonal 1-3
    {4, {4, 5, 6, 7}}, // 27: top, diagonal 4-6
    {4, {5, 6, 7, 4}}, // 28: top, diagonal 5-7
    {4, {1, 2, 6, 5}}, // 29: side 1-2, diagonal 1-6
    {4, {2, 6, 5, 1}}, // 30: side 1-2, diagonal 2-5
    {4, {2, 3, 7, 6}}, // 31: side 2-3, diagonal 2-7
    {4, {3, 7, 6, 2}}, // 32: side 2-3, diagonal 3-6
    {4, {3, 0, 4, 7}}, // 33: side 3-0, diagonal 3-4
    {4, {0, 4, 7, 3}}, // 34: side 3-0, diagonal 0-7
    {4, {0, 1, 5, 4}}, // 35: side 0-1, diagonal 0-5
    {4, {1, 5, 4, 0}}, // 36: side 0-1, diagonal 1-4
}};

} // namespace vellum
