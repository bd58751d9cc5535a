// Material files, the specific-element dialog's lists and what hiding a material hides.
#include "model/Document.h"
#include "model/ViewElementForm.h"
#include "tests/support/RecordingUi.h"
#include "TemporaryFolder.h"
#include "WrittenFile.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using Strings = std::vector<std::string>;
using test::written;

// A strip of four unit squares, nodes 1-5 below and 6-10 above. The element numbers run
// 1, 2, 4, 3 along it, so element 3 is the last square and alone uses nodes 5 and 10.
struct StripCase {
    test::TemporaryFolder folder;
    Document document;
    RecordingUi ui;

    StripCase() {
        OpenChoice choice;
        choice.pointFilePath = written(folder.file("nodes.txt"), "1 0 0\n2 1 0\n3 2 0\n4 3 0\n5 4 0\n"
                                                                 "6 0 1\n7 1 1\n8 2 1\n9 3 1\n10 4 1\n");
        choice.elementFilePath =
            written(folder.file("elements.txt"), "1 1 2 7 6\n2 2 3 8 7\n4 3 4 9 8\n3 4 5 10 9\n");
        choice.dataType = kNoDataFile;
        EXPECT_EQ(document.Open(ui, choice), 0);
    }
    std::string material(const std::string& name, std::string_view text) { return written(folder.file(name), text); }
    std::vector<int32_t> materials() const {
        std::vector<int32_t> numbers;
        for (const ElementRecord& e : document.dataSet.elements) numbers.push_back(e.material);
        return numbers;
    }
    std::vector<double> elementFlags() const {
        std::vector<double> flags;
        for (const ElementRecord& e : document.dataSet.elements) flags.push_back(e.visible);
        return flags;
    }
    std::vector<double> nodeFlags() const {
        std::vector<double> flags;
        for (const NodeRecord& n : document.dataSet.nodes) flags.push_back(n.visible);
        return flags;
    }
};

TEST(MaterialFile, ListsTheNamedMaterialsWithTheirCountsOverAllElements) {
    StripCase c;
    std::vector<MaterialCount> listed;
    ASSERT_EQ(c.document.ReadMaterialFile(c.ui, c.material("a.txt", "1 10\n2 10\n3 20\n"), listed), 0);
    EXPECT_EQ(listed, (std::vector<MaterialCount>{{10, 2}, {20, 1}}));
    EXPECT_EQ(c.materials(), (std::vector<int32_t>{10, 10, 20, 0})); // element 4 was not named

    // Any separator mixture; element 3 is not named but keeps 20 and counts; a line with
    // an element number alone and one naming no element change nothing. Only the first
    // 255 bytes of a line count: the rest of the long line is not a line of its own.
    const std::string longLine = std::string(253, ' ') + "1 2 3 55\n";
    ASSERT_EQ(c.document.ReadMaterialFile(c.ui, c.material("b.csv", "4,\t20 7\n2\n99 30\n1\xE3\x80\x80" "20\n" + longLine),
                                          listed),
              0);
    EXPECT_EQ(listed, (std::vector<MaterialCount>{{20, 3}}));
    EXPECT_EQ(c.materials(), (std::vector<int32_t>{20, 10, 20, 20}));
    EXPECT_TRUE(c.ui.messages.empty());
    EXPECT_EQ(c.ui.waitCursorDepth, 0);
}

TEST(MaterialFile, MissingFileSaysSoAndLeavesBothListsEmpty) {
    StripCase c;
    c.document.shownMaterials = {{10, 2}};
    c.document.hiddenMaterials = {{20, 1}};
    ViewElementForm form(c.document);
    EXPECT_EQ(form.hidden(), (std::vector<MaterialCount>{{20, 1}}));
    form.readMaterialFile(c.document, c.ui, c.folder.file("absent.txt"));
    EXPECT_EQ(c.ui.messages, Strings{"ファイルが見つかりません"});
    EXPECT_EQ(form.name(), "absent.txt");
    EXPECT_TRUE(form.shown().empty());
    EXPECT_TRUE(form.hidden().empty());
    // The document's lists go at once, whether or not the dialog is confirmed.
    EXPECT_TRUE(c.document.shownMaterials.empty());
    EXPECT_TRUE(c.document.hiddenMaterials.empty());
}

TEST(SpecificElements, HidingAMaterialHidesItsElementsAndTheNodesOnlyTheyUse) {
    StripCase c;
    const std::string file = c.material("materials.dat", "1 10\n2 10\n3 20\n");
    ViewElementForm form(c.document);
    form.readMaterialFile(c.document, c.ui, file);
    EXPECT_EQ(form.shown(), (std::vector<MaterialCount>{{10, 2}, {20, 1}}));
    form.hideRows({1});
    ASSERT_EQ(c.document.ApplySpecificElements(c.ui, form.choice()), 0);

    EXPECT_EQ(c.elementFlags(), (std::vector<double>{1, 1, 0, 1})); // elements 1, 2, 3, 4
    EXPECT_EQ(c.nodeFlags(), (std::vector<double>{1, 1, 1, 1, 0, 1, 1, 1, 1, 0}));
    EXPECT_EQ(c.document.dataSet.files.materialFilePath, file);
    EXPECT_EQ(c.document.dataSet.files.materialFileName, "materials.dat");
    EXPECT_EQ(c.document.shownMaterials, (std::vector<MaterialCount>{{10, 2}}));
    EXPECT_EQ(c.document.hiddenMaterials, (std::vector<MaterialCount>{{20, 1}}));

    // The dialog opens again on those lists; a new file starts with every material shown.
    ViewElementForm again(c.document);
    EXPECT_EQ(again.hidden(), (std::vector<MaterialCount>{{20, 1}}));
    again.readMaterialFile(c.document, c.ui, c.material("all.dat", "1 10\n2 10\n3 20\n4 30\n"));
    EXPECT_EQ(again.shown(), (std::vector<MaterialCount>{{10, 2}, {20, 1}, {30, 1}}));
    EXPECT_TRUE(again.hidden().empty());

    // Rows move from the top to the end of the other list; every material hidden draws nothing.
    again.hideRows({2, 0, 7});
    again.hideRows({0});
    EXPECT_EQ(materialNumbers(again.hidden()), (std::vector<int32_t>{10, 30, 20}));
    again.showRows({1});
    EXPECT_EQ(materialNumbers(again.shown()), (std::vector<int32_t>{30}));
    again.hideRows({0});
    c.document.ApplySpecificElements(c.ui, again.choice());
    EXPECT_EQ(c.elementFlags(), std::vector<double>(4, 0.0));
    EXPECT_EQ(c.nodeFlags(), std::vector<double>(10, 0.0));
    EXPECT_TRUE(c.ui.messages.empty());
}

// The lists describe the model on screen: a new result of the same model keeps the hidden
// material hidden, counts follow the elements now loaded, and a file written for another
// model says so in the dialog.
TEST(SpecificElements, AChoiceOutlivesALoadAndIsCountedForTheModelOnScreen) {
    StripCase c;
    ViewElementForm form(c.document);
    form.readMaterialFile(c.document, c.ui, c.material("materials.dat", "1 10\n2 10\n3 20\n"));
    form.hideRows({1});
    ASSERT_EQ(c.document.ApplySpecificElements(c.ui, form.choice()), 0);
    EXPECT_EQ(ViewElementForm(c.document).fitNote(), "");

    // The same mesh again, with element 4 now material 20 in the file.
    c.material("materials.dat", "1 10\n2 10\n3 20\n4 20\n");
    OpenChoice same;
    same.pointFilePath = c.folder.file("nodes.txt");
    same.elementFilePath = c.folder.file("elements.txt");
    same.dataType = kNoDataFile;
    ASSERT_EQ(c.document.Open(c.ui, same), 0);
    EXPECT_EQ(c.document.shownMaterials, (std::vector<MaterialCount>{{10, 2}}));
    EXPECT_EQ(c.document.hiddenMaterials, (std::vector<MaterialCount>{{20, 2}}));
    EXPECT_EQ(c.elementFlags(), (std::vector<double>{1, 1, 0, 0})); // elements 1, 2, 3, 4
    EXPECT_EQ(ViewElementForm(c.document).fitNote(), "");

    // Another model, numbered 101 on: nothing of it is hidden, nothing counts, and the
    // dialog says the file was written for another model.
    OpenChoice other = same;
    other.elementFilePath = written(c.folder.file("other.txt"), "101 1 2 7 6\n102 2 3 8 7\n");
    ASSERT_EQ(c.document.Open(c.ui, other), 0);
    EXPECT_EQ(c.document.hiddenMaterials, (std::vector<MaterialCount>{{20, 0}}));
    EXPECT_EQ(c.document.shownMaterials, (std::vector<MaterialCount>{{10, 0}}));
    EXPECT_EQ(c.elementFlags(), (std::vector<double>{1, 1}));
    EXPECT_EQ(ViewElementForm(c.document).fitNote(),
              "このモデルにない要素番号がマテリアルファイルに 4 行あります（最初は要素 1）\n"
              "別のモデルのファイルです：要素数はこのモデルの要素で数えています");
    EXPECT_TRUE(c.ui.messages.empty());
}

} // namespace
} // namespace vellum
