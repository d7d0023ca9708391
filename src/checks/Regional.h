// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The regional number separators: the one place that knows them. They come
// from the system locale at start-up; tests set them for the duration of a test.

#include <QChar>

namespace Regional {

QChar DecimalSeparator();
QChar ThousandSeparator();

// Sets both separators (tests, and start-up from the system locale).
void SetSeparators(QChar decimal, QChar thousands);

// Reads the separators of QLocale::system(); called once at start-up.
void LoadFromSystemLocale();

// Sets the separators for the lifetime of the object and restores them after.
class ScopedSeparators
{
public:
    ScopedSeparators(QChar decimal, QChar thousands);
    ~ScopedSeparators();
    ScopedSeparators(const ScopedSeparators &) = delete;
    ScopedSeparators &operator=(const ScopedSeparators &) = delete;

private:
    QChar _decimal;
    QChar _thousands;
};

} // namespace Regional
