#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

// The about box: the program's picture, the version under it, and an OK button
// across the bottom.
// A click anywhere on it but the button asks for the user guide and leaves the box open.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

signals:
    void guideRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
