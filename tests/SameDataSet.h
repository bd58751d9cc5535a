#pragma once
// Two data sets hold the same model: nodes, arrows, elements, rows and what is derived
// from them, compared field by field so a failure names the first record that differs.
#include "data/DataSet.h"

#include <gtest/gtest.h>

namespace vellum::testing {

inline void expectSameDataSet(const DataSet& a, const DataSet& b) {
    ASSERT_EQ(a.nodes.size(), b.nodes.size());
    for (size_t i = 0; i < a.nodes.size(); ++i) {
        const NodeRecord& p = a.nodes[i];
        const NodeRecord& q = b.nodes[i];
        ASSERT_EQ(p.number, q.number) << i;
        ASSERT_EQ(p.coordinates, q.coordinates) << i;
        ASSERT_EQ(p.position, q.position) << i;
        ASSERT_EQ(p.t, q.t) << i;
        ASSERT_EQ(p.visible, q.visible) << i;
    }
    ASSERT_EQ(a.arrows.size(), b.arrows.size());
    for (size_t i = 0; i < a.arrows.size(); ++i) ASSERT_EQ(a.arrows[i].tip, b.arrows[i].tip) << i;
    ASSERT_EQ(a.elements.size(), b.elements.size());
    for (size_t i = 0; i < a.elements.size(); ++i) {
        const ElementRecord& p = a.elements[i];
        const ElementRecord& q = b.elements[i];
        ASSERT_EQ(p.number, q.number) << i;
        ASSERT_EQ(p.nodes, q.nodes) << i;
        ASSERT_EQ(p.faces, q.faces) << i;
        ASSERT_EQ(p.faceCount, q.faceCount) << i;
        ASSERT_EQ(p.t, q.t) << i;
    }
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (size_t i = 0; i < a.rows.size(); ++i) {
        ASSERT_EQ(a.rows.number(i), b.rows.number(i)) << i;
        ASSERT_EQ(a.rows.valueCount(i), b.rows.valueCount(i)) << i;
        for (size_t c = 0; c < a.rows.valueCount(i); ++c) ASSERT_EQ(a.rows.values(i)[c], b.rows.values(i)[c]) << i;
    }
    // The data map leads every row number to a row of that number no later than it, in both.
    for (const DataSet* set : {&a, &b})
        for (size_t i = 0; i < set->rows.size(); ++i) {
            const uint32_t found = set->findDataRow(set->rows.number(i));
            ASSERT_LE(found, i) << i;
            ASSERT_EQ(set->rows.number(found), set->rows.number(i)) << i;
        }
    EXPECT_EQ(a.nodeCount, b.nodeCount);
    EXPECT_EQ(a.elementCount, b.elementCount);
    EXPECT_EQ(a.rowCount, b.rowCount);
    EXPECT_EQ(a.columnCount, b.columnCount);
    EXPECT_EQ(a.columnMinimum, b.columnMinimum);
    EXPECT_EQ(a.columnMaximum, b.columnMaximum);
    EXPECT_EQ(a.minimum, b.minimum);
    EXPECT_EQ(a.maximum, b.maximum);
    EXPECT_EQ(a.sectionBox, b.sectionBox);
    EXPECT_EQ(a.vectorColumns, b.vectorColumns);
}

} // namespace vellum::testing
