#include "model/EmptyMeshWarning.h"

#include "common/Codes.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "model/Document.h"

namespace vellum {
namespace {

constexpr const char* kNodesOnly = TX("節点だけを描きます");

// The automatic mesh joins rows of equal coordinate 2; its nodes are sorted by that
// coordinate, so counting the changes counts the rows. Polar nodes have been converted
// since and no longer show their rows.
std::string meshCause(const DataSet& dataSet) {
    if (dataSet.polarFlag != 1) {
        size_t rows = dataSet.nodes.empty() ? 0 : 1;
        for (size_t i = 1; i < dataSet.nodes.size(); ++i)
            if (dataSet.nodes[i].coordinates[1] != dataSet.nodes[i - 1].coordinates[1]) ++rows;
        if (rows <= 1) return std::string(shownText(TX("節点がすべて座標2の等しい一つの行にあります")));
    }
    return std::string(shownText(TX("隣り合う行に座標1の等しい節点の組がありません")));
}

} // namespace

std::string emptyMeshWarning(const Document& document) {
    const DataSet& d = document.dataSet;
    if (document.loaded != 1 || !d.elements.empty()) return {};
    const FileSet& f = d.files;
    if (isStlModel(f))
        return shownText(TX("警告: STLファイルに完全な三角形がありません（頂点 %1 個）\n%2\n対象ファイル: %3"),
                         {std::to_string(d.nodes.size()), shownText(kNodesOnly), f.stlFilePath});
    if (f.elementFileName.empty())
        return shownText(TX("警告: オートメッシュで要素ができませんでした（%1）\n%2\n対象ファイル: %3"),
                         {meshCause(d), shownText(kNodesOnly), f.pointFilePath});
    return shownText(TX("警告: 要素ファイルに要素データがありません\n%1\n対象ファイル: %2"),
                     {shownText(kNodesOnly), f.elementFilePath});
}

} // namespace vellum
