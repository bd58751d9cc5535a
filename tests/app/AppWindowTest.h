#pragma once
// What the application's window tests share: a frame on a real OpenGL context with an
// example job loaded, message boxes answered as a person would, and the view's picture
// compared with the headless program's for the same look.
#include "../BatchTestFolder.h"
#include "FakeChooser.h"
#include "app/MainWindow.h"
#include "app/GraphView.h"
#include "app/QtUi.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "tests/support/RecordingUi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

QT_BEGIN_NAMESPACE
// Readable failures: lists of texts print as their texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

namespace vellum::testing {

// Answers every message box shown while it lives, as a person clicking through them, and
// keeps their texts.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texts << box->text();
            QAbstractButton* answer = box->button(button);
            if (!answer) answer = box->button(QMessageBox::Ok);
            if (answer) answer->click();
        });
        timer_.start(20);
    }
    QStringList texts;

private:
    QTimer timer_;
};

// Plays the person at the modal windows a command opens, in order: each step waits for a
// window of its kind to be the active modal one, and may open the next window itself.
class ModalScript {
public:
    ModalScript() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* shown = QApplication::activeModalWidget();
            if (pending_ || steps_.empty() || !shown || !steps_.front().matches(shown)) return;
            const Step step = steps_.front();
            steps_.pop_front();
            // Acted on after this handler returns: a timer does not fire again while its
            // own handler runs, and an action may wait in the next window it opens.
            pending_ = true;
            QTimer::singleShot(0, shown, [this, step, shown] {
                pending_ = false;
                step.act(shown);
            });
        });
        timer_.start(20);
    }
    template <class Window>
    ModalScript& then(std::function<void(Window*)> act) {
        steps_.push_back({[](QWidget* w) { return qobject_cast<Window*>(w) != nullptr; },
                          [act](QWidget* w) { act(qobject_cast<Window*>(w)); }});
        return *this;
    }
    bool finished() const { return steps_.empty(); }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };
    std::deque<Step> steps_;
    bool pending_ = false;
    QTimer timer_;
};

// Pixels whose colour differs by more than a rounding step; -1 for different sizes.
inline int differingPixels(const RgbImage& a, const RgbImage& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    int differing = 0;
    for (size_t i = 0; i < a.pixels.size(); i += 3)
        for (size_t c = 0; c < 3; ++c)
            if (std::abs(int(a.pixels[i + c]) - int(b.pixels[i + c])) > 8) {
                ++differing;
                break;
            }
    return differing;
}

class AppWindowTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeChooser chooser;
    QtUi ui;
    std::string examples = folder.path() + "examples/";

    void SetUp() override {
        namespace fs = std::filesystem;
        fs::copy(fs::path(VELLUM_SOURCE_DIR) / "examples", examples, fs::copy_options::recursive);
        // The examples end the program after their picture; these tests keep the window.
        for (const char* job : {"plate/plate.dat", "plate/plate-automesh.dat"}) {
            std::string text = folder.read(std::string("examples/") + job);
            text.replace(text.find("AutoExit=1"), 10, "AutoExit=0");
            folder.write(std::string("examples/") + job, text, true);
        }
    }

    // A frame shown at its start-up size with a job loaded, painted once.
    std::unique_ptr<MainWindow> frameWith(const std::string& job) {
        auto frame = std::make_unique<MainWindow>(ui, chooser, false);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->activateWindow(); // shortcuts reach the active window only
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        if (!job.empty()) frame->view().openPath(QString::fromStdString(examples + job));
        QTest::qWait(50);
        return frame;
    }

    // The view shows what the headless program draws for the document as it is. A failure
    // leaves both pictures as `<name>-view.png` and `<name>-headless.png`.
    static void expectHeadlessPicture(GraphView& view, const std::string& name) {
        const RgbImage shown = view.capture();
        ASSERT_GT(shown.width, 0);
        view.doneCurrent(); // the headless picture makes its own context current
        OffscreenRequest request;
        request.width = shown.width;
        request.height = shown.height;
        request.dataSet = view.document().drawable();
        request.state = SceneState{view.document().options.dataType, view.document().modelShape()};
        std::string error;
        const RgbImage headless = PaintOffscreen(view.document().look, request, error);
        ASSERT_TRUE(error.empty()) << error;
        const int differing = differingPixels(shown, headless);
        EXPECT_GE(differing, 0);
        EXPECT_LT(differing, shown.width * shown.height / 200) << name << ": the view and the headless picture differ";
        if (::testing::Test::HasFailure()) {
            RecordingUi quiet;
            ExportImage(quiet, name + "-view.png", shown);
            ExportImage(quiet, name + "-headless.png", headless);
        }
    }
};

} // namespace vellum::testing
