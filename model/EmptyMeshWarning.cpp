#include "model/EmptyMeshWarning.h"

#include "common/Codes.h"
#include "common/Numbers.h"
#include "model/Document.h"

namespace vellum {
namespace {

constexpr const char* kNodesOnly = "節点だけを描きます";

// The automatic mesh joins rows of equal coordinate 2; its nodes are sorted by that
// coordinate, so counting the changes counts the rows. Polar nodes have been converted
// since and no longer show their rows.
std::string meshCause(const DataSet& dataSet) {
    if (dataSet.polarFlag != 1) {
        size_t rows = dataSet.nodes.empty() ? 0 : 1;
        for (size_t i = 1; i < dataSet.nodes.size(); ++i)
            if (dataSet.nodes[i].coordinates[1] != dataSet.nodes[i - 1].coordinates[1]) ++rows;
        if (rows <= 1) return "節点がすべて座標2の等しい一つの行にあります";
    }
    return "隣り合う行に座標1の等しい節点の組がありません";
}

} // namespace

std::string emptyMeshWarning(const Document& document) {
    const DataSet& d = document.dataSet;
    if (document.loaded != 1 || !d.elements.empty()) return {};
    const FileSet& f = d.files;
    if (isStlModel(f))
        return formatC("警告: STLファイルに完全な三角形がありません（頂点 %zu 個）\n%s\n対象ファイル: %s",
                       d.nodes.size(), kNodesOnly, f.stlFilePath.c_str());
    if (f.elementFileName.empty())
        return "警告: オートメッシュで要素ができませんでした（" + meshCause(d) + "）\n" + kNodesOnly +
               "\n対象ファイル: " + f.pointFilePath;
    return std::string("警告: 要素ファイルに要素データがありません\n") + kNodesOnly + "\n対象ファイル: " +
           f.elementFilePath;
}

} // namespace vellum
