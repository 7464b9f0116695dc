#pragma once

#include "editor_dialog.h"
#include "main_page.h"
#include "page_tab_ctrl.h"
#include "user_prompts.h"

#include "tools/npf_builder.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <utility>

// Stands in for every modal prompt and notes, one a line, what the editor
// showed or opened through it, so no test waits on a modal loop. A dialog is
// met as a user would: shown, its picture clicked once, then closed.
class RecordingPrompts : public UserPrompts {
public:
    void showMessage(Icon icon, const QString& caption, const QString& text) override
    {
        static const char* const icons[] = {"stop", "information", "exclamation"};
        log << QStringLiteral("%1 | %2 | %3").arg(QLatin1String(icons[int(icon)]), caption, text);
    }
    QString chooseFileToOpen() override { return {}; }
    void openUrl(const QUrl& url) override { log << QStringLiteral("open ") + url.toString(); }
    void runDialog(QDialog& dialog) override
    {
        log << QStringLiteral("dialog ") + dialog.windowTitle();
        dialog.show();
        if (auto* picture = dialog.findChild<QLabel*>(QStringLiteral("picture")))
            QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    }

    QStringList log;
};

// The editor window with the recorder in place of its prompts, and a temporary
// directory for the synthetic character files it loads.
class Editor {
public:
    Editor() { dialog.setUserPrompts(std::unique_ptr<UserPrompts>(prompts)); }

    MainPage* mainPage() const { return dialog.pageTabs()->mainPage(); }
    QLineEdit* edit(const QString& name) const { return dialog.findChild<QLineEdit*>(name); }

    // Every control of both pages that edits a value, found by its kind.
    QWidgetList editingControls() const
    {
        QWidgetList controls;
        for (QWidget* w : dialog.pageTabs()->findChildren<QWidget*>())
            if (w->inherits("QLineEdit") || w->inherits("QComboBox") || w->inherits("QListWidget"))
                controls << w;
        return controls;
    }

    QString takeLog() { return std::exchange(prompts->log, {}).join(QLatin1Char('\n')); }

    static QByteArray bytesOf(const npf::CharacterRecord& record)
    {
        const std::vector<char> bytes = npftools::buildNpfBytes(record, 1024, 41);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    }

    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("character.npf"))
    {
        QFile file(directory.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    QString load(const npf::CharacterRecord& record, const QString& name = QStringLiteral("character.npf"))
    {
        const QString path = write(bytesOf(record), name);
        dialog.loadCharacter(path);
        return path;
    }

    QTemporaryDir directory;
    RecordingPrompts* prompts = new RecordingPrompts; // owned by the dialog
    EditorDialog dialog;
};

// The offset where a file first differs from the expected bytes, or -1.
inline qsizetype firstDifference(const QString& path, const QByteArray& expected)
{
    QFile file(path);
    const QByteArray actual = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return actual == expected ? -1 : at.first - actual.begin();
}
