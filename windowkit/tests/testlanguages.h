#pragma once

#include "uitranslations.h"

#include <QStringList>

namespace lume::test {

// The .qm files the build made; tests that load them depend on the target lume.
inline QString translationsDir()
{
    return QStringLiteral(LUME_BINARY_DIR "/share/lume/translations");
}

// English (empty) and every shipped language, for tests that run once per language.
inline QStringList everyUiLanguage()
{
    return QStringList {QString()} + shippedUiLanguages();
}

inline QByteArray languageRowName(const QString &language)
{
    return language.isEmpty() ? QByteArrayLiteral("en") : language.toLatin1();
}

} // namespace lume::test
