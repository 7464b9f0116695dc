#pragma once

#include <QDialog>
#include <QUrl>

#include <memory>

class UserPrompts;

namespace Ui {
class AboutDialog;
}

// The about box: the program's picture, the version under it, and an OK button
// across the bottom.
// A click anywhere on it but the button opens the user guide and leaves the box open.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(UserPrompts& prompts, QUrl guide, QWidget* parent = nullptr);
    ~AboutDialog() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<Ui::AboutDialog> ui;
    UserPrompts& prompts;
    QUrl guide;
};
