#pragma once
// Answers the file dialogs with paths a test queued, and records what was asked.
#include "app/FileChooser.h"

#include <QStringList>

#include <deque>

namespace vellum::testing {

class FakeChooser : public FileChooser {
public:
    std::deque<QString> answers; // taken in order; an empty one is a cancel
    QStringList asked;           // "open <kind>", "save <kind>" or "folder"

    QString openFile(QWidget*, FileKind kind, const QString&) override {
        asked << QStringLiteral("open %1").arg(static_cast<int>(kind));
        return next();
    }
    // One answer holds the chosen paths, a line each.
    QStringList openFiles(QWidget*, FileKind kind, const QString&) override {
        asked << QStringLiteral("open files %1").arg(static_cast<int>(kind));
        return next().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString saveFile(QWidget*, FileKind kind) override {
        asked << QStringLiteral("save %1").arg(static_cast<int>(kind));
        return next();
    }
    QString chooseFolder(QWidget*) override {
        asked << QStringLiteral("folder");
        return next();
    }

private:
    QString next() {
        if (answers.empty()) return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace vellum::testing
