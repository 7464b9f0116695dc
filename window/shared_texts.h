#pragma once

#include "editing/messages.h"

#include <QCoreApplication>
#include <QString>

// The editor's translation of a text it shares with veyrith-npf, one of the
// constants of editing/messages.h, looked up in the context they are marked in.
inline QString translatedText(const char* sharedText)
{
    return QCoreApplication::translate(editing::messages::translationContext, sharedText);
}
