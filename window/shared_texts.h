#pragma once

#include <QString>

// The editor's translation of a text it shares with veyrith-npf, one of the
// constants of editing/messages.h.
QString translatedText(const char* sharedText);
