#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

// Shows the window and ends the event loop once it has been painted for the
// first time: the moment a user sees it.
inline int showUntilFirstPaint(QApplication& application, QWidget& window)
{
    struct FirstPaint : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return QObject::eventFilter(watched, event);
        }
    } firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return application.exec();
}
