// The data-column and specific-element dialogs, alone and through their commands.
#include "../BatchTestFolder.h"
#include "FakeChooser.h"
#include "app/DataColumnDialog.h"
#include "app/MainWindow.h"
#include "app/SpecificElementsDialog.h"
#include "app/GraphView.h"
#include "app/QtUi.h"
#include "model/CommandTable.h"
#include "tests/support/RecordingUi.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vellum {
namespace {

// Acts on the first modal dialog of type D that a command opens, as a person would.
template <class D>
class WhenModal {
public:
    explicit WhenModal(std::function<void(D&)> act) {
        QObject::connect(&timer_, &QTimer::timeout, [this, act] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!dialog) return;
            timer_.stop();
            act(*dialog);
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

TEST(ChangeDataDialog, ListsOfferTheColumnsAndAVectorChoiceNeedsAllThree) {
    DataSet d;
    d.columnCount = 3;
    const double values[3] = {0.5, -1.25, 2.0};
    for (int32_t number = 1; number <= 12'000; ++number) d.rows.append(number, values, 3);
    RecordingUi ui;

    DataColumnDialog nodeValues(ColumnChoiceForm(d, kNodeValues, {2, 0, 0}), ui);
    EXPECT_EQ(nodeValues.windowTitle(), QStringLiteral("データ列の変更"));
    EXPECT_EQ(nodeValues.columnList(0)->currentText(), QStringLiteral("data3"));
    EXPECT_FALSE(nodeValues.columnList(1)->isEnabled());
    const QAbstractItemModel* table = nodeValues.table()->model();
    EXPECT_EQ(table->rowCount(), 10'000);
    EXPECT_EQ(table->headerData(0, Qt::Horizontal).toString(), QStringLiteral("接点番号"));
    EXPECT_EQ(table->data(table->index(9'999, 2)).toString(), QStringLiteral("-1.250000"));
    nodeValues.columnList(0)->setCurrentIndex(1);
    nodeValues.accept();
    EXPECT_EQ(nodeValues.result(), QDialog::Accepted);
    EXPECT_EQ(nodeValues.form().choice()[0], 1);

    DataColumnDialog vectors(ColumnChoiceForm(d, kVectorData, {2, 0, 7}), ui);
    vectors.show();
    EXPECT_TRUE(vectors.columnList(2)->isEnabled());
    EXPECT_EQ(vectors.columnList(2)->currentIndex(), -1);
    vectors.accept();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ベクトル成分のデータ列を３個選択してください"});
    EXPECT_TRUE(vectors.isVisible());
    vectors.columnList(2)->setCurrentIndex(1);
    vectors.accept();
    EXPECT_EQ(vectors.form().choice(), (std::array<int, 3>{2, 0, 1}));
}

TEST(DataCommands, ChosenColumnIsDrawnAndAHiddenMaterialLeavesThePicture) {
    testing::TempFolder folder;
    testing::FakeChooser chooser;
    QtUi ui;
    MainWindow frame(ui, chooser, false);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    GraphView& view = frame.view();
    const std::string plate = std::string(VELLUM_SOURCE_DIR) + "/examples/plate/";
    OpenChoice choice;
    choice.pointFilePath = plate + "nodes.txt";
    choice.elementFilePath = plate + "elements.txt";
    choice.dataFilePath = plate + "deflection.txt";
    ASSERT_EQ(view.document().Open(ui, choice), 0);
    view.refresh();

    {
        WhenModal<DataColumnDialog> person([](DataColumnDialog& dialog) {
            dialog.columnList(0)->setCurrentIndex(1);
            dialog.accept();
        });
        view.runCommand(command::kChangeColumn);
    }
    const Document& document = view.document();
    EXPECT_EQ(document.look.selectedColumn, 1);
    EXPECT_EQ(document.look.MAX, document.dataSet.columnMaximum[1]);
    QTest::qWait(50);
    const RgbImage shown = view.capture();

    // The right half of the plate (40 elements a row) is material 20.
    std::string materials;
    for (int element = 1; element <= 800; ++element)
        materials += std::to_string(element) + ((element - 1) % 40 >= 20 ? " 20\n" : " 10\n");
    chooser.answers = {QString::fromStdString(folder.write("materials.txt", materials))};
    {
        WhenModal<SpecificElementsDialog> person([](SpecificElementsDialog& dialog) {
            QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
            EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("materials.txt"));
            EXPECT_EQ(dialog.shownList()->model()->rowCount(), 2);
            dialog.shownList()->selectRow(1);
            QTest::mouseClick(dialog.hideButton(), Qt::LeftButton);
            EXPECT_EQ(dialog.hiddenList()->model()->data(dialog.hiddenList()->model()->index(0, 1)).toString(),
                      QStringLiteral("400"));
            dialog.accept();
        });
        view.runCommand(command::kSpecificElements);
    }
    EXPECT_EQ(document.hiddenMaterials, (std::vector<MaterialCount>{{20, 400}}));
    EXPECT_EQ(document.dataSet.elements[20].visible, 0.0);
    EXPECT_EQ(document.dataSet.elements[19].visible, 1.0);
    QTest::qWait(50);
    const RgbImage hidden = view.capture();
    ASSERT_EQ(hidden.pixels.size(), shown.pixels.size());
    // A good part of the picture turned to background where the right half was drawn.
    size_t cleared = 0;
    for (size_t i = 0; i + 2 < shown.pixels.size(); i += 3) {
        const bool wasWhite = shown.pixels[i] == 255 && shown.pixels[i + 1] == 255 && shown.pixels[i + 2] == 255;
        const bool isWhite = hidden.pixels[i] == 255 && hidden.pixels[i + 1] == 255 && hidden.pixels[i + 2] == 255;
        if (!wasWhite && isWhite) ++cleared;
    }
    EXPECT_GT(cleared, shown.pixels.size() / 3 / 50);
}

} // namespace
} // namespace vellum
